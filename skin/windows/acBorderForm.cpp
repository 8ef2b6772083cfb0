#include "skin/windows/acBorderForm.h"

#include "skin/render/core/PixelBufferDc.h"
#include "skin/windows/BlurBehind.h"
#include "skin/windows/BorderMouse.h"
#include "skin/windows/ScopedMark.h"

namespace {

// A point of a mouse message (screen or client coordinates, as the message has it).
TPoint PointOf(LPARAM lParam) { return {short(LOWORD(lParam)), short(HIWORD(lParam))}; }

LPCWSTR CursorOf(BorderCursor cursor) {
  switch (cursor) {
    case BorderCursor::SizeWE: return IDC_SIZEWE;
    case BorderCursor::SizeNS: return IDC_SIZENS;
    case BorderCursor::SizeNWSE: return IDC_SIZENWSE;
    case BorderCursor::SizeNESW: return IDC_SIZENESW;
    case BorderCursor::Arrow: return IDC_ARROW;
    case BorderCursor::Default: break;
  }
  return nullptr;
}

}  // namespace

TacBorderWindow::TacBorderWindow(TacBorderForm& form, BorderWindowHost& host)
    : TWinControl(nullptr), form_(form), host_(host) {
  Tag = kEngineWindowTag;
  visible_ = false;
}

void TacBorderWindow::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.Style = WS_POPUP | WS_CLIPSIBLINGS;
  params.ExStyle = WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
  params.ClassStyle = CS_DBLCLKS;  // no drop shadow of its own
  params.WndParent = host_.FormWindow();
  params.Id = nullptr;
}

LRESULT TacBorderWindow::WndProc(TMessage& m) {
  // clang-format off
  switch (m.Msg) {
    case WM_NCHITTEST:       return OnNcHitTest(PointOf(m.LParam));
    case WM_SETCURSOR:       return OnSetCursor() ? TRUE : TWinControl::WndProc(m);
    case WM_MOUSEACTIVATE:   return OnMouseActivate();
    case WM_ERASEBKGND:      return 1;
    case WM_NCPAINT:
    case WM_PAINT:           return OnPaint();
    case WM_NCMOUSEMOVE:     return OnNcMouseMove(PointOf(m.LParam));
    case WM_NCMOUSELEAVE:    return OnNcMouseLeave();
    case WM_NCLBUTTONDOWN:   return OnNcLButtonDown(PointOf(m.LParam));
    case WM_NCLBUTTONUP:     return OnNcLButtonUp(PointOf(m.LParam));
    case WM_NCLBUTTONDBLCLK: return OnFrameInput(BorderLeftDoubleClick, PointOf(m.LParam));
    case WM_NCRBUTTONDOWN:   return 0;  // the menu comes with the release
    case WM_NCRBUTTONUP:     return OnFrameInput(BorderRightUp, PointOf(m.LParam));
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:     return OnClientMouse(m.Msg, PointOf(m.LParam));
    case WM_CAPTURECHANGED:  return OnCaptureChanged(reinterpret_cast<HWND>(m.LParam));
    default:                 return TWinControl::WndProc(m);
  }
  // clang-format on
}

LRESULT TacBorderWindow::OnNcHitTest(TPoint screen) {
  if (regionDirty_) {
    regionDirty_ = false;
    form_.ApplyRegion();
  }
  // Outside the frame the client code lets the mouse rules below pass the input on;
  // inside, every mouse message arrives as non-client and the host decides.
  return host_.FrameHitTest(screen) == kFrameHitOutside ? HTCLIENT : HTOBJECT;
}

bool TacBorderWindow::OnSetCursor() {
  POINT p;
  GetCursorPos(&p);
  LPCWSTR cursor = CursorOf(BorderCursorOf(host_.FrameHitTest({p.x, p.y})));
  if (!cursor) return false;
  SetCursor(LoadCursorW(nullptr, cursor));
  return true;
}

LRESULT TacBorderWindow::OnMouseActivate() {
  if (IsWindowEnabled(host_.FormWindow())) SetForegroundWindow(host_.FormWindow());
  return MA_NOACTIVATE;
}

LRESULT TacBorderWindow::OnPaint() {
  ValidateRect(WindowHandle(), nullptr);  // the layered picture is the system's to show
  return 0;
}

LRESULT TacBorderWindow::OnNcMouseMove(TPoint screen) {
  if (drag_.Pending()) {
    if (drag_.Move(screen)) RestoreUnderPointer(screen);  // may free this window: nothing after it
    return 0;
  }
  BorderMouseMove(host_, screen);
  TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE | TME_NONCLIENT, WindowHandle(), 0};
  TrackMouseEvent(&track);
  return 0;
}

LRESULT TacBorderWindow::OnNcMouseLeave() {
  host_.SetHotButton(0);
  return 0;
}

LRESULT TacBorderWindow::OnNcLButtonDown(TPoint screen) {
  HWND form = host_.FormWindow();
  if (host_.FrameHitTest(screen) == kFrameHitCaption && IsZoomed(form)) {
    // A maximized window moves only once the pointer leaves the press point: restored under it.
    drag_.Press(screen);
    SetCapture(WindowHandle());
    return 0;
  }
  return OnFrameInput(BorderLeftDown, screen);
}

LRESULT TacBorderWindow::OnNcLButtonUp(TPoint screen) {
  if (drag_.Pending()) {
    drag_.Cancel();
    if (GetCapture() == WindowHandle()) ReleaseCapture();
    return 0;
  }
  return OnFrameInput(BorderLeftUp, screen);
}

