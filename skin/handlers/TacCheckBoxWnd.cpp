#include "skin/handlers/TacCheckBoxWnd.h"

#include <algorithm>

#include "skin/controls/BindingPaint.h"
#include "skin/controls/SkinTextOutput.h"
#include "skin/controls/SkinTextOutputWin.h"
#include "skin/data/sSkinManager.h"
#include "skin/handlers/CheckGlyph.h"
#include "skin/paint/GlyphFrame.h"

namespace {

bool IsRadio(HWND window) {
  const LONG_PTR type = GetWindowLongPtrW(window, GWL_STYLE) & BS_TYPEMASK;
  return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

CheckMark MarkOf(HWND window) {
  switch (SendMessageW(window, BM_GETCHECK, 0, 0)) {
    case BST_CHECKED:       return CheckMark::Checked;
    case BST_INDETERMINATE: return CheckMark::Grayed;
    default:                return CheckMark::Unchecked;
  }
}

}  // namespace

// ---- TacCheckBoxWnd ------------------------------------------------------------

LRESULT TacCheckBoxWnd::HandleMessage(TMessage& m) {
  // The system draws the new mark at once; the skin's picture is shown instead.
  if (m.Msg == BM_SETCHECK && SkinActive()) return OnLookChange(m, false);
  return TacBtnWnd::HandleMessage(m);
}

void TacCheckBoxWnd::PaintContent(PixelBuffer& picture, const BackgroundInfo& bg) {
  TsCommonData& b = SkinData();
  PaintBindingSection(b, picture, bg, Position(), picture.Bounds(), 0, true);

  const TsSkinManager* m = Manager();
  const SkinPaintView view = b.PaintView();
  const TsMaskData* glyph =
      m ? view.Mask(m->Elements().GlobalMask(CheckGlyphKey(IsRadio(Window()), MarkOf(Window())))) : nullptr;
  const TSize glyphSize = glyph ? TSize{glyph->Width(), glyph->Height()} : TSize{};
  const CheckBoxLayout layout = LayCheckBox(ButtonSize(), glyphSize);
  const bool hot = b.PointerInside || GetFocus() == Window();
  if (glyph) {
    PaintGlyphFrame(view, picture, {layout.Glyph.Left, layout.Glyph.Top}, CheckGlyphState(Pressed(), hot), bg, *glyph,
                    kGlyphNormalLook);
  }

  const std::string caption = CaptionText();
  const TSize text = MeasureCaption(picture, caption, layout.Caption.Width());
  const TRect box = MakeRect(layout.Caption.Left, (ButtonSize().cy - text.cy) / 2, text.cx, text.cy);
  if (!caption.empty()) {
    const bool multiline = (GetWindowLongPtrW(Window(), GWL_STYLE) & BS_MULTILINE) != 0;
    TPictureTextCanvas canvas(picture, CaptionFont());
    WriteControlText(canvas, caption, true, hot ? 1 : 0, b, DT_LEFT | DT_EXPANDTABS | (multiline ? DT_WORDBREAK : 0),
                     box);
  }
  const TRect frame{box.Left - 1, std::max(box.Top - 1, 0), std::min(box.Right + 1, picture.Width()),
                    std::min(box.Bottom + 1, picture.Height())};
  PaintFocusFrame(picture, frame, !caption.empty());
}
