// The main window's skinned edits and memo, and a skinned scroll bar of a
// window handler, on the real window with the real pointer. Set
// DR_TEST_PICTURES to a folder to keep the captured pictures.
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "skin/controls/acSBUtils.h"
#include "skin/render/core/PixelBufferDc.h"
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
    list = CreateWindowExW(0, L"LISTBOX", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_BORDER | LBS_NOINTEGRALHEIGHT,
                           16, 16, 160, 150, F().WindowHandle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(list, nullptr);
    SetWindowPos(list, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    for (int i = 0; i < 1000; ++i) SendMessageW(list, LB_ADDSTRING, 0, LPARAM(std::to_wstring(i).c_str()));
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
  void PumpFor(DWORD ms) {
    const DWORD end = GetTickCount() + ms;
    while (GetTickCount() < end) {
      driver->Pump();
      Sleep(5);
    }
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

  HWND list = nullptr;
  std::unique_ptr<TacEditWnd> handler;
  std::vector<ScrollRecord> records;
  TWndHook recorder{[this](TMessage& m) -> LRESULT {
    if (m.Msg == WM_VSCROLL) records.push_back({LOWORD(m.WParam), int(int16_t(HIWORD(m.WParam))), GetTickCount()});
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

TEST_F(SkinnedScrollBar, HeldArrowStepsOnceThenAfterTheFirstDelayThenAtTheRepeatRate) {
  const TRect rect = handler->Frame().VertBar;
  const TPoint arrow = BarPoint(rect.Height() - rect.Width() / 2);
  Send(0, arrow);
  driver->Pump();
  const DWORD pressed = GetTickCount();
  Send(MOUSEEVENTF_LEFTDOWN, arrow);
  driver->Pump();
  EXPECT_EQ(Top(), 1);  // one step at once
  PixelBuffer held = CaptureWindow(list);
  KeepPicture(held, "scrollbar-arrow-pressed");
  // Nothing more before the first delay; a loaded machine may have pumped past it, then only the times below tell.
  while (GetTickCount() - pressed < 250) {
    driver->Pump();
    Sleep(5);
  }
  if (GetTickCount() - pressed < 290) {
    EXPECT_EQ(Commands(SB_LINEDOWN).size(), 1u);
  }
  PumpFor(700);
  Send(MOUSEEVENTF_LEFTUP, arrow);
  driver->Pump();
  const std::vector<ScrollRecord> steps = Commands(SB_LINEDOWN);
  ASSERT_GE(steps.size(), 4u);
  EXPECT_LE(steps[0].Time - pressed, 150u);  // at once: well before the first delay
  EXPECT_GE(steps[1].Time - steps[0].Time, 280u);  // the first delay, 300 ms
  // Then at the repeat rate, 55 ms: a late tick may shorten the next interval, never the schedule.
  for (size_t i = 2; i < steps.size(); ++i) EXPECT_GE(steps[i].Time - steps[1].Time, (i - 1) * 55u - 20u) << i;
  EXPECT_EQ(Top(), int(steps.size()));
  ASSERT_FALSE(records.empty());
  EXPECT_EQ(records.back().Command, UINT(SB_ENDSCROLL));
  const size_t count = steps.size();
  PumpFor(200);
  EXPECT_EQ(Commands(SB_LINEDOWN).size(), count);  // released: no more steps
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

}  // namespace
