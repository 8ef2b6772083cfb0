// The main window's skinned edits and memo, and a skinned scroll bar of a
// window handler, on the real window with the real pointer. Set
// DR_TEST_PICTURES to a folder to keep the captured pictures.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <vector>

#include "skin/controls/TacEditWnd.h"
#include "skin/data/SkinCommands.h"
#include "skin/data/sSkinManager.h"
#include "skin/render/core/PixelBufferDc.h"
#include "tests/gui/FreedMemoryScrub.h"
#include "tests/gui/GuiDriver.h"

namespace {

uint32_t Rgb(uint32_t pixel) { return pixel & 0xFFFFFF; }
int Brightness(uint32_t p) { return int(p & 0xFF) + int((p >> 8) & 0xFF) + int((p >> 16) & 0xFF); }
uint32_t Darkest(const PixelBuffer& p, const TRect& r) {
  uint32_t darkest = 0xFFFFFF;
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x)
      if (Brightness(Rgb(p.At(x, y))) < Brightness(darkest)) darkest = Rgb(p.At(x, y));
  return darkest;
}
// BGR pixel of a COLORREF.
uint32_t PixelOf(COLORREF c) { return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c); }
int Channel(uint32_t p, int shift) { return int((p >> shift) & 0xFF); }

class SkinnedEdits : public testing::Test {
 protected:
  void SetUp() override {
    Unit1Seams().CurrentYear = [] { return 2024; };
    driver = std::make_unique<GuiDriver>();
    SetForegroundWindow(F().WindowHandle());
    driver->Pump();
  }
  void TearDown() override { driver.reset(); }
  TForm1& F() { return driver->Form(); }
  // Every pending paint done, the pictures on the screen.
  void Settle(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    driver->Pump();
  }
  std::unique_ptr<GuiDriver> driver;
};

TEST_F(SkinnedEdits, UnfocusedEditShowsItsPictureWithTheSkinsFrame) {
  TsEdit& edit = *F().n_knigi;
  ASSERT_NE(GetFocus(), edit.WindowHandle());
  Settle(edit.WindowHandle());
  const PixelBuffer shown = CaptureWindow(edit.WindowHandle());
  KeepPicture(shown, "edit-unfocused");
  Settle(F().WindowHandle());
  KeepPicture(CaptureWindow(F().WindowHandle()), "main-window");
  ASSERT_TRUE(edit.SkinData.CachePicture);
  const PixelBuffer& cache = *edit.SkinData.CachePicture;
  ASSERT_EQ(cache.Width(), shown.Width());
  ASSERT_EQ(cache.Height(), shown.Height());
  // What is on the screen is the picture, frame and text alike.
  for (int y = 0; y < shown.Height(); ++y)
    for (int x = 0; x < shown.Width(); ++x) ASSERT_EQ(Rgb(shown.At(x, y)), Rgb(cache.At(x, y))) << x << "," << y;
  // A one-pixel frame, white inside, the placeholder in its own grey (the field keeps its font colour).
  EXPECT_NE(Rgb(shown.At(0, shown.Height() / 2)), 0xFFFFFFu);
  EXPECT_EQ(Rgb(shown.At(1, 1)), 0xFFFFFFu);
  EXPECT_EQ(Darkest(shown, {2, 2, shown.Width() - 2, shown.Height() - 1}), 0x808080u);
}

