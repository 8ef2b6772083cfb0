#include "toolkit/WinControl.h"

#include <algorithm>
#include <stdexcept>

#include "toolkit/Application.h"
#include "toolkit/Cp1251.h"
#include "toolkit/Forms.h"
#include "toolkit/Menus.h"
#include "toolkit/MessageCrackers.h"
#include "toolkit/MessageGate.h"

namespace {

constexpr wchar_t kObjectProperty[] = L"TkControl";
int nextChildId = 100;  // ids of child windows; owner-draw measuring finds a child by its id

bool IsToolkitMessage(UINT msg) { return msg >= CM_BASE && msg < 0xC000; }

}  // namespace

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  if (handle_) DestroyWindow(handle_);
  // One at a time from the live list: a removal may remove or destroy siblings.
  while (!controls_.empty()) RemoveControl(controls_.front());
  if (brush_) DeleteObject(brush_);
}

TWinControl* TWinControl::FromHandle(HWND window) {
  return window ? static_cast<TWinControl*>(GetPropW(window, kObjectProperty)) : nullptr;
}

HWND TWinControl::Handle() {
  if (!handle_) CreateWnd();
  return handle_;
}

void TWinControl::CreateParams(TCreateParams& params) {
  params.Style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
  if (visible_) params.Style |= WS_VISIBLE;
  if (!enabled_) params.Style |= WS_DISABLED;
  if (TabStop) params.Style |= WS_TABSTOP;
  params.X = bounds_.Left;
  params.Y = bounds_.Top;
  params.Width = bounds_.Width();
  params.Height = bounds_.Height();
  params.WndParent = parent_ ? parent_->Handle() : nullptr;
  params.Id = reinterpret_cast<HMENU>(INT_PTR(nextChildId++));
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  if (params.Style & WS_CHILD && !params.WndParent) throw std::runtime_error("Control '" + Name + "' has no parent window");
  std::wstring className = Cp1251::ToWide(ClassName());
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  defWndProc_ = DefWindowProcW;
  if (!params.SystemClass.empty()) {
    if (!GetClassInfoExW(nullptr, params.SystemClass.c_str(), &wc)) throw std::runtime_error("No system class");
    defWndProc_ = wc.lpfnWndProc;
  }
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof(existing);
  if (!GetClassInfoExW(instance, className.c_str(), &existing)) {
    if (params.SystemClass.empty()) {
      wc.style = params.ClassStyle;
      wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
      wc.hIcon = LoadIconW(instance, L"MAINICON");
    }
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = StdWndProc;
    wc.hInstance = instance;
    wc.lpszClassName = className.c_str();
    if (!RegisterClassExW(&wc)) throw std::runtime_error("Cannot register window class " + ClassName());
  }
  std::wstring text = Cp1251::ToWide(text_);
  CreateWindowExW(params.ExStyle, className.c_str(), text.c_str(), params.Style, params.X, params.Y, params.Width,
                  params.Height, params.WndParent, params.Id, instance, this);
  if (!handle_) throw std::runtime_error("Error creating window");
  WindowCreated();
}

void TWinControl::WindowCreated() {
  SendMessageW(handle_, WM_SETFONT, WPARAM(Font.Handle()), FALSE);
  ForEachChild([](TControl* c) {
    if (auto* w = dynamic_cast<TWinControl*>(c)) w->HandleNeeded();
  });
  UpdateShowing();
}

void TWinControl::DestroyWnd() {
  if (!handle_) return;
  text_ = Text();
  DestroyWindow(handle_);
}

void TWinControl::RecreateWnd() {
  if (!handle_) return;
  DestroyWnd();
  CreateWnd();
  Perform(CM_RECREATEWND);
}

void TWinControl::InsertControl(TControl* control) {
  controls_.push_back(control);
  control->parent_ = this;
  if (control->ParentFont) {
    control->Font = Font;
    control->ParentFont = true;
  }
  if (auto* w = dynamic_cast<TWinControl*>(control); w && handle_) w->HandleNeeded();
  control->Invalidate();
  Perform(CM_CONTROLLISTCHANGE, WPARAM(control), 1);
}

bool TWinControl::HasChild(const TControl* control) const {
  return std::find(controls_.begin(), controls_.end(), control) != controls_.end();
}

