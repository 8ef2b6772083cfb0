// The toolkit's contracts that the skin engine builds on.
#include <gtest/gtest.h>

#include <windowsx.h>

#include "toolkit/Application.h"
#include "toolkit/Buttons.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/FormReader.h"
#include "toolkit/Graphics.h"
#include "toolkit/Menus.h"
#include "toolkit/MessageCrackers.h"
#include "toolkit/StdCtrls.h"

namespace {

struct Event {
  std::string What;
  std::string Name;
  friend bool operator==(const Event&, const Event&) = default;
};
std::vector<Event> events;

class TProbe : public TComponent {
 public:
  using TComponent::TComponent;
  std::string ClassName() const override { return "TProbe"; }
  ~TProbe() override { events.push_back({"destroyed", Name}); }
  void Notification(TComponent* c, TOperation op) override {
    // The inserted component is seen with its real class.
    bool probe = dynamic_cast<TProbe*>(c) != nullptr;
    events.push_back({op == TOperation::opInsert ? (probe ? "insert probe" : "insert other") : "remove", Name});
  }
  void Loaded() override {
    TComponent::Loaded();
    events.push_back({"loaded", Name});
  }
};

class TPainted : public TGraphicControl {
 public:
  using TGraphicControl::TGraphicControl;
  std::vector<UINT> Messages;
  std::vector<TPoint> Points;
  TPoint PaintOrigin{-1, -1};
  LRESULT WndProc(TMessage& m) override {
    if (m.Msg == WM_LBUTTONDOWN || m.Msg == WM_LBUTTONUP || m.Msg == CM_MOUSEENTER || m.Msg == CM_MOUSELEAVE) {
      Messages.push_back(m.Msg);
      Points.push_back({GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)});
    }
    return TGraphicControl::WndProc(m);
  }

 protected:
  void Paint(HDC dc) override {
    POINT origin;
    GetViewportOrgEx(dc, &origin);
    PaintOrigin = {origin.x, origin.y};
  }
};

// An edit that counts its destructions, so that a double free shows.
class TCounted : public TEdit {
 public:
  using TEdit::TEdit;
  ~TCounted() override { ++destroyed; }
  static inline int destroyed = 0;
};

class ToolkitTest : public testing::Test {
 protected:
  void SetUp() override {
    events.clear();
    app = new TApplication();
    form = TComponent::Create<TForm>(app);
    form->SetClientSize(200, 100);
    form->SetBounds(50, 50, form->Width(), form->Height());
  }
  void TearDown() override { delete app; }
  void Pump() { Application->ProcessMessages(); }
  TApplication* app;
  TForm* form;
};

TEST_F(ToolkitTest, OwnerAnnouncesAndFreesItsComponents) {
  auto* a = TComponent::Create<TProbe>(form);
  a->Name = "a";
  auto* b = TComponent::Create<TProbe>(form);
  b->Name = "b";
  EXPECT_EQ(events, (std::vector<Event>{{"insert probe", "a"}}));
  events.clear();
  delete a;
  EXPECT_EQ(events, (std::vector<Event>{{"destroyed", "a"}, {"remove", "b"}}));
  EXPECT_EQ(form->FindComponent("a"), nullptr);
  events.clear();
  delete form;
  EXPECT_EQ(events, (std::vector<Event>{{"destroyed", "b"}}));
}

