// The main window's skinned combo boxes with the real pointer: the closed
// picture (normal, hot, focused, open), the open list with its skinned frame,
// selection and scroll bar, items chosen by keyboard and by mouse, the
// read-only combo box, and the composed window pictures (golden at 96 dpi;
// regenerate with DR_UPDATE_GOLDEN=1). DR_TEST_PICTURES keeps the captures.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "skin/controls/sComboBox.h"
#include "skin/data/SkinLoader.h"
#include "skin/data/sSkinManager.h"
#include "skin/windows/WindowPicture.h"
#include "tests/gui/GuiDriver.h"
#include "toolkit/Application.h"
#include "toolkit/FormReader.h"

namespace {

// The built-in skin's colours, as pixels (0xRRGGBB).
constexpr uint32_t kButtonNormal = 0xE1E1E1u;
constexpr uint32_t kButtonHot = 0xE5F1FBu;
constexpr uint32_t kButtonPressed = 0xCCE4F7u;
constexpr uint32_t kSelection = 0x0078D7u;

uint32_t Rgb(uint32_t pixel) { return pixel & 0xFFFFFF; }
int Brightness(uint32_t p) { return int(p & 0xFF) + int((p >> 8) & 0xFF) + int((p >> 16) & 0xFF); }
// Pixels of a rectangle darker than half grey: text and glyph strokes.
int DarkPixels(const PixelBuffer& p, const TRect& r) {
  int dark = 0;
  for (int y = std::max(r.Top, 0); y < std::min(r.Bottom, p.Height()); ++y)
    for (int x = std::max(r.Left, 0); x < std::min(r.Right, p.Width()); ++x) dark += Brightness(Rgb(p.At(x, y))) < 384;
  return dark;
}
int Count(const PixelBuffer& p, const TRect& r, uint32_t rgb) {
  int n = 0;
  for (int y = std::max(r.Top, 0); y < std::min(r.Bottom, p.Height()); ++y)
    for (int x = std::max(r.Left, 0); x < std::min(r.Right, p.Width()); ++x) n += Rgb(p.At(x, y)) == rgb;
  return n;
}

struct ScrollRecord {
  UINT Command;
  int Position;
  DWORD Time;
};

class SkinnedCombo : public testing::Test {
 protected:
  void SetUp() override {
    Unit1Seams().CurrentYear = [] { return 2024; };
    SendMouseInput(0, {0, 0});
    driver = std::make_unique<GuiDriver>();
    SetForegroundWindow(F().WindowHandle());
    ASSERT_TRUE(driver->Settle());
  }
  void TearDown() override {
    SendMouseInput(MOUSEEVENTF_LEFTUP, {0, 0});
    for (TsComboBox* c : {F().workType, F().years})
      if (c->Dropped()) SendMessageW(c->WindowHandle(), CB_SHOWDROPDOWN, FALSE, 0);
    driver->Pump();
    driver.reset();
  }
  TForm1& F() { return driver->Form(); }

