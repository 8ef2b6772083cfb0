#pragma once
// The timer component, the panel and the scroll box.
#include <windows.h>

#include "toolkit/Control.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/WinControl.h"

// OnTimer every Interval milliseconds while Enabled, from the timer messages
// of the user-interface thread.
class TTimer : public TComponent {
 public:
  explicit TTimer(TComponent* owner);
  ~TTimer() override;
  std::string ClassName() const override { return "TTimer"; }

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  int Interval() const { return interval_; }
  void SetInterval(int milliseconds);
  void SetOnTimer(TNotifyEvent handler);
  void Loaded() override;

 private:
  static LRESULT CALLBACK TimerWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT OnTimerMessage(UINT_PTR id);
  void Update();

  HWND window_ = nullptr;  // a message-only window that receives the ticks
  bool enabled_ = true;
  int interval_ = 1000;
  TNotifyEvent onTimer_;
};

enum class TPanelBevel { bvNone, bvLowered, bvRaised };

// A container with bevels and a centred caption, drawn by the system's edges.
class TPanel : public TWinControl {
 public:
  explicit TPanel(TComponent* owner) : TWinControl(owner) {}
  std::string ClassName() const override { return "TPanel"; }
  TPanelBevel BevelOuter = TPanelBevel::bvRaised;
  TPanelBevel BevelInner = TPanelBevel::bvNone;
  TBorderStyle BorderStyle = TBorderStyle::bsNone;
  LRESULT WndProc(TMessage& message) override;

 private:
  LRESULT OnPaint(TMessage& message, HDC dc);
  void Paint(HDC dc);
};

// A container that scrolls its client area.
class TScrollBox : public TWinControl {
 public:
  explicit TScrollBox(TComponent* owner) : TWinControl(owner) {}
  std::string ClassName() const override { return "TScrollBox"; }

 protected:
  void CreateParams(TCreateParams& params) override;
};
