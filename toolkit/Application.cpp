#include "toolkit/Application.h"

#include <stdexcept>

#include "toolkit/Cp1251.h"
#include "toolkit/MessageCrackers.h"
#include "toolkit/MessageGate.h"

TApplication* Application = nullptr;

TApplication::TApplication() : TComponent(nullptr) { Application = this; }

namespace {
constexpr wchar_t kAppProperty[] = L"TkApplication";
}

TApplication::~TApplication() {
  DestroyComponents();
  if (handle_) DestroyWindow(handle_);
  if (Application == this) Application = nullptr;
}

void TApplication::Initialize() {
  // Our layouts scale themselves; the system must not stretch them again.
  SetProcessDPIAware();
  if (handle_) return;
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  if (!GetClassInfoExW(instance, L"TApplication", &wc)) {
    wc.lpfnWndProc = AppWndProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(instance, L"MAINICON");
    wc.lpszClassName = L"TApplication";
    RegisterClassExW(&wc);
  }
  // Visible but of no size: the window is never seen, its task-bar button is.
  TRect desk = Screen::DesktopRect();
  CreateWindowExW(0, L"TApplication", Cp1251::ToWide(title_).c_str(),
                  WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                  desk.Left + desk.Width() / 2, desk.Top + desk.Height() / 2, 0, 0, nullptr, nullptr, instance, this);
  if (handle_) ShowWindow(handle_, SW_SHOWNOACTIVATE);
}

void TApplication::SetTitle(const std::string& title) {
  title_ = title;
  if (handle_) SetWindowTextW(handle_, Cp1251::ToWide(title).c_str());
}

LRESULT CALLBACK TApplication::AppWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!MessageAdmitted(window, msg, wParam, lParam)) return DefWindowProcW(window, msg, wParam, lParam);
  auto* app = static_cast<TApplication*>(GetPropW(window, kAppProperty));
  if (!app) {
    if (msg != WM_NCCREATE) return DefWindowProcW(window, msg, wParam, lParam);
    app = static_cast<TApplication*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetPropW(window, kAppProperty, app);
    app->handle_ = window;
  }
  TMessage m{msg, wParam, lParam, 0};
  try {
    app->hooks_.Dispatch(m);
  } catch (...) {
    ReportCurrentException();
  }
  return m.Result;
}

LRESULT TApplication::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_CLOSE:      return OnClose();
    case WM_SYSCOMMAND: return OnSysCommand(m, SysCommandOf(m));
    case WM_SETFOCUS:   return OnSetFocus(m);
    case WM_NCDESTROY:  return OnNcDestroy(m);
    default:            return DefWindowProcW(handle_, m.Msg, m.WParam, m.LParam);
  }
}

// Closing the task-bar button closes the main form.
LRESULT TApplication::OnClose() {
  if (mainForm_) mainForm_->Close();
  return 0;
}

LRESULT TApplication::OnSysCommand(TMessage& m, UINT command) {
  if (command == SC_CLOSE) return OnClose();
  return DefWindowProcW(handle_, m.Msg, m.WParam, m.LParam);
}

// The application window passes the focus on to the main form.
LRESULT TApplication::OnSetFocus(TMessage& m) {
  HWND main = mainForm_ ? mainForm_->WindowHandle() : nullptr;
  if (main && IsWindowEnabled(main) && IsWindowVisible(main)) {
    SetFocus(main);
    return 0;
  }
  return DefWindowProcW(handle_, m.Msg, m.WParam, m.LParam);
}

LRESULT TApplication::OnNcDestroy(TMessage& m) {
  HWND window = handle_;
  RemovePropW(window, kAppProperty);
  handle_ = nullptr;
  return DefWindowProcW(window, m.Msg, m.WParam, m.LParam);
}

void TApplication::Run() {
  if (!mainForm_) return;
  mainForm_->Show();
  while (!terminated_) HandleMessage();
}

bool TApplication::ProcessMessage(MSG& msg) {
  if (msg.message == WM_QUIT) {
    terminated_ = true;
    return false;
  }
  if (msg.message == WM_KEYDOWN) {
    TWinControl* focused = TWinControl::FromHandle(msg.hwnd);
    if (TCustomForm* form = GetParentForm(focused); form && form->DialogKey(msg.wParam, focused)) return true;
  }
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
  return true;
}

void TApplication::HandleMessage() {
  MSG msg;
  if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
    terminated_ = true;
    return;
  }
  ProcessMessage(msg);
}

void TApplication::ProcessMessages() {
  MSG msg;
  while (!terminated_ && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ProcessMessage(msg);
}

void TApplication::Terminate() {
  if (terminated_) return;
  terminated_ = true;
  PostQuitMessage(0);
}

void TApplication::HandleException(std::exception_ptr error) {
  std::string text = "Unknown error";
  try {
    std::rethrow_exception(error);
  } catch (const std::exception& e) {
    text = e.what();
  } catch (...) {
  }
  HWND owner = GetActiveWindow();
  if (!owner && mainForm_) owner = mainForm_->WindowHandle();
  MessageBoxW(owner, Cp1251::ToWide(text).c_str(), Cp1251::ToWide(title_).c_str(), MB_OK | MB_ICONSTOP);
}

void ReportCurrentException() noexcept {
  try {
    if (Application) Application->HandleException(std::current_exception());
  } catch (...) {
    // The display itself failed (no memory for the text): nothing more can be shown.
  }
}

void TApplication::SetMouseControl(TControl* control) {
  if (control == mouseControl_) return;
  TControl* previous = mouseControl_;
  mouseControl_ = control;
  if (previous) previous->Perform(CM_MOUSELEAVE, 0, LPARAM(previous));
  if (control) control->Perform(CM_MOUSEENTER, 0, LPARAM(control));
}

void TApplication::MouseLeftWindow(TWinControl* window) {
  if (mouseControl_ && (mouseControl_ == window || mouseControl_->Parent() == window)) SetMouseControl(nullptr);
}

void TApplication::ControlDestroyed(TControl* control) {
  if (mouseControl_ == control) mouseControl_ = nullptr;
}

void TApplication::FormDestroyed(TCustomForm* form) {
  if (mainForm_ == form) mainForm_ = nullptr;
}
