// Messages that carry addresses are taken from this thread only.
#include <gtest/gtest.h>

#include "tests/toolkit/OtherThread.h"
#include "toolkit/Application.h"
#include "toolkit/Forms.h"
#include "toolkit/MessageGate.h"
#include "toolkit/WndHook.h"

namespace {

constexpr UINT kRelay = WM_APP + 1;  // carries no address: answered by sending the skin command on this thread
constexpr WPARAM kCommand = WPARAM(3) << 16;
constexpr LPARAM kJunk = 0x1234;

class MessageGateTest : public testing::Test {
 protected:
  void SetUp() override {
    app = new TApplication();
    app->Initialize();
    form = TComponent::Create<TForm>(app);
    form->HandleNeeded();
    plain = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    formHook.Install(*form);
    appHook.Install(*app);
    ASSERT_TRUE(plainHook.Install(plain));
  }
  void TearDown() override {
    plainHook.Remove();
    DestroyWindow(plain);
    delete app;
  }

  LRESULT Record(TWndHook& hook, HWND window, TMessage& m) {
    if (m.Msg == kRelay) SendMessageW(window, kSkinCommandMessage, kCommand, kJunk);
    if (CarriesAddresses(m.Msg)) seen.push_back(window);
    return hook.CallPrevious(m);
  }

  TApplication* app;
  TForm* form;
  HWND plain;
  std::vector<HWND> seen;
  TWndHook formHook{[this](TMessage& m) { return Record(formHook, form->WindowHandle(), m); }};
  TWndHook appHook{[this](TMessage& m) { return Record(appHook, app->Handle(), m); }};
  TWndHook plainHook{[this](TMessage& m) { return Record(plainHook, plain, m); }};
};

TEST_F(MessageGateTest, OnlyThisThreadsSendsAndOwnPostsGetThrough) {
  struct Case {
    const char* what;
    std::function<void(HWND)> deliver;
    bool seen;
  };
  const std::vector<Case> cases = {
      {"sent here", [](HWND w) { SendMessageW(w, kSkinCommandMessage, kCommand, kJunk); }, true},
      {"sent from another thread",
       [](HWND w) { FromOtherThread([w] { SendMessageW(w, kSkinCommandMessage, kCommand, kJunk); }); }, false},
      {"a notification sent from another thread",
       [](HWND w) { FromOtherThread([w] { SendMessageW(w, CM_MOUSEENTER, 0, kJunk); }); }, false},
      {"sent here while a message from another thread is handled",
       [](HWND w) { FromOtherThread([w] { SendMessageW(w, kRelay, 0, 0); }); }, true},
      {"posted from another thread",
       [](HWND w) { FromOtherThread([w] { PostMessageW(w, kSkinCommandMessage, kCommand, kJunk); }); }, false},
      {"posted here without PostOwnMessage",
       [](HWND w) {
         PostMessageW(w, kSkinCommandMessage, kCommand, kJunk);
         Application->ProcessMessages();
       },
       false},
      {"posted with PostOwnMessage",
       [](HWND w) {
         EXPECT_TRUE(PostOwnMessage(w, kSkinCommandMessage, kCommand, kJunk));
         Application->ProcessMessages();
       },
       true},
  };
  for (HWND window : {form->WindowHandle(), app->Handle(), plain})
    for (const Case& c : cases) {
      seen.clear();
      c.deliver(window);
      EXPECT_EQ(seen, c.seen ? std::vector<HWND>{window} : std::vector<HWND>{}) << c.what;
    }
}

}  // namespace
