#pragma once
// The timer component: OnTimer every Interval milliseconds while Enabled,
// from the timer messages of the user-interface thread.
#include <windows.h>

#include "toolkit/Control.h"

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
