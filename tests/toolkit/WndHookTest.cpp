// Window-procedure hooks on toolkit controls and on plain windows: order,
// removal in any order, either side destroyed first, subclasses of others,
// published objects and the exception wall.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>

#include "toolkit/Application.h"
#include "toolkit/Cp1251.h"
#include "toolkit/WndHook.h"

namespace {

constexpr UINT kProbe = WM_APP + 1;
std::vector<std::string> trace;

// The target's own handling of the probe: traced, answers 5.
class TTraced : public TWinControl {
 public:
  using TWinControl::TWinControl;
  LRESULT WndProc(TMessage& m) override {
    if (m.Msg != kProbe) return TWinControl::WndProc(m);
    trace.push_back("base");
    return 5;
  }
};

// A hook that traces its name for the probe, runs Before if set, and passes every message on.
class TTracer {
 public:
  explicit TTracer(std::string name) : name_(std::move(name)) {}
  TWndHook Hook{[this](TMessage& m) {
    if (m.Msg == kProbe) {
      trace.push_back(name_);
      if (Before) Before();
    }
    return Hook.CallPrevious(m);
  }};
  std::function<void()> Before;

 private:
  std::string name_;
};

LRESULT CALLBACK PlainProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg != kProbe) return DefWindowProcW(window, msg, wParam, lParam);
  trace.push_back("original");
  return 5;
}

// A window the toolkit knows nothing of.
HWND CreatePlainWindow() {
  WNDCLASSW wc{};
  wc.lpfnWndProc = PlainProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"WndHookPlain";
  RegisterClassW(&wc);  // fails harmlessly when registered already
  return CreateWindowExW(0, L"WndHookPlain", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance, nullptr);
}

// Someone else's subclass, the classic way.
WNDPROC foreignPrevious = nullptr;
LRESULT CALLBACK ForeignProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == kProbe) trace.push_back("foreign");
  return CallWindowProcW(foreignPrevious, window, msg, wParam, lParam);
}

LONG_PTR ProcedureOf(HWND window) { return GetWindowLongPtrW(window, GWLP_WNDPROC); }

// The general error display shows a message box; this answers it and keeps its text.
std::vector<std::string> reported;
BOOL CALLBACK AnswerErrorBox(HWND window, LPARAM) {
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  if (!IsWindowVisible(window) || wcscmp(name, L"#32770") != 0) return TRUE;
  wchar_t text[256] = {};
  GetWindowTextW(GetDlgItem(window, 0xFFFF), text, 256);
  reported.push_back(Cp1251::FromWide(text));
  PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), LPARAM(GetDlgItem(window, IDOK)));
  return FALSE;
}
void CALLBACK AnswerErrorBoxes(HWND, UINT, UINT_PTR, DWORD) { EnumThreadWindows(GetCurrentThreadId(), AnswerErrorBox, 0); }

class WndHookTest : public testing::Test {
 protected:
  void SetUp() override {
    trace.clear();
    app = new TApplication();
    form = TComponent::Create<TForm>(app);
    control = TComponent::Create<TTraced>(form);
  }
  void TearDown() override { delete app; }
  std::vector<std::string> Probe(TControl* target, LRESULT expected = 5) {
    trace.clear();
    EXPECT_EQ(target->Perform(kProbe), expected);
    return trace;
  }
  std::vector<std::string> Probe(HWND target) {
    trace.clear();
    EXPECT_EQ(SendMessageW(target, kProbe, 0, 0), 5);
    return trace;
  }
  using Trace = std::vector<std::string>;
  TApplication* app;
  TForm* form;
  TTraced* control;
};

