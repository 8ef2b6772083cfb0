// The announcement to all windows and the pushed-skin message, on real windows.
#include <gtest/gtest.h>

#include "skin/data/SkinBroadcast.h"
#include "skin/data/SkinCommands.h"
#include "skin/data/SkinLoader.h"
#include "skin/data/sSkinManagerWin.h"
#include "tests/data/PushedBlock.h"
#include "tests/data/TinySkin.h"
#include "toolkit/Application.h"
#include "toolkit/StdCtrls.h"

namespace {

std::vector<std::string> received;

void Record(const std::string& name, const TMessage& m) {
  if (m.Msg == kSkinMessage && SkinCommandOf(m.WParam) != AC_CTRLHANDLED)
    received.push_back(name + ":" + std::to_string(SkinCommandOf(m.WParam)));
}

// Each test class records the skin commands it receives under its Name.
template <class Base>
class Recorder : public Base {
 public:
  using Base::Base;
  LRESULT WndProc(TMessage& m) override {
    Record(this->Name, m);
    return Base::WndProc(m);
  }
};

// A windowed control that passes skin commands on to its children itself.
class THandler : public Recorder<TWinControl> {
 public:
  using Recorder::Recorder;
  LRESULT WndProc(TMessage& m) override {
    if (m.Msg == kSkinMessage && SkinCommandOf(m.WParam) == AC_CTRLHANDLED) return 1;
    return Recorder::WndProc(m);
  }
};

template <class T>
T* Make(TComponent* owner, TWinControl* parent, const std::string& name) {
  T* control = TComponent::Create<T>(owner);
  control->Name = name;
  if (parent) control->SetParent(parent);
  return control;
}

class SkinBroadcastTest : public testing::Test {
 protected:
  void SetUp() override {
    received.clear();
    app = new TApplication();
  }
  void TearDown() override { delete app; }
  TApplication* app;
};

TEST_F(SkinBroadcastTest, FormsLastToFirstThenRegisteredFormsThenVisibleWatchedWindows) {
  auto* first = Make<Recorder<TForm>>(app, nullptr, "first");
  auto* second = Make<Recorder<TForm>>(app, nullptr, "second");
  first->HandleNeeded();
  second->HandleNeeded();
  // A panel without a binding: not messaged itself, its windowless label is.
  auto* panel = Make<Recorder<TWinControl>>(second, second, "panel");
  panel->HandleNeeded();
  Make<Recorder<TLabel>>(second, panel, "label");
  // A handler that passes commands on: messaged, its children left to it.
  auto* handler = Make<THandler>(second, second, "handler");
  handler->HandleNeeded();
  Make<Recorder<TLabel>>(second, handler, "hidden");
  // A windowed control that does not pass commands on: left out, its children searched.
  Make<Recorder<TEdit>>(first, first, "edit")->HandleNeeded();

  TForm* provided = Make<Recorder<TForm>>(nullptr, nullptr, "registered");
  RegisterSkinnedForm(provided);
  static std::vector<HWND> watchedSeen;
  watchedSeen.clear();
  WNDCLASSW probeClass{};
  probeClass.lpszClassName = L"WatchedProbe";
  probeClass.lpfnWndProc = [](HWND w, UINT msg, WPARAM wp, LPARAM lp) -> LRESULT {
    if (msg == kSkinMessage) watchedSeen.push_back(w);
    return DefWindowProcW(w, msg, wp, lp);
  };
  RegisterClassW(&probeClass);
  HWND visible = CreateWindowExW(0, L"WatchedProbe", L"", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  HWND hidden = CreateWindowExW(0, L"WatchedProbe", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  WatchWindow(visible);
  WatchWindow(hidden);

  BroadcastToForms(AC_SETNEWSKIN, 0);
  EXPECT_EQ(received, (std::vector<std::string>{"second:1", "label:1", "handler:1", "first:1", "registered:1"}));
  EXPECT_EQ(watchedSeen, (std::vector<HWND>{visible}));

  UnwatchWindow(visible);
  UnwatchWindow(hidden);
  UnregisterSkinnedForm(provided);
  DestroyWindow(visible);
  DestroyWindow(hidden);
  delete provided;
}

std::vector<uint8_t> Block(uint32_t marker, const std::string& name) {
  return PushedBlock(name, "", "[GLOBALINFO]\r\nVERSION=10\r\nDESCRIPTION=pushed\r\n", marker);
}

LRESULT Push(uint32_t kind, std::vector<uint8_t>& block) {
  COPYDATASTRUCT copy{kind, DWORD(block.size()), block.data()};
  return SendMessageW(Application->Handle(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy));
}

TEST_F(SkinBroadcastTest, PushedSkinIsTakenOnlyWithKindSevenAndTheMarker) {
  app->Initialize();
  auto* manager = TComponent::Create<TsSkinManager>(app, &ProgramSkinHost());
  TsStoredSkin stored;
  stored.Name = "internal";
  stored.Data = TinySkin().Options("[GLOBALINFO]\r\nVERSION=10\r\nDESCRIPTION=internal\r\n").Package();
  manager->SetInternalSkins({stored});
  manager->SetSkinName("internal");
  ASSERT_TRUE(manager->IsDefault());

  std::vector<uint8_t> good = Block(kPushedSkinMarker, "Pushed"), wrong = Block(0xA401, "Wrong");
  EXPECT_EQ(Push(6, good), 0);
  EXPECT_EQ(Push(7, wrong), 0);
  app->ProcessMessages();
  EXPECT_EQ(manager->SkinName(), "internal");

  EXPECT_EQ(Push(7, good), 1);
  EXPECT_EQ(manager->SkinName(), "internal");  // loaded on the posted command, not inside the send
  app->ProcessMessages();
  EXPECT_EQ(manager->SkinName(), "Pushed");
  ASSERT_NE(manager->Skin(), nullptr);
  EXPECT_EQ(manager->Skin()->SkinData.Description, "pushed");
  EXPECT_EQ(manager->SkinInfo(), "10");
}

}  // namespace