  void PumpFor(DWORD ms) {
    const DWORD end = GetTickCount() + ms;
    while (GetTickCount() < end) {
      driver->Pump();
      Sleep(5);
    }
  }
  POINT ScreenPoint(HWND window, TPoint inWindow) {
    RECT r;
    GetWindowRect(window, &r);
    return {r.left + inWindow.X, r.top + inWindow.Y};
  }
  POINT ButtonCentre(TsComboBox& c) {
    const TRect b = c.Layout().Button;
    return ScreenPoint(c.WindowHandle(), {(b.Left + b.Right) / 2, (b.Top + b.Bottom) / 2});
  }
  POINT TextCentre(TsComboBox& c) {
    const TRect t = c.Layout().Text;
    return ScreenPoint(c.WindowHandle(), {(t.Left + t.Right) / 2, (t.Top + t.Bottom) / 2});
  }
  void PointAway() {
    SendMouseInput(0, {0, 0});
    PumpUntil([&] { return !F().workType->SkinData.PointerInside && !F().years->SkinData.PointerInside; });
  }
  // What the closed combo box shows, every pending paint done.
  PixelBuffer Shown(TsComboBox& c) {
    RedrawWindow(c.WindowHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    driver->Pump();
    return CaptureWindow(c.WindowHandle());
  }
  // Opens the list with a click of the real pointer on the button.
  void Open(TsComboBox& c) {
    const POINT at = ButtonCentre(c);
    SendMouseInput(0, at);
    driver->Pump();
    SendMouseInput(MOUSEEVENTF_LEFTDOWN, at);
    driver->Pump();
    SendMouseInput(MOUSEEVENTF_LEFTUP, at);
    ASSERT_TRUE(PumpUntil([&] { return c.Dropped() && c.ListWindow() && IsWindowVisible(c.ListWindow()); }));
    RedrawWindow(c.ListWindow(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW);
    driver->Pump();
  }
  std::unique_ptr<GuiDriver> driver;
};

TEST_F(SkinnedCombo, ClosedPicturesComeFromTheButtonSectionWithTheCurrentItemAndTheGlyph) {
  PointAway();
  TsComboBox& years = *F().years;
  TsComboBox& work = *F().workType;
  ASSERT_EQ(GetFocus(), work.WindowHandle());
  for (TsComboBox* c : {&years, &work}) {
    SCOPED_TRACE(c->Name);
    ASSERT_TRUE(c->SkinData.IsSkinned(true));
    EXPECT_TRUE(c->ButtonLook());
    RECT r;
    GetWindowRect(c->WindowHandle(), &r);
    EXPECT_EQ(r.bottom - r.top, Screen::Scale(21));  // the closed height the window asks for
    const PixelBuffer shown = Shown(*c);
    KeepPicture(shown, (c->Name + "-closed").c_str());
    ASSERT_TRUE(c->SkinData.CachePicture);
    const PixelBuffer& cache = *c->SkinData.CachePicture;
    ASSERT_EQ(shown.Width(), cache.Width());
    ASSERT_EQ(shown.Height(), cache.Height());
    for (int y = 0; y < shown.Height(); ++y)
      for (int x = 0; x < shown.Width(); ++x) ASSERT_EQ(Rgb(shown.At(x, y)), Rgb(cache.At(x, y))) << x << "," << y;
    // The button 2 pixels in from the right, one scroll bar wide less 1; the text from x 5 on.
    const ComboLayout l = c->Layout();
    EXPECT_EQ(l.Button.Right, c->Width() - 2);
    EXPECT_EQ(l.Button.Width(), GetSystemMetrics(SM_CXVSCROLL) - 1);
    const uint32_t face = Rgb(shown.At(l.Button.Left + 1, l.Button.Top + 1));
    EXPECT_GT(l.Button.Height() * l.Button.Width() - Count(shown, l.Button, face), 8);  // the chevron
    EXPECT_GT(DarkPixels(shown, {5, 3, l.Text.Right - 2, shown.Height() - 3}), 10);       // the current item
    EXPECT_EQ(DarkPixels(shown, {3, 3, 5, shown.Height() - 3}), 0);
  }
  // Unfocused, the button's face; focused, its hot face.
  EXPECT_EQ(Rgb(Shown(years).At(4, 2)), kButtonNormal);
  EXPECT_EQ(Rgb(Shown(work).At(4, 2)), kButtonHot);
}

TEST_F(SkinnedCombo, OwnerDrawingHandlerDrawsTheItemInsteadOfItsText) {
  PointAway();
  TsComboBox& years = *F().years;
  std::vector<int> drawn;
  years.Style = TComboBoxStyle::csOwnerDrawFixed;
  years.OnDrawItem = [&](TObject*, int index, const RECT&, UINT, HDC) { drawn.push_back(index); };
  const PixelBuffer shown = Shown(years);
  years.OnDrawItem = nullptr;
  years.Style = TComboBoxStyle::csDropDownList;
  ASSERT_FALSE(drawn.empty());
  EXPECT_EQ(drawn.back(), years.ItemIndex());
  // The skin's face is laid down under the item; its text is the handler's, which drew none.
  const TRect text = years.Layout().Text;
  EXPECT_EQ(DarkPixels(shown, text), 0);
  EXPECT_EQ(Rgb(shown.At(text.Left + 4, text.Top + 2)), kButtonNormal);
}

TEST_F(SkinnedCombo, PointerOverTheComboMakesItHotAndLeavingMakesItNormalAgain) {
  PointAway();
  TsComboBox& years = *F().years;
  EXPECT_EQ(Rgb(Shown(years).At(4, 2)), kButtonNormal);
  SendMouseInput(0, TextCentre(years));
  ASSERT_TRUE(PumpUntil([&] { return years.SkinData.PointerInside; }));
  EXPECT_EQ(years.PointerPart(), TacComboPointer::None);
  PixelBuffer hot = Shown(years);
  KeepPicture(hot, "years-hot");
  EXPECT_EQ(Rgb(hot.At(4, 2)), kButtonHot);
  ASSERT_TRUE(MoveRealPointer(ButtonCentre(years)));
  EXPECT_EQ(Rgb(Shown(years).At(4, 2)), kButtonHot);  // a button as a whole: hot over its arrow as well
  PointAway();
  EXPECT_FALSE(years.SkinData.PointerInside);
  EXPECT_EQ(Rgb(Shown(years).At(4, 2)), kButtonNormal);
}

TEST_F(SkinnedCombo, WithASectionOfItsOwnTheButtonPartIsHotOnItsOwn) {
  PointAway();
  TsComboBox& years = *F().years;
  years.SkinData.SetSkinSection("COMBOBOX");
  ASSERT_FALSE(years.ButtonLook());
  SendMouseInput(0, TextCentre(years));
  ASSERT_TRUE(PumpUntil([&] { return years.SkinData.PointerInside; }));
  EXPECT_EQ(years.PointerPart(), TacComboPointer::None);
  EXPECT_EQ(ComboButtonState(years.StateInput()), 0);
  SendMouseInput(0, ButtonCentre(years));
  ASSERT_TRUE(PumpUntil([&] { return years.PointerPart() == TacComboPointer::OverButton; }));
  EXPECT_EQ(ComboButtonState(years.StateInput()), 1);
  EXPECT_EQ(ComboCacheState(years.StateInput()), 0);  // edit-like: the pointer alone does not make it hot
  KeepPicture(Shown(years), "years-combobox-section-button-hot");
  SendMouseInput(0, TextCentre(years));
  ASSERT_TRUE(PumpUntil([&] { return years.PointerPart() == TacComboPointer::None; }));
}

TEST_F(SkinnedCombo, OpenListHasTheSkinnedFrameAndShowsTheSelectedItemInTheSelectionColour) {
  PointAway();
  TsComboBox& work = *F().workType;
  Open(work);
  EXPECT_EQ(work.PointerPart(), TacComboPointer::ListOpen);
  EXPECT_EQ(Rgb(Shown(work).At(4, 2)), kButtonPressed);
  ASSERT_NE(work.ListHandler(), nullptr);
  EXPECT_EQ(FindHandler(work.ListWindow()), work.ListHandler());
  const PixelBuffer list = CaptureWindow(work.ListWindow());
  KeepPicture(list, "workType-list");
  // All eleven kinds of work fit: no scroll bar.
  EXPECT_EQ(SendMessageW(work.ListWindow(), LB_GETTOPINDEX, 0, 0), 0);
  EXPECT_FALSE(work.ListHandler()->Bar(SB_VERT).Visible);
  // The list is filled in its section's hot colour, with the pointer away as well.
  EXPECT_EQ(work.ListHandler()->ColorState(), 1);
  RECT client;
  GetClientRect(work.ListWindow(), &client);
  EXPECT_GE(client.bottom, 11 * int(SendMessageW(work.ListWindow(), LB_GETITEMHEIGHT, 0, 0)));
  // The selected item (the first) in the selection colour with white text, the others white with black text.
  RECT first;
  SendMessageW(work.ListWindow(), LB_GETITEMRECT, 0, LPARAM(&first));
  POINT in{first.left, first.top};
  ClientToScreen(work.ListWindow(), &in);
  RECT lw, cw;
  GetWindowRect(work.ListWindow(), &lw);
  GetWindowRect(work.WindowHandle(), &cw);
  // Right below the control and as wide.
  EXPECT_EQ(lw.left, cw.left);
  EXPECT_EQ(lw.right, cw.right);
  EXPECT_EQ(lw.top, cw.bottom);
  const TRect item{in.x - lw.left, in.y - lw.top, in.x - lw.left + first.right - first.left,
                   in.y - lw.top + first.bottom - first.top};
  EXPECT_GT(Count(list, item, kSelection), item.Width() * item.Height() / 2);
  EXPECT_GT(Count(list, item, 0xFFFFFFu), 10);
  const TRect second{item.Left, item.Bottom, item.Right, item.Bottom + item.Height()};
  EXPECT_GT(Count(list, second, 0xFFFFFFu), second.Width() * second.Height() / 2);
  EXPECT_GT(DarkPixels(list, second), 10);
  // The frame ring is the skin's edit frame, not the system's.
  EXPECT_EQ(Rgb(list.At(0, list.Height() / 2)), Rgb(work.ListHandler()->SkinData().CachePicture->At(0, list.Height() / 2)));
  EXPECT_NE(Rgb(list.At(0, list.Height() / 2)), 0xFFFFFFu);
}

TEST_F(SkinnedCombo, ItemsChosenByKeyboardAndByMouseChangeTheTargetName) {
  TempFolder folder(L"combo");
  folder.Write(L"notes.pdf", "%PDF");
  F().n_knigi->SetFocus();
  driver->Pump();
  driver->Type(F().n_knigi->WindowHandle(), L"123456");
  F().Memo1->SetFocus();
  driver->Pump();
  driver->Type(F().Memo1->WindowHandle(), L"title");
  driver->Drop({folder.Path() + L"notes.pdf"});
  EXPECT_EQ(F().fileTransl->Text(), "123456_2024_01_title.pdf");

  // Keyboard: the arrow key in the focused work type.
  TsComboBox& work = *F().workType;
  work.SetFocus();
  driver->Pump();
  INPUT keys[2]{};
  keys[0].type = keys[1].type = INPUT_KEYBOARD;
  keys[0].ki.wVk = keys[1].ki.wVk = VK_DOWN;
  keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, keys, sizeof(INPUT));
  ASSERT_TRUE(PumpUntil([&] { return work.ItemIndex() == 1; }));
  EXPECT_EQ(F().fileTransl->Text(), "123456_2024_02_title.pdf");
  KeepPicture(Shown(work), "workType-after-key");
  EXPECT_GT(DarkPixels(Shown(work), work.Layout().Text), 10);

  // Mouse: the year list opened and its third item clicked.
  PointAway();
  TsComboBox& years = *F().years;
  Open(years);
  RECT third;
  SendMessageW(years.ListWindow(), LB_GETITEMRECT, 2, LPARAM(&third));
  POINT at{(third.left + third.right) / 2, (third.top + third.bottom) / 2};
  ClientToScreen(years.ListWindow(), &at);
  SendMouseInput(0, at);
  driver->Pump();
  SendMouseInput(MOUSEEVENTF_LEFTDOWN, at);
  driver->Pump();
  SendMouseInput(MOUSEEVENTF_LEFTUP, at);
  ASSERT_TRUE(PumpUntil([&] { return !years.Dropped(); }));
  EXPECT_EQ(years.ItemIndex(), 2);
  EXPECT_EQ(F().fileTransl->Text(), "123456_2022_02_title.pdf");
  EXPECT_EQ(ComboCacheState(years.StateInput()), 1);  // closed again under the pointer
}

TEST_F(SkinnedCombo, StoredSettingsAreRead) {
  const std::unique_ptr<TForm> form = FormWithStoredComponent("TsComboBox", "combo", {
      {"Alignment", int64_t(TAlignment::taCenter)},
      {"VerticalAlignment", int64_t(TVerticalAlignment::taVerticalCenter)},
      {"DisabledKind", std::vector<std::string>{"dkGrayed"}},
      {"DropDownCount", int64_t(5)},
      {"ReadOnly", true},
  });
  ASSERT_TRUE(form);
  const auto* c = dynamic_cast<TsComboBox*>(form->FindComponent("combo"));
  ASSERT_TRUE(c);
  EXPECT_EQ(c->Alignment(), TAlignment::taCenter);
  EXPECT_EQ(c->VerticalAlignment(), TVerticalAlignment::taVerticalCenter);
  EXPECT_EQ(c->DisabledKind(), dkGrayed);
  EXPECT_EQ(c->DropDownCount, 5);
  EXPECT_TRUE(c->ReadOnly);

  // Counts a list cannot show are held to its bounds: the list's height grows with them.
  for (const auto& [stored, held] : {std::pair{int64_t(-3), 1}, std::pair{int64_t(0), 1},
                                     std::pair{int64_t(1) << 40, kMaxDropDownCount}}) {
    const std::unique_ptr<TForm> bounded = FormWithStoredComponent("TsComboBox", "combo", {{"DropDownCount", stored}});
    ASSERT_TRUE(bounded);
    EXPECT_EQ(dynamic_cast<TsComboBox*>(bounded->FindComponent("combo"))->DropDownCount, held) << stored;
  }

  const std::unique_ptr<TForm> neither = FormWithStoredComponent("TsComboBox", "combo", {{"DisabledKind", std::vector<std::string>{}}});
  ASSERT_TRUE(neither);
  EXPECT_EQ(dynamic_cast<TsComboBox*>(neither->FindComponent("combo"))->DisabledKind(), 0);
}

TEST_F(SkinnedCombo, BadStoredSettingsAreErrorsOfTheDefinition) {
  const struct {
    const char* Name;
    TStoredValue Value;
    const char* Error;
  } cases[] = {
      {"Alignment", int64_t(3), "Stored property TsComboBox.Alignment: unknown enumeration value"},
      {"VerticalAlignment", int64_t(-1), "Stored property TsComboBox.VerticalAlignment: unknown enumeration value"},
      {"VerticalAlignment", true, "Stored property TsComboBox.VerticalAlignment: integer expected"},
      {"DisabledKind", std::vector<std::string>{"dkBlended", "dkFaded"},
       "Stored property TsComboBox.DisabledKind: unknown disabled kind"},
      {"DisabledKind", int64_t(1), "Stored property TsComboBox.DisabledKind: list expected"},
  };
  for (const auto& c : cases) {
    std::string error;
    EXPECT_FALSE(FormWithStoredComponent("TsComboBox", "combo", {{c.Name, c.Value}}, &error)) << c.Name;
    EXPECT_EQ(error, c.Error);
  }
}

TEST_F(SkinnedCombo, ReadOnlyComboBoxKeepsItsSelection) {
  TsComboBox& work = *F().workType;
  work.ReadOnly = true;
  work.SetFocus();
  driver->Pump();
  for (WORD key : {WORD(VK_DOWN), WORD(VK_F4), WORD('R')}) {
    INPUT keys[2]{};
    keys[0].type = keys[1].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[1].ki.wVk = key;
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof(INPUT));
    PumpFor(50);
  }
  // Nor does the wheel turned over it. A system's combo box may answer the
  // wheel with an arrow key it sends itself, which is swallowed as well: the
  // wheel must not reach it, so no such key may appear.
  int keysFromTheWheel = 0;
  TWndHook keys{[&](TMessage& m) -> LRESULT {
    if (m.Msg == WM_KEYDOWN) ++keysFromTheWheel;
    return keys.CallPrevious(m);
  }};
  keys.Install(work.WindowHandle());
  SendMouseInput(0, TextCentre(work));
  INPUT wheel{};
  wheel.type = INPUT_MOUSE;
  wheel.mi.dwFlags = MOUSEEVENTF_WHEEL;
  wheel.mi.mouseData = DWORD(-WHEEL_DELTA);
  SendInput(1, &wheel, sizeof(INPUT));
  PumpFor(50);
  SendMessageW(work.WindowHandle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(-WHEEL_DELTA)), 0);
  keys.Remove();
  EXPECT_EQ(keysFromTheWheel, 0);
  EXPECT_EQ(work.ItemIndex(), 0);
  EXPECT_FALSE(work.Dropped());
  F().years->SetFocus();
  driver->Pump();
  const POINT at = ButtonCentre(work);
  SendMouseInput(0, at);
  SendMouseInput(MOUSEEVENTF_LEFTDOWN, at);
  SendMouseInput(MOUSEEVENTF_LEFTUP, at);
  PumpFor(100);
  EXPECT_FALSE(work.Dropped());
  EXPECT_EQ(GetFocus(), work.WindowHandle());  // a click only gives the focus
}

