// The skinned frame of the real main window and of a sizeable test form,
// driven with the real pointer (several rules read the cursor position, so
// posted mouse messages alone would leave states stale). Pixels are judged on
// the composed picture: the desktop here shows every non-zero alpha of the
// layered border window as opaque.
//
// Golden pictures (tests/golden/window-*.png) are compared at 96 dpi only;
// regenerate them on purpose with DR_UPDATE_GOLDEN=1 (ctest -R gui_tests_ru).
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <functional>
#include <initializer_list>
#include <memory>
#include <stdexcept>
#include <utility>
#include <vector>

#include "skin/controls/sComboBox.h"
#include "skin/controls/sCommonData.h"
#include "skin/data/SkinCommands.h"
#include "skin/data/SkinLoader.h"
#include "skin/data/sSkinManager.h"
#include "skin/render/core/Blend.h"
#include "skin/render/core/PixelBufferDc.h"
#include "skin/paint/BackgroundRequest.h"
#include "skin/windows/acBorderForm.h"
#include "skin/windows/BlurBehind.h"
#include "skin/windows/sSkinProvider.h"
#include "skin/windows/WindowPicture.h"
#include "tests/gui/FreedMemoryScrub.h"
#include "tests/gui/GuiDriver.h"
#include "toolkit/Application.h"
#include "toolkit/FormReader.h"
#include "toolkit/Menus.h"

namespace {

void KeyInput(WORD key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &input, sizeof(input));
}

// The real left button pressed (MOUSEEVENTF_LEFTDOWN) or let go (MOUSEEVENTF_LEFTUP) at a screen
// point, waited for until this thread has taken the button's message.
void SendRealButton(DWORD flags, POINT screen) {
  SendMouseInput(flags, screen);
  const bool down = (flags & MOUSEEVENTF_LEFTDOWN) != 0;
  PumpUntil([down] { return ((GetKeyState(VK_LBUTTON) & 0x8000) != 0) == down; });
}

void PumpFor(int rounds) {
  for (int i = 0; i < rounds; ++i) {
    Application->ProcessMessages();
    Sleep(5);
  }
}

// Where a point of the frame cache is on the screen.
POINT ScreenOf(TsSkinProvider& p, TPoint cachePoint) {
  RECT wr;
  GetWindowRect(p.Form().WindowHandle(), &wr);
  const BorderPlacement b = PlaceBorderWindow(p.Measures(), p.Inputs());
  if (p.Mode() == FrameMode::InFrame) return {wr.left + cachePoint.X, wr.top + cachePoint.Y};
  return {wr.left + b.Offset.X + cachePoint.X, wr.top + b.Offset.Y + cachePoint.Y};
}

TPoint Centre(const TRect& r) { return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }

uint32_t PixelAt(const PixelBuffer& b, TPoint p) { return b.At(p.X, p.Y) & 0xFFFFFF; }

// The region of the window rectangle itself.
bool RegionIsTheWindow(HWND w) {
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  RECT box{}, wr{};
  const int kind = GetWindowRgn(w, region);
  GetRgnBox(region, &box);
  DeleteObject(region);
  GetWindowRect(w, &wr);
  return kind == SIMPLEREGION && box.left == 0 && box.top == 0 && box.right == wr.right - wr.left &&
         box.bottom == wr.bottom - wr.top;
}

class FrameWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    Unit1Seams().CurrentYear = [] { return 2024; };  // the year list is part of the pictures
    driver = std::make_unique<GuiDriver>();
    SendMouseInput(0, {0, 0});  // the pointer starts away from the window
    ASSERT_TRUE(driver->Settle());
  }
  void TearDown() override { driver.reset(); }
  TsSkinProvider& P() { return *driver->Form().sSkinProvider1; }
  HWND Main() { return driver->Form().WindowHandle(); }
  HWND Border() { return P().BorderForm() ? P().BorderForm()->Window() : nullptr; }

  std::unique_ptr<GuiDriver> driver;
};

TEST_F(FrameWindowTest, TheRegionLeavesOnlyTheClientArea) {
  ASSERT_TRUE(P().Skinned());
  EXPECT_EQ(P().Mode(), FrameMode::ExtendedBorder);
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_EQ(GetWindowRgn(Main(), region), SIMPLEREGION);
  RECT box;
  GetRgnBox(region, &box);
  DeleteObject(region);
  RECT client;
  GetClientRect(Main(), &client);
  const TPoint in = P().Inputs().ClientInWindow;
  EXPECT_EQ(box.left, in.X);
  EXPECT_EQ(box.top, in.Y);
  EXPECT_EQ(box.right - box.left, client.right);
  EXPECT_EQ(box.bottom - box.top, client.bottom);
}

// The window follows the skin being switched off and on at run time: the same frame and controls as before.
TEST_F(FrameWindowTest, SwitchingTheSkinOffAndOnSkinsTheFrameAgain) {
  TsSkinManager& manager = *driver->Form().sSkinManager1;
  TForm1& f = driver->Form();
  struct Look {
    TColor Color, FontColor;
    RECT Bounds;
  };
  auto looks = [&] {
    std::vector<Look> all;
    for (TWinControl* c : std::initializer_list<TWinControl*>{f.workType, f.years, f.n_knigi, f.fileTransl, f.fileAdded}) {
      RECT r{};
      GetWindowRect(c->WindowHandle(), &r);
      all.push_back({c->Color(), c->Font.Color, r});
    }
    return all;
  };
  const PixelBuffer before = ComposedWindowPicture(P());
  const std::vector<Look> controlLooks = looks();
  // The system's own title buttons, invisible under the skinned frame, would answer hit tests:
  // the system-menu style is off while the frame is skinned and back with the system's frame.
  auto systemMenuStyle = [&] { return (GetWindowLongW(Main(), GWL_STYLE) & WS_SYSMENU) != 0; };
  EXPECT_FALSE(systemMenuStyle());
  manager.SetActive(false);
  PumpFor(5);
  EXPECT_FALSE(P().Skinned());
  EXPECT_EQ(Border(), nullptr);
  EXPECT_TRUE(systemMenuStyle());
  manager.SetActive(true);
  PumpFor(5);
  ASSERT_TRUE(P().Skinned());
  EXPECT_FALSE(systemMenuStyle());
  ASSERT_NE(Border(), nullptr);
  EXPECT_TRUE(IsWindowVisible(Border()));
  const PixelBuffer after = ComposedWindowPicture(P());
  KeepPicture(before, "skin-switched-before");
  KeepPicture(after, "skin-switched-after");
  ASSERT_EQ(after.Width(), before.Width());
  ASSERT_EQ(after.Height(), before.Height());
  // The frame and every control look as before: none stays unskinned, none keeps the system's colours or
  // the field height the system works out for a new font.
  int differing = 0;
  for (int32_t y = 0; y < after.Height(); ++y)
    for (int32_t x = 0; x < after.Width(); ++x) differing += after.At(x, y) != before.At(x, y);
  EXPECT_EQ(differing, 0);
  const std::vector<Look> controlLooksAfter = looks();
  for (size_t i = 0; i < controlLooks.size(); ++i) {
    EXPECT_EQ(controlLooksAfter[i].Color, controlLooks[i].Color) << i;
    EXPECT_EQ(controlLooksAfter[i].FontColor, controlLooks[i].FontColor) << i;
    EXPECT_EQ(controlLooksAfter[i].Bounds.bottom - controlLooksAfter[i].Bounds.top,
              controlLooks[i].Bounds.bottom - controlLooks[i].Bounds.top) << i;
  }
  for (TsEdit* e : {f.n_knigi, f.workName, f.fileTransl, f.fileAdded}) {
    EXPECT_FALSE(e->SkinData.PaintSuspended) << e->Name;
  }
}

TEST_F(FrameWindowTest, TheBorderWindowIsLayeredOwnedNonActivatingAndSitsAtItsOffsets) {
  HWND border = Border();
  ASSERT_TRUE(border && IsWindowVisible(border));
  const LONG_PTR ex = GetWindowLongPtrW(border, GWL_EXSTYLE);
  EXPECT_TRUE(ex & WS_EX_LAYERED);
  EXPECT_TRUE(ex & WS_EX_NOACTIVATE);
  EXPECT_TRUE(ex & WS_EX_TOOLWINDOW);
  EXPECT_EQ(GetWindow(border, GW_OWNER), Main());
  RECT main, frame, client;
  GetWindowRect(Main(), &main);
  GetWindowRect(border, &frame);
  GetClientRect(Main(), &client);
  // A 1-pixel frame and a 30-pixel caption inside 34-pixel shadow margins, at every density.
  EXPECT_EQ(frame.right - frame.left, client.right + 2 + 68);
  EXPECT_EQ(frame.bottom - frame.top, client.bottom + 31 + 68);
  POINT origin{0, 0};
  ClientToScreen(Main(), &origin);
  EXPECT_EQ(origin.x - frame.left, 35);
  EXPECT_EQ(origin.y - frame.top, 64);
  // Activation stays with the form.
  EXPECT_EQ(GetForegroundWindow(), Main());
}