TEST_F(ToolkitTest, StoredDefinitionLoadsThenGivesTheLoadedStep) {
  RegisterComponentClass("TProbe", [](TComponent* owner) { return new TProbe(owner); });
  RegisterPropertyHook([](TComponent& c, const std::string& name, const TStoredValue&) {
    if (name != "Probe") return false;
    events.push_back({c.Loading() ? "set while loading" : "set after loading", c.Name});
    return true;
  });
  bool created = false;
  TFormMethods methods;
  methods.Notify = [&](const std::string& name) -> TNotifyEvent {
    if (name != "Create") return {};
    return [&](TObject*) { created = events.size() == 7; };
  };
  TFormDefinition d;
  d.FormProperties = {{"Caption", std::string("Окно")}, {"OnCreate", TStoredMethod{"Create"}}};
  d.Components = {{"TProbe", "first", {{"Probe", int64_t(1)}}}, {"TProbe", "second", {{"Probe", int64_t(1)}}},
                  {"TEdit", "edit", {{"Left", int64_t(8)}, {"MaxLength", int64_t(3)}}}};
  ReadForm(*form, d, methods);
  const std::vector<Event> expected = {
      {"set while loading", "first"},  {"insert probe", "first"},  {"set while loading", "second"},
      {"insert other", "first"},       {"insert other", "second"}, {"loaded", "first"},
      {"loaded", "second"}};
  EXPECT_EQ(events, expected);
  EXPECT_FALSE(form->Loading());
  EXPECT_EQ(form->Caption(), "\xCE\xEA\xED\xEE");
  auto* edit = dynamic_cast<TEdit*>(form->FindComponent("edit"));
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->Parent(), form);
  EXPECT_EQ(edit->Left(), Screen::Scale(8));
  form->DoCreate();
  EXPECT_TRUE(created);

  TFormDefinition bad;
  bad.Components = {{"TNoSuchClass", "x", {}}};
  EXPECT_THROW(ReadForm(*form, bad, methods), std::runtime_error);
  bad.Components = {{"TEdit", "y", {{"NoSuchProperty", true}}}};
  EXPECT_THROW(ReadForm(*form, bad, methods), std::runtime_error);
  bad.Components = {{"TEdit", "z", {{"MaxLength", std::string("three")}}}};
  EXPECT_THROW(ReadForm(*form, bad, methods), std::runtime_error);
}

// Stored pixel settings and image counts come from outside: held to their
// ranges; an enumeration ordinal that names nothing is an error.
TEST_F(ToolkitTest, StoredSpeedButtonSettingsAreHeldToTheirRanges) {
  struct Case {
    const char* name;
    int64_t stored;
    int expected;
  } cases[] = {
      {"Margin", -50, -1},         {"Margin", int64_t(1) << 40, kMaxButtonInset},
      {"Spacing", -(int64_t(1) << 40), -kMaxButtonInset}, {"Spacing", 7, 7},
      {"NumGlyphs", 0, 1},         {"NumGlyphs", 99, kMaxNumGlyphs},
  };
  int n = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TFormDefinition d;
    const std::string name = "b" + std::to_string(n++);
    d.Components = {{"TSpeedButton", name, {{c.name, c.stored}}}};
    ReadForm(*form, d, {});
    auto* b = dynamic_cast<TSpeedButton*>(form->FindComponent(name));
    ASSERT_NE(b, nullptr);
    const std::string property = c.name;
    EXPECT_EQ(property == "Margin" ? b->Margin() : property == "Spacing" ? b->Spacing() : b->NumGlyphs(), c.expected);
  }
  for (int64_t layout : {int64_t(-1), int64_t(4)}) {
    TFormDefinition bad;
    bad.Components = {{"TSpeedButton", "layout" + std::to_string(layout + 1), {{"Layout", layout}}}};
    EXPECT_THROW(ReadForm(*form, bad, {}), std::runtime_error) << layout;
  }
}

TEST_F(ToolkitTest, HookSeesWindowMessagesAndNotificationsAndChains) {
  auto* edit = TComponent::Create<TEdit>(form);
  edit->SetParent(form);
  edit->SetBounds(0, 0, 80, 20);
  form->HandleNeeded();
  int texts = 0, notifications = 0;
  TWndHook hook([&](TMessage& m) {
    if (m.Msg == WM_SETTEXT) ++texts;
    if (m.Msg == CM_TEXTCHANGED) ++notifications;
    return hook.CallPrevious(m);
  });
  hook.Install(*edit);
  edit->SetText("abc");
  EXPECT_EQ(texts, 1);
  EXPECT_EQ(notifications, 1);
  EXPECT_EQ(edit->Text(), "abc");
  hook.Remove();
  edit->SetText("d");
  EXPECT_EQ(texts, 1);

  // Without a window, a message goes straight to the control's dispatch.
  auto* label = TComponent::Create<TLabel>(form);
  int seen = 0;
  TWndHook labelHook([&](TMessage& m) -> LRESULT {
    if (m.Msg != 0xA100) return labelHook.CallPrevious(m);
    ++seen;
    return 7;
  });
  labelHook.Install(*label);
  EXPECT_EQ(label->Perform(0xA100, 1 << 16, 0), 7);
  EXPECT_EQ(seen, 1);
}