TEST_F(SkinnedCombo, ARecreatedComboBoxSkinsItsNewList) {
  PointAway();
  TsComboBox& work = *F().workType;
  Open(work);
  SendMessageW(work.WindowHandle(), CB_SHOWDROPDOWN, FALSE, 0);
  driver->Pump();
  const HWND before = work.ListWindow();
  work.RecreateWnd();
  driver->Pump();
  Open(work);
  ASSERT_NE(work.ListWindow(), before);
  ASSERT_NE(work.ListHandler(), nullptr);
  EXPECT_FALSE(work.ListHandler()->Detached());
  EXPECT_EQ(work.ListHandler()->Window(), work.ListWindow());
  EXPECT_EQ(FindHandler(work.ListWindow()), work.ListHandler());
}

TEST_F(SkinnedCombo, APartlyTransparentSelectionShowsTheListUnderIt) {
  TsComboBox& work = *F().workType;
  const TsSkinManager& manager = *work.SkinData.Manager();
  // The skin's selection made half transparent for this test, and given back after it.
  TsGenState& selected =
      const_cast<LoadedSkin*>(manager.Skin())->Sections[size_t(manager.Elements().Section("SELECTION"))].Props[1];
  struct Restore {
    TsGenState& State;
    int32_t Was;
    ~Restore() { State.Transparency = Was; }
  } restore{selected, selected.Transparency};
  selected.Transparency = 50;
  PointAway();
  Open(work);
  const HWND list = work.ListWindow();
  const int index = int(SendMessageW(list, LB_GETCURSEL, 0, 0));
  ASSERT_GE(index, 0);
  RECT item;
  SendMessageW(list, LB_GETITEMRECT, WPARAM(index), LPARAM(&item));
  POINT at{item.right - 4, (item.top + item.bottom) / 2};  // right of the text
  ClientToScreen(list, &at);
  RECT w;
  GetWindowRect(list, &w);
  const PixelBuffer shown = CaptureWindow(list);
  KeepPicture(shown, "workType-list-half-transparent-selection");
  // Half the selection's blue over the list's white, not over black.
  const uint32_t pixel = Rgb(shown.At(at.x - w.left, at.y - w.top));
  EXPECT_NEAR(int((pixel >> 16) & 0xFF), (0x00 + 0xFF) / 2, 8);
  EXPECT_NEAR(int((pixel >> 8) & 0xFF), (0x78 + 0xFF) / 2, 8);
  EXPECT_NEAR(int(pixel & 0xFF), (0xD7 + 0xFF) / 2, 8);
}

