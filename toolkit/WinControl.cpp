#include "toolkit/WinControl.h"

#include <windowsx.h>

#include <algorithm>
#include <stdexcept>

#include "toolkit/Application.h"
#include "toolkit/Cp1251.h"
#include "toolkit/Forms.h"

namespace {

constexpr wchar_t kObjectProperty[] = L"TkControl";
int nextChildId = 100;  // ids of child windows; owner-draw measuring finds a child by its id

bool IsToolkitMessage(UINT msg) { return msg >= CM_BASE && msg < 0xC000; }

bool IsMouseMessage(UINT msg) {
  switch (msg) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN: case WM_RBUTTONUP: case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN: case WM_MBUTTONUP: case WM_MBUTTONDBLCLK:
      return true;
  }
  return false;
}

bool IsButtonDown(UINT msg) {
  return msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN || msg == WM_LBUTTONDBLCLK ||
         msg == WM_RBUTTONDBLCLK || msg == WM_MBUTTONDBLCLK;
}

bool IsButtonUp(UINT msg) { return msg == WM_LBUTTONUP || msg == WM_RBUTTONUP || msg == WM_MBUTTONUP; }

}  // namespace

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  if (handle_) DestroyWindow(handle_);
  for (TControl* c : std::vector<TControl*>(controls_)) c->SetParent(nullptr);
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
  for (TControl* c : std::vector<TControl*>(controls_))
    if (auto* w = dynamic_cast<TWinControl*>(c)) w->HandleNeeded();
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

void TWinControl::RemoveControl(TControl* control) {
  auto it = std::find(controls_.begin(), controls_.end(), control);
  if (it == controls_.end()) return;
  Perform(CM_CONTROLLISTCHANGE, WPARAM(control), 0);
  control->Invalidate();
  if (captureControl_ == control) captureControl_ = nullptr;
  controls_.erase(std::find(controls_.begin(), controls_.end(), control));
  control->parent_ = nullptr;
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
  for (TControl* c : std::vector<TControl*>(controls_))
    if (auto* w = dynamic_cast<TWinControl*>(c)) w->UpdateShowing();
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
  for (TControl* c : std::vector<TControl*>(controls_)) {
    if (dynamic_cast<TWinControl*>(c) || !c->Visible()) continue;
    TRect b = c->BoundsRect();
    RECT r{b.Left, b.Top, b.Right, b.Bottom}, hit;
    if (!IntersectRect(&hit, &r, &clip)) continue;
    int saved = SaveDC(dc);
    IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
    SetViewportOrgEx(dc, r.left, r.top, nullptr);
    c->Perform(WM_PAINT, WPARAM(dc));
    RestoreDC(dc, saved);
  }
}

void TWinControl::HandleMouseRouting(TMessage& m) {
  TPoint p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
  TControl* target = captureControl_ ? captureControl_ : ControlAtPos(p);
  if (m.Msg == WM_MOUSEMOVE) {
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, handle_, 0};
    TrackMouseEvent(&track);
    if (!captureControl_ && Application) Application->SetMouseControl(target ? target : this);
  }
  if (!target) {
    TControl::WndProc(m);
    return;
  }
  if (IsButtonDown(m.Msg) && !captureControl_) {
    captureControl_ = target;
    SetCapture(handle_);
  }
  target->Perform(m.Msg, m.WParam, MAKELPARAM(p.X - target->Left(), p.Y - target->Top()));
  if (IsButtonUp(m.Msg) && captureControl_ == target) {
    captureControl_ = nullptr;
    if (GetCapture() == handle_) ReleaseCapture();
    if (Application) {
      TControl* under = ControlAtPos(p);
      Application->SetMouseControl(under ? under : this);
    }
  }
}