TEST_F(ToolkitTest, WindowlessControlIsPaintedAndFedByItsParent) {
  auto* painted = TComponent::Create<TPainted>(form);
  painted->SetParent(form);
  painted->SetBounds(20, 10, 30, 20);
  form->Show();
  RedrawWindow(form->WindowHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(painted->PaintOrigin, (TPoint{20, 10}));
  HWND w = form->WindowHandle();
  SendMessageW(w, WM_MOUSEMOVE, 0, MAKELPARAM(25, 15));
  SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(25, 15));
  SendMessageW(w, WM_LBUTTONUP, 0, MAKELPARAM(25, 15));
  SendMessageW(w, WM_MOUSEMOVE, 0, MAKELPARAM(100, 50));
  EXPECT_EQ(painted->Messages, (std::vector<UINT>{CM_MOUSEENTER, WM_LBUTTONDOWN, WM_LBUTTONUP, CM_MOUSELEAVE}));
  ASSERT_EQ(painted->Points.size(), 4u);
  EXPECT_EQ(painted->Points[1], (TPoint{5, 5}));  // in the control's own coordinates
  EXPECT_EQ(Application->MouseControl(), form);
}

// A windowless button whose click frees the form it sits on, as a close button may.
class TFreesItsForm : public TGraphicControl {
 public:
  using TGraphicControl::TGraphicControl;
  LRESULT WndProc(TMessage& m) override {
    if (m.Msg == WM_LBUTTONUP) {
      delete Owner();
      return 0;
    }
    return TGraphicControl::WndProc(m);
  }

 protected:
  void Paint(HDC) override {}
};

TEST_F(ToolkitTest, ClickThatFreesTheFormLeavesNothingOfItBehind) {
  auto* button = TComponent::Create<TFreesItsForm>(form);
  button->SetParent(form);
  button->SetBounds(20, 10, 30, 20);
  form->Show();
  HWND w = form->WindowHandle();
  SendMessageW(w, WM_MOUSEMOVE, 0, MAKELPARAM(25, 15));
  SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(25, 15));
  SendMessageW(w, WM_LBUTTONUP, 0, MAKELPARAM(25, 15));
  form = nullptr;
  EXPECT_FALSE(IsWindow(w));
  EXPECT_EQ(Application->MouseControl(), nullptr);  // not the freed form
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ToolkitTest, NotificationsOfStateChanges) {
  std::vector<UINT> seen;
  auto* edit = TComponent::Create<TEdit>(form);
  TWndHook editHook([&](TMessage& m) {
    if (m.Msg >= CM_BASE && m.Msg < CN_BASE) seen.push_back(m.Msg);
    return editHook.CallPrevious(m);
  });
  editHook.Install(*edit);
  std::vector<WPARAM> listChanges;
  TWndHook formHook([&](TMessage& m) {
    if (m.Msg == CM_CONTROLLISTCHANGE) listChanges.push_back(m.LParam);
    return formHook.CallPrevious(m);
  });
  formHook.Install(*form);
  edit->SetParent(form);
  edit->SetText("kept");
  form->Show();
  edit->SetVisible(false);
  edit->SetEnabled(false);
  form->Font.Height = -20;
  form->Font.Changed();
  EXPECT_EQ(edit->Font.Height, -20);  // follows its parent's font
  edit->RecreateWnd();
  EXPECT_EQ(edit->Text(), "kept");
  edit->SetParent(nullptr);
  EXPECT_EQ(listChanges, (std::vector<WPARAM>{1, 0}));
  for (UINT expected : {CM_TEXTCHANGED, CM_SHOWINGCHANGED, CM_VISIBLECHANGED, CM_ENABLEDCHANGED, CM_FONTCHANGED,
                        CM_RECREATEWND})
    EXPECT_NE(std::find(seen.begin(), seen.end(), expected), seen.end()) << std::hex << expected;
  delete edit;
}