TEST_F(SkinnedEdits, FocusedEditKeepsTheSystemsTextCaretAndSelectionInsideTheFocusedFrame) {
  TsEdit& edit = *F().n_knigi;
  Settle(edit.WindowHandle());
  const uint32_t unfocusedFrame = Rgb(CaptureWindow(edit.WindowHandle()).At(0, 5));
  edit.SetFocus();
  driver->Type(edit.WindowHandle(), L"12");
  Settle(edit.WindowHandle());
  EXPECT_EQ(edit.Text(), "12");
  EXPECT_TRUE(edit.SkinData.HasFocus);
  PixelBuffer shown = CaptureWindow(edit.WindowHandle());
  KeepPicture(shown, "edit-focused");
  const TRect inside{1, 1, shown.Width() - 1, shown.Height() - 1};
  EXPECT_EQ(Darkest(shown, inside), PixelOf(GetSysColor(COLOR_WINDOWTEXT)));  // typed text in the window text colour
  // The frame ring is the picture of the focused state.
  EXPECT_EQ(Rgb(shown.At(0, 5)), Rgb(edit.SkinData.CachePicture->At(0, 5)));
  EXPECT_NE(Rgb(shown.At(0, 5)), unfocusedFrame);

  // The system's selection.
  SendMessageW(edit.WindowHandle(), EM_SETSEL, 0, -1);
  Settle(edit.WindowHandle());
  shown = CaptureWindow(edit.WindowHandle());
  KeepPicture(shown, "edit-focused-selected");
  const uint32_t highlight = PixelOf(GetSysColor(COLOR_HIGHLIGHT));
  bool selectionShown = false;
  for (int y = inside.Top; y < inside.Bottom; ++y)
    for (int x = inside.Left; x < inside.Right; ++x) selectionShown |= Rgb(shown.At(x, y)) == highlight;
  EXPECT_TRUE(selectionShown);

  // Back to the picture when the focus goes.
  F().workType->SetFocus();
  Settle(edit.WindowHandle());
  shown = CaptureWindow(edit.WindowHandle());
  EXPECT_EQ(Rgb(shown.At(0, 5)), unfocusedFrame);
  EXPECT_EQ(Rgb(shown.At(shown.Width() / 2, 1)), Rgb(edit.SkinData.CachePicture->At(shown.Width() / 2, 1)));
}

TEST_F(SkinnedEdits, DisabledReadOnlyFieldsLookDisabledButStayReadable) {
  for (TsEdit* edit : {F().fileTransl, F().fileAdded}) {
    ASSERT_FALSE(edit->Enabled());
    ASSERT_FALSE(edit->Text().empty());
    Settle(edit->WindowHandle());
    const PixelBuffer shown = CaptureWindow(edit->WindowHandle());
    KeepPicture(shown, edit == F().fileTransl ? "edit-disabled-fileTransl" : "edit-disabled-fileAdded");
    // White faded to 40 % over the window's face (the skin's form colour, which the provider
    // gives the form): lighter than the face, darker than white.
    const uint32_t face = PixelOf(ColorRef(F().Color()));
    const uint32_t inside = Rgb(shown.At(shown.Width() - 3, shown.Height() / 2));
    EXPECT_NEAR(Channel(inside, 8), (255 * 4 + Channel(face, 8) * 6) / 10, 2) << edit->Name;
    // The text, in the section's black faded the same way, still stands out clearly.
    const uint32_t text = Darkest(shown, {2, 2, shown.Width() - 2, shown.Height() - 1});
    EXPECT_NEAR(Channel(text, 8), Channel(face, 8) * 6 / 10, 12) << edit->Name;
    EXPECT_GT(Brightness(inside) - Brightness(text), 200) << edit->Name;
  }
}