void TWinControl::RemoveControl(TControl* control) {
  if (!HasChild(control)) return;
  // The notification comes while the control is still a child. Its handlers
  // may remove the control themselves, or destroy it (which removes it): a
  // removal asked for meanwhile is done at once, without a second
  // notification, and then nothing here touches the control again.
  if (!control->removing_) {
    control->removing_ = true;
    Perform(CM_CONTROLLISTCHANGE, WPARAM(control), 0);
    if (!HasChild(control)) return;
    control->removing_ = false;
  }
  control->Invalidate();
  if (captureControl_ == control) captureControl_ = nullptr;
  std::erase(controls_, control);
  control->parent_ = nullptr;
  control->removing_ = false;
  if (auto* w = dynamic_cast<TWinControl*>(control); w && w->handle_) w->DestroyWnd();
}

TControl* TWinControl::ControlAtPos(TPoint p) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* c = *it;
    TRect r = c->BoundsRect();
    if (!dynamic_cast<TWinControl*>(c) && c->Visible() && c->Enabled() && p.X >= r.Left && p.X < r.Right &&
        p.Y >= r.Top && p.Y < r.Bottom)
      return c;
  }
  return nullptr;
}

bool TWinControl::CanFocus() const {
  for (const TControl* c = this; c; c = c->Parent())
    if (!c->Visible() || !c->Enabled()) return false;
  return true;
}

bool TWinControl::Focused() const { return handle_ && GetFocus() == handle_; }

void TWinControl::SetFocus() { ::SetFocus(Handle()); }

std::string TWinControl::Text() const {
  if (!handle_) return text_;
  int length = GetWindowTextLengthW(handle_);
  std::wstring text(size_t(length) + 1, L'\0');
  text.resize(size_t(GetWindowTextW(handle_, text.data(), length + 1)));
  return Cp1251::FromWide(text);
}

void TWinControl::SetText(const std::string& text) {
  if (text == Text()) return;
  text_ = text;
  if (handle_) SetWindowTextW(handle_, Cp1251::ToWide(text).c_str());
  Perform(CM_TEXTCHANGED);
}

bool TWinControl::Showing() const { return handle_ && IsWindowVisible(handle_); }

void TWinControl::UpdateShowing() {
  bool showing = Showing();
  if (showing != showing_) {
    showing_ = showing;
    Perform(CM_SHOWINGCHANGED);
  }
  ForEachChild([](TControl* c) {
    if (auto* w = dynamic_cast<TWinControl*>(c)) w->UpdateShowing();
  });
}

void TWinControl::Invalidate() {
  if (handle_) InvalidateRect(handle_, nullptr, TRUE);
}