TEST_F(ToolkitTest, RemovalSurvivesHandlersThatRemoveOrDestroyTheControl) {
  struct Case {
    const char* what;
    bool triggerByDestroying;                 // else SetParent(nullptr)
    std::function<void(TControl*)> onRemoval;  // what the removal notification's handler does
  };
  const Case cases[] = {
      {"handler removes it again", false, [](TControl* c) { c->SetParent(nullptr); }},
      {"handler destroys it", false, [](TControl* c) { delete c; }},
      {"handler removes it while it is destroyed", true, [](TControl* c) { c->SetParent(nullptr); }},
  };
  form->HandleNeeded();
  for (const Case& c : cases) {
    TCounted::destroyed = 0;
    auto* edit = TComponent::Create<TCounted>(form);
    edit->SetParent(form);
    int notified = 0;
    TWndHook hook([&](TMessage& m) {
      if (m.Msg == CM_CONTROLLISTCHANGE && !InsertedOf(m) && ++notified == 1) c.onRemoval(ListedControlOf(m));
      return hook.CallPrevious(m);
    });
    hook.Install(*form);
    if (c.triggerByDestroying)
      delete edit;
    else
      edit->SetParent(nullptr);
    EXPECT_EQ(notified, 1) << c.what;
    EXPECT_TRUE(form->Controls().empty()) << c.what;
    if (TCounted::destroyed == 0) {
      EXPECT_EQ(edit->Parent(), nullptr) << c.what;
      EXPECT_FALSE(edit->HandleAllocated()) << c.what;
      delete edit;
    }
    EXPECT_EQ(TCounted::destroyed, 1) << c.what;
  }

  // A parent being destroyed, whose removal handler destroys a sibling still to come.
  auto* panel = TComponent::Create<TWinControl>(form);
  panel->SetParent(form);
  auto* first = TComponent::Create<TCounted>(form);
  auto* second = TComponent::Create<TCounted>(form);
  first->SetParent(panel);
  second->SetParent(panel);
  TCounted::destroyed = 0;
  TWndHook hook([&](TMessage& m) {
    if (m.Msg == CM_CONTROLLISTCHANGE && !InsertedOf(m) && ListedControlOf(m) == first) delete second;
    return hook.CallPrevious(m);
  });
  hook.Install(*panel);
  delete panel;
  EXPECT_EQ(TCounted::destroyed, 1);
  EXPECT_EQ(first->Parent(), nullptr);
}

TEST_F(ToolkitTest, AMenuItemThatFreesItsMenuRunsToItsEnd) {
  form->Show();
  auto* menu = TComponent::Create<TPopupMenu>(form);
  // The handler's closure holds the only owner of `capture`: it expires if the closure is freed while it runs.
  auto capture = std::make_shared<int>(0);
  const std::weak_ptr<int> closure = capture;
  bool closureLivedThrough = false;
  TMenuItem& item = menu->Items.Add(std::make_unique<TMenuItem>());
  item.Caption = "Free the menu";
  item.OnClick = [&, capture](TObject*) {
    delete menu;
    menu = nullptr;
    closureLivedThrough = !closure.expired();
  };
  capture.reset();
  // The menu's own loop takes the keys: the first item, chosen.
  const HWND owner = form->WindowHandle();
  PostMessageW(owner, WM_KEYDOWN, VK_DOWN, 1);
  PostMessageW(owner, WM_KEYDOWN, VK_RETURN, 1);
  EXPECT_TRUE(menu->Popup(owner, {form->Left() + 10, form->Top() + 10}));
  EXPECT_EQ(menu, nullptr);
  EXPECT_TRUE(closureLivedThrough);
}

TEST_F(ToolkitTest, TimerTicksWhileEnabled) {
  auto* timer = TComponent::Create<TTimer>(form);
  int ticks = 0;
  timer->SetInterval(10);
  timer->SetOnTimer([&](TObject*) {
    if (++ticks == 3) timer->SetEnabled(false);
  });
  for (int i = 0; i < 200 && ticks < 3; ++i) {
    Application->HandleMessage();
  }
  EXPECT_EQ(ticks, 3);
  Sleep(40);
  Pump();
  EXPECT_EQ(ticks, 3);
}