TEST_F(SkinnedEdits, MemoKeepsItsColoursAndHasItsFrameFromTheHandler) {
  TsMemo& memo = *F().Memo1;
  TacEditWnd* handler = memo.Handler();
  ASSERT_NE(handler, nullptr);
  EXPECT_EQ(FindHandler(memo.WindowHandle()), handler);
  Settle(memo.WindowHandle());
  PixelBuffer shown = CaptureWindow(memo.WindowHandle());
  KeepPicture(shown, "memo-unfocused");
  ASSERT_TRUE(memo.SkinData.CachePicture);
  EXPECT_EQ(Rgb(shown.At(0, 10)), Rgb(memo.SkinData.CachePicture->At(0, 10)));
  EXPECT_EQ(Darkest(shown, {1, 1, shown.Width() - 1, shown.Height() - 1}), 0x808080u);  // the grey placeholder

  memo.SetFocus();
  driver->Type(memo.WindowHandle(), L"Title");
  Settle(memo.WindowHandle());
  shown = CaptureWindow(memo.WindowHandle());
  KeepPicture(shown, "memo-focused");
  EXPECT_EQ(memo.Color(), clWhite);
  EXPECT_EQ(Rgb(shown.At(shown.Width() - 3, shown.Height() - 3)), 0xFFFFFFu);
  EXPECT_EQ(Darkest(shown, {1, 1, shown.Width() - 1, shown.Height() - 1}), PixelOf(GetSysColor(COLOR_WINDOWTEXT)));
  EXPECT_EQ(Rgb(shown.At(0, 10)), Rgb(memo.SkinData.CachePicture->At(0, 10)));

  // Ctrl+A selects everything and types nothing.
  INPUT keys[4]{};
  for (INPUT& k : keys) k.type = INPUT_KEYBOARD;
  keys[0].ki.wVk = VK_CONTROL;
  keys[1].ki.wVk = 'A';
  keys[2].ki.wVk = 'A';
  keys[2].ki.dwFlags = KEYEVENTF_KEYUP;
  keys[3].ki.wVk = VK_CONTROL;
  keys[3].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(4, keys, sizeof(INPUT));
  driver->Pump();
  DWORD from = 0, to = 0;
  SendMessageW(memo.WindowHandle(), EM_GETSEL, WPARAM(&from), LPARAM(&to));
  EXPECT_EQ(memo.Text(), "Title");
  EXPECT_EQ(from, 0u);
  EXPECT_EQ(to, 5u);
}

TEST_F(SkinnedEdits, MemoFreeingItsHandlerOnSkinRemovalIsNotTouchedAfterwards) {
  TsMemo& memo = *F().Memo1;
  ASSERT_NE(memo.Handler(), nullptr);
  {
    // The memo frees its handler while the handler passes the removal on to it.
    FreedMemoryScrub scrub(0x00);
    SendMessageW(memo.WindowHandle(), kSkinMessage, SkinCommandParam(AC_REMOVESKIN), LPARAM(memo.SkinData.Manager()));
    EXPECT_EQ(scrub.Faults(), 0);
  }
  // The manager is still active, so the memo takes a new handler; the window publishes that one.
  EXPECT_EQ(FindHandler(memo.WindowHandle()), memo.Handler());
  memo.SetText("still here");
  EXPECT_EQ(memo.Text(), "still here");
}

// ---- A skinned scroll bar on a list of the main window

// Records the scroll commands that reach the list, with their times.
struct ScrollRecord {
  UINT Command;
  int Position;
  DWORD Time;
};