void TWinControl::WndProc(TMessage& m) {
  bool ownClass = defWndProc_ == DefWindowProcW;
  switch (m.Msg) {
    case WM_SETFOCUS:
      if (TCustomForm* form = GetParentForm(this); form && form != this) form->ActiveControlFocused(this);
      break;
    case WM_CHAR: {
      wchar_t typed = wchar_t(m.WParam);
      char key = Cp1251::FromWide(std::wstring_view(&typed, 1))[0];
      char original = key;
      if (!DoKeyPress(key)) return;
      if (key != original) m.WParam = Cp1251::ToWide(std::string(1, key))[0];
      break;
    }
    case CM_ENTER:
      if (OnEnter) OnEnter(this);
      return;
    case CM_EXIT:
      if (OnExit) OnExit(this);
      return;
    case CM_FONTCHANGED:
      if (handle_) SendMessageW(handle_, WM_SETFONT, WPARAM(Font.Handle()), TRUE);
      for (TControl* c : controls_)
        if (c->ParentFont) {
          c->Font = Font;
          c->ParentFont = true;
        }
      return;
    case WM_COMMAND:
      if (TWinControl* child = FromHandle(reinterpret_cast<HWND>(m.LParam)); child && child != this) {
        m.Result = child->Perform(CN_COMMAND, m.WParam, m.LParam);
        return;
      }
      break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
      if (TWinControl* child = FromHandle(reinterpret_cast<HWND>(m.LParam)); child && child != this) {
        m.Result = child->Perform(CN_BASE + m.Msg, m.WParam, m.LParam);
        return;
      }
      break;
    case WM_DRAWITEM:
      if (TWinControl* child = FromHandle(reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam)->hwndItem)) {
        m.Result = child->Perform(CN_DRAWITEM, m.WParam, m.LParam);
        return;
      }
      break;
    case WM_MEASUREITEM:
      if (TWinControl* child = FromHandle(GetDlgItem(handle_, reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam)->CtlID))) {
        m.Result = child->Perform(CN_MEASUREITEM, m.WParam, m.LParam);
        return;
      }
      break;
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORSTATIC:
    case CN_CTLCOLORLISTBOX: {
      HDC dc = reinterpret_cast<HDC>(m.WParam);
      SetTextColor(dc, ColorRef(Font.Color));
      SetBkColor(dc, ColorRef(color_));
      m.Result = LRESULT(BrushHandle());
      return;
    }
    case WM_ERASEBKGND:
      if (ownClass) {
        RECT r;
        GetClientRect(handle_, &r);
        FillRect(reinterpret_cast<HDC>(m.WParam), &r, BrushHandle());
        m.Result = 1;
        return;
      }
      break;
    case WM_PAINT:
      if (ownClass) {
        if (m.WParam) {
          RECT r;
          GetClientRect(handle_, &r);
          PaintWindowless(reinterpret_cast<HDC>(m.WParam), r);
        } else {
          PAINTSTRUCT ps;
          HDC dc = BeginPaint(handle_, &ps);
          PaintWindowless(dc, ps.rcPaint);
          EndPaint(handle_, &ps);
        }
        return;
      }
      break;
    case WM_MOUSELEAVE:
      if (Application) Application->MouseLeftWindow(this);
      break;
    case WM_CAPTURECHANGED:
      if (captureControl_ && reinterpret_cast<HWND>(m.LParam) != handle_) captureControl_ = nullptr;
      break;
    case WM_MOUSEWHEEL:
      // Offered as an unhandled-wheel notification first; the system's handling follows when nobody takes it.
      m.Result = Perform(CM_MOUSEWHEEL, m.WParam, m.LParam);
      if (m.Result) return;
      break;
    case WM_WINDOWPOSCHANGED: {
      auto* pos = reinterpret_cast<WINDOWPOS*>(m.LParam);
      if (!(pos->flags & SWP_NOSIZE) || !(pos->flags & SWP_NOMOVE)) {
        RECT r;
        GetWindowRect(handle_, &r);
        if (HWND parent = GetParent(handle_); parent && (GetWindowLongW(handle_, GWL_STYLE) & WS_CHILD))
          MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
        bounds_ = {r.left, r.top, r.right, r.bottom};
      }
      DefaultHandler(m);
      if (pos->flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW)) UpdateShowing();
      return;
    }
    case WM_DESTROY:
      text_ = Text();
      break;
  }
  if (IsMouseMessage(m.Msg)) {
    if (m.Msg == WM_MOUSEMOVE && !ownClass && Application) {
      TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, handle_, 0};
      TrackMouseEvent(&track);
      Application->SetMouseControl(this);
    }
    if (ownClass) {
      HandleMouseRouting(m);
      return;
    }
  }
  TControl::WndProc(m);
}

void TWinControl::DefaultHandler(TMessage& m) {
  if (!handle_ || IsToolkitMessage(m.Msg)) return;
  m.Result = CallWindowProcW(defWndProc_, handle_, m.Msg, m.WParam, m.LParam);
}

LRESULT CALLBACK TWinControl::StdWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  TWinControl* control = FromHandle(window);
  if (!control) {
    if (msg != WM_NCCREATE) return DefWindowProcW(window, msg, wParam, lParam);
    control = static_cast<TWinControl*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetPropW(window, kObjectProperty, control);
    control->handle_ = window;
  }
  TMessage m{msg, wParam, lParam, 0};
  try {
    control->WindowProc(m);
  } catch (...) {
    if (Application) Application->HandleException(std::current_exception());
  }
  if (msg == WM_NCDESTROY) {
    RemovePropW(window, kObjectProperty);
    control->handle_ = nullptr;
    control->showing_ = false;
  }
  return m.Result;
}