TEST_F(FrameWindowTest, HitTestsAnswerThroughTheBorderWindowWhereItCoversThePoint) {
  const TitleLayout& t = P().Layout();
  struct Case {
    TPoint CachePoint;
    int32_t Code;    // the frame's code
    bool OnBorder;   // the border window is the window under the point
    LRESULT Answer;  // the answer of WM_NCHITTEST of the window under the point
  };
  const TPoint client = P().ClientOrigin();
  const Case cases[] = {
      {{100, 45}, kFrameHitCaption, true, HTOBJECT},
      {Centre(t.Buttons[size_t(TitleButton::Close)]), kFrameHitClose, true, HTOBJECT},
      {{34, 45}, kFrameHitCaption, true, HTOBJECT},          // the frame line
      {{29, 45}, kFrameHitCaption, true, HTOBJECT},          // 5 pixels into the shadow
      {{34 - 7, 200}, kFrameHitOutside, true, HTCLIENT},     // 7 pixels out: for the window below
      {{client.X + 200, client.Y + 30}, kFrameHitClient, false, HTCLIENT},
  };
  for (const Case& c : cases) {
    const POINT screen = ScreenOf(P(), c.CachePoint);
    SCOPED_TRACE(testing::Message() << c.CachePoint.X << "," << c.CachePoint.Y);
    EXPECT_EQ(P().FrameHitTest(screen), c.Code);
    HWND under = WindowFromPoint(screen);
    EXPECT_EQ(under, c.OnBorder ? Border() : Main());
    EXPECT_EQ(SendMessageW(under, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y)), c.Answer);
  }
}

TEST_F(FrameWindowTest, CloseTurnsRedUnderThePointerShowsItsPressAndClosesOnRelease) {
  ExpectGolden(ComposedWindowPicture(P()), "window-main-active");
  const TRect close = P().Layout().Buttons[size_t(TitleButton::Close)];
  const TPoint probe{close.Left + 3, close.Top + 3};
  const uint32_t normal = PixelAt(P().FrameCache(), probe);
  const POINT centre = ScreenOf(P(), Centre(close));

  MoveRealPointer(centre);
  EXPECT_EQ(P().ButtonState(TitleButton::Close), 1);
  const PixelBuffer hot = ComposedWindowPicture(P());
  const uint32_t red = PixelAt(hot, probe);
  EXPECT_GT((red >> 16) & 0xFF, 0xC0u) << std::hex << red;
  EXPECT_LT((red >> 8) & 0xFF, 0x40u) << std::hex << red;
  ExpectGolden(hot, "window-main-close-hot");

  MoveRealPointer(ScreenOf(P(), {100, 45}));
  EXPECT_EQ(P().ButtonState(TitleButton::Close), 0);
  EXPECT_EQ(PixelAt(P().FrameCache(), probe), normal);

  MoveRealPointer(centre);
  SendRealButton(MOUSEEVENTF_LEFTDOWN, centre);
  EXPECT_EQ(P().ButtonState(TitleButton::Close), 2);
  const PixelBuffer pressed = ComposedWindowPicture(P());
  EXPECT_NE(PixelAt(pressed, probe), red);
  ExpectGolden(pressed, "window-main-close-pressed");
  EXPECT_FALSE(Application->Terminated());
  SendRealButton(MOUSEEVENTF_LEFTUP, centre);
  EXPECT_TRUE(Application->Terminated());
  EXPECT_FALSE(IsWindowVisible(Main()));
  EXPECT_FALSE(IsWindowVisible(Border()));
}

TEST_F(FrameWindowTest, ReleasingAwayFromThePressedCloseButtonDoesNothing) {
  const POINT centre = ScreenOf(P(), Centre(P().Layout().Buttons[size_t(TitleButton::Close)]));
  MoveRealPointer(centre);
  SendRealButton(MOUSEEVENTF_LEFTDOWN, centre);
  const POINT away = ScreenOf(P(), {100, 45});
  MoveRealPointer(away);
  SendRealButton(MOUSEEVENTF_LEFTUP, away);
  EXPECT_FALSE(Application->Terminated());
  EXPECT_TRUE(IsWindowVisible(Main()));
  EXPECT_EQ(P().ButtonState(TitleButton::Close), 0);
}

TEST_F(FrameWindowTest, DraggingTheCaptionMovesBothWindows) {
  RECT before, borderBefore;
  GetWindowRect(Main(), &before);
  GetWindowRect(Border(), &borderBefore);
  const POINT start = ScreenOf(P(), {120, 45});
  MoveRealPointer(start);
  DragWithRealPointer(start, {start.x + 40, start.y + 30}, 40, [] { PumpFor(1); });
  PumpFor(3);
  RECT after, borderAfter;
  GetWindowRect(Main(), &after);
  GetWindowRect(Border(), &borderAfter);
  EXPECT_EQ(after.left - before.left, 40);
  EXPECT_EQ(after.top - before.top, 30);
  EXPECT_EQ(borderAfter.left - borderBefore.left, 40);
  EXPECT_EQ(borderAfter.top - borderBefore.top, 30);
}

TEST_F(FrameWindowTest, AnotherActiveWindowTurnsTheFrameInactiveAndBack) {
  const TPoint line{34, 200};  // the frame's left line
  const uint32_t active = PixelAt(P().FrameCache(), line);
  HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 0, 0, 60, 40, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
  SetForegroundWindow(other);
  EXPECT_TRUE(PumpUntil([&] { return !P().FormActive(); }));
  EXPECT_NE(PixelAt(P().FrameCache(), line), active);
  ExpectGolden(ComposedWindowPicture(P()), "window-main-inactive");
  SetForegroundWindow(Main());
  EXPECT_TRUE(PumpUntil([&] { return P().FormActive(); }));
  EXPECT_EQ(PixelAt(P().FrameCache(), line), active);
  DestroyWindow(other);
}

LRESULT Command(HWND window, uint16_t command, intptr_t argument = 0) {
  return SendMessageW(window, kSkinMessage, SkinCommandParam(command), argument);
}

TEST_F(FrameWindowTest, ChildrenAreAnsweredWithTheFrameCacheAtTheClientOrigin) {
  const TPoint o = P().ClientOrigin();
  EXPECT_EQ(Command(Main(), AC_GETCLIENTORIGIN), MAKELONG(o.X, o.Y));
  BackgroundRequest described;
  Command(Main(), AC_GETBG, reinterpret_cast<intptr_t>(&described));
  const PixelBuffer& cache = P().FrameCache();
  EXPECT_EQ(described.Bitmap, &cache);
  EXPECT_EQ(described.OffsetX, o.X);
  EXPECT_EQ(described.OffsetY, o.Y);
  // The form's inside is a plain colour: the one of the cache there, and of command 21.
  EXPECT_EQ(described.AnswerKind, kAnswerColor);
  EXPECT_EQ(described.Color, PixelAt(cache, {o.X + 20, o.Y + 10}));
  EXPECT_EQ(TColor(Command(Main(), AC_GETCONTROLCOLOR)), described.Color);
  // Everything around the client area is frame: the plain colour is only for the client area.
  EXPECT_EQ(described.FrameWidths, (TRect{o.X, o.Y, cache.Width() - o.X - P().Inputs().Client.cx,
                                          cache.Height() - o.Y - P().Inputs().Client.cy}));

  PixelBuffer target(40, 30);
  BackgroundRequest drawn;
  drawn.DrawRequested = 1;
  drawn.TargetDC = BufferDc(target);
  drawn.ClipRect = {0, 0, 40, 30};
  drawn.OffsetX = 5;
  Command(Main(), AC_GETBG, reinterpret_cast<intptr_t>(&drawn));
  GdiFlush();
  for (const TPoint p : {TPoint{0, 0}, TPoint{39, 29}}) EXPECT_EQ(PixelAt(target, p), PixelAt(cache, {o.X + 5 + p.X, o.Y + p.Y}));
}

TEST_F(FrameWindowTest, TheFrameWidthAnsweredIsTheRealWindowsNotTheSkins) {
  RECT wr, cr;
  GetWindowRect(Main(), &wr);
  GetClientRect(Main(), &cr);
  ASSERT_EQ(P().Measures().FW, 1);
  EXPECT_EQ(Command(Main(), AC_GETFRAMEWIDTH, 99), (wr.right - wr.left - cr.right) / 2);
}