// ---- The list's skinned scroll bar, with fewer items shown than there are

class SkinnedComboScrollBar : public SkinnedCombo {
 protected:
  void SetUp() override {
    SkinnedCombo::SetUp();
    PointAway();
    work().SetDropDownCount(8);
    Open(work());
    list = work().ListWindow();
    recorder.Install(list);
  }
  void TearDown() override {
    recorder.Remove();
    SkinnedCombo::TearDown();
  }
  TsComboBox& work() { return *F().workType; }
  TacComboListWnd& handler() { return *work().ListHandler(); }
  int Top() const { return int(SendMessageW(list, LB_GETTOPINDEX, 0, 0)); }
  POINT BarPoint(int along) {
    const TRect bar = handler().Frame().VertBar;
    return ScreenPoint(list, {(bar.Left + bar.Right) / 2, bar.Top + along});
  }
  std::vector<ScrollRecord> Commands(UINT command) const {
    std::vector<ScrollRecord> found;
    for (const ScrollRecord& r : records)
      if (r.Command == command) found.push_back(r);
    return found;
  }

  HWND list = nullptr;
  std::vector<ScrollRecord> records;
  TWndHook recorder{[this](TMessage& m) -> LRESULT {
    if (m.Msg == WM_VSCROLL) records.push_back({LOWORD(m.WParam), int(int16_t(HIWORD(m.WParam))), GetTickCount()});
    return recorder.CallPrevious(m);
  }};
};

