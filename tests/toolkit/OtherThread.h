#pragma once
// Plays another program: runs `send` on another thread while this thread
// handles its messages, until `send` has returned. A message sent from there
// waits for this thread, so both must run at once.
#include <windows.h>

#include <atomic>
#include <functional>
#include <thread>

#include "toolkit/Application.h"

inline void FromOtherThread(const std::function<void()>& send) {
  std::atomic<bool> done = false;
  std::thread other([&] {
    send();
    done = true;
  });
  while (!done) {
    Application->ProcessMessages();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  other.join();
  Application->ProcessMessages();
}