TEST_F(FrameWindowTest, AnUpdateHoldsTheFrameAndItsEndLetsTheChildrenPaintAgain) {
  const int32_t width = P().Measures().Cache.cx;
  Command(Main(), AC_SETUPDATING, 1);
  RECT wr;
  GetWindowRect(Main(), &wr);
  SetWindowPos(Main(), nullptr, 0, 0, wr.right - wr.left + 20, wr.bottom - wr.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
  EXPECT_EQ(P().Measures().Cache.cx, width) << "the frame waits for the end of the update";
  // A child whose painting waits for its parent (an update, a parent not ready).
  TsCommonData& child = driver->Form().workName->SkinData;
  child.PaintSuspended = true;
  Command(Main(), AC_ENDPARENTUPDATE);
  EXPECT_EQ(P().Measures().Cache.cx, width + 20);
  EXPECT_FALSE(P().SkinData.PaintSuspended);
  EXPECT_FALSE(child.PaintSuspended);
}

TEST_F(FrameWindowTest, ChildrenInTheHeaderBandTakeTheirFontColourFromIt) {
  P().FormHeaderAdditionalHeight = 20;
  TacFontSectionRequest inBand{{10, 5, 80, 15}};
  EXPECT_EQ(Command(Main(), AC_GETFONTSECTION, reinterpret_cast<intptr_t>(&inBand)), 1);
  EXPECT_EQ(inBand.SectionIndex, FindSection(DefaultManager()->Skin()->Sections, "FORMHEADER"));
  // Below it the form section answers, and the built-in one gives no font of its own.
  TacFontSectionRequest below{{10, 40, 80, 60}};
  EXPECT_EQ(Command(Main(), AC_GETFONTSECTION, reinterpret_cast<intptr_t>(&below)), 0);
  EXPECT_EQ(below.SectionIndex, -1);
}

TEST_F(FrameWindowTest, OpacityGoesToTheFormAndItsBorderWindow) {
  Command(Main(), AC_SETALPHA, 128);
  EXPECT_TRUE(GetWindowLongPtrW(Main(), GWL_EXSTYLE) & WS_EX_LAYERED);
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(Main(), nullptr, &alpha, &flags));
  EXPECT_EQ(alpha, 128);
  EXPECT_TRUE(flags & LWA_ALPHA);
  EXPECT_EQ(P().Opacity(), 128);
  // Full opacity is the form's own look again: this one blends itself (at 255).
  Command(Main(), AC_SETALPHA, 255);
  ASSERT_TRUE(GetLayeredWindowAttributes(Main(), nullptr, &alpha, &flags));
  EXPECT_EQ(alpha, 255);
  EXPECT_EQ(P().Opacity(), 255);
  EXPECT_TRUE(IsWindowVisible(Main()) && IsWindowVisible(Border()));
  Command(Main(), AC_SETALPHA, 1000);  // beyond the byte: fully opaque
  EXPECT_EQ(P().Opacity(), 255);
}

TEST_F(FrameWindowTest, RedrawSuspensionNestsAndResumingShowsEverythingAgain) {
  Command(Main(), AC_SUSPENDREDRAW);
  SendMessageW(Main(), WM_SETREDRAW, FALSE, 0);
  EXPECT_EQ(P().RedrawOffCount(), 2);
  SendMessageW(Main(), WM_SETREDRAW, TRUE, 0);
  EXPECT_EQ(P().RedrawOffCount(), 1);
  Command(Main(), AC_RESUMEREDRAW);
  EXPECT_EQ(P().RedrawOffCount(), 0);
  SendMessageW(Main(), WM_SETREDRAW, TRUE, 0);  // one too many: the count stays at 0
  EXPECT_EQ(P().RedrawOffCount(), 0);
  PumpFor(3);
  EXPECT_TRUE(IsWindowVisible(Main()));
  EXPECT_TRUE(IsWindowVisible(Border()));
}

TEST_F(FrameWindowTest, TheShutdownQueryIsAnsweredAtOnce) {
  // No animation runs, so nothing is waited for: a message posted before is still queued afterwards.
  constexpr UINT kQueued = WM_APP + 77;
  PostMessageW(Main(), kQueued, 0, 0);
  EXPECT_EQ(SendMessageW(Main(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
  MSG queued;
  EXPECT_TRUE(PeekMessageW(&queued, Main(), kQueued, kQueued, PM_REMOVE)) << "the query pumped the queue";
  EXPECT_TRUE(IsWindowVisible(Main()));
}

TEST_F(FrameWindowTest, APictureOfAFormWithoutAClientAreaGivesItsDcBack) {
  const auto form = std::make_unique<TForm>(Application);
  form->BorderStyle = TFormBorderStyle::bsSizeable;
  form->SetClientSize(0, 0);
  auto* provider = new TsSkinProvider(form.get());
  form->Show();
  PumpFor(3);
  ASSERT_TRUE(provider->Inputs().Client.cx == 0 || provider->Inputs().Client.cy == 0);
  HWND w = form->WindowHandle();
  // The system hands a window its free DC again: one kept by the picture shows as a different DC.
  HDC before = GetDC(w);
  ReleaseDC(w, before);
  ComposedWindowPicture(*provider);
  HDC after = GetDC(w);
  ReleaseDC(w, after);
  EXPECT_EQ(after, before);
}

TEST_F(FrameWindowTest, StoredSettingsAreRead) {
  const std::unique_ptr<TForm> form = FormWithStoredComponent("TsSkinProvider", "provider", {
      {"GripMode", int64_t(TGripMode::gmRightBottom)},
      {"TitleIcon.Visible", false},
      {"TitleIcon.Width", int64_t(20)},
      {"TitleIcon.Height", int64_t(12)},
      {"MakeSkinMenu", true},
      {"SysSubMenu.Caption", std::string("Вид")},
      {"SysSubMenu.Position", int64_t(TacSubMenuPosition::ipTop)},
      {"ShowAppIcon", false},
  });
  ASSERT_TRUE(form);
  const auto* p = dynamic_cast<TsSkinProvider*>(form->FindComponent("provider"));
  ASSERT_TRUE(p);
  EXPECT_EQ(p->GripMode, TGripMode::gmRightBottom);
  EXPECT_FALSE(p->TitleIcon.Visible);
  EXPECT_EQ(p->TitleIcon.Width, Screen::Scale(20));  // stored at 96 dpi
  EXPECT_EQ(p->TitleIcon.Height, Screen::Scale(12));
  EXPECT_TRUE(p->MakeSkinMenu);
  EXPECT_EQ(p->SysSubMenu.Caption, "\xC2\xE8\xE4");  // 1251
  EXPECT_EQ(p->SysSubMenu.Position, TacSubMenuPosition::ipTop);
  EXPECT_FALSE(p->ShowAppIcon);
}

TEST_F(FrameWindowTest, BadStoredSettingsAreErrorsOfTheDefinition) {
  const struct {
    const char* Name;
    TStoredValue Value;
    const char* Error;
  } cases[] = {
      {"GripMode", int64_t(2), "Stored property TsSkinProvider.GripMode: unknown enumeration value"},
      {"GripMode", int64_t(-1), "Stored property TsSkinProvider.GripMode: unknown enumeration value"},
      {"SysSubMenu.Position", int64_t(3), "Stored property TsSkinProvider.SysSubMenu.Position: unknown enumeration value"},
      {"SysSubMenu.Position", std::string("ipTop"), "Stored property TsSkinProvider.SysSubMenu.Position: integer expected"},
      {"TitleIcon.Visible", int64_t(1), "Stored property TsSkinProvider.TitleIcon.Visible: boolean expected"},
      {"SysSubMenu.Caption", false, "Stored property TsSkinProvider.SysSubMenu.Caption: text expected"},
  };
  for (const auto& c : cases) {
    std::string error;
    EXPECT_FALSE(FormWithStoredComponent("TsSkinProvider", "provider", {{c.Name, c.Value}}, &error)) << c.Name;
    EXPECT_EQ(error, c.Error);
  }
}

// The columns of the caption's text rectangle that hold pixels of the wanted kind.
struct Columns {
  int32_t First = INT32_MAX, Last = INT32_MIN;
  bool Any() const { return First <= Last; }
};
template <typename Wanted>
Columns ColumnsOf(const PixelBuffer& picture, const TRect& r, Wanted wanted) {
  Columns c;
  for (int32_t y = std::max(0, r.Top); y < std::min(picture.Height(), r.Bottom); ++y)
    for (int32_t x = std::max(0, r.Left); x < std::min(picture.Width(), r.Right); ++x)
      if (wanted(PixelAt(picture, {x, y}))) {
        c.First = std::min(c.First, x);
        c.Last = std::max(c.Last, x);
      }
  return c;
}
bool Dark(uint32_t c) { return (c & 0xFF) < 0x80 && ((c >> 8) & 0xFF) < 0x80 && ((c >> 16) & 0xFF) < 0x80; }
bool Inked(uint32_t c) { return (c & 0xFF) < 0xB0; }  // dark or the inactive caption's grey
bool Red(uint32_t c) { return ((c >> 16) & 0xFF) > 0xC0 && ((c >> 8) & 0xFF) < 0x60 && (c & 0xFF) < 0x60; }

TEST_F(FrameWindowTest, CaptionAlignmentAndAddedTitleInTheComposedPicture) {
  const TRect text = P().Layout().CaptionText;
  const Columns left = ColumnsOf(ComposedWindowPicture(P()), text, Dark);
  ASSERT_TRUE(left.Any());
  EXPECT_LE(left.First - text.Left, 3);
  const int32_t width = left.Last - left.First;

  P().CaptionAlignment = TAlignment::taRightJustify;
  P().RepaintFrame();
  const Columns right = ColumnsOf(ComposedWindowPicture(P()), text, Dark);
  EXPECT_NEAR(right.Last, text.Right - 4, 3);
  EXPECT_EQ(right.Last - right.First, width);

  P().CaptionAlignment = TAlignment::taCenter;
  P().RepaintFrame();
  const Columns centre = ColumnsOf(ComposedWindowPicture(P()), text, Dark);
  EXPECT_NEAR((centre.First + centre.Last) / 2, text.Left + (text.Width() - 4) / 2, 3);

  // The added title follows the caption in its own font colour.
  P().CaptionAlignment = TAlignment::taLeftJustify;
  P().AddedTitle.Text = "+ ADDED";
  P().AddedTitle.Font.Color = TColor(0x0000FF);  // red
  P().RepaintFrame();
  const PixelBuffer added = ComposedWindowPicture(P());
  const Columns red = ColumnsOf(added, text, Red);
  ASSERT_TRUE(red.Any());
  // The long caption ends in an ellipsis before it, the added title keeps its room.
  const Columns shortened = ColumnsOf(added, text, Dark);
  EXPECT_EQ(shortened.First, left.First);
  EXPECT_GT(red.First, shortened.Last + 2);
  EXPECT_LE(red.Last, text.Right);
  ExpectGolden(added, "window-main-added-title");

  // Without the main caption the added title takes its place.
  P().AddedTitle.ShowMainCaption = false;
  P().RepaintFrame();
  const PixelBuffer alone = ComposedWindowPicture(P());
  EXPECT_FALSE(ColumnsOf(alone, text, Dark).Any());
  EXPECT_LE(ColumnsOf(alone, text, Red).First - text.Left, 3);
}

TEST_F(FrameWindowTest, TheCaptionGlowsWhenTheTitleSectionGivesAGlowSize) {
  // The built-in skin has no glow: one is lent to the active title state for this test.
  auto& sections = const_cast<LoadedSkin*>(DefaultManager()->Skin())->Sections;
  TsGenState& active = sections[size_t(FindSection(sections, "FORMTITLE"))].Props[1];
  struct Restore {
    TsGenState& State;
    TsGenState Saved;
    ~Restore() { State = Saved; }
  } restore{active, active};
  const TRect text = P().Layout().CaptionText;
  auto reddish = [](uint32_t c) { return ((c >> 16) & 0xFF) > (c & 0xFF) + 40; };
  EXPECT_FALSE(ColumnsOf(ComposedWindowPicture(P()), text, reddish).Any());
  active.GSize = 3;
  active.GCol = TColor(0x0000FF);  // red
  P().RepaintFrame();
  const PixelBuffer glowing = ComposedWindowPicture(P());
  const Columns glow = ColumnsOf(glowing, text, reddish);
  ASSERT_TRUE(glow.Any());
  EXPECT_LE(glow.First - text.Left, 3);
  ExpectGolden(glowing, "window-main-caption-glow");
  active.GSize = 0;
  P().RepaintFrame();
  EXPECT_FALSE(ColumnsOf(ComposedWindowPicture(P()), text, reddish).Any());
}

TEST_F(FrameWindowTest, TurningExtendedBordersOffAndOnSwitchesTheFrameMode) {
  struct Restore {
    ~Restore() { DefaultManager()->SetExtendedBorders(true); }
  } restore;
  DefaultManager()->SetExtendedBorders(false);
  PumpFor(3);
  EXPECT_EQ(P().Mode(), FrameMode::InFrame);
  EXPECT_EQ(P().BorderForm(), nullptr);
  EXPECT_TRUE(RegionIsTheWindow(Main()));  // the whole window shows its own frame
  ExpectGolden(ComposedWindowPicture(P()), "window-main-inframe");
  DefaultManager()->SetExtendedBorders(true);
  PumpFor(3);
  EXPECT_EQ(P().Mode(), FrameMode::ExtendedBorder);
  ASSERT_NE(P().BorderForm(), nullptr);
  EXPECT_TRUE(IsWindowVisible(Border()));
  EXPECT_FALSE(RegionIsTheWindow(Main()));  // only the client area
}

TEST_F(FrameWindowTest, ADisabledFormGreysItsCaptionAndDisablesItsBorderWindow) {
  const TRect text = P().Layout().CaptionText;
  driver->Form().SetEnabled(false);
  PumpFor(2);
  EXPECT_FALSE(IsWindowEnabled(Border()));
  const PixelBuffer disabled = ComposedWindowPicture(P());
  EXPECT_FALSE(ColumnsOf(disabled, text, Dark).Any());
  EXPECT_TRUE(ColumnsOf(disabled, text, [](uint32_t c) { return (c & 0xFF) < 0xF0; }).Any());  // greyed, not gone
  driver->Form().SetEnabled(true);
  PumpFor(2);
  EXPECT_TRUE(IsWindowEnabled(Border()));
  EXPECT_TRUE(ColumnsOf(ComposedWindowPicture(P()), text, Dark).Any());
}

// What the open pop-up menu holds: its items' names and states (greyed
// "off", checked "on", column break "|"), the items of its submenus, and
// where it is; then the menu is closed, or given keys to choose an item.
struct SeenMenu {
  std::vector<std::string> Items;
  std::vector<std::string> SubItems;  // "parent/child"
  RECT Frame{};
  bool Seen = false;
  std::vector<WORD> Keys;  // pressed in the open menu instead of closing it
};
SeenMenu seenMenu;

std::string Describe(HMENU menu, int i) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_DATA | MIIM_STATE | MIIM_FTYPE;
  GetMenuItemInfoW(menu, UINT(i), TRUE, &info);
  const auto* item = reinterpret_cast<const TMenuItem*>(info.dwItemData);
  const bool line = info.fType & MFT_SEPARATOR;
  return (item ? item->Name : "?") + (!line && (info.fState & MFS_GRAYED) ? " off" : "") +
         (info.fState & MFS_CHECKED ? " on" : "") + (info.fType & MFT_MENUBREAK ? " |" : "");
}

void CALLBACK ReadOpenMenu(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND popup = FindWindowW(L"#32768", nullptr);
  if (!popup || !IsWindowVisible(popup)) return;
  KillTimer(nullptr, timer);
  GetWindowRect(popup, &seenMenu.Frame);
  HMENU menu = reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0));
  for (int i = 0; menu && i < GetMenuItemCount(menu); ++i) {
    const std::string name = Describe(menu, i);
    seenMenu.Items.push_back(name);
    if (HMENU sub = GetSubMenu(menu, i))
      for (int j = 0; j < GetMenuItemCount(sub); ++j) seenMenu.SubItems.push_back(name + "/" + Describe(sub, j));
  }
  seenMenu.Seen = true;
  if (seenMenu.Keys.empty()) {
    EndMenu();
    return;
  }
  for (WORD key : seenMenu.Keys) {
    KeyInput(key, false);
    KeyInput(key, true);
  }
}

