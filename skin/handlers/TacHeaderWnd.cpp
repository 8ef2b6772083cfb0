#include "skin/handlers/TacHeaderWnd.h"

#include <commctrl.h>
#include <windowsx.h>

#include "skin/controls/SkinTextOutput.h"
#include "skin/controls/sCommonDataWin.h"
#include "skin/data/SkinCommands.h"
#include "skin/render/core/GreyBuffer.h"
#include "skin/render/core/PixelBufferDc.h"

TacHeaderWnd::~TacHeaderWnd() { Detach(); }

void TacHeaderWnd::OnDetach() {
  hot_ = -1;
  TacPictureWnd::OnDetach();
}

HeaderLook TacHeaderWnd::Look() const {
  HeaderLook look;
  const int count = int(SendMessageW(Window(), HDM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    RECT r{};
    SendMessageW(Window(), HDM_GETITEMRECT, WPARAM(i), LPARAM(&r));
    look.Items.push_back({r.left, r.top, r.right, r.bottom});
  }
  look.Hot = hot_;
  // The header holds the capture while an item is pressed (or a divider dragged).
  if (GetCapture() == Window() && (GetKeyState(VK_LBUTTON) & 0x8000)) look.Pressed = hot_;
  return look;
}

int32_t TacHeaderWnd::ItemAt(TPoint client) const {
  HDHITTESTINFO hit{};
  hit.pt = {client.X, client.Y};
  const int item = int(SendMessageW(Window(), HDM_HITTEST, 0, LPARAM(&hit)));
  return (hit.flags & HHT_ONHEADER) ? item : -1;
}

void TacHeaderWnd::SetHot(int32_t item) {
  if (item == hot_) return;
  hot_ = item;
  InvalidateRect(Window(), nullptr, FALSE);
}

void TacHeaderWnd::WriteTexts(PixelBuffer& picture, const HeaderLook& look) {
  HDC dc = BufferDc(picture);
  const HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(Window(), WM_GETFONT, 0, 0)));
  SetBkMode(dc, TRANSPARENT);
  GreyBuffer alpha;
  MarkTextArea(picture, picture.Bounds(), alpha);
  for (size_t i = 0; i < look.Items.size(); ++i) {
    wchar_t text[260] = {};
    HDITEMW item{};
    item.mask = HDI_TEXT | HDI_FORMAT;
    item.pszText = text;
    item.cchTextMax = 260;
    if (!SendMessageW(Window(), HDM_GETITEMW, WPARAM(i), LPARAM(&item))) continue;
    const TsGenState* record = SkinData().StateRecord(HeaderItemState(look, int32_t(i)));
    SetTextColor(dc, ResolveColor(record ? record->TextColor : TColor(clBtnText)));
    const TRect& r = look.Items[i];
    RECT at{r.Left + kHeaderTextInset, r.Top, r.Right - kHeaderTextInset, r.Bottom};
    DrawTextW(dc, text, -1, &at, HeaderTextFlags(uint32_t(item.fmt)));
  }
  SelectObject(dc, oldFont);
  GdiFlush();
  RestoreTextAlpha(picture, picture.Bounds(), alpha);
}

PixelBuffer TacHeaderWnd::Picture() {
  PixelBuffer picture = ClientPicture();
  if (picture.Empty()) return picture;
  BackgroundInfo bg = SkinData().ParentBackground();
  if (TsCommonData::ParentNotReady(bg)) bg = {};
  const HeaderLook look = Look();
  PaintHeader(SkinData().PaintView(), SkinData().SectionIndex, look, bg, picture);
  WriteTexts(picture, look);
  return picture;
}

LRESULT TacHeaderWnd::OnMouseMove(TMessage& m) {
  const int32_t item = ItemAt({GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)});
  const std::weak_ptr<const void> alive = LifeToken();
  const LRESULT result = TacPictureWnd::HandleMessage(m);  // makes the header the hot window
  if (!alive.expired() && !Detached()) SetHot(item);
  return result;
}

LRESULT TacHeaderWnd::HandleMessage(TMessage& m) {
  if (!SkinActive()) return TacPictureWnd::HandleMessage(m);
  if (m.Msg == WM_MOUSEMOVE) return OnMouseMove(m);
  const std::weak_ptr<const void> alive = LifeToken();
  const LRESULT result = TacPictureWnd::HandleMessage(m);
  if (alive.expired() || Detached()) return result;
  // A press and its end change an item's look; the header draws them straight away itself.
  if (m.Msg == WM_LBUTTONDOWN || m.Msg == WM_LBUTTONUP || m.Msg == WM_CAPTURECHANGED)
    RedrawWindow(Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  return result;
}

std::optional<LRESULT> TacHeaderWnd::OnSkinCommand(uint16_t command, TMessage& m) {
  switch (command) {
    case AC_MOUSELEAVE:
      SetHot(-1);
      return 0;
    case AC_MOUSEENTER: return 0;
    default: return TacPictureWnd::OnSkinCommand(command, m);
  }
}
