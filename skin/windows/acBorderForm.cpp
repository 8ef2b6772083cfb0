#include "skin/windows/acBorderForm.h"

#include <algorithm>

#include "skin/data/SkinLoader.h"
#include "skin/data/sSkinManager.h"
#include "skin/render/core/PixelBufferDc.h"
#include "skin/windows/BlurBehind.h"
#include "skin/windows/FrameGeometry.h"
#include "skin/windows/FrameRegion.h"
#include "skin/windows/sSkinProvider.h"

namespace {

POINT ScreenPointOf(LPARAM lParam) { return {short(LOWORD(lParam)), short(HIWORD(lParam))}; }
POINT ClientPointOf(LPARAM lParam) { return ScreenPointOf(lParam); }

LPCWSTR CursorOf(int32_t code) {
  switch (code) {
    case kFrameHitLeft: case kFrameHitRight: return IDC_SIZEWE;
    case kFrameHitTop: case kFrameHitBottom: return IDC_SIZENS;
    case kFrameHitTopLeft: case kFrameHitBottomRight: return IDC_SIZENWSE;
    case kFrameHitTopRight: case kFrameHitBottomLeft: return IDC_SIZENESW;
    case kFrameHitCaption: case kFrameHitMenu: return IDC_ARROW;
  }
  return nullptr;
}

}  // namespace

TacBorderWindow::TacBorderWindow(TacBorderForm& form, TsSkinProvider& owner)
    : TWinControl(nullptr), form_(form), owner_(owner) {
  Tag = kEngineWindowTag;
  visible_ = false;
}

void TacBorderWindow::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.Style = WS_POPUP | WS_CLIPSIBLINGS;
  params.ExStyle = WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
  params.ClassStyle = CS_DBLCLKS;  // no drop shadow of its own
  params.WndParent = owner_.Form().WindowHandle();
  params.Id = nullptr;
}

LRESULT TacBorderWindow::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_NCHITTEST:       return OnNcHitTest(ScreenPointOf(m.LParam));
    case WM_SETCURSOR:       return OnSetCursor() ? TRUE : TWinControl::WndProc(m);
    case WM_MOUSEACTIVATE:   return OnMouseActivate();
    case WM_ERASEBKGND:      return 1;
    case WM_NCPAINT:
    case WM_PAINT:           return OnPaint();
    case WM_NCMOUSEMOVE:     return OnNcMouseMove(ScreenPointOf(m.LParam));
    case WM_NCMOUSELEAVE:    return OnNcMouseLeave();
    case WM_NCLBUTTONDOWN:   return OnNcLButtonDown(owner_.FrameHitTest(ScreenPointOf(m.LParam)), m.LParam);
    case WM_NCLBUTTONUP:     return OnNcLButtonUp(ScreenPointOf(m.LParam));
    case WM_NCLBUTTONDBLCLK: return OnNcLButtonDblClk(owner_.FrameHitTest(ScreenPointOf(m.LParam)));
    case WM_NCRBUTTONDOWN:   return 0;  // the menu comes with the release
    case WM_NCRBUTTONUP:     return OnNcRButtonUp(owner_.FrameHitTest(ScreenPointOf(m.LParam)), ScreenPointOf(m.LParam));
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:     return OnClientMouse(m.Msg, ClientPointOf(m.LParam));
    case WM_CAPTURECHANGED:  drag_.Cancel(); return TWinControl::WndProc(m);
    default:                 return TWinControl::WndProc(m);
  }
}

LRESULT TacBorderWindow::OnNcHitTest(POINT screen) {
  if (regionDirty_) {
    regionDirty_ = false;
    form_.ApplyRegion();
  }
  // Outside the frame the client code lets the mouse rules below pass the input on;
  // inside, every mouse message arrives as non-client and the owner decides.
  return owner_.FrameHitTest(screen) == kFrameHitOutside ? HTCLIENT : HTOBJECT;
}

bool TacBorderWindow::OnSetCursor() {
  POINT p;
  GetCursorPos(&p);
  LPCWSTR cursor = CursorOf(owner_.FrameHitTest(p));
  if (!cursor) return false;
  SetCursor(LoadCursorW(nullptr, cursor));
  return true;
}

LRESULT TacBorderWindow::OnMouseActivate() {
  if (IsWindowEnabled(owner_.Form().WindowHandle())) SetForegroundWindow(owner_.Form().WindowHandle());
  return MA_NOACTIVATE;
}

LRESULT TacBorderWindow::OnPaint() {
  ValidateRect(WindowHandle(), nullptr);  // the layered picture is the system's to show
  return 0;
}

LRESULT TacBorderWindow::OnNcMouseMove(POINT screen) {
  if (drag_.Pending()) {
    if (drag_.Move({screen.x, screen.y})) RestoreUnderPointer(screen);  // may free this window: nothing after it
    return 0;
  }
  owner_.SetHotButton(owner_.FrameHitTest(screen));
  TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE | TME_NONCLIENT, WindowHandle(), 0};
  TrackMouseEvent(&track);
  return 0;
}

