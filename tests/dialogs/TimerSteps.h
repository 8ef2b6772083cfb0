#pragma once
// Runs a step every 20 ms from a thread timer, so that a test can act while a
// modal loop (a message, a dialog) runs inside the code it called.
#include <windows.h>

#include <functional>

class TimerSteps {
 public:
  explicit TimerSteps(std::function<void()> step) : step_(std::move(step)) {
    current_ = this;
    timer_ = SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR, DWORD) {
      if (current_) current_->step_();
    });
  }
  ~TimerSteps() {
    KillTimer(nullptr, timer_);
    current_ = nullptr;
  }
  TimerSteps(const TimerSteps&) = delete;
  TimerSteps& operator=(const TimerSteps&) = delete;

 private:
  static inline TimerSteps* current_ = nullptr;
  std::function<void()> step_;
  UINT_PTR timer_ = 0;
};

// The first visible top-level window of this thread of the class that `accept` takes, or null.
inline HWND FindThreadWindow(const wchar_t* className, const std::function<bool(HWND)>& accept = {}) {
  struct Search {
    const wchar_t* Name;
    const std::function<bool(HWND)>* Accept;
    HWND Found = nullptr;
  } search{className, &accept};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM data) {
        auto& s = *reinterpret_cast<Search*>(data);
        wchar_t name[64] = {};
        GetClassNameW(window, name, 64);
        if (!IsWindowVisible(window) || wcscmp(name, s.Name) != 0 || (*s.Accept && !(*s.Accept)(window))) return TRUE;
        s.Found = window;
        return FALSE;
      },
      LPARAM(&search));
  return search.Found;
}
