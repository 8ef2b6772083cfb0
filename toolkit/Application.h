#pragma once
// The application object: title, the message loop, the pointer's current
// control and the general error display.
#include <exception>
#include <string>

#include "toolkit/Forms.h"

class TApplication : public TComponent {
 public:
  TApplication();
  ~TApplication() override;
  std::string ClassName() const override { return "TApplication"; }

  std::string Title;  // 1251; the caption of plain message windows

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

  TCustomForm* mainForm_ = nullptr;
  TControl* mouseControl_ = nullptr;
  bool terminated_ = false;
};

extern TApplication* Application;