LRESULT TacBorderWindow::OnNcMouseLeave() {
  owner_.SetHotButton(0);
  return 0;
}

LRESULT TacBorderWindow::OnNcLButtonDown(int hitCode, LPARAM lParam) {
  HWND form = owner_.Form().WindowHandle();
  if (hitCode == kFrameHitOutside || hitCode == kFrameHitNowhere || hitCode == kFrameHitClient) return 0;
  if (IsTitleButtonCode(hitCode)) {
    owner_.PressButton(hitCode, WindowHandle());  // may free the owner and this window: nothing after it
    return 0;
  }
  if (hitCode == kFrameHitCaption && IsZoomed(form)) {
    // A maximized window moves only once the pointer leaves the press point: restored under it.
    const POINT screen = ScreenPointOf(lParam);
    drag_.Press({screen.x, screen.y});
    SetCapture(WindowHandle());
    return 0;
  }
  // Caption drags, sizing bands and the icon: the form's own handling.
  SendMessageW(form, WM_NCLBUTTONDOWN, WPARAM(hitCode), lParam);
  return 0;
}

void TacBorderWindow::RestoreUnderPointer(POINT screen) {
  if (GetCapture() == WindowHandle()) ReleaseCapture();
  HWND form = owner_.Form().WindowHandle();
  WINDOWPLACEMENT placement{};
  placement.length = sizeof(placement);
  MONITORINFO mi{};
  mi.cbSize = sizeof(mi);
  if (!GetWindowPlacement(form, &placement) ||
      !GetMonitorInfoW(MonitorFromPoint(screen, MONITOR_DEFAULTTONEAREST), &mi))
    return;
  RECT& normal = placement.rcNormalPosition;  // in work-area coordinates
  const int32_t width = normal.right - normal.left, height = normal.bottom - normal.top;
  const TPoint at = RestoredUnderPointer({screen.x, screen.y}, width, mi.rcMonitor.top);
  normal.left = at.X - (mi.rcWork.left - mi.rcMonitor.left);
  normal.top = at.Y - (mi.rcWork.top - mi.rcMonitor.top);
  normal.right = normal.left + width;
  normal.bottom = normal.top + height;
  placement.showCmd = SW_RESTORE;
  placement.flags = 0;
  // Restoring runs the form's own handlers, which may free it and this window.
  const std::weak_ptr<const void> life = owner_.LifeToken();
  SetWindowPlacement(form, &placement);
  if (life.expired() || !IsWindow(form)) return;
  // The move goes on as a caption press at the pointer starts it: the system's, under the real pointer.
  SendMessageW(form, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(screen.x, screen.y));
}

LRESULT TacBorderWindow::OnNcLButtonUp(POINT screen) {
  if (drag_.Pending()) {
    drag_.Cancel();
    if (GetCapture() == WindowHandle()) ReleaseCapture();
    return 0;
  }
  if (!owner_.PressInProgress()) return 0;
  if (GetCapture() == WindowHandle()) ReleaseCapture();
  owner_.ReleaseButton(owner_.FrameHitTest(screen));  // may free the owner and this window: nothing after it
  return 0;
}

LRESULT TacBorderWindow::OnNcLButtonDblClk(int hitCode) {
  // A quick second click on a title button is a press too.
  if (IsTitleButtonCode(hitCode)) owner_.PressButton(hitCode, WindowHandle());  // may free the owner: nothing after it
  else if (hitCode == kFrameHitCaption) owner_.CaptionDoubleClick();
  else if (hitCode == kFrameHitLeft || hitCode == kFrameHitRight || hitCode == kFrameHitTop ||
           hitCode == kFrameHitBottom)
    owner_.EdgeDoubleClick(hitCode);
  else if (hitCode == kFrameHitSysMenu) owner_.IconDoubleClick();
  return 0;
}

LRESULT TacBorderWindow::OnNcRButtonUp(int hitCode, POINT screen) {
  if (hitCode == kFrameHitCaption || hitCode == kFrameHitSysMenu) owner_.ShowSystemMenu(screen);
  return 0;
}

LRESULT TacBorderWindow::OnClientMouse(UINT msg, POINT client) {
  // While a title button is held or a maximized caption pressed, the captured mouse reports here.
  if (owner_.PressInProgress() || drag_.Pending()) {
    POINT screen = client;
    ::ClientToScreen(WindowHandle(), &screen);
    return msg == WM_LBUTTONUP ? OnNcLButtonUp(screen) : msg == WM_MOUSEMOVE ? OnNcMouseMove(screen) : 0;
  }
  // Otherwise only outside the frame: punch a one-pixel hole so that the next input reaches the window below.
  owner_.SetHotButton(0);
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  if (GetWindowRgn(WindowHandle(), region) != ERROR) {
    HRGN hole = CreateRectRgn(client.x, client.y, client.x + 1, client.y + 1);
    CombineRgn(region, region, hole, RGN_XOR);
    DeleteObject(hole);
    SetWindowRgn(WindowHandle(), region, FALSE);  // the system owns it now
    regionDirty_ = true;
    form_.ForgetRegion();
    return 0;
  }
  DeleteObject(region);
  return 0;
}