void TacBorderWindow::RestoreUnderPointer(TPoint screen) {
  if (GetCapture() == WindowHandle()) ReleaseCapture();
  HWND form = host_.FormWindow();
  WINDOWPLACEMENT placement{};
  placement.length = sizeof(placement);
  MONITORINFO mi{};
  mi.cbSize = sizeof(mi);
  if (!GetWindowPlacement(form, &placement) ||
      !GetMonitorInfoW(MonitorFromPoint({screen.X, screen.Y}, MONITOR_DEFAULTTONEAREST), &mi))
    return;
  RECT& normal = placement.rcNormalPosition;  // in work-area coordinates
  const int32_t width = normal.right - normal.left, height = normal.bottom - normal.top;
  const TPoint at = RestoredUnderPointer(screen, width, mi.rcMonitor.top);
  normal.left = at.X - (mi.rcWork.left - mi.rcMonitor.left);
  normal.top = at.Y - (mi.rcWork.top - mi.rcMonitor.top);
  normal.right = normal.left + width;
  normal.bottom = normal.top + height;
  placement.showCmd = SW_RESTORE;
  placement.flags = 0;
  // Restoring runs the form's own handlers, which may free it, its provider and this window.
  const std::weak_ptr<const void> life = LifeToken();
  SetWindowPlacement(form, &placement);
  if (life.expired() || !IsWindow(form)) return;
  // The move goes on as a caption press at the pointer starts it: the system's, under the real pointer.
  SendMessageW(form, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(screen.X, screen.Y));
}

LRESULT TacBorderWindow::OnFrameInput(void (*input)(BorderHost&, TPoint), TPoint screen) {
  input(host_, screen);  // may free the host and this window: nothing after it
  return 0;
}

LRESULT TacBorderWindow::OnClientMouse(UINT msg, TPoint at) {
  const POINT client{at.X, at.Y};
  POINT screen = client;
  ::ClientToScreen(WindowHandle(), &screen);
  // A maximized caption's press holds the mouse here until it moves far enough or ends.
  if (drag_.Pending()) {
    if (msg == WM_MOUSEMOVE) return OnNcMouseMove({screen.x, screen.y});
    if (msg == WM_LBUTTONUP) return OnNcLButtonUp({screen.x, screen.y});
    return 0;
  }
  const BorderClientInput input = msg == WM_LBUTTONUP   ? BorderClientInput::LeftUp
                                  : msg == WM_MOUSEMOVE ? BorderClientInput::Move
                                                        : BorderClientInput::Other;
  // A release may free the host and this window: nothing after it unless the point is for the window below.
  if (BorderClientMouse(host_, input, {screen.x, screen.y})) PunchHole(client);
  return 0;
}

LRESULT TacBorderWindow::OnCaptureChanged(HWND gaining) {
  drag_.Cancel();
  // Alt+Tab, a modal window, a menu: without the mouse no release will come here.
  if (gaining != host_.FormWindow()) host_.PressLost();
  return 0;
}

// A one-pixel hole at the point, so that the next input reaches the window below.
void TacBorderWindow::PunchHole(POINT client) {
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  if (GetWindowRgn(WindowHandle(), region) == ERROR) {
    DeleteObject(region);
    return;
  }
  HRGN hole = CreateRectRgn(client.x, client.y, client.x + 1, client.y + 1);
  CombineRgn(region, region, hole, RGN_XOR);
  DeleteObject(hole);
  SetWindowRgn(WindowHandle(), region, FALSE);  // the system owns it now
  regionDirty_ = true;
  form_.ForgetRegion();
}

// ---- the object --------------------------------------------------------------

TacBorderForm::TacBorderForm(BorderWindowHost& host)
    : host_(host), window_(std::make_unique<TacBorderWindow>(*this, host)) {}

TacBorderForm::~TacBorderForm() = default;

void TacBorderForm::ApplyRegion() {
  HWND window = window_->WindowHandle();
  if (!window) return;
  const BorderPlacement p = host_.Placement();
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
  HWND form = host_.FormWindow();
  if (busy_ || !form || !IsWindowVisible(form) || IsIconic(form)) return;
  const ScopedMark busy(busy_);
  window_->HandleNeeded();
  HWND window = window_->WindowHandle();
  const PixelBuffer& cache = host_.FrameCache();
  RECT wr;
  GetWindowRect(form, &wr);
  const BorderPlacement p = host_.Placement();
  POINT at{wr.left + p.Offset.X, wr.top + p.Offset.Y};
  if (redraw && !cache.Empty()) {
    ApplyRegion();
    SIZE size{cache.Width(), cache.Height()};
    POINT source{0, 0};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, host_.Opacity(), AC_SRC_ALPHA};
    HDC screen = GetDC(nullptr);
    UpdateLayeredWindow(window, screen, &at, &size, BufferDc(cache), &source, 0, &blend, ULW_ALPHA);
    ReleaseDC(nullptr, screen);
    ApplyBlur(window);
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
}

void TacBorderForm::ApplyBlur(HWND window) {
  if (blur_ == BlurState::NotAvailable) return;  // the system said so once: it stays so
  const std::optional<BlurShape> shape = host_.WantedBlur();
  if (!shape) {
    if (blur_ == BlurState::On) SetBlurBehind(window, nullptr);
    blur_ = BlurState::Off;
    return;
  }
  HRGN region = CreateRectRgn(shape->Outer.Left, shape->Outer.Top, shape->Outer.Right, shape->Outer.Bottom);
  for (const TRect& r : shape->Cut) {
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