// Runs action (which should open a menu) and waits for the menu to be read.
void ReadMenuOpenedBy(const std::function<void()>& action, std::vector<WORD> keys = {}) {
  seenMenu = {};
  seenMenu.Keys = std::move(keys);
  UINT_PTR timer = SetTimer(nullptr, 0, 30, ReadOpenMenu);
  action();
  PumpUntil([&] { return seenMenu.Seen; });
  KillTimer(nullptr, timer);
  PumpFor(3);
}

void AltSpace() {
  KeyInput(VK_MENU, false);
  KeyInput(VK_SPACE, false);
  KeyInput(VK_SPACE, true);
  KeyInput(VK_MENU, true);
}

TEST_F(FrameWindowTest, AltSpaceOpensTheSystemMenuWithMoveAndClose) {
  ReadMenuOpenedBy(AltSpace);
  ASSERT_TRUE(seenMenu.Seen);
  EXPECT_EQ(seenMenu.Items, (std::vector<std::string>{"acIM", "ac_Div", "acIC"}));
  EXPECT_TRUE(IsWindowVisible(Main()));
  EXPECT_FALSE(Application->Terminated());
}

// A form that counts the context-help commands it is sent.
class RecordingForm final : public TForm {
 public:
  explicit RecordingForm(TComponent* owner) : TForm(owner) {}
  LRESULT WndProc(TMessage& m) override {
    if (m.Msg == WM_SYSCOMMAND && (m.WParam & 0xFFF0) == SC_CONTEXTHELP) ++ContextHelp;
    if (m.Msg == WM_NCACTIVATE) NcActivations.push_back({m.WParam, m.LParam});
    const LRESULT result = TForm::WndProc(m);
    // What the window shows right after the system took the text, before the provider's repaint.
    if (m.Msg == WM_SETTEXT) AfterSetText = CaptureWindow(WindowHandle());
    return result;
  }
  int ContextHelp = 0;
  PixelBuffer AfterSetText;
  std::vector<std::pair<WPARAM, LPARAM>> NcActivations;
};

// A 16 x 16 glyph without alpha: a dark square on a magenta ground (its bottom-left colour).
void DrawPin(TBitmap& glyph) {
  glyph.Pixels = PixelBuffer(16, 16);
  FillPixels(glyph.Pixels, glyph.Pixels.Bounds(), clFuchsia, 255);
  FillPixels(glyph.Pixels, {4, 4, 12, 12}, 0x00202020, 255);
  glyph.BitsPerPixel = 24;
}

// A sizeable form with every title button: close, maximize, minimize, help and one user button.
class SizeableFormTest : public FrameWindowTest, public testing::WithParamInterface<bool> {
 protected:
  void SetUp() override {
    FrameWindowTest::SetUp();
    form = new RecordingForm(Application);
    form->BorderStyle = TFormBorderStyle::bsSizeable;
    form->BorderIcons.Help = true;
    form->SetCaption("Sizeable");
    form->SetClientSize(Screen::Scale(320), Screen::Scale(120));
    provider = new TsSkinProvider(form);
    provider->AllowExtBorders = GetParam();
    TsTitleButton& pin = provider->TitleButtons.Add();
    pin.Name = "Pin";
    pin.Hint = "Pin the form";
    DrawPin(pin.Glyph);
    form->SetBounds(100, 100, form->Width(), form->Height());
    form->Show();
    PumpFor(5);
  }
  void TearDown() override {
    delete form;
    FrameWindowTest::TearDown();
  }
  POINT ScreenCentre(const TRect& r) { return ScreenOf(*provider, Centre(r)); }
  void Click(POINT p) {
    MoveRealPointer(p);
    SendRealButton(MOUSEEVENTF_LEFTDOWN, p);
    SendRealButton(MOUSEEVENTF_LEFTUP, p);
  }
  void ClickButton(TitleButton b) { Click(ScreenCentre(provider->Layout().Buttons[size_t(b)])); }
  TRect Pin() const { return provider->Layout().UserButtons.at(0); }
  std::string Name(const char* state) const {
    return std::string("window-sizeable-") + (GetParam() ? "extended-" : "inframe-") + state;
  }
  RecordingForm* form = nullptr;
  TsSkinProvider* provider = nullptr;
};

