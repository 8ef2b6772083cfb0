#pragma once
// What a press on a skinned scroll bar holds of its window while it lasts:
// the press's state, the timer that repeats it and the mouse capture it took.
// Destroying the tracker gives the timer and the capture back, so a handler
// that detaches in the middle of a press leaves neither behind.
#include <windows.h>

#include <optional>

#include "skin/controls/ScrollTrackState.h"

// Window timers of the scroll bars.
inline constexpr UINT_PTR kScrollHoverTimer = 0xFFF2;
inline constexpr UINT_PTR kScrollFirstDelayTimer = 0xFFFD;
inline constexpr UINT_PTR kScrollRepeatTimer = 0xFFFE;
inline constexpr UINT kScrollHoverMs = 20;

// A window timer that runs as long as this object lives.
class WindowTimer {
 public:
  WindowTimer(HWND window, UINT_PTR id, UINT periodMs);
  ~WindowTimer();
  WindowTimer(const WindowTimer&) = delete;
  WindowTimer& operator=(const WindowTimer&) = delete;
  UINT_PTR Id() const { return id_; }

 private:
  HWND window_;
  UINT_PTR id_;
};

class ScrollTracker {
 public:
  // Takes the capture unless the window holds it already (an open drop-down list does).
  explicit ScrollTracker(HWND window);
  ~ScrollTracker();
  ScrollTracker(const ScrollTracker&) = delete;
  ScrollTracker& operator=(const ScrollTracker&) = delete;

  ScrollTrackState State;
  // Starts or stops the timer as a step says.
  void RunTimers(const ScrollTrackStep& step);
  // The press's timer a window timer stands for, if any.
  static std::optional<ScrollTimer> TimerOf(UINT_PTR id);

 private:
  HWND window_;
  std::optional<WindowTimer> timer_;
  bool tookCapture_ = false;
};