void TWinControl::BoundsChanged() {
  if (!handle_) return;
  SetWindowPos(handle_, nullptr, bounds_.Left, bounds_.Top, bounds_.Width(), bounds_.Height(),
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWinControl::EnabledChanged() {
  if (handle_) EnableWindow(handle_, enabled_);
}

void TWinControl::VisibleChanged() {
  if (!handle_) return;
  ShowWindow(handle_, visible_ ? SW_SHOW : SW_HIDE);
  UpdateShowing();
}

HBRUSH TWinControl::BrushHandle() {
  if (!brush_ || brushColor_ != color_) {
    if (brush_) DeleteObject(brush_);
    brush_ = CreateSolidBrush(ColorRef(color_));
    brushColor_ = color_;
  }
  return brush_;
}

bool TWinControl::DoKeyPress(char& key) {
  TCustomForm* form = GetParentForm(this);
  if (form && form != this && form->KeyPreview && form->OnKeyPress) form->OnKeyPress(form, key);
  if (key && OnKeyPress) OnKeyPress(this, key);
  return key != 0;
}

void TWinControl::PaintWindowless(HDC dc, const RECT& clip) {
  ForEachChild([&](TControl* c) {
    if (dynamic_cast<TWinControl*>(c) || !c->Visible()) return;
    TRect b = c->BoundsRect();
    RECT r{b.Left, b.Top, b.Right, b.Bottom}, hit;
    if (!IntersectRect(&hit, &r, &clip)) return;
    int saved = SaveDC(dc);
    IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
    SetViewportOrgEx(dc, r.left, r.top, nullptr);
    c->Perform(WM_PAINT, WPARAM(dc));
    RestoreDC(dc, saved);
  });
}

// ---- Message handling

LRESULT TWinControl::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_SETFOCUS:         return OnSetFocus(m);
    case WM_CHAR:             return OnChar(m, CharOf(m));
    case CM_ENTER:            return RaiseEvent(OnEnter);
    case CM_EXIT:             return RaiseEvent(OnExit);
    case CM_FONTCHANGED:      return OnFontChanged();
    case WM_COMMAND:          return ReflectToChild(m, CommandWindowOf(m), CN_COMMAND);
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:      return ReflectToChild(m, ColorChildOf(m), CN_BASE + m.Msg);
    case WM_DRAWITEM:
      // Items of the open pop-up menu first, then the control the item belongs to.
      if (TPopupMenu::DispatchOwnerDraw(m.Msg, m.LParam, m.Result)) return m.Result;
      return ReflectToChild(m, DrawItemOf(m).hwndItem, CN_DRAWITEM);
    case WM_MEASUREITEM:
      if (TPopupMenu::DispatchOwnerDraw(m.Msg, m.LParam, m.Result)) return m.Result;
      return ReflectToChild(m, GetDlgItem(handle_, int(MeasureItemOf(m).CtlID)), CN_MEASUREITEM);
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORSTATIC:
    case CN_CTLCOLORLISTBOX:  return OnChildColors(DcOf(m));
    case WM_ERASEBKGND:       return OnEraseBackground(m, DcOf(m));
    case WM_PAINT:            return OnPaint(m, DcOf(m));
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:    return OnMouse(m, PointOf(m));
    case WM_MOUSELEAVE:       return OnMouseLeave(m);
    case WM_CAPTURECHANGED:   return OnCaptureChanged(m, NewCaptureOf(m));
    case WM_MOUSEWHEEL:       return OnMouseWheel(m);
    case WM_WINDOWPOSCHANGED: return OnWindowPosChanged(m, WindowPosOf(m));
    case WM_DESTROY:          return OnDestroy(m);
    default:                  return TControl::WndProc(m);
  }
}

LRESULT TWinControl::OnSetFocus(TMessage& m) {
  if (TCustomForm* form = GetParentForm(this); form && form != this) form->ActiveControlFocused(this);
  return TControl::WndProc(m);
}

LRESULT TWinControl::OnChar(TMessage& m, wchar_t typed) {
  char key = Cp1251::FromWide(std::wstring_view(&typed, 1))[0];
  char original = key;
  if (!DoKeyPress(key)) return 0;
  if (key != original) m.WParam = Cp1251::ToWide(std::string(1, key))[0];
  return TControl::WndProc(m);
}

LRESULT TWinControl::RaiseEvent(const TNotifyEvent& event) {
  if (event) event(this);
  return 0;
}

LRESULT TWinControl::OnFontChanged() {
  if (handle_) SendMessageW(handle_, WM_SETFONT, WPARAM(Font.Handle()), TRUE);
  ForEachChild([this](TControl* c) {
    if (!c->ParentFont) return;
    c->Font = Font;
    c->ParentFont = true;
  });
  return 0;
}

LRESULT TWinControl::ReflectToChild(TMessage& m, HWND childWindow, UINT reflected) {
  TWinControl* child = FromHandle(childWindow);
  if (!child || child == this) return TControl::WndProc(m);
  return child->Perform(reflected, m.WParam, m.LParam);
}

LRESULT TWinControl::OnChildColors(HDC dc) {
  SetTextColor(dc, ColorRef(Font.Color));
  SetBkColor(dc, ColorRef(color_));
  return LRESULT(BrushHandle());
}

LRESULT TWinControl::OnEraseBackground(TMessage& m, HDC dc) {
  if (!FillsBackground()) return TControl::WndProc(m);
  RECT r;
  GetClientRect(handle_, &r);
  FillRect(dc, &r, BrushHandle());
  return 1;
}

LRESULT TWinControl::OnPaint(TMessage& m, HDC dc) {
  if (!OwnClass()) return TControl::WndProc(m);
  if (dc) {
    RECT r;
    GetClientRect(handle_, &r);
    PaintWindowless(dc, r);
    return 0;
  }
  PAINTSTRUCT ps;
  HDC paintDc = BeginPaint(handle_, &ps);
  PaintWindowless(paintDc, ps.rcPaint);
  EndPaint(handle_, &ps);
  return 0;
}