TEST_P(SizeableFormTest, MinimizeMaximizeAndRestoreButtonsWorkAndMaximizeFollowsMaxHeight) {
  ASSERT_TRUE(provider->Skinned());
  HWND w = form->WindowHandle();
  EXPECT_EQ(provider->Mode(), GetParam() ? FrameMode::ExtendedBorder : FrameMode::InFrame);
  EXPECT_EQ(provider->BorderForm() != nullptr, GetParam());
  for (TitleButton b : {TitleButton::Close, TitleButton::Maximize, TitleButton::Minimize, TitleButton::Help})
    EXPECT_FALSE(provider->Layout().Buttons[size_t(b)].IsEmpty()) << int(b);
  EXPECT_FALSE(Pin().IsEmpty());
  ExpectGolden(ComposedWindowPicture(*provider), Name("normal"));

  ClickButton(TitleButton::Minimize);
  EXPECT_TRUE(IsIconic(w));
  SendMessageW(w, WM_SYSCOMMAND, SC_RESTORE, 0);
  PumpFor(5);
  EXPECT_FALSE(IsIconic(w));

  ClickButton(TitleButton::Maximize);
  ASSERT_TRUE(IsZoomed(w));
  RECT r;
  GetWindowRect(w, &r);
  const TRect work = Screen::DesktopRect();
  const int32_t f = provider->Inputs().SystemFrame;
  // Extended borders: the window is pushed down so that MAXHEIGHT fits above its client area.
  const int32_t b = GetParam() ? std::max(0, provider->SkinValues().MaxHeight - provider->Inputs().SystemCaption - 4) : 0;
  EXPECT_EQ(r.left, work.Left - f);
  EXPECT_EQ(r.top, work.Top + b - f);
  EXPECT_EQ(r.right - r.left, work.Width() + 2 * f);
  EXPECT_EQ(r.bottom - r.top, work.Height() + 2 * f - b);
  // The pointer leaves the buttons, so that none is hot in the picture.
  MoveRealPointer({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
  EXPECT_EQ(provider->ButtonState(TitleButton::Maximize), 0);
  ExpectGolden(ComposedWindowPicture(*provider), Name("maximized"));

  ClickButton(TitleButton::Maximize);  // now the restore button
  EXPECT_FALSE(IsZoomed(w));
  ClickButton(TitleButton::Close);
  EXPECT_FALSE(IsWindowVisible(w));
  EXPECT_FALSE(Application->Terminated());
}

TEST_P(SizeableFormTest, MaximizeOrRestoreFromTheMenuOrTheKeyboardLeavesNoButtonHot) {
  for (UINT command : {SC_MAXIMIZE, SC_RESTORE}) {
    MoveRealPointer(ScreenCentre(provider->Layout().Buttons[size_t(TitleButton::Help)]));
    ASSERT_EQ(provider->ButtonState(TitleButton::Help), 1) << command;
    SendMessageW(form->WindowHandle(), WM_SYSCOMMAND, command, 0);
    EXPECT_EQ(provider->ButtonState(TitleButton::Help), 0) << command;
  }
}

TEST_P(SizeableFormTest, APressEndsWithoutActionWhenAnotherWindowTakesTheMouse) {
  HWND w = form->WindowHandle();
  const struct {
    const char* Name;
    std::function<void()> Lose;
  } ways[] = {
      {"the mouse taken away (Alt+Tab)", [] { ReleaseCapture(); }},
      {"the form disabled, as a modal window does", [w] {
         EnableWindow(w, FALSE);
         EnableWindow(w, TRUE);
       }},
  };
  for (const auto& way : ways) {
    const POINT centre = ScreenCentre(provider->Layout().Buttons[size_t(TitleButton::Maximize)]);
    MoveRealPointer(centre);
    SendRealButton(MOUSEEVENTF_LEFTDOWN, centre);
    ASSERT_EQ(provider->ButtonState(TitleButton::Maximize), 2) << way.Name;
    way.Lose();
    EXPECT_FALSE(provider->PressInProgress()) << way.Name;
    EXPECT_EQ(provider->ButtonState(TitleButton::Maximize), 0) << way.Name;
    EXPECT_EQ(GetCapture(), nullptr) << way.Name;
    SendRealButton(MOUSEEVENTF_LEFTUP, centre);
    EXPECT_FALSE(IsZoomed(w)) << way.Name << ": the release after the loss does not act";
  }
}

TEST_P(SizeableFormTest, ActivationReachesTheFormButTheSystemDrawsNoCaption) {
  HWND w = form->WindowHandle();
  form->NcActivations.clear();
  SendMessageW(w, WM_NCACTIVATE, FALSE, 0);
  EXPECT_FALSE(provider->FormActive());
  SendMessageW(w, WM_NCACTIVATE, TRUE, 0);
  EXPECT_TRUE(provider->FormActive());
  EXPECT_EQ(form->NcActivations, (std::vector<std::pair<WPARAM, LPARAM>>{{FALSE, -1}, {TRUE, -1}}));
}

TEST_P(SizeableFormTest, RightAlignedCaptionGoesLeftOnARightToLeftForm) {
  const TRect text = provider->Layout().CaptionText;
  provider->CaptionAlignment = TAlignment::taRightJustify;
  provider->RepaintFrame();
  const Columns right = ColumnsOf(ComposedWindowPicture(*provider), text, Inked);
  ASSERT_TRUE(right.Any());
  EXPECT_NEAR(right.Last, text.Right - 4, 3);
  HWND w = form->WindowHandle();
  SetWindowLongPtrW(w, GWL_EXSTYLE, GetWindowLongPtrW(w, GWL_EXSTYLE) | WS_EX_RTLREADING);
  provider->RepaintFrame();
  const Columns mirrored = ColumnsOf(ComposedWindowPicture(*provider), text, Inked);
  ASSERT_TRUE(mirrored.Any());
  EXPECT_LE(mirrored.First - text.Left, 3);
}

TEST_P(SizeableFormTest, FullOpacityRemovesTheLayeringOfAFormThatDoesNotBlendItself) {
  HWND w = form->WindowHandle();
  Command(w, AC_SETALPHA, 100);
  EXPECT_TRUE(GetWindowLongPtrW(w, GWL_EXSTYLE) & WS_EX_LAYERED);
  EXPECT_EQ(provider->Opacity(), 100);
  Command(w, AC_SETALPHA, 255);
  EXPECT_FALSE(GetWindowLongPtrW(w, GWL_EXSTYLE) & WS_EX_LAYERED);
  EXPECT_EQ(provider->Opacity(), 255);
  EXPECT_TRUE(IsWindowVisible(w));
}

TEST_P(SizeableFormTest, HitTestsOfTheFrame) {
  const TitleLayout& t = provider->Layout();
  HWND w = form->WindowHandle();
  const POINT close = ScreenOf(*provider, Centre(t.Buttons[size_t(TitleButton::Close)]));
  const POINT caption = ScreenOf(*provider, {t.Icon.Right + 20, t.CenterLine});
  EXPECT_EQ(provider->FrameHitTest(close), kFrameHitClose);
  EXPECT_EQ(provider->FrameHitTest(caption), kFrameHitCaption);
  if (GetParam()) {
    // The sizing bands are the strips just outside the visible frame.
    const FrameMeasures& m = provider->Measures();
    EXPECT_EQ(provider->FrameHitTest(ScreenOf(*provider, {m.L - 3, 100})), kFrameHitLeft);
    EXPECT_EQ(provider->FrameHitTest(ScreenOf(*provider, {m.Cache.cx - m.R + 2, m.Cache.cy - m.B + 2})),
              kFrameHitBottomRight);
  } else {
    // In-frame: the form answers itself; the title buttons first, the system's frame geometry for the rest.
    EXPECT_EQ(SendMessageW(w, WM_NCHITTEST, 0, MAKELPARAM(close.x, close.y)), HTCLOSE);
    EXPECT_EQ(SendMessageW(w, WM_NCHITTEST, 0, MAKELPARAM(caption.x, caption.y)), HTCAPTION);
    RECT wr;
    GetWindowRect(w, &wr);
    EXPECT_EQ(SendMessageW(w, WM_NCHITTEST, 0, MAKELPARAM(wr.left + 1, (wr.top + wr.bottom) / 2)), HTLEFT);
  }
}

TEST_P(SizeableFormTest, TheIconAnswersTheSystemMenuAndTheGripSizesTheWindow) {
  HWND w = form->WindowHandle();
  const TitleLayout& t = provider->Layout();
  // The form's icon, 16 pixels on the caption's centre line, drawn into the frame.
  ASSERT_EQ(t.Icon.Width(), 16);
  EXPECT_EQ(t.Icon.Top + 8, t.CenterLine);
  const POINT icon = ScreenOf(*provider, Centre(t.Icon));
  EXPECT_EQ(provider->FrameHitTest(icon), kFrameHitSysMenu);
  if (!GetParam()) {
    EXPECT_EQ(SendMessageW(w, WM_NCHITTEST, 0, MAKELPARAM(icon.x, icon.y)), HTSYSMENU);
  }
  const PixelBuffer& cache = provider->FrameCache();
  int iconPixels = 0;  // pixels of the icon that differ from the caption bar around it
  for (int32_t y = t.Icon.Top; y < t.Icon.Bottom; ++y)
    for (int32_t x = t.Icon.Left; x < t.Icon.Right; ++x) iconPixels += PixelAt(cache, {x, y}) != PixelAt(cache, {t.Icon.Right + 2, y});
  EXPECT_GT(iconPixels, 40);

  // The grip: in the client's bottom-right corner, answering the bottom-right sizing code in both modes.
  RECT client;
  GetClientRect(w, &client);
  POINT corner{client.right - 3, client.bottom - 3};
  ClientToScreen(w, &corner);
  EXPECT_EQ(SendMessageW(w, WM_NCHITTEST, 0, MAKELPARAM(corner.x, corner.y)), HTCLIENT);
  provider->GripMode = TGripMode::gmRightBottom;
  provider->RepaintFrame();
  ASSERT_FALSE(provider->Measures().Grip.IsEmpty());
  EXPECT_EQ(SendMessageW(w, WM_NCHITTEST, 0, MAKELPARAM(corner.x, corner.y)), HTBOTTOMRIGHT);
  POINT inside{client.right - 40, client.bottom - 3};
  ClientToScreen(w, &inside);
  EXPECT_EQ(SendMessageW(w, WM_NCHITTEST, 0, MAKELPARAM(inside.x, inside.y)), HTCLIENT);
  ExpectGolden(ComposedWindowPicture(*provider), Name("grip"));
  // Dragging the grip sizes the window.
  RECT before;
  GetWindowRect(w, &before);
  DragWithRealPointer(corner, {corner.x + 30, corner.y + 20}, 40, [] { PumpFor(1); });
  PumpFor(10);
  RECT after;
  GetWindowRect(w, &after);
  EXPECT_EQ(after.right - after.left, before.right - before.left + 30);
  EXPECT_EQ(after.bottom - after.top, before.bottom - before.top + 20);
  EXPECT_EQ(after.left, before.left);
  // Maximized: no grip.
  SendMessageW(w, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  PumpFor(5);
  EXPECT_TRUE(provider->Measures().Grip.IsEmpty());
}

TEST_P(SizeableFormTest, ALeftClickOnTheIconOpensTheSkinnedSystemMenuBelowIt) {
  seenMenu = {};
  const POINT icon = ScreenOf(*provider, Centre(provider->Layout().Icon));
  UINT_PTR timer = SetTimer(nullptr, 0, 30, ReadOpenMenu);
  MoveRealPointer(icon);
  SendMouseInput(MOUSEEVENTF_LEFTDOWN, icon);
  SendMouseInput(MOUSEEVENTF_LEFTUP, icon);
  PumpUntil([&] { return seenMenu.Seen; });
  KillTimer(nullptr, timer);
  ASSERT_TRUE(seenMenu.Seen);
  EXPECT_FALSE(seenMenu.Items.empty());
  EXPECT_EQ(seenMenu.Items.back(), "acIC");
  EXPECT_TRUE(IsWindowVisible(form->WindowHandle()));
}

TEST_P(SizeableFormTest, InFrameRegionFollowsTheStateAndSquareCornersKeepTheWholeWindow) {
  if (GetParam()) GTEST_SKIP() << "the in-frame region";
  HWND w = form->WindowHandle();
  // The built-in skin's masks have square corners: nothing is cut, yet the window has a
  // region, so that a compositing desktop draws no frame of its own around it.
  EXPECT_TRUE(RegionIsTheWindow(w));
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  SendMessageW(w, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  PumpFor(5);
  ASSERT_TRUE(IsZoomed(w));
  // Maximized: the window less its frame, which lies beyond the work area.
  ASSERT_EQ(GetWindowRgn(w, region), SIMPLEREGION);
  RECT box, wr;
  GetRgnBox(region, &box);
  GetWindowRect(w, &wr);
  const int32_t fw = provider->Measures().FW;
  EXPECT_EQ(box.left, fw);
  EXPECT_EQ(box.top, fw);
  EXPECT_EQ(box.right, wr.right - wr.left - fw);
  EXPECT_EQ(box.bottom, wr.bottom - wr.top - fw);
  SendMessageW(w, WM_SYSCOMMAND, SC_RESTORE, 0);
  PumpFor(5);
  DeleteObject(region);
  EXPECT_TRUE(RegionIsTheWindow(w));
}

// In-frame: the skinned caption is all there is; the system draws none of its own when the text changes.
TEST_P(SizeableFormTest, SettingTheTextDrawsNoCaptionOfTheSystemsInFrame) {
  if (GetParam()) GTEST_SKIP() << "the region hides the window's own caption";
  HWND w = form->WindowHandle();
  const TitleLayout& t = provider->Layout();
  // The caption as shown before the text changes stays until the provider writes the new text.
  const PixelBuffer before = CaptureWindow(w);
  form->SetCaption("Another caption");
  ASSERT_FALSE(form->AfterSetText.Empty());
  int changed = 0;
  for (int32_t y = 0; y < t.CaptionBottom; ++y)
    for (int32_t x = 0; x < before.Width(); ++x) changed += before.At(x, y) != form->AfterSetText.At(x, y);
  EXPECT_EQ(changed, 0) << "the system drew its own caption";
  // Then the skinned frame shows the new text.
  const PixelBuffer after = CaptureWindow(w);
  const TRect text = t.CaptionText;
  int rewritten = 0;
  for (int32_t y = text.Top; y < text.Bottom; ++y)
    for (int32_t x = text.Left; x < text.Right; ++x) rewritten += before.At(x, y) != after.At(x, y);
  EXPECT_GT(rewritten, 0);
}

TEST_P(SizeableFormTest, HelpButtonTurnsHotUnderThePointerAndSendsContextHelp) {
  const TRect help = provider->Layout().Buttons[size_t(TitleButton::Help)];
  ASSERT_FALSE(help.IsEmpty());
  EXPECT_TRUE(GetWindowLongPtrW(form->WindowHandle(), GWL_EXSTYLE) & WS_EX_CONTEXTHELP);
  const POINT centre = ScreenCentre(help);
  EXPECT_EQ(provider->FrameHitTest(centre), kFrameHitHelp);
  const TPoint probe{help.Left + 3, help.Top + 3};
  const uint32_t normal = PixelAt(ComposedWindowPicture(*provider), probe);
  MoveRealPointer(centre);
  EXPECT_EQ(provider->ButtonState(TitleButton::Help), 1);
  EXPECT_NE(PixelAt(ComposedWindowPicture(*provider), probe), normal) << "the hot help button shows its hot picture";
  SendRealButton(MOUSEEVENTF_LEFTDOWN, centre);
  EXPECT_EQ(provider->ButtonState(TitleButton::Help), 2);
  EXPECT_EQ(form->ContextHelp, 0);
  SendRealButton(MOUSEEVENTF_LEFTUP, centre);
  EXPECT_EQ(form->ContextHelp, 1);
  EXPECT_TRUE(IsWindowVisible(form->WindowHandle()));
  EXPECT_FALSE(provider->PressInProgress());
}

TEST_P(SizeableFormTest, UserButtonTurnsHotAndItsClickFiresItsEventsWithClientPoints) {
  TsTitleButton& pin = provider->TitleButtons[0];
  std::vector<std::string> events;
  auto record = [&](const char* what) {
    return [&events, what, &pin](TObject* sender, TMouseButton button, int x, int y) {
      EXPECT_EQ(sender, &pin);
      EXPECT_EQ(button, TMouseButton::mbLeft);
      events.push_back(std::string(what) + " " + std::to_string(x) + "," + std::to_string(y));
    };
  };
  pin.OnMouseDown = record("down");
  pin.OnMouseUp = record("up");
  const POINT centre = ScreenCentre(Pin());
  EXPECT_EQ(provider->FrameHitTest(centre), kFrameHitUserButton);
  const TPoint probe{Pin().Left + 2, Centre(Pin()).Y};  // the skin's picture, beside the glyph (in-frame buttons reach above the window)
  const uint32_t normal = PixelAt(ComposedWindowPicture(*provider), probe);
  MoveRealPointer(centre);
  EXPECT_EQ(provider->UserButtonState(0), 1);
  const PixelBuffer hot = ComposedWindowPicture(*provider);
  EXPECT_NE(PixelAt(hot, probe), normal);
  // The glyph over the hot picture, laid down with weight 255 of 256.
  const uint32_t glyph = PixelAt(hot, Centre(Pin()));
  for (int shift : {0, 8, 16}) EXPECT_NEAR(int((glyph >> shift) & 0xFF), 0x20, 1) << std::hex << glyph;
  ExpectGolden(hot, Name("pin-hot"));
  // Its hint, 8 pixels right of and 16 pixels below the pointer, while it is hot.
  HWND hint = FindWindowW(L"THintWindow", nullptr);
  ASSERT_TRUE(hint && IsWindowVisible(hint));
  RECT hintFrame;
  GetWindowRect(hint, &hintFrame);
  EXPECT_EQ(hintFrame.left, centre.x + 8);
  EXPECT_EQ(hintFrame.top, centre.y + 16);
  wchar_t hintText[64] = {};
  GetWindowTextW(hint, hintText, 64);
  EXPECT_EQ(std::wstring(hintText), L"Pin the form");
  EXPECT_EQ(WindowFromPoint(centre), GetParam() ? provider->BorderForm()->Window() : form->WindowHandle());
  SendRealButton(MOUSEEVENTF_LEFTDOWN, centre);
  EXPECT_EQ(provider->UserButtonState(0), 2);
  SendRealButton(MOUSEEVENTF_LEFTUP, centre);
  POINT client = centre;
  ScreenToClient(form->WindowHandle(), &client);
  const std::string at = std::to_string(client.x) + "," + std::to_string(client.y);
  EXPECT_EQ(events, (std::vector<std::string>{"down " + at, "up " + at}));
  EXPECT_LT(client.y, 0) << "the caption lies above the client area";
  // Pressed and released elsewhere: no event.
  SendRealButton(MOUSEEVENTF_LEFTDOWN, centre);
  const POINT away = ScreenOf(*provider, {provider->Layout().Icon.Right + 20, provider->Layout().CenterLine});
  MoveRealPointer(away);
  SendRealButton(MOUSEEVENTF_LEFTUP, away);
  EXPECT_EQ(events.size(), 3u);
  EXPECT_EQ(provider->UserButtonState(0), 0);
  EXPECT_FALSE(IsWindowVisible(hint));
  // A disabled button refuses the press.
  pin.Enabled = false;
  provider->RepaintFrame();
  Click(centre);
  EXPECT_EQ(events.size(), 3u);
}

TEST_P(SizeableFormTest, ClearingTheUserButtonsWhileOneIsHotRemovesItAndItsHint) {
  const POINT centre = ScreenCentre(Pin());
  MoveRealPointer(centre);
  ASSERT_EQ(provider->UserButtonState(0), 1);
  HWND hint = FindWindowW(L"THintWindow", nullptr);
  ASSERT_TRUE(hint && IsWindowVisible(hint));
  provider->TitleButtons.Clear();
  EXPECT_TRUE(provider->Layout().UserButtons.empty());
  EXPECT_FALSE(IsWindowVisible(hint));
  MoveRealPointer({centre.x - 1, centre.y});
  SendMouseInput(MOUSEEVENTF_LEFTDOWN, centre);
  SendRealButton(MOUSEEVENTF_LEFTUP, centre);
  EXPECT_TRUE(IsWindowVisible(form->WindowHandle()));
  EXPECT_FALSE(provider->PressInProgress());
}

TEST_P(SizeableFormTest, AFormFreedByItsUserButtonIsNotTouchedAfterwards) {
  // The handler lives in the form it frees: nothing of it may be read after the delete.
  provider->TitleButtons[0].OnMouseUp = [this](TObject*, TMouseButton, int, int) {
    delete std::exchange(form, nullptr);
  };
  {
    // What the provider reads after the delete is then garbage, and fails at once.
    FreedMemoryScrub scrub(0xDD);
    Click(ScreenCentre(Pin()));
    EXPECT_EQ(scrub.Faults(), 0);
  }
  EXPECT_EQ(form, nullptr);
  PumpFor(5);
  EXPECT_FALSE(Application->Terminated());
}

TEST_P(SizeableFormTest, TheSystemMenuCarriesTheFormsSubmenuAndTheSkinSelection) {
  TPopupMenu* popup = new TPopupMenu(form);
  auto& pinItem = popup->Items.Add(std::make_unique<TMenuItem>());
  pinItem.Name = "PinItem";
  pinItem.Caption = "Pin";
  pinItem.Checked = true;
  auto& more = popup->Items.Add(std::make_unique<TMenuItem>());
  more.Name = "More";
  more.Caption = "More";
  more.Add(std::make_unique<TMenuItem>()).Name = "Inner";
  more.Items[0]->Caption = "Inner";
  provider->SysSubMenu = {"Form", popup, TacSubMenuPosition::ipBeforeClose};
  SetForegroundWindow(form->WindowHandle());
  PumpFor(3);
  ReadMenuOpenedBy(AltSpace);
  ASSERT_TRUE(seenMenu.Seen);
  EXPECT_EQ(seenMenu.Items, (std::vector<std::string>{"acIR off", "acIM", "acIS", "acIN", "acIX", "ac_Div", "ac_SubMenu",
                                                      "ac_TopDiv", "acIC"}));
  EXPECT_EQ(seenMenu.SubItems, (std::vector<std::string>{"ac_SubMenu/PinItemCopy on", "ac_SubMenu/MoreCopy"}));

  provider->SysSubMenu.Position = TacSubMenuPosition::ipBottom;
  provider->MakeSkinMenu = true;
  ReadMenuOpenedBy(AltSpace);
  ASSERT_TRUE(seenMenu.Seen);
  EXPECT_EQ(seenMenu.Items, (std::vector<std::string>{"SkinSelectItem", "ac_SkinDiv", "acIR off", "acIM", "acIS", "acIN",
                                                      "acIX", "ac_Div", "acIC", "ac_BtmDiv", "ac_SubMenu"}));
  EXPECT_EQ(seenMenu.SubItems.at(0), "SkinSelectItem/SkinSelectItem0 on");

  // The popup menu freed: the submenu goes with it.
  delete popup;
  ReadMenuOpenedBy(AltSpace);
  EXPECT_EQ(seenMenu.Items.back(), "acIC");
}

TEST_P(SizeableFormTest, AFormFreedByAnItemOfItsSubmenuIsNotTouchedAfterwards) {
  TPopupMenu* popup = new TPopupMenu(form);
  auto& closeItem = popup->Items.Add(std::make_unique<TMenuItem>());
  closeItem.Name = "Free";
  closeItem.Caption = "Free the form";
  closeItem.OnClick = [this](TObject*) { delete std::exchange(form, nullptr); };
  provider->SysSubMenu = {"Form", popup, TacSubMenuPosition::ipTop};
  SetForegroundWindow(form->WindowHandle());
  PumpFor(3);
  // The first item is the submenu: open it and choose its first item.
  {
    FreedMemoryScrub scrub(0xDD);
    ReadMenuOpenedBy(AltSpace, {VK_DOWN, VK_RIGHT, VK_RETURN});
    PumpUntil([&] { return !form; });
    EXPECT_EQ(scrub.Faults(), 0);
  }
  EXPECT_EQ(form, nullptr);
  EXPECT_FALSE(Application->Terminated());
}

TEST_P(SizeableFormTest, IconClicksPopTheMenuBelowTheIconAndADoubleClickCloses) {
  const TRect icon = provider->Layout().Icon;
  ASSERT_FALSE(icon.IsEmpty());
  const POINT centre = ScreenCentre(icon);
  EXPECT_EQ(provider->FrameHitTest(centre), kFrameHitSysMenu);
  MoveRealPointer(centre);
  ReadMenuOpenedBy([&] {
    SendMouseInput(MOUSEEVENTF_LEFTDOWN, centre);
    SendMouseInput(MOUSEEVENTF_LEFTUP, centre);
  });
  ASSERT_TRUE(seenMenu.Seen);
  RECT wr;
  GetWindowRect(form->WindowHandle(), &wr);
  const TPoint at = IconMenuPoint({wr.left, wr.top, wr.right, wr.bottom}, provider->Measures(), provider->Mode(), 0,
                                  provider->Layout());
  EXPECT_EQ(seenMenu.Frame.left, at.X);
  EXPECT_EQ(seenMenu.Frame.top, at.Y);
  EXPECT_GE(seenMenu.Frame.top, ScreenOf(*provider, {0, icon.Bottom}).y - 8) << "just below the icon";

  // The right button on the caption: nothing on the press, the menu on the release.
  const POINT caption = ScreenOf(*provider, {icon.Right + 40, provider->Layout().CenterLine});
  MoveRealPointer(caption);
  ReadMenuOpenedBy([&] {
    SendMouseInput(MOUSEEVENTF_RIGHTDOWN, caption);
    PumpFor(3);
    EXPECT_FALSE(FindWindowW(L"#32768", nullptr) && IsWindowVisible(FindWindowW(L"#32768", nullptr)));
    SendMouseInput(MOUSEEVENTF_RIGHTUP, caption);
  });
  EXPECT_TRUE(seenMenu.Seen);
  EXPECT_EQ(seenMenu.Items.back(), "acIC");

  MoveRealPointer(centre);
  for (int i = 0; i < 2; ++i) {
    SendMouseInput(MOUSEEVENTF_LEFTDOWN, centre);
    SendMouseInput(MOUSEEVENTF_LEFTUP, centre);
  }
  PumpUntil([&] { return !IsWindowVisible(form->WindowHandle()); });
  EXPECT_FALSE(IsWindowVisible(form->WindowHandle()));
  EXPECT_FALSE(FindWindowW(L"#32768", nullptr) && IsWindowVisible(FindWindowW(L"#32768", nullptr)));
}

// The manager's NativeBordersMaximized: a maximized form keeps its own skinned
// frame, placed as an in-frame one, and gets its border window back on restore.
TEST_P(SizeableFormTest, NativeBordersWhileMaximizedDropTheBorderWindowUntilRestore) {
  if (!GetParam()) GTEST_SKIP() << "only extended borders have a border window to drop";
  TsSkinManager* manager = driver->Form().sSkinManager1;
  manager->Options.NativeBordersMaximized = true;
  HWND w = form->WindowHandle();
  SendMessageW(w, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  PumpFor(5);
  ASSERT_TRUE(IsZoomed(w));
  EXPECT_EQ(provider->Mode(), FrameMode::InFrame);
  EXPECT_EQ(provider->BorderForm(), nullptr);
  // Maximized as an in-frame window: its frame just beyond the work area, its region inside it.
  RECT r;
  GetWindowRect(w, &r);
  const TRect work = Screen::DesktopRect();
  const int32_t f = provider->Inputs().SystemFrame;
  EXPECT_EQ(r.top, work.Top - f);
  EXPECT_EQ(r.bottom - r.top, work.Height() + 2 * f);
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_EQ(GetWindowRgn(w, region), SIMPLEREGION);
  RECT box;
  GetRgnBox(region, &box);
  DeleteObject(region);
  EXPECT_EQ(box.top, provider->Measures().FW);
  SendMessageW(w, WM_SYSCOMMAND, SC_RESTORE, 0);
  PumpFor(5);
  EXPECT_EQ(provider->Mode(), FrameMode::ExtendedBorder);
  ASSERT_NE(provider->BorderForm(), nullptr);
  EXPECT_TRUE(IsWindowVisible(provider->BorderForm()->Window()));
  manager->Options.NativeBordersMaximized = false;
}

// Where the frame as the user sees it lies on the screen: the border window's
// rectangle inside its margins, or the window itself.
RECT VisibleFrame(TsSkinProvider& p) {
  RECT r;
  GetWindowRect(p.Form().WindowHandle(), &r);
  if (p.Mode() == FrameMode::InFrame) return r;
  const FrameMeasures& m = p.Measures();
  const POINT topLeft = ScreenOf(p, {m.L, m.T});
  const POINT bottomRight = ScreenOf(p, {m.Cache.cx - m.R, m.Cache.cy - m.B});
  return {topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

void DoubleClickAt(POINT p) {
  MoveRealPointer(p);
  for (int i = 0; i < 2; ++i) {
    SendMouseInput(MOUSEEVENTF_LEFTDOWN, p);
    SendRealButton(MOUSEEVENTF_LEFTUP, p);
  }
  PumpFor(6);
}

TEST_P(SizeableFormTest, ADoubleClickOnASizingEdgeStretchesTheWindowAndTheNextGivesItBack) {
  HWND w = form->WindowHandle();
  RECT before;
  GetWindowRect(w, &before);
  const TRect work = Screen::DesktopRect();
  const RECT frame = VisibleFrame(*provider);
  // The left edge: in the border window's shadow band, or the window's own left frame.
  const POINT left = GetParam() ? ScreenOf(*provider, {provider->Measures().L - 3, 100})
                                : POINT{before.left + 1, (before.top + before.bottom) / 2};
  ASSERT_EQ(provider->FrameHitTest(left), kFrameHitLeft);
  DoubleClickAt(left);
  RECT wide;
  GetWindowRect(w, &wide);
  const RECT seen = VisibleFrame(*provider);
  EXPECT_EQ(seen.left, work.Left);
  EXPECT_EQ(seen.right, work.Right);
  EXPECT_EQ(wide.top, before.top);
  EXPECT_EQ(wide.bottom, before.bottom);
  EXPECT_EQ(seen.left - wide.left, frame.left - before.left) << "the frame keeps its place around the window";

  // The right edge: the second double click gives the span back. With a border window its band
  // now lies beyond the screen, out of the pointer's reach: the double click is sent there.
  const POINT right = GetParam() ? ScreenOf(*provider, {provider->Measures().Cache.cx - provider->Measures().R + 3, 100})
                                 : POINT{wide.right - 2, (wide.top + wide.bottom) / 2};
  ASSERT_EQ(provider->FrameHitTest(right), kFrameHitRight);
  SendMessageW(GetParam() ? provider->BorderForm()->Window() : w, WM_NCLBUTTONDBLCLK, HTRIGHT,
               MAKELPARAM(right.x, right.y));
  PumpFor(3);
  RECT back;
  GetWindowRect(w, &back);
  EXPECT_EQ(back.left, before.left);
  EXPECT_EQ(back.right, before.right);
}

// Dragging a maximized window's caption with the real pointer: 5 pixels are
// still a click, beyond that the window is restored under the pointer and the
// move goes on with it.
TEST_P(SizeableFormTest, DraggingAMaximizedCaptionRestoresTheWindowUnderThePointer) {
  if (!GetParam()) GTEST_SKIP() << "the border window's caption";
  HWND w = form->WindowHandle();
  RECT normal;
  GetWindowRect(w, &normal);
  SendMessageW(w, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  PumpFor(5);
  ASSERT_TRUE(IsZoomed(w));
  const TitleLayout& t = provider->Layout();
  const POINT press = ScreenOf(*provider, {t.Icon.Right + 200, t.CenterLine});
  ASSERT_EQ(provider->FrameHitTest(press), kFrameHitCaption);
  MoveRealPointer(press);
  SendRealButton(MOUSEEVENTF_LEFTDOWN, press);
  MoveRealPointer({press.x + 5, press.y - 5});
  EXPECT_TRUE(IsZoomed(w)) << "five pixels are no drag";
  SendRealButton(MOUSEEVENTF_LEFTUP, {press.x + 5, press.y - 5});
  EXPECT_TRUE(IsZoomed(w));

  // Pressed again, away from the first press (no double click): the pointer goes 80, 65 away
  // (restoring), then 20, 15 further.
  const POINT again{press.x - 60, press.y};
  MoveRealPointer(again);
  const POINT target{again.x + 100, again.y + 80};
  DragWithRealPointer(again, target, 60, [] { PumpFor(1); });
  PumpFor(10);
  EXPECT_FALSE(IsZoomed(w));
  RECT r;
  GetWindowRect(w, &r);
  EXPECT_EQ(r.right - r.left, normal.right - normal.left);
  EXPECT_EQ(r.bottom - r.top, normal.bottom - normal.top);
  // Within a pixel: absolute pointer input is scaled to 65536 steps and back.
  const POINT restoredAt{target.x - 20, target.y - 15};
  EXPECT_NEAR(r.left, restoredAt.x - (normal.right - normal.left) / 2 + 20, 1);
  EXPECT_NEAR(r.top, restoredAt.y - 8 + 15, 1);
  EXPECT_EQ(provider->Mode(), FrameMode::ExtendedBorder);
  EXPECT_TRUE(provider->BorderForm() && IsWindowVisible(provider->BorderForm()->Window()));
}

// Blur behind the border window: the system here has no blur to offer, and
// asking for it is answered so, leaving the border window as it was.
TEST_F(FrameWindowTest, BlurBehindIsNotAvailableHereAndChangesNothing) {
  ASSERT_NE(Border(), nullptr);
  // The built-in skin asks for no blur: nothing is asked of the system.
  EXPECT_EQ(P().BorderForm()->Blur(), TacBorderForm::BlurState::Off);
  const PixelBuffer before = CaptureWindow(Border());
  HRGN region = CreateRectRgn(0, 0, 10, 10);
  EXPECT_FALSE(SetBlurBehind(Border(), region));
  EXPECT_FALSE(SetBlurBehind(Border(), nullptr));
  DeleteObject(region);
  EXPECT_FALSE(SetBlurBehind(nullptr, nullptr));
  // A skin that asks for blur (AEROBLUR) is told there is none, and the frame is shown as before.
  bool& aeroBlur = const_cast<LoadedSkin*>(DefaultManager()->Skin())->SkinData.AeroBlur;
  aeroBlur = true;
  P().RepaintFrame();
  aeroBlur = false;
  EXPECT_EQ(P().BorderForm()->Blur(), TacBorderForm::BlurState::NotAvailable);
  EXPECT_TRUE(IsWindowVisible(Border()));
  const PixelBuffer after = CaptureWindow(Border());
  ASSERT_EQ(after.Width(), before.Width());
  int differing = 0;
  for (int32_t y = 0; y < after.Height(); ++y)
    for (int32_t x = 0; x < after.Width(); ++x) differing += after.At(x, y) != before.At(x, y);
  EXPECT_EQ(differing, 0);
}

TEST_F(FrameWindowTest, TheManagersNativeBordersAndBlurSwitchesAreReadFromStoredDefinitions) {
  std::string error;
  std::unique_ptr<TForm> form = FormWithStoredComponent(
      "TsSkinManager", "Stored",
      {{"Options.NativeBordersMaximized", true}, {"Effects.AllowAeroBluring", false}}, &error);
  ASSERT_TRUE(form) << error;
  auto* manager = dynamic_cast<TsSkinManager*>(form->FindComponent("Stored"));
  ASSERT_NE(manager, nullptr);
  EXPECT_TRUE(manager->Options.NativeBordersMaximized);
  EXPECT_FALSE(manager->Effects.AllowAeroBluring);
}

INSTANTIATE_TEST_SUITE_P(BothFrameModes, SizeableFormTest, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& info) { return info.param ? "Extended" : "InFrame"; });

}  // namespace
