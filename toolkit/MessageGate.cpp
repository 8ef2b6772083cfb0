#include "toolkit/MessageGate.h"

#include <algorithm>
#include <vector>

namespace {

struct Message {
  HWND Window;
  UINT Msg;
  WPARAM WParam;
  LPARAM LParam;
  bool operator==(const Message&) const = default;
};

// What the call-window hook saw last: the message whose window procedure runs next.
struct SentMessage {
  Message Sent{};
  bool FromOtherThread = false;
  bool Pending = false;
};

thread_local SentMessage t_lastSent;
thread_local std::vector<Message> t_ownPosts;  // posted by PostOwnMessage, not yet taken from the queue
thread_local bool t_installed = false;

LRESULT CALLBACK OnSend(int code, WPARAM sentByThisThread, LPARAM lParam) {
  if (code == HC_ACTION) {
    const auto& sent = *reinterpret_cast<const CWPSTRUCT*>(lParam);
    t_lastSent = {{sent.hwnd, sent.message, sent.wParam, sent.lParam}, sentByThisThread == 0, true};
  }
  return CallNextHookEx(nullptr, code, sentByThisThread, lParam);
}

bool TakeOwnPost(const MSG& m) {
  auto it = std::find(t_ownPosts.begin(), t_ownPosts.end(), Message{m.hwnd, m.message, m.wParam, m.lParam});
  if (it == t_ownPosts.end()) return false;
  t_ownPosts.erase(it);
  return true;
}

LRESULT CALLBACK OnGetMessage(int code, WPARAM removal, LPARAM lParam) {
  if (code == HC_ACTION && removal == PM_REMOVE) {
    auto& m = *reinterpret_cast<MSG*>(lParam);
    if (CarriesAddresses(m.message) && !TakeOwnPost(m)) m.message = WM_NULL;
  }
  return CallNextHookEx(nullptr, code, removal, lParam);
}

// Thread-local hooks end with their thread, so they are never taken off.
void InstallOnThisThread() {
  if (t_installed) return;
  t_installed = true;
  SetWindowsHookExW(WH_CALLWNDPROC, OnSend, nullptr, GetCurrentThreadId());
  SetWindowsHookExW(WH_GETMESSAGE, OnGetMessage, nullptr, GetCurrentThreadId());
}

}  // namespace

bool MessageAdmitted(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  InstallOnThisThread();
  if (!CarriesAddresses(msg)) return true;
  // Without the hook's word for this very message it was posted (the queue
  // hook has judged it) or handed on by a procedure of this thread.
  if (!t_lastSent.Pending || !(t_lastSent.Sent == Message{window, msg, wParam, lParam})) return true;
  t_lastSent.Pending = false;
  return !t_lastSent.FromOtherThread;
}

bool PostOwnMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  InstallOnThisThread();
  // A window destroyed meanwhile took its posts with it.
  std::erase_if(t_ownPosts, [](const Message& m) { return !IsWindow(m.Window); });
  t_ownPosts.push_back({window, msg, wParam, lParam});
  if (PostMessageW(window, msg, wParam, lParam)) return true;
  t_ownPosts.pop_back();
  return false;
}
