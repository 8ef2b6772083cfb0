#include "skin/handlers/TacGroupBoxWnd.h"

#include <algorithm>

#include "skin/controls/BindingPaint.h"
#include "skin/controls/SkinTextOutput.h"
#include "skin/controls/SkinTextOutputWin.h"
#include "skin/handlers/CheckGlyph.h"

namespace {

TPoint Moved(TPoint p, const TRect& r) { return {p.X + r.Left, p.Y + r.Top}; }

}  // namespace

void TacGroupBoxWnd::PaintContent(PixelBuffer& picture, const BackgroundInfo& bg) {
  TsCommonData& b = SkinData();
  const std::string caption = CaptionText();
  const TSize text = MeasureCaption(picture, caption, ButtonSize().cx);
  const GroupBoxLayout layout = LayGroupBox(ButtonSize(), text);
  captionHeight_ = std::max(text.cy, 1);
  PaintBindingBackground(b, picture, bg, Position(), picture.Bounds(), 0);
  PaintBindingSection(b, picture, bg, Moved(Position(), layout.Frame), layout.Frame, 0, true);
  if (caption.empty()) return;
  PaintBindingBackground(b, picture, bg, Moved(Position(), layout.CaptionGap), layout.CaptionGap, 0);
  TPictureTextCanvas canvas(picture, CaptionFont());
  WriteControlText(canvas, caption, true, 0, b, DT_LEFT | DT_SINGLELINE | DT_EXPANDTABS, layout.Caption);
}

void TacGroupBoxWnd::ClipPainting(HDC dc) {
  // The inside belongs to the controls the box holds; the parent already shows there.
  constexpr int32_t kBand = 3;  // wider than any group frame line
  const TSize size = ButtonSize();
  if (size.cx > 2 * kBand && size.cy > captionHeight_ + kBand)
    ExcludeClipRect(dc, kBand, captionHeight_, size.cx - kBand, size.cy - kBand);
}