TEST_F(ToolkitTest, ApplicationWindowOwnsTheFormsAndHasHooks) {
  app->Initialize();
  app->SetTitle("\xCF\xF0\xE8");  // 1251
  wchar_t text[16];
  GetWindowTextW(app->Handle(), text, 16);
  EXPECT_STREQ(text, L"\u041F\u0440\u0438");
  int seen = 0;
  TWndHook hook([&](TMessage& m) -> LRESULT {
    if (m.Msg != WM_USER + 5) return hook.CallPrevious(m);
    ++seen;
    return 9;
  });
  hook.Install(*app);
  EXPECT_EQ(SendMessageW(app->Handle(), WM_USER + 5, 0, 0), 9);
  hook.Remove();
  EXPECT_EQ(SendMessageW(app->Handle(), WM_USER + 5, 0, 0), 0);
  EXPECT_EQ(seen, 1);
  TForm* main;
  app->CreateForm(main);
  main->HandleNeeded();
  EXPECT_EQ(GetWindow(main->WindowHandle(), GW_OWNER), app->Handle());
  EXPECT_EQ(Screen::Forms(), (std::vector<TCustomForm*>{form, main}));
}

TEST_F(ToolkitTest, PicturesLoadThroughTheirRegisteredFormat) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  auto write = [&](const std::wstring& name, const std::string& bytes) {
    std::wstring path = std::wstring(temp) + name;
    HANDLE f = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written;
    WriteFile(f, bytes.data(), DWORD(bytes.size()), &written, nullptr);
    CloseHandle(f);
    return path;
  };
  // 2 x 1 pixels, 24 bits, bottom-up: red then blue; rows padded to 4 bytes.
  const std::string bmp("BM\x3E\0\0\0\0\0\0\0\x36\0\0\0"
                        "\x28\0\0\0\x02\0\0\0\x01\0\0\0\x01\0\x18\0\0\0\0\0\x08\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0"
                        "\0\0\xFF\xFF\0\0\0\0", 62);
  std::wstring bmpPath = write(L"toolkit-picture.BMP", bmp);
  TPicture picture;
  picture.LoadFromFile(bmpPath);
  ASSERT_NE(picture.Graphic, nullptr);
  EXPECT_EQ(picture.Graphic->ClassName(), "TBitmap");
  ASSERT_EQ(picture.Graphic->Width(), 2);
  EXPECT_EQ(picture.Graphic->Pixels.At(0, 0), 0xFFFF0000u);  // BGRA memory order: red
  EXPECT_EQ(picture.Graphic->Pixels.At(1, 0), 0xFF0000FFu);  // blue

  struct TProbeGraphic : TGraphic {
    std::string ClassName() const override { return "TProbeGraphic"; }
    void LoadFromBytes(const uint8_t*, size_t size) override { Pixels.Resize(int(size), 1); }
  };
  TPicture::RegisterFileFormat("xyz", "Probe", [] { return std::make_unique<TProbeGraphic>(); });
  picture.LoadFromFile(write(L"toolkit-picture.xyz", "abc"));
  EXPECT_EQ(picture.Graphic->ClassName(), "TProbeGraphic");
  EXPECT_EQ(picture.Graphic->Width(), 3);
  TPicture::UnregisterFileFormat("XYZ");
  EXPECT_THROW(picture.LoadFromFile(std::wstring(temp) + L"toolkit-picture.xyz"), std::runtime_error);
  EXPECT_THROW(picture.LoadFromFile(write(L"toolkit-bad.bmp", "BM")), std::exception);
  EXPECT_EQ(picture.Graphic->ClassName(), "TProbeGraphic");  // a failed load keeps the picture
  for (const wchar_t* name : {L"toolkit-picture.BMP", L"toolkit-picture.xyz", L"toolkit-bad.bmp"})
    DeleteFileW((std::wstring(temp) + name).c_str());
}

}  // namespace