TEST_F(WndHookTest, LatestHookFirstAndAnyHookLeavesWithoutTheOthers) {
  struct Case {
    int removed;  // 0 a (installed first), 1 b, 2 c (the top)
    Trace after;
  };
  for (const Case& c : {Case{2, {"b", "a", "base"}}, Case{1, {"c", "a", "base"}}, Case{0, {"c", "b", "base"}}}) {
    TTracer hooks[] = {TTracer("a"), TTracer("b"), TTracer("c")};
    for (TTracer& h : hooks) h.Hook.Install(*control);
    EXPECT_EQ(Probe(control), (Trace{"c", "b", "a", "base"}));
    hooks[c.removed].Hook.Remove();
    EXPECT_FALSE(hooks[c.removed].Hook.Installed());
    EXPECT_EQ(Probe(control), c.after) << "removed " << c.removed;
    // Installing again puts it on top.
    hooks[c.removed].Hook.Install(*control);
    EXPECT_EQ(Probe(control).front(), std::string(1, char('a' + c.removed)));
  }
  EXPECT_EQ(Probe(control), Trace{"base"});  // hooks that went out of scope left
}

TEST_F(WndHookTest, HandlersMayRemoveOrDestroyHooksAndTheControl) {
  // The top hook's handler acts, then passes the probe on; what is reached.
  struct Case {
    const char* what;
    std::function<void(std::unique_ptr<TTracer>& low, std::unique_ptr<TTracer>& top, TTraced*& target)> act;
    Trace reached;
  };
  const Case cases[] = {
      {"removes itself", [](auto&, auto& top, auto&) { top->Hook.Remove(); }, {"top", "low", "base"}},
      {"removes the hook below", [](auto& low, auto&, auto&) { low->Hook.Remove(); }, {"top", "base"}},
      {"destroys the hook below", [](auto& low, auto&, auto&) { low.reset(); }, {"top", "base"}},
      {"destroys the control", [](auto&, auto&, auto& target) { delete target; target = nullptr; }, {"top"}},
  };
  for (const Case& c : cases) {
    auto* target = TComponent::Create<TTraced>(form);
    auto low = std::make_unique<TTracer>("low"), top = std::make_unique<TTracer>("top");
    low->Hook.Install(*target);
    top->Hook.Install(*target);
    top->Before = [&] { c.act(low, top, target); };
    trace.clear();
    target->Perform(kProbe);
    EXPECT_EQ(trace, c.reached) << c.what;
    if (!target) {
      // The hooks outlive their control: uninstalled, and passing on does nothing.
      EXPECT_FALSE(top->Hook.Installed());
      EXPECT_FALSE(low->Hook.Installed());
      TMessage m{kProbe, 0, 0, 3};
      EXPECT_EQ(low->Hook.CallPrevious(m), 3);
      continue;
    }
    top->Before = nullptr;
    EXPECT_EQ(Probe(target).back(), "base") << c.what;  // the chain is whole after the call
    delete target;
  }

  // A handler that destroys its own hook and answers.
  TTracer low("low");
  low.Hook.Install(*control);
  std::unique_ptr<TWndHook> self;
  self = std::make_unique<TWndHook>([&](TMessage&) -> LRESULT {
    self.reset();
    return 9;
  });
  self->Install(*control);
  EXPECT_EQ(Probe(control, 9), Trace{});
  EXPECT_EQ(Probe(control), (Trace{"low", "base"}));
}

TEST_F(WndHookTest, SubclassOfAPlainWindowStaysInTheChainUnderAForeignSubclass) {
  HWND window = CreatePlainWindow();
  ASSERT_TRUE(window);
  const LONG_PTR original = ProcedureOf(window);
  TTracer ours("ours");
  ASSERT_TRUE(ours.Hook.Install(window));
  EXPECT_EQ(ours.Hook.Window(), window);
  EXPECT_EQ(Probe(window), (Trace{"ours", "original"}));
  ours.Hook.Remove();
  EXPECT_EQ(ProcedureOf(window), original);  // first in the chain: the procedure comes back

  // Someone subclasses after us; our removal must not cut them off.
  ours.Hook.Install(window);
  foreignPrevious = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(window, GWLP_WNDPROC, LONG_PTR(ForeignProc)));
  EXPECT_EQ(Probe(window), (Trace{"foreign", "ours", "original"}));
  ours.Hook.Remove();
  EXPECT_EQ(ProcedureOf(window), LONG_PTR(ForeignProc));
  EXPECT_EQ(Probe(window), (Trace{"foreign", "original"}));  // we pass through
  // A hook installed meanwhile joins our place in the chain, under theirs.
  TTracer later("later");
  ASSERT_TRUE(later.Hook.Install(window));
  EXPECT_EQ(Probe(window), (Trace{"foreign", "later", "original"}));
  later.Hook.Remove();
  // They leave by restoring what they saved; we are first again and leave at the next message.
  SetWindowLongPtrW(window, GWLP_WNDPROC, LONG_PTR(foreignPrevious));
  EXPECT_EQ(Probe(window), Trace{"original"});
  EXPECT_EQ(ProcedureOf(window), original);
  DestroyWindow(window);

  EXPECT_FALSE(ours.Hook.Install(window));  // a window that is gone
  EXPECT_FALSE(ours.Hook.Installed());
}

