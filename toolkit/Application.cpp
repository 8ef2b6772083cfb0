#include "toolkit/Application.h"

#include <stdexcept>

#include "toolkit/Cp1251.h"

TApplication* Application = nullptr;

TApplication::TApplication() : TComponent(nullptr) { Application = this; }

TApplication::~TApplication() {
  DestroyComponents();
  if (Application == this) Application = nullptr;
}

void TApplication::Initialize() {
  // Our layouts scale themselves; the system must not stretch them again.
  SetProcessDPIAware();
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
  MessageBoxW(owner, Cp1251::ToWide(text).c_str(), Cp1251::ToWide(Title).c_str(), MB_OK | MB_ICONSTOP);
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
