#include "skin/handlers/TacToolBarWnd.h"

#include <commctrl.h>

#include <algorithm>

#include "skin/controls/BindingPaint.h"
#include "skin/controls/SkinTextOutput.h"
#include "skin/controls/sCommonDataWin.h"
#include "skin/data/SkinColors.h"
#include "skin/data/SkinLoader.h"
#include "skin/data/sSkinManager.h"
#include "skin/handlers/ToolBarLayout.h"
#include "skin/paint/DrawArrow.h"
#include "skin/paint/SectionPainter.h"
#include "skin/render/core/GreyBuffer.h"
#include "skin/render/core/PixelBufferDc.h"
#include "skin/render/core/Raster.h"

namespace {

constexpr int32_t kDropDownArrowWidth = 10;  // the arrow part at a drop-down button's right

}  // namespace

TacToolBarWnd::~TacToolBarWnd() { Detach(); }

PixelBuffer TacToolBarWnd::Picture() {
  PixelBuffer picture = ClientPicture();
  if (picture.Empty()) return picture;
  const TsSkinManager* m = Manager();
  TsCommonData& b = SkinData();
  BackgroundInfo bg = b.ParentBackground();
  if (TsCommonData::ParentNotReady(bg)) {
    bg = {};
    bg.PlainColor = GlobalColor(m->Skin()->Colors);
  }
  PaintBindingSection(b, picture, bg, b.Host()->PositionInParent(), picture.Bounds(), 0, true);
  // Images and texts are drawn by GDI, which leaves the alpha of what it touched at 0.
  GreyBuffer alpha;
  MarkTextArea(picture, picture.Bounds(), alpha);
  PaintButtons(picture);
  GdiFlush();
  RestoreTextAlpha(picture, picture.Bounds(), alpha);
  return picture;
}

void TacToolBarWnd::PaintButtons(PixelBuffer& picture) {
  const HWND window = Window();
  const TsSkinManager& m = *Manager();
  const SkinPaintView view = SkinData().PaintView();
  const int32_t face = m.Elements().Section("TOOLBUTTON");
  const int32_t divider = m.Elements().Section("DIVIDER");
  const TsGeneralData* faceSection = view.Section(face);
  const TsGeneralData* dividerSection = view.Section(divider);
  const TsMaskData* dividerMask = dividerSection ? view.Mask(dividerSection->BorderIndex) : nullptr;
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  const bool list = (style & TBSTYLE_LIST) != 0, vertical = (style & CCS_VERT) != 0;
  const HIMAGELIST images = reinterpret_cast<HIMAGELIST>(SendMessageW(window, TB_GETIMAGELIST, 0, 0));
  const HIMAGELIST greyed = reinterpret_cast<HIMAGELIST>(SendMessageW(window, TB_GETDISABLEDIMAGELIST, 0, 0));
  TSize imageSize{};
  if (images) ImageList_GetIconSize(images, &imageSize.cx, &imageSize.cy);
  HDC dc = BufferDc(picture);
  const HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)));
  SetBkMode(dc, TRANSPARENT);
  const int hot = int(SendMessageW(window, TB_GETHOTITEM, 0, 0));
  const int count = int(SendMessageW(window, TB_BUTTONCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    TBBUTTON button{};
    RECT r{};
    if (!SendMessageW(window, TB_GETBUTTON, WPARAM(i), LPARAM(&button)) || (button.fsState & TBSTATE_HIDDEN) ||
        !SendMessageW(window, TB_GETITEMRECT, WPARAM(i), LPARAM(&r)))
      continue;
    const TRect rect{r.left, r.top, r.right, r.bottom};
    if (button.fsStyle & BTNS_SEP) {
      const TRect line = DividerRect(rect, vertical, dividerMask ? dividerMask->Width() : 1);
      PaintSection(view, divider, PictureBackground(picture), 0, line, {line.Left, line.Top}, picture);
      continue;
    }
    ToolButtonFacts facts;
    facts.Hot = i == hot;
    facts.Pressed = (button.fsState & TBSTATE_PRESSED) != 0;
    facts.Checked = (button.fsState & TBSTATE_CHECKED) != 0;
    facts.Enabled = (button.fsState & TBSTATE_ENABLED) != 0;
    const int32_t state = ToolButtonState(facts);
    const PixelBuffer under = picture.Clone();
    PaintSection(view, face, PictureBackground(under), state, rect, {rect.Left, rect.Top}, picture);
    const bool dropDown = (button.fsStyle & (BTNS_DROPDOWN | BTNS_WHOLEDROPDOWN)) != 0;
    TRect content = rect;
    if (dropDown) content.Right = std::max(content.Left, content.Right - kDropDownArrowWidth);
    wchar_t text[128] = {};
    const bool hasText = SendMessageW(window, TB_GETBUTTONTEXTW, WPARAM(button.idCommand), LPARAM(text)) > 0;
    const bool hasImage = images && button.iBitmap >= 0;
    const ToolButtonContent place =
        LayoutToolButton(content, hasImage ? imageSize : TSize{}, hasText, list, facts.Pressed || facts.Checked);
    if (hasImage) {
      const HIMAGELIST from = !facts.Enabled && greyed ? greyed : images;
      ImageList_Draw(from, button.iBitmap, dc, place.Image.Left, place.Image.Top,
                     facts.Enabled || greyed ? ILD_TRANSPARENT : ILD_TRANSPARENT | ILD_BLEND50);
    }
    const TColor font = faceSection ? faceSection->Props[size_t(std::clamp(state, 0, 2))].TextColor : TColor(clBtnText);
    const COLORREF textColor = facts.Enabled ? ResolveColor(font) : GetSysColor(COLOR_GRAYTEXT);
    if (hasText) {
      SetTextColor(dc, textColor);
      RECT at{place.Text.Left, place.Text.Top, place.Text.Right, place.Text.Bottom};
      DrawTextW(dc, text, -1, &at,
                DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS | (list ? DT_LEFT | DT_VCENTER : DT_CENTER | DT_TOP));
    }
    if (dropDown) {
      GdiFlush();
      DrawArrow(picture, TColor(textColor), {content.Right, rect.Top, rect.Right, rect.Bottom}, kArrowDown);
    }
  }
  SelectObject(dc, oldFont);
}