TEST_F(SkinnedComboScrollBar, TheListShowsASkinnedBarWhoseArrowStepsThenRepeats) {
  ASSERT_TRUE(handler().Bar(SB_VERT).Visible);
  const PixelBuffer shown = CaptureWindow(list);
  KeepPicture(shown, "workType-list-scrollbar");
  const TRect bar = handler().Frame().VertBar;
  EXPECT_EQ(bar.Width(), GetSystemMetrics(SM_CXVSCROLL));
  EXPECT_EQ(Rgb(shown.At(bar.Left + 2, bar.Bottom - bar.Width() - 3)), 0xF0F0F0u);  // the skin's track

  const POINT arrow = BarPoint(bar.Height() - bar.Width() / 2);
  SendMouseInput(0, arrow);
  driver->Pump();
  SendMouseInput(MOUSEEVENTF_LEFTDOWN, arrow);
  driver->Pump();
  EXPECT_EQ(Top(), 1);  // one step at once
  // When the repetitions come is the press's own rule, tested on a clock of its own; here that they come.
  ASSERT_TRUE(PumpUntil([&] { return Commands(SB_LINEDOWN).size() >= 2; }));
  SendMouseInput(MOUSEEVENTF_LEFTUP, arrow);
  driver->Pump();
  const size_t steps = Commands(SB_LINEDOWN).size();
  EXPECT_EQ(Top(), std::min(int(steps), 3));  // 11 items, 8 shown: at most 3 steps
  EXPECT_EQ(records.back().Command, UINT(SB_ENDSCROLL));
  EXPECT_TRUE(work().Dropped());  // a bar press leaves the list open
  EXPECT_EQ(GetCapture(), list);  // and the capture with it
  EXPECT_FALSE(KillTimer(list, kScrollRepeatTimer));  // released: nothing repeats any more
}