class SkinnedScrollBar : public SkinnedEdits {
 protected:
  void SetUp() override {
    SkinnedEdits::SetUp();
    list = MakeList(16, 16, 160, 150, WS_VSCROLL | WS_BORDER);
    ASSERT_NE(list, nullptr);
    recorder.Install(list);
    handler = TacMainWnd::Create<TacEditWnd>(list, true, {});
    Settle(list);
  }
  void TearDown() override {
    Send(MOUSEEVENTF_LEFTUP, {0, 0}, false);
    handler.reset();
    recorder.Remove();
    DestroyWindow(list);
    SkinnedEdits::TearDown();
  }
  HWND MakeList(int x, int y, int cx, int cy, DWORD style) {
    HWND made = CreateWindowExW(0, L"LISTBOX", L"", WS_CHILD | WS_VISIBLE | style | LBS_NOINTEGRALHEIGHT,
                                x, y, cx, cy, F().WindowHandle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    SetWindowPos(made, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    // Filled without a repaint after each item, which would take the window tests most of their time.
    SendMessageW(made, WM_SETREDRAW, FALSE, 0);
    for (int i = 0; i < 1000; ++i) SendMessageW(made, LB_ADDSTRING, 0, LPARAM(std::to_wstring(i).c_str()));
    SendMessageW(made, WM_SETREDRAW, TRUE, 0);
    return made;
  }
  // A pointer event at a point of the window (window coordinates).
  void Send(DWORD flags, TPoint at, bool move = true) {
    RECT w;
    GetWindowRect(list, &w);
    INPUT input{};
    input.type = INPUT_MOUSE;
    const POINT p{w.left + at.X, w.top + at.Y};
    if (move) SetCursorPos(p.x, p.y);
    input.mi.dx = MulDiv(p.x, 65536, GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = MulDiv(p.y, 65536, GetSystemMetrics(SM_CYSCREEN));
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | (move ? MOUSEEVENTF_MOVE : 0);
    SendInput(1, &input, sizeof(input));
  }
  int Top() const { return int(SendMessageW(list, LB_GETTOPINDEX, 0, 0)); }
  std::vector<ScrollRecord> Commands(UINT command) const {
    std::vector<ScrollRecord> found;
    for (const ScrollRecord& r : records)
      if (r.Command == command) found.push_back(r);
    return found;
  }
  TPoint BarPoint(int along) const {
    const TRect bar = handler->Frame().VertBar;
    return {(bar.Left + bar.Right) / 2, bar.Top + along};
  }
  TPoint DownArrow() const {
    const TRect bar = handler->Frame().VertBar;
    return BarPoint(bar.Height() - bar.Width() / 2);
  }
  // No timer of a press is left on the list (each found is stopped).
  bool NoPressTimers() const {
    bool none = true;
    for (UINT_PTR id : {kScrollFirstDelayTimer, kScrollRepeatTimer}) none = !KillTimer(list, id) && none;
    return none;
  }
  // Nor the hover timer of a hot bar.
  bool NoBarTimers() const { return !KillTimer(list, kScrollHoverTimer) && NoPressTimers(); }
  void RemoveSkinFromList() {
    SendMessageW(list, kSkinMessage, SkinCommandParam(AC_REMOVESKIN), LPARAM(handler->Manager()));
  }

  HWND list = nullptr;
  std::unique_ptr<TacEditWnd> handler;
  std::vector<ScrollRecord> records;
  std::function<void(TMessage&)> onMessage;  // sees each message below the handler
  TWndHook recorder{[this](TMessage& m) -> LRESULT {
    if (m.Msg == WM_VSCROLL) records.push_back({LOWORD(m.WParam), int(int16_t(HIWORD(m.WParam))), GetTickCount()});
    if (onMessage) onMessage(m);
    return recorder.CallPrevious(m);
  }};
};

TEST_F(SkinnedScrollBar, BarHasTheSystemWidthSquareArrowsAndAnswersHitTests) {
  EXPECT_EQ(FindHandler(list), handler.get());
  const TacScrollBar& bar = handler->Bar(SB_VERT);
  EXPECT_TRUE(bar.Visible);
  const TRect rect = handler->Frame().VertBar;
  EXPECT_EQ(rect.Width(), GetSystemMetrics(SM_CXVSCROLL));
  EXPECT_EQ(handler->ArrowLength(SB_VERT), rect.Width());
  RECT w;
  GetWindowRect(list, &w);
  EXPECT_EQ(SendMessageW(list, WM_NCHITTEST, 0, MAKELPARAM(w.left + rect.Left + 2, w.top + rect.Top + 30)), HTVSCROLL);
  const PixelBuffer shown = CaptureWindow(list);
  KeepPicture(shown, "scrollbar-normal");
  // Drawn from the skin: the track in its section's colour, not the system's bar.
  EXPECT_EQ(Rgb(shown.At(rect.Left + 2, rect.Bottom - rect.Width() - 3)), 0xF0F0F0u);
}

// When the steps come is the press's own rule, tested on a clock of its own; here the wiring.
TEST_F(SkinnedScrollBar, HeldArrowStepsAtOnceThenRepeatsUntilReleased) {
  const TPoint arrow = DownArrow();
  Send(0, arrow);
  driver->Pump();
  Send(MOUSEEVENTF_LEFTDOWN, arrow);
  driver->Pump();
  EXPECT_EQ(Top(), 1);  // one step at once
  EXPECT_EQ(GetCapture(), list);
  KeepPicture(CaptureWindow(list), "scrollbar-arrow-pressed");
  ASSERT_TRUE(PumpUntil([&] { return Commands(SB_LINEDOWN).size() >= 3; }));
  Send(MOUSEEVENTF_LEFTUP, arrow);
  driver->Pump();
  EXPECT_EQ(Top(), int(Commands(SB_LINEDOWN).size()));
  ASSERT_FALSE(records.empty());
  EXPECT_EQ(records.back().Command, UINT(SB_ENDSCROLL));
  EXPECT_NE(GetCapture(), list);
  EXPECT_TRUE(NoPressTimers());  // released: nothing repeats any more
}

TEST_F(SkinnedScrollBar, ClickOnTheTrackPagesAndTheThumbDragsThroughThePositions) {
  const TRect rect = handler->Frame().VertBar;
  const TPoint below = BarPoint(rect.Height() - rect.Width() - 4);
  Send(MOUSEEVENTF_LEFTDOWN, below);
  driver->Pump();
  Send(MOUSEEVENTF_LEFTUP, below);
  driver->Pump();
  ASSERT_EQ(Commands(SB_PAGEDOWN).size(), 1u);
  const int page = Top();
  EXPECT_GT(page, 3);

  // The thumb now stands below the top; grab its middle and drag it down 40 pixels.
  records.clear();
  SCROLLINFO si{};
  si.cbSize = sizeof(si);
  si.fMask = SIF_ALL;
  GetScrollInfo(list, SB_VERT, &si);
  const ThumbLayout thumb = LayoutThumb(rect.Height(), handler->ArrowLength(SB_VERT),
                                        {si.nMin, si.nMax, int32_t(si.nPage), si.nPos, si.nPos});
  const TPoint grab = BarPoint(thumb.Start + thumb.Length / 2);
  Send(0, grab);
  driver->Pump();
  Send(MOUSEEVENTF_LEFTDOWN, grab);
  driver->Pump();
  for (int dy = 10; dy <= 40; dy += 10) {
    Send(0, {grab.X, grab.Y + dy});
    driver->Pump();
  }
  KeepPicture(CaptureWindow(list), "scrollbar-thumb-dragged");
  Send(MOUSEEVENTF_LEFTUP, {grab.X, grab.Y + 40});
  driver->Pump();
  const std::vector<ScrollRecord> tracked = Commands(SB_THUMBTRACK);
  ASSERT_FALSE(tracked.empty());
  const int expected = PositionOfThumb(thumb, thumb.Start + 40, {si.nMin, si.nMax, int32_t(si.nPage), si.nPos, 0});
  EXPECT_EQ(tracked.back().Position, expected);
  for (size_t i = 1; i < tracked.size(); ++i) EXPECT_GT(tracked[i].Position, tracked[i - 1].Position);
  ASSERT_EQ(Commands(SB_THUMBPOSITION).size(), 1u);
  EXPECT_EQ(Commands(SB_THUMBPOSITION)[0].Position, expected);
  EXPECT_EQ(records.back().Command, UINT(SB_ENDSCROLL));
  EXPECT_EQ(Top(), expected);
}

TEST_F(SkinnedScrollBar, HandlerLeavesWithTheWindowAndOnDetach) {
  handler->Detach();
  EXPECT_EQ(FindHandler(list), nullptr);
  EXPECT_TRUE(handler->Detached());
  handler = TacMainWnd::Create<TacEditWnd>(list, true, {});
  EXPECT_EQ(FindHandler(list), handler.get());
  DestroyWindow(list);
  EXPECT_TRUE(handler->Detached());
  list = nullptr;
}

TEST_F(SkinnedScrollBar, TheHandlerGivesTheAnswersEverySkinnedWindowGives) {
  const auto command = [&](uint16_t c) { return SendMessageW(list, kSkinMessage, SkinCommandParam(c), 0); };
  // A section the skin lacks falls back on the handler's default one.
  EXPECT_EQ(command(AC_GETDEFINDEX), handler->Manager()->Elements().Section("EDIT") + 1);
  TsCommonData& binding = handler->SkinData();
  binding.PaintSuspended = true;
  command(AC_ENDPARENTUPDATE);
  EXPECT_FALSE(binding.PaintSuspended) << "painting that waited for the parent resumes";
  binding.PaintSuspended = true;
  command(AC_PREPARECACHE);
  EXPECT_TRUE(binding.PaintSuspended) << "a picture made on request does not end an update";
  binding.PaintSuspended = false;
  binding.PointerInside = true;
  command(AC_MOUSELEAVE);
  EXPECT_FALSE(binding.PointerInside);
}

TEST_F(SkinnedScrollBar, FaultInTheWindowsOwnHandlingIsShownNotSwallowed) {
  constexpr UINT kFaulty = WM_APP + 7;
  TWndHook faulty{[&faulty](TMessage& m) -> LRESULT {
    if (m.Msg == kFaulty) throw std::runtime_error("list fault");
    return faulty.CallPrevious(m);
  }};
  handler.reset();
  faulty.Install(list);
  handler = TacMainWnd::Create<TacEditWnd>(list, true, {});
  EXPECT_EQ(SendMessageW(list, kFaulty, 0, 0), 0);
  driver->Pump();
  ASSERT_EQ(driver->Messages.size(), 1u);
  EXPECT_EQ(driver->Messages[0].Text, "list fault");
  EXPECT_FALSE(handler->Detached());
  handler.reset();
}

TEST_F(SkinnedScrollBar, SkinRemovalGivesTheOwnColoursBackBeforeTheWindowHearsOfIt) {
  const BindingHost& host = *handler->SkinData().Host();
  const TColor skinned = host.Color();
  TColor heard = clNone;
  onMessage = [&](TMessage& m) {
    if (m.Msg == kSkinMessage && SkinCommandOf(m.WParam) == AC_REMOVESKIN) heard = host.Color();
  };
  RemoveSkinFromList();
  EXPECT_NE(heard, skinned);
  EXPECT_EQ(heard, host.Color());  // its own colour, already given back
  EXPECT_TRUE(handler->Detached());
  EXPECT_EQ(FindHandler(list), nullptr);
}

TEST_F(SkinnedScrollBar, SkinRemovedDuringAThumbDragTakesTheCaptureAndTheTimersWithIt) {
  SCROLLINFO si{};
  si.cbSize = sizeof(si);
  si.fMask = SIF_ALL;
  GetScrollInfo(list, SB_VERT, &si);
  const TRect rect = handler->Frame().VertBar;
  const ThumbLayout thumb = LayoutThumb(rect.Height(), handler->ArrowLength(SB_VERT),
                                        {si.nMin, si.nMax, int32_t(si.nPage), si.nPos, si.nPos});
  const TPoint grab = BarPoint(thumb.Start + thumb.Length / 2);
  Send(0, grab);
  ASSERT_TRUE(PumpUntil([&] { return handler->HotKind() == SB_VERT; }));  // hot: its hover timer runs
  Send(MOUSEEVENTF_LEFTDOWN, grab);
  driver->Pump();
  Send(0, {grab.X, grab.Y + 20});
  driver->Pump();
  ASSERT_TRUE(handler->Tracking());
  ASSERT_EQ(GetCapture(), list);
  RemoveSkinFromList();
  EXPECT_TRUE(handler->Detached());
  EXPECT_NE(GetCapture(), list);
  EXPECT_TRUE(NoBarTimers());
}

TEST_F(SkinnedScrollBar, APressEndsWhenAnotherWindowTakesTheMouseOrModesAreCancelled) {
  const struct {
    const char* Name;
    std::function<void()> Lose;
  } ways[] = {
      {"the mouse taken away (Alt+Tab)", [] { ReleaseCapture(); }},
      {"modes cancelled, as a modal window does", [&] { SendMessageW(list, WM_CANCELMODE, 0, 0); }},
  };
  for (const auto& way : ways) {
    SCOPED_TRACE(way.Name);
    records.clear();
    const TPoint arrow = DownArrow();
    Send(0, arrow);
    driver->Pump();
    Send(MOUSEEVENTF_LEFTDOWN, arrow);
    driver->Pump();
    ASSERT_TRUE(handler->Tracking());
    ASSERT_EQ(GetCapture(), list);
    way.Lose();
    EXPECT_FALSE(handler->Tracking()) << "the arrow would go on repeating";
    EXPECT_NE(GetCapture(), list);
    EXPECT_TRUE(NoPressTimers());
    EXPECT_EQ(Commands(SB_ENDSCROLL).size(), 1u) << "the list hears that scrolling ended";
    Send(MOUSEEVENTF_LEFTUP, arrow, false);
    driver->Pump();
  }
}

TEST_F(SkinnedScrollBar, HandlerFreedByTheListsOwnScrollHandlingIsNotTouchedAfterwards) {
  // Freed by the first step (the press) or the second (the first repetition).
  for (const size_t freeAt : {size_t(1), size_t(2)}) {
    SCOPED_TRACE(freeAt);
    SendMessageW(list, LB_SETTOPINDEX, 0, 0);
    if (!handler) handler = TacMainWnd::Create<TacEditWnd>(list, true, {});
    Settle(list);
    records.clear();
    onMessage = [&](TMessage& m) {
      if (m.Msg == WM_VSCROLL && LOWORD(m.WParam) == SB_LINEDOWN && Commands(SB_LINEDOWN).size() == freeAt)
        handler.reset();
    };
    const TPoint arrow = DownArrow();
    Send(0, arrow);
    driver->Pump();
    {
      FreedMemoryScrub scrub(0xDD);
      Send(MOUSEEVENTF_LEFTDOWN, arrow);
      EXPECT_TRUE(PumpUntil([&] { return !handler; }));
      driver->Pump();
      EXPECT_EQ(scrub.Faults(), 0);
    }
    onMessage = nullptr;
    Send(MOUSEEVENTF_LEFTUP, arrow);
    driver->Pump();
    EXPECT_EQ(FindHandler(list), nullptr);
    EXPECT_NE(GetCapture(), list);
    EXPECT_TRUE(NoBarTimers());
    EXPECT_EQ(Top(), int(freeAt));
  }
}

TEST_F(SkinnedScrollBar, AttachingSwitchesTheThemeOffOnlyWhereTheHandlerWantsItOff) {
  int themeChanges = 0;
  onMessage = [&](TMessage& m) { themeChanges += m.Msg == WM_THEMECHANGED; };
  struct Case {
    const char* section;
    bool dialogMode;
    int themeChanges;
  } cases[] = {
      {"", false, 0},          // a plain list keeps its theme
      {"COMBOBOX", true, 0},   // so does a child of a system dialog
      {"COMBOBOX", false, 1},  // a combo box's loses it
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.section);
    themeChanges = 0;
    handler.reset();
    TacHandlerParams params;
    params.Section = c.section;
    params.DialogMode = c.dialogMode;
    handler = TacMainWnd::Create<TacEditWnd>(list, true, params);
    EXPECT_EQ(themeChanges, c.themeChanges);
  }
}

TEST_F(SkinnedScrollBar, CornerAtTheBottomRightOfTheFormIsItsSizeGrip) {
  RECT client;
  GetClientRect(F().WindowHandle(), &client);
  // Without a border of its own, so that the corner reaches the form's corner.
  HWND both = MakeList(client.right - 150, client.bottom - 120, 150, 120, WS_VSCROLL | WS_HSCROLL | LBS_DISABLENOSCROLL);
  ASSERT_NE(both, nullptr);
  std::unique_ptr<TacEditWnd> gripped = TacMainWnd::Create<TacEditWnd>(both, true, {});
  Settle(both);
  const TRect corner = gripped->Frame().Corner;
  ASSERT_FALSE(corner.IsEmpty());
  RECT w;
  GetWindowRect(both, &w);
  EXPECT_EQ(SendMessageW(both, WM_NCHITTEST, 0, MAKELPARAM(w.left + corner.Left + 8, w.top + corner.Top + 8)),
            HTBOTTOMRIGHT);
  const PixelBuffer shown = CaptureWindow(both);
  KeepPicture(shown, "scrollbar-size-grip");
  // The grip's dots stand out of the corner's plain colour at its bottom-right.
  const uint32_t plain = Rgb(shown.At(corner.Left + 1, corner.Top + 1));
  int dots = 0;
  for (int32_t y = corner.Bottom - 6; y < corner.Bottom; ++y)
    for (int32_t x = corner.Right - 6; x < corner.Right; ++x) dots += Rgb(shown.At(x, y)) != plain;
  EXPECT_GT(dots, 0);
  gripped.reset();
  DestroyWindow(both);
}

}  // namespace