void TWinControl::TrackMouseLeave() {
  TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, handle_, 0};
  TrackMouseEvent(&track);
}

LRESULT TWinControl::OnMouse(TMessage& m, TPoint point) {
  if (OwnClass()) return RouteMouse(m, point);
  // A system control is one control for the pointer.
  if (m.Msg == WM_MOUSEMOVE && Application) {
    TrackMouseLeave();
    Application->SetMouseControl(this);
  }
  return TControl::WndProc(m);
}

// Windowless children get the mouse messages over them in their own
// coordinates; the one a button went down on keeps them until the button is up.
LRESULT TWinControl::RouteMouse(TMessage& m, TPoint p) {
  TControl* target = captureControl_ ? captureControl_ : ControlAtPos(p);
  if (m.Msg == WM_MOUSEMOVE) {
    TrackMouseLeave();
    if (!captureControl_ && Application) Application->SetMouseControl(target ? target : this);
  }
  if (!target) return TControl::WndProc(m);
  if (IsButtonDown(m.Msg) && !captureControl_) {
    captureControl_ = target;
    SetCapture(handle_);
  }
  const std::weak_ptr<const void> alive = LifeToken();
  target->Perform(m.Msg, m.WParam, MAKELPARAM(p.X - target->Left(), p.Y - target->Top()));
  if (alive.expired()) return 0;  // the click closed and freed this window
  if (IsButtonUp(m.Msg) && captureControl_ == target) {
    captureControl_ = nullptr;
    if (GetCapture() == handle_) ReleaseCapture();
    if (Application) {
      TControl* under = ControlAtPos(p);
      Application->SetMouseControl(under ? under : this);
    }
  }
  return 0;
}

LRESULT TWinControl::OnMouseLeave(TMessage& m) {
  if (Application) Application->MouseLeftWindow(this);
  return TControl::WndProc(m);
}

LRESULT TWinControl::OnCaptureChanged(TMessage& m, HWND newCapture) {
  if (captureControl_ && newCapture != handle_) captureControl_ = nullptr;
  return TControl::WndProc(m);
}

// Offered as an unhandled-wheel notification first; the system's handling follows when nobody takes it.
LRESULT TWinControl::OnMouseWheel(TMessage& m) {
  if (LRESULT taken = Perform(CM_MOUSEWHEEL, m.WParam, m.LParam)) return taken;
  return TControl::WndProc(m);
}

LRESULT TWinControl::OnWindowPosChanged(TMessage& m, const WINDOWPOS& pos) {
  if (!(pos.flags & SWP_NOSIZE) || !(pos.flags & SWP_NOMOVE)) {
    RECT r;
    GetWindowRect(handle_, &r);
    if (HWND parent = GetParent(handle_); parent && (GetWindowLongW(handle_, GWL_STYLE) & WS_CHILD))
      MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    bounds_ = {r.left, r.top, r.right, r.bottom};
  }
  LRESULT result = DefaultHandler(m);
  if (pos.flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW)) UpdateShowing();
  return result;
}

LRESULT TWinControl::OnDestroy(TMessage& m) {
  text_ = Text();
  return TControl::WndProc(m);
}

LRESULT TWinControl::DefaultHandler(TMessage& m) {
  if (!handle_ || IsToolkitMessage(m.Msg)) return m.Result;
  return CallWindowProcW(defWndProc_, handle_, m.Msg, m.WParam, m.LParam);
}

LRESULT CALLBACK TWinControl::StdWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!MessageAdmitted(window, msg, wParam, lParam)) return DefWindowProcW(window, msg, wParam, lParam);
  TWinControl* control = FromHandle(window);
  if (!control) {
    if (msg != WM_NCCREATE) return DefWindowProcW(window, msg, wParam, lParam);
    control = static_cast<TWinControl*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetPropW(window, kObjectProperty, control);
    control->handle_ = window;
  }
  TMessage m{msg, wParam, lParam, 0};
  try {
    control->Dispatch(m);
  } catch (...) {
    ReportCurrentException();
  }
  if (msg == WM_NCDESTROY) {
    RemovePropW(window, kObjectProperty);
    control->handle_ = nullptr;
    control->showing_ = false;
  }
  return m.Result;
}