TEST_F(SkinnedComboScrollBar, ClickOnTheTrackPagesAndTheThumbDrags) {
  const TRect bar = handler().Frame().VertBar;
  const POINT below = BarPoint(bar.Height() - bar.Width() - 3);
  SendMouseInput(0, below);
  driver->Pump();
  SendMouseInput(MOUSEEVENTF_LEFTDOWN, below);
  driver->Pump();
  SendMouseInput(MOUSEEVENTF_LEFTUP, below);
  driver->Pump();
  ASSERT_EQ(Commands(SB_PAGEDOWN).size(), 1u);
  EXPECT_EQ(Top(), 3);  // a page of 8 from the top of 11 items stops at the last page
  EXPECT_TRUE(work().Dropped());

  // Back to the top by dragging the thumb up.
  records.clear();
  SCROLLINFO si{sizeof(si), SIF_ALL, 0, 0, 0, 0, 0};
  GetScrollInfo(list, SB_VERT, &si);
  const ThumbLayout thumb = LayoutThumb(bar.Height(), handler().ArrowLength(SB_VERT),
                                        {si.nMin, si.nMax, int32_t(si.nPage), si.nPos, si.nPos});
  const POINT grab = BarPoint(thumb.Start + thumb.Length / 2);
  SendMouseInput(0, grab);
  driver->Pump();
  SendMouseInput(MOUSEEVENTF_LEFTDOWN, grab);
  driver->Pump();
  for (int dy = 10; dy <= 60; dy += 10) {
    SendMouseInput(0, {grab.x, grab.y - dy});
    driver->Pump();
  }
  KeepPicture(CaptureWindow(list), "workType-list-thumb-dragged");
  SendMouseInput(MOUSEEVENTF_LEFTUP, {grab.x, grab.y - 60});
  driver->Pump();
  const std::vector<ScrollRecord> tracked = Commands(SB_THUMBTRACK);
  ASSERT_FALSE(tracked.empty());
  EXPECT_EQ(tracked.back().Position, 0);
  for (size_t i = 1; i < tracked.size(); ++i) EXPECT_LT(tracked[i].Position, tracked[i - 1].Position);
  ASSERT_EQ(Commands(SB_THUMBPOSITION).size(), 1u);
  EXPECT_EQ(records.back().Command, UINT(SB_ENDSCROLL));
  EXPECT_EQ(Top(), 0);
  EXPECT_TRUE(work().Dropped());
}

// ---- Composed window pictures

TEST_F(SkinnedCombo, WindowPicturesWithTheComboBoxesNormalHotAndOpen) {
  PointAway();
  // The focus on the number field, so that both combo boxes show their normal face.
  F().n_knigi->SetFocus();
  driver->Pump();
  PixelBuffer normal = ComposedWindowPicture(*F().sSkinProvider1);
  ExpectGolden(normal, "window-main-combo-normal");
  SendMouseInput(0, TextCentre(*F().years));
  ASSERT_TRUE(PumpUntil([&] { return F().years->SkinData.PointerInside; }));
  ExpectGolden(ComposedWindowPicture(*F().sSkinProvider1), "window-main-combo-hot");
  PointAway();
  Open(*F().workType);
  // The pointer stays on the button: the list is hot only until the manager's hot-window check sees it away.
  PumpFor(300);
  RedrawWindow(F().workType->ListWindow(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW);
  driver->Pump();
  ExpectGolden(ComposedWithPopup(F(), F().workType->ListWindow()), "window-main-combo-dropped");
}

}  // namespace