TEST_F(WndHookTest, PublishedObjectIsFoundFromTheWindowUntilTheHookOrWindowGoes) {
  HWND window = CreatePlainWindow();
  int handler = 0;
  std::vector<UINT> seen;
  TWndHook hook([&](TMessage& m) {
    seen.push_back(m.Msg);
    return hook.CallPrevious(m);
  });
  EXPECT_FALSE(hook.Publish(L"ACSBSC", &handler));  // not on a window yet
  ASSERT_TRUE(hook.Install(window));
  ASSERT_TRUE(hook.Publish(L"ACSBSC", &handler));
  EXPECT_EQ(FindWindowObject<int>(window, L"ACSBSC"), &handler);
  hook.Remove();
  EXPECT_EQ(FindWindowObject<int>(window, L"ACSBSC"), nullptr);

  // The window goes first, with a foreign subclass above ours: the hook sees
  // the destruction, is uninstalled and its object unpublished.
  hook.Install(window);
  hook.Publish(L"ACSBSC", &handler);
  foreignPrevious = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(window, GWLP_WNDPROC, LONG_PTR(ForeignProc)));
  seen.clear();
  DestroyWindow(window);
  EXPECT_EQ(seen.back(), UINT(WM_NCDESTROY));
  EXPECT_FALSE(hook.Installed());
  EXPECT_EQ(hook.Window(), nullptr);
  TMessage m{kProbe, 0, 0, 3};
  EXPECT_EQ(hook.CallPrevious(m), 3);  // nothing below any more
}

TEST_F(WndHookTest, ThrowingHandlerIsReportedAndDoesNotLeaveItsWindowProcedure) {
  UINT_PTR timer = SetTimer(nullptr, 0, 20, AnswerErrorBoxes);
  control->SetParent(form);
  form->HandleNeeded();
  HWND plain = CreatePlainWindow();
  struct Case {
    const char* what;
    HWND target;
    std::function<void(TWndHook&)> install;
    Trace base;  // where a probe ends
  };
  const Case cases[] = {
      {"toolkit control", control->Handle(), [&](TWndHook& h) { h.Install(*control); }, {"base"}},
      {"plain window", plain, [&](TWndHook& h) { h.Install(plain); }, {"original"}},
  };
  for (const Case& c : cases) {
    bool armed = true;
    TWndHook thrower([&](TMessage& m) -> LRESULT {
      if (m.Msg == kProbe && armed) throw std::runtime_error(std::string("broken: ") + c.what);
      return thrower.CallPrevious(m);
    });
    c.install(thrower);
    reported.clear();
    trace.clear();
    SendMessageW(c.target, kProbe, 0, 0);  // returns here: the exception stayed on our side
    EXPECT_EQ(reported, Trace{std::string("broken: ") + c.what});
    EXPECT_EQ(trace, Trace{}) << c.what;
    armed = false;
    EXPECT_EQ(Probe(c.target), c.base) << c.what;  // the chain works on after the throw
    thrower.Remove();
    EXPECT_EQ(Probe(c.target), c.base) << c.what;
  }
  KillTimer(nullptr, timer);
  DestroyWindow(plain);
}

}  // namespace
