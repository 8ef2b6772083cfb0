#pragma once
// The application object: title, the message loop, the pointer's current
// control and the general error display.
#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "toolkit/Forms.h"

class TApplication : public TComponent {
 public:
  TApplication();
  ~TApplication() override;
  std::string ClassName() const override { return "TApplication"; }

  // 1251: the task-bar text (the application window's caption) and the caption of plain message windows.
  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& title);

  // The application window: hidden owner of every form, it carries the task-bar
  // button. Hooks installed on the application (TWndHook::Install) see each of
  // its messages first, whether or not the window exists yet.
  HWND Handle() const { return handle_; }

  void Initialize();
  template <class T>
  void CreateForm(T*& form) {
    form = TComponent::Create<T>(this);
    if (!mainForm_) mainForm_ = form;
  }
  TCustomForm* MainForm() const { return mainForm_; }

  void Run();             // shows the main form and runs until it closes
  void HandleMessage();   // waits for one message and handles it
  void ProcessMessages(); // handles every pending message
  void Terminate();
  bool Terminated() const { return terminated_; }

  // The general error display: the exception's text in an error message box.
  void HandleException(std::exception_ptr error);

  // The control under the pointer; changes send CM_MOUSELEAVE and CM_MOUSEENTER.
  TControl* MouseControl() const { return mouseControl_; }
  void SetMouseControl(TControl* control);
  void MouseLeftWindow(TWinControl* window);
  void ControlDestroyed(TControl* control);
  void FormDestroyed(TCustomForm* form);

 private:
  bool ProcessMessage(MSG& msg);
  static LRESULT CALLBACK AppWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT WndProc(TMessage& message);  // the application window's own handling, under the hooks
  LRESULT OnClose();
  LRESULT OnSysCommand(TMessage& message, UINT command);
  LRESULT OnSetFocus(TMessage& message);
  LRESULT OnNcDestroy(TMessage& message);

  friend class TWndHook;
  TWndHookChain hooks_{[this](TMessage& m) { return WndProc(m); }};
  HWND handle_ = nullptr;
  std::string title_;

  TCustomForm* mainForm_ = nullptr;
  TControl* mouseControl_ = nullptr;
  bool terminated_ = false;
};

extern TApplication* Application;

// The exception wall of every window procedure, used in its catch (...):
// shows the exception being handled through the general error display, so
// that no exception crosses into the system. Never throws.
void ReportCurrentException() noexcept;
