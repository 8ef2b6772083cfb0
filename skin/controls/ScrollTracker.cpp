#include "skin/controls/ScrollTracker.h"

WindowTimer::WindowTimer(HWND window, UINT_PTR id, UINT periodMs) : window_(window), id_(id) {
  SetTimer(window, id, periodMs, nullptr);
}

WindowTimer::~WindowTimer() { KillTimer(window_, id_); }

ScrollTracker::ScrollTracker(HWND window) : window_(window) {
  tookCapture_ = GetCapture() != window;
  if (tookCapture_) SetCapture(window);
}

ScrollTracker::~ScrollTracker() {
  timer_.reset();
  if (tookCapture_ && GetCapture() == window_) ReleaseCapture();
}

void ScrollTracker::RunTimers(const ScrollTrackStep& step) {
  if (step.StopTimers) timer_.reset();
  switch (step.StartTimer) {
    case ScrollTimer::FirstDelay:
      timer_.reset();
      timer_.emplace(window_, kScrollFirstDelayTimer, kScrollFirstDelayMs);
      break;
    case ScrollTimer::Repeat:
      timer_.reset();
      timer_.emplace(window_, kScrollRepeatTimer, kScrollRepeatMs);
      break;
    case ScrollTimer::None: break;
  }
}

std::optional<ScrollTimer> ScrollTracker::TimerOf(UINT_PTR id) {
  if (id == kScrollFirstDelayTimer) return ScrollTimer::FirstDelay;
  if (id == kScrollRepeatTimer) return ScrollTimer::Repeat;
  return std::nullopt;
}