// ---- the object --------------------------------------------------------------

TacBorderForm::TacBorderForm(TsSkinProvider& owner)
    : owner_(owner), window_(std::make_unique<TacBorderWindow>(*this, owner)) {}

TacBorderForm::~TacBorderForm() = default;

void TacBorderForm::ApplyRegion() {
  HWND window = window_->WindowHandle();
  if (!window) return;
  const BorderPlacement p = PlaceBorderWindow(owner_.Measures(), owner_.Inputs());
  if (window == regionWindow_ && p.Outer == regionOuter_ && p.Hole == regionHole_) return;
  regionWindow_ = window;
  regionOuter_ = p.Outer;
  regionHole_ = p.Hole;
  HRGN region = CreateRectRgn(p.Outer.Left, p.Outer.Top, p.Outer.Right, p.Outer.Bottom);
  HRGN hole = CreateRectRgn(p.Hole.Left, p.Hole.Top, p.Hole.Right, p.Hole.Bottom);
  CombineRgn(region, region, hole, RGN_XOR);
  DeleteObject(hole);
  SetWindowRgn(window, region, FALSE);
}

void TacBorderForm::Update(bool redraw) {
  HWND form = owner_.Form().WindowHandle();
  if (busy_ || !form || !IsWindowVisible(form) || IsIconic(form)) return;
  busy_ = true;
  window_->HandleNeeded();
  HWND window = window_->WindowHandle();
  const PixelBuffer& cache = owner_.FrameCache();
  RECT wr;
  GetWindowRect(form, &wr);
  const BorderPlacement p = PlaceBorderWindow(owner_.Measures(), owner_.Inputs());
  POINT at{wr.left + p.Offset.X, wr.top + p.Offset.Y};
  if (redraw && !cache.Empty()) {
    ApplyRegion();
    SIZE size{cache.Width(), cache.Height()};
    POINT source{0, 0};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, owner_.Opacity(), AC_SRC_ALPHA};
    HDC screen = GetDC(nullptr);
    UpdateLayeredWindow(window, screen, &at, &size, BufferDc(cache), &source, 0, &blend, ULW_ALPHA);
    ReleaseDC(nullptr, screen);
    ApplyBlur(window, cache);
  }
  // Directly above the form (an owned window always is): shown without activation.
  // Placing it again where it already is costs a round trip to the window system.
  RECT placed{};
  const bool inPlace = IsWindowVisible(window) && GetWindowRect(window, &placed) && placed.left == at.x &&
                       placed.top == at.y && GetWindow(window, GW_HWNDNEXT) == form;
  if (!inPlace) {
    UINT flags = SWP_NOACTIVATE | SWP_NOSIZE | SWP_NOOWNERZORDER;
    if (!IsWindowVisible(window)) flags |= SWP_SHOWWINDOW;
    SetWindowPos(window, HWND_TOP, at.x, at.y, 0, 0, flags);
  }
  busy_ = false;
}

void TacBorderForm::ApplyBlur(HWND window, const PixelBuffer& cache) {
  if (blur_ == BlurState::NotAvailable) return;  // the system said so once: it stays so
  const TsSkinManager* manager = owner_.SkinData.Manager();
  const LoadedSkin* skin = manager ? manager->Skin() : nullptr;
  if (!skin || !manager->Effects.AllowAeroBluring || !skin->SkinData.AeroBlur) {
    if (blur_ == BlurState::On) SetBlurBehind(window, nullptr);
    blur_ = BlurState::Off;
    return;
  }
  const BlurShape shape = BlurBehindShape(cache, owner_.Measures(), skin->SkinData.FormOffset);
  HRGN region = CreateRectRgn(shape.Outer.Left, shape.Outer.Top, shape.Outer.Right, shape.Outer.Bottom);
  for (const TRect& r : shape.Cut) {
    HRGN cut = CreateRectRgn(r.Left, r.Top, r.Right, r.Bottom);
    CombineRgn(region, region, cut, RGN_DIFF);
    DeleteObject(cut);
  }
  blur_ = SetBlurBehind(window, region) ? BlurState::On : BlurState::NotAvailable;
  DeleteObject(region);
}

void TacBorderForm::Hide() {
  if (HWND window = window_->WindowHandle()) ShowWindow(window, SW_HIDE);
}
