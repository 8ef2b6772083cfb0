// Push-button windows under a skinned test form, taken over by TacBtnWnd and
// driven with the real pointer: the face follows hover and press, default
// buttons show their own look, a click that destroys its button is survived,
// and the focus frame, the switched-off hover and the disabled look show.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <map>
#include <memory>

#include "skin/data/sSkinManager.h"
#include "skin/handlers/TacBtnWnd.h"
#include "skin/handlers/TacCheckBoxWnd.h"
#include "skin/handlers/TacGroupBoxWnd.h"
#include "skin/windows/sSkinProvider.h"
#include "tests/gui/FreedMemoryScrub.h"
#include "tests/gui/GuiDriver.h"
#include "toolkit/Application.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/WndHook.h"

namespace {

// The built-in skin's "BUTTON" section as pixels: faces of states 0, 1, 2, and the accent of the default frame.
constexpr uint32_t kNormal = 0xFFE1E1E1u;
constexpr uint32_t kHot = 0xFFE5F1FBu;
constexpr uint32_t kPressed = 0xFFCCE4F7u;
constexpr uint32_t kAccent = 0xFF0078D7u;

constexpr int kButtonWidth = 75, kButtonHeight = 25;
constexpr int kClosingId = 7;  // a click on this button destroys it

// A handler whose memory, once freed, is filled with a pattern that is no
// address and never handed out again (a few hundred bytes a test are let go),
// so a handler touched after its click faults even where the freed-memory
// scrub's block would already be in use again.
class FencedBtnWnd : public TacBtnWnd {
 public:
  using TacBtnWnd::TacBtnWnd;
  static void* operator new(std::size_t size) { return ::operator new(size); }
  static void operator delete(void* p, std::size_t size) { std::memset(p, 0xDD, size); }
};

// Dotted pixels in the section's font colour (black) along the focus frame's top row.
int FocusDots(const PixelBuffer& p) {
  int dots = 0;
  for (int32_t y = 3; y < 6; ++y)
    for (int32_t x = 0; x < p.Width(); ++x) dots += (p.At(x, y) & 0x00FFFFFFu) == 0;
  return dots;
}

class ButtonWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    SetCursorPos(0, 0);
    driver = std::make_unique<GuiDriver>();
    form = new TForm(Application);
    form->SetClientSize(300, 70);
    provider = new TsSkinProvider(form);
    form->SetBounds(300, 200, form->Width(), form->Height());
    formHook.Install(*form);
    form->Show();
    driver->Pump();
  }
  void TearDown() override {
    handlers.clear();
    delete form;
    SetCursorPos(0, 0);
    driver.reset();
    if (TsSkinManager* m = DefaultManager()) m->Options.NoMouseHover = false;
  }

  // A plain "button" window on the form, taken over by a TacBtnWnd.
  HWND AddButton(const wchar_t* caption, DWORD style, int left, int id = 1) {
    HWND b = CreateWindowExW(0, L"BUTTON", caption, WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, left, 20, kButtonWidth,
                             kButtonHeight, form->Handle(), reinterpret_cast<HMENU>(INT_PTR(id)), nullptr, nullptr);
    handlers[b] = TacMainWnd::Create<FencedBtnWnd>(b, false, {});
    RedrawWindow(b, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    return b;
  }
  // Another kind of "button" window on the form, taken over by handler H.
  template <class H>
  HWND AddWindow(const wchar_t* caption, DWORD style, TRect bounds) {
    HWND w = CreateWindowExW(0, L"BUTTON", caption, WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, bounds.Left,
                             bounds.Top, bounds.Width(), bounds.Height(), form->Handle(), nullptr, nullptr, nullptr);
    handlers[w] = TacMainWnd::Create<H>(w, false, {});
    return w;
  }
  // The button as it is on the screen after it painted itself.
  PixelBuffer Shown(HWND b) {
    RedrawWindow(b, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    driver->Pump();
    return CaptureWindow(b);
  }
  // Inside the two-pixel border, above the caption and its focus frame at every dpi.
  static uint32_t Face(const PixelBuffer& p) { return p.At(p.Width() / 2, 2) | 0xFF000000u; }
  static POINT Centre(HWND b) {
    RECT r;
    GetWindowRect(b, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }
  TacBtnWnd& Handler(HWND b) { return *handlers.at(b); }

  std::unique_ptr<GuiDriver> driver;
  TForm* form = nullptr;
  TsSkinProvider* provider = nullptr;
  std::map<HWND, std::unique_ptr<TacBtnWnd>> handlers;
  int clicks = 0;
  // Clicks arrive at the form; the closing button is destroyed with its handler, as a dialog closing would.
  TWndHook formHook{[this](TMessage& m) -> LRESULT {
    if (m.Msg == WM_COMMAND && HIWORD(m.WParam) == BN_CLICKED) {
      ++clicks;
      if (LOWORD(m.WParam) == kClosingId) {
        const auto button = reinterpret_cast<HWND>(m.LParam);
        DestroyWindow(button);
        handlers.erase(button);
      }
      return 0;
    }
    return formHook.CallPrevious(m);
  }};
};

TEST_F(ButtonWindowTest, NormalHotAndPressedFollowTheRealPointer) {
  HWND b = AddButton(L"Open", BS_PUSHBUTTON, 20);
  EXPECT_EQ(Face(Shown(b)), kNormal);

  ASSERT_TRUE(MoveRealPointer(Centre(b)));
  ASSERT_TRUE(PumpUntil([&] { return Handler(b).SkinData().PointerInside; }));
  EXPECT_EQ(Face(Shown(b)), kHot);

  SendMouseInput(MOUSEEVENTF_LEFTDOWN, Centre(b));
  ASSERT_TRUE(PumpUntil([&] { return (SendMessageW(b, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0; }));
  EXPECT_EQ(Face(Shown(b)), kPressed);

  // Let go outside: the button comes up and nothing is clicked.
  const POINT away{Centre(b).x, Centre(b).y + 60};
  ASSERT_TRUE(MoveRealPointer(away));
  SendMouseInput(MOUSEEVENTF_LEFTUP, away);
  ASSERT_TRUE(PumpUntil([&] { return GetCapture() == nullptr; }));
  EXPECT_EQ(clicks, 0);
  ASSERT_TRUE(PumpUntil([&] { return !Handler(b).SkinData().PointerInside; }));
  EXPECT_EQ(Face(Shown(b)), kHot);  // the press gave it the focus
  SetFocus(form->Handle());
  EXPECT_EQ(Face(Shown(b)), kNormal);

  // A whole click inside counts once, and the button is hot again under the pointer.
  ASSERT_TRUE(MoveRealPointer(Centre(b)));
  SendMouseInput(MOUSEEVENTF_LEFTDOWN, Centre(b));
  SendMouseInput(MOUSEEVENTF_LEFTUP, Centre(b));
  ASSERT_TRUE(PumpUntil([&] { return clicks == 1; }));
  ASSERT_TRUE(PumpUntil([&] { return Handler(b).SkinData().PointerInside; }));
  EXPECT_EQ(Face(Shown(b)), kHot);
}

TEST_F(ButtonWindowTest, DefaultButtonsShowTheirOwnLookWithoutThePointer) {
  // A system window's default button: the section's fourth state, its two-pixel accent frame.
  HWND system = AddButton(L"Save", BS_DEFPUSHBUTTON, 20);
  HWND plain = AddButton(L"Cancel", BS_PUSHBUTTON, 110);
  const PixelBuffer shown = Shown(system);
  EXPECT_EQ(shown.At(kButtonWidth / 2, 1) | 0xFF000000u, kAccent);
  EXPECT_NE(Shown(plain).At(kButtonWidth / 2, 1) | 0xFF000000u, kAccent);

  // A toolkit form's default button is drawn hot.
  auto* ok = TComponent::Create<TButton>(form);
  ok->Default = true;
  ok->SetParent(form);
  ok->SetBounds(200, 20, kButtonWidth, kButtonHeight);
  ok->SetCaption("OK");
  TacHandlerParams params;
  params.Control = ok;
  handlers[ok->Handle()] = TacMainWnd::Create<TacBtnWnd>(ok->Handle(), false, params);
  EXPECT_EQ(Face(Shown(ok->Handle())), kHot);
}

// The message form's "OK": a default toolkit button taken over as the control
// adapter does it. Its looks are kept in DR_TEST_PICTURES for looking at.
TEST_F(ButtonWindowTest, ToolkitOkButtonIsHotPressedAndFocusedUnderTheRealPointer) {
  auto* ok = TComponent::Create<TButton>(form);
  ok->Default = true;
  ok->SetParent(form);
  ok->SetBounds(110, 20, kButtonWidth, kButtonHeight);
  ok->SetCaption("OK");
  ok->OnClick = [this](TObject*) { ++clicks; };
  TacHandlerParams params;
  params.Control = ok;
  handlers[ok->Handle()] = TacMainWnd::Create<TacBtnWnd>(ok->Handle(), false, params);
  HWND b = ok->Handle();
  auto keep = [&](const char* name) -> PixelBuffer {
    PixelBuffer shown = Shown(b);
    KeepPicture(shown, name);
    return shown;
  };

  SetFocus(form->Handle());
  EXPECT_EQ(Face(keep("buttons-ok-default")), kHot);
  EXPECT_EQ(FocusDots(Shown(b)), 0);

  ASSERT_TRUE(MoveRealPointer(Centre(b)));
  ASSERT_TRUE(PumpUntil([&] { return Handler(b).SkinData().PointerInside; }));
  EXPECT_EQ(Face(keep("buttons-ok-hot")), kHot);

  SendMouseInput(MOUSEEVENTF_LEFTDOWN, Centre(b));
  ASSERT_TRUE(PumpUntil([&] { return (SendMessageW(b, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0; }));
  EXPECT_EQ(Face(keep("buttons-ok-pressed")), kPressed);
  SendMouseInput(MOUSEEVENTF_LEFTUP, Centre(b));
  ASSERT_TRUE(PumpUntil([&] { return clicks == 1; }));

  // Pressed it took the focus: with the pointer elsewhere on the form it shows the dotted frame.
  POINT elsewhere{10, 60};
  ClientToScreen(form->Handle(), &elsewhere);
  ASSERT_TRUE(MoveRealPointer(elsewhere));
  ASSERT_TRUE(PumpUntil([&] { return !Handler(b).SkinData().PointerInside; }));
  ASSERT_EQ(GetFocus(), b);
  EXPECT_GT(FocusDots(keep("buttons-ok-focused")), 10);
}

TEST_F(ButtonWindowTest, AClickThatDestroysTheButtonIsSurvived) {
  // With the real pointer (the handler knows the pointer is inside) and with
  // plain messages (it does not).
  FreedMemoryScrub scrub(0x00);
  for (bool realPointer : {true, false}) {
    SCOPED_TRACE(realPointer ? "real pointer" : "messages");
    HWND b = AddButton(L"Close", BS_PUSHBUTTON, 20, kClosingId);
    const int before = clicks;
    if (realPointer) {
      ASSERT_TRUE(MoveRealPointer(Centre(b)));
      ASSERT_TRUE(PumpUntil([&] { return Handler(b).SkinData().PointerInside; }));
      SendMouseInput(MOUSEEVENTF_LEFTDOWN, Centre(b));
      SendMouseInput(MOUSEEVENTF_LEFTUP, Centre(b));
    } else {
      SendMessageW(b, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
      SendMessageW(b, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    }
    ASSERT_TRUE(PumpUntil([&] { return clicks == before + 1; }));
    EXPECT_FALSE(IsWindow(b));
    EXPECT_EQ(handlers.count(b), 0u);
    SetCursorPos(0, 0);
    driver->Pump();
  }
  EXPECT_EQ(scrub.Faults(), 0);
}

TEST_F(ButtonWindowTest, TheFocusedButtonWithACaptionShowsTheDottedFrame) {
  HWND captioned = AddButton(L"OK", BS_PUSHBUTTON, 20);
  HWND empty = AddButton(L"", BS_PUSHBUTTON, 110);
  EXPECT_EQ(FocusDots(Shown(captioned)), 0);
  SetFocus(captioned);
  ASSERT_TRUE(PumpUntil([&] { return (SendMessageW(captioned, BM_GETSTATE, 0, 0) & BST_FOCUS) != 0; }));
  const PixelBuffer focused = Shown(captioned);
  EXPECT_GT(FocusDots(focused), 10);
  EXPECT_EQ(Face(focused), kHot);  // a focused system button is hot
  SetFocus(empty);
  ASSERT_TRUE(PumpUntil([&] { return (SendMessageW(empty, BM_GETSTATE, 0, 0) & BST_FOCUS) != 0; }));
  EXPECT_EQ(FocusDots(Shown(empty)), 0);
  EXPECT_EQ(FocusDots(Shown(captioned)), 0);
}

TEST_F(ButtonWindowTest, WithHoverSwitchedOffThePointerKeepsTheLook) {
  DefaultManager()->Options.NoMouseHover = true;
  HWND b = AddButton(L"Open", BS_PUSHBUTTON, 20);
  ASSERT_TRUE(MoveRealPointer(Centre(b)));
  ASSERT_TRUE(MoveRealPointer({Centre(b).x + 3, Centre(b).y + 1}));
  EXPECT_FALSE(Handler(b).SkinData().PointerInside);
  EXPECT_EQ(Face(Shown(b)), kNormal);
}

TEST_F(ButtonWindowTest, ADisabledButtonIsMixedIntoTheForm) {
  HWND b = AddButton(L"Open", BS_PUSHBUTTON, 20);
  const uint32_t enabled = Face(Shown(b));
  EnableWindow(b, FALSE);
  const uint32_t disabled = Face(Shown(b));
  // 0.4 of the face over 0.6 of the form's plain background under it, seen left of the button.
  RECT button{}, frame{};
  GetWindowRect(b, &button);
  GetWindowRect(form->Handle(), &frame);
  const uint32_t under =
      CaptureWindow(form->Handle()).At(button.left - frame.left - 5, button.top - frame.top + 4) | 0xFF000000u;
  for (int shift = 0; shift < 24; shift += 8) {
    const int face = (enabled >> shift) & 0xFF, back = (under >> shift) & 0xFF, mixed = (disabled >> shift) & 0xFF;
    EXPECT_NEAR(mixed, 0.4 * face + 0.6 * back, 1.0) << shift;
  }
  EXPECT_NE(disabled, enabled);
}

}  // namespace

namespace {

// Pixels that differ between two pictures inside a rectangle.
int Changed(const PixelBuffer& a, const PixelBuffer& b, const TRect& r) {
  int n = 0;
  for (int32_t y = r.Top; y < r.Bottom; ++y)
    for (int32_t x = r.Left; x < r.Right; ++x) n += a.At(x, y) != b.At(x, y);
  return n;
}

TEST_F(ButtonWindowTest, ACheckBoxShowsTheSkinsBoxAndTakesItsMarkFromAClick) {
  HWND box = AddWindow<TacCheckBoxWnd>(L"Remember", BS_AUTOCHECKBOX, {20, 10, 140, 27});
  HWND radio = AddWindow<TacCheckBoxWnd>(L"Choose", BS_AUTORADIOBUTTON, {160, 10, 280, 27});
  const TRect glyph{0, 0, 17, 17};
  SetFocus(form->Handle());
  const PixelBuffer unchecked = Shown(box);

  POINT onGlyph{6, 8};
  ClientToScreen(box, &onGlyph);
  ASSERT_TRUE(MoveRealPointer(onGlyph));
  ASSERT_TRUE(PumpUntil([&] { return Handler(box).SkinData().PointerInside; }));
  EXPECT_GT(Changed(unchecked, Shown(box), glyph), 8);  // hot under the pointer
  SendMouseInput(MOUSEEVENTF_LEFTDOWN, onGlyph);
  SendMouseInput(MOUSEEVENTF_LEFTUP, onGlyph);
  ASSERT_TRUE(PumpUntil([&] { return SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }));
  POINT away{10, 60};
  ClientToScreen(form->Handle(), &away);
  ASSERT_TRUE(MoveRealPointer(away));
  ASSERT_TRUE(PumpUntil([&] { return !Handler(box).SkinData().PointerInside; }));
  SetFocus(form->Handle());
  const PixelBuffer checked = Shown(box);
  KeepPicture(checked, "buttons-checkbox-checked");
  EXPECT_GT(Changed(unchecked, checked, glyph), 8);  // the mark
  EXPECT_EQ(Changed(unchecked, checked, {20, 0, checked.Width(), checked.Height()}), 0);  // the caption stays
  int dark = 0;
  for (int32_t y = 0; y < checked.Height(); ++y)
    for (int32_t x = 20; x < checked.Width(); ++x) dark += (checked.At(x, y) & 0xFF) < 0x60;
  EXPECT_GT(dark, 10);

  // A radio button set by the program shows its dot.
  const PixelBuffer off = Shown(radio);
  SendMessageW(radio, BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_GT(Changed(off, Shown(radio), glyph), 8);
}

TEST_F(ButtonWindowTest, AGlyphButtonShowsItsGlyphBesideTheCaption) {
  HWND b = AddWindow<TacBitBtnWnd>(L"Go", BS_DEFPUSHBUTTON, {20, 20, 20 + kButtonWidth, 20 + kButtonHeight});
  PixelBuffer glyph(8, 8);
  for (int32_t y = 0; y < 8; ++y)
    for (int32_t x = 0; x < 8; ++x) glyph.At(x, y) = 0xFFFF0000u;  // opaque red
  dynamic_cast<TacBitBtnWnd&>(Handler(b)).SetGlyph(std::move(glyph));
  SetFocus(form->Handle());
  const PixelBuffer shown = Shown(b);
  int red = 0, leftmost = shown.Width();
  for (int32_t y = 0; y < shown.Height(); ++y)
    for (int32_t x = 0; x < shown.Width(); ++x)
      if ((shown.At(x, y) | 0xFF000000u) == 0xFFFF0000u) ++red, leftmost = std::min(leftmost, x);
  EXPECT_EQ(red, 64);
  EXPECT_LT(leftmost, kButtonWidth / 2 - 4);  // left of the centre, the caption after it
  EXPECT_EQ(Face(shown), kHot);  // a default glyph button shows hot, not in the fourth state
}

TEST_F(ButtonWindowTest, AGroupBoxDrawsItsFrameAroundAndLeavesItOutBehindItsCaption) {
  HWND group = AddWindow<TacGroupBoxWnd>(L"Options", BS_GROUPBOX, {10, 5, 290, 65});
  const PixelBuffer shown = Shown(group);
  KeepPicture(shown, "buttons-groupbox");
  RECT r;
  GetClientRect(group, &r);
  // The frame line (one pixel, darker than the form) down the right side and along the bottom; none behind the
  // caption's text on its line, and nothing painted inside.
  const uint32_t inside = shown.At(r.right / 2, r.bottom / 2);
  EXPECT_NE(shown.At(r.right - 1, r.bottom / 2), inside);
  EXPECT_NE(shown.At(r.right / 2, r.bottom - 1), inside);
  int captionDark = 0;
  for (int32_t y = 0; y < 14; ++y)
    for (int32_t x = 8; x < 60; ++x) captionDark += (shown.At(x, y) & 0xFF) < 0x60;
  EXPECT_GT(captionDark, 10);
}

}  // namespace
