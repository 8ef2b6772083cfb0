// The main window's speed buttons drawn from the skin: normal, hot with the
// real pointer over them, pressed; their pictures kept side by side in
// DR_TEST_PICTURES when it is set. Two grouped buttons on a test form, clicked
// with the real pointer: one stays down at a time, and AllowAllUp lets the
// last one pop up.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <optional>

#include "resources/mainwindow/FolderGlyph.h"
#include "skin/data/sSkinManager.h"
#include "skin/windows/WindowPicture.h"
#include "skin/windows/sSkinProvider.h"
#include "tests/gui/GuiDriver.h"
#include "toolkit/Application.h"
#include "toolkit/FormReader.h"

namespace {

// The colours of the built-in skin's button section, as pixels.
constexpr uint32_t kNormal = 0xFFE1E1E1u;
constexpr uint32_t kHot = 0xFFE5F1FBu;
constexpr uint32_t kPressed = 0xFFCCE4F7u;

class SpeedButtonTest : public testing::Test {
 protected:
  void SetUp() override { driver = std::make_unique<GuiDriver>(); }
  void TearDown() override {
    SetCursorPos(0, 0);
    driver.reset();
  }
  TForm1& F() { return driver->Form(); }

  void PointAt(TControl& c) {
    const TPoint centre = c.ClientToScreen({c.Width() / 2, c.Height() / 2});
    SetCursorPos(centre.X, centre.Y);
  }
  void PointAway() {
    SetCursorPos(0, 0);
    PumpUntil([&] { return !Application->MouseControl() || Application->MouseControl() == &F(); });
  }
  // A left press on the button, as the form receives it.
  void Press(TControl& c) {
    const LPARAM at = MAKELPARAM(c.Left() + c.Width() / 2, c.Top() + c.Height() / 2);
    SendMessageW(F().Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    driver->Pump();
  }
  // Releases the press outside every control, so that nothing is clicked.
  void ReleaseOutside() {
    const LPARAM away = MAKELPARAM(2, 2);
    SendMessageW(F().Handle(), WM_MOUSEMOVE, MK_LBUTTON, away);
    SendMessageW(F().Handle(), WM_LBUTTONUP, 0, away);
    driver->Pump();
  }
  // The button's picture after a full redraw of the window it sits on.
  const PixelBuffer& Picture(TsSpeedButton& b) {
    RedrawWindow(b.Parent()->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    driver->Pump();
    EXPECT_NE(b.SkinData.CachePicture, nullptr);
    static const PixelBuffer none;
    return b.SkinData.CachePicture ? *b.SkinData.CachePicture : none;
  }

  std::unique_ptr<GuiDriver> driver;
};

// Dark pixels of the caption: text written in the section's black font colour.
int DarkPixels(const PixelBuffer& p, const TRect& r) {
  int dark = 0;
  for (int32_t y = std::max(r.Top, 0); y < std::min(r.Bottom, p.Height()); ++y)
    for (int32_t x = std::max(r.Left, 0); x < std::min(r.Right, p.Width()); ++x) dark += (p.At(x, y) & 0xFF) < 0x60;
  return dark;
}

constexpr uint32_t kRed = 0xFFFF0000u, kGreen = 0xFF00FF00u, kBlue = 0xFF0000FFu;

// A strip of opaque 8 x 8 images side by side, one per colour.
PixelBuffer Strip(std::initializer_list<uint32_t> colours) {
  PixelBuffer strip(int32_t(8 * colours.size()), 8);
  int32_t left = 0;
  for (uint32_t c : colours) {
    for (int32_t y = 0; y < 8; ++y)
      for (int32_t x = 0; x < 8; ++x) strip.At(left + x, y) = c;
    left += 8;
  }
  return strip;
}

int CountPixels(const PixelBuffer& p, const TRect& r, uint32_t colour) {
  int n = 0;
  for (int32_t y = std::max(r.Top, 0); y < std::min(r.Bottom, p.Height()); ++y)
    for (int32_t x = std::max(r.Left, 0); x < std::min(r.Right, p.Width()); ++x) n += (p.At(x, y) | 0xFF000000u) == colour;
  return n;
}

TPoint Centre(const TRect& r) { return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }

TEST_F(SpeedButtonTest, CaptionButtonsInTheirThreeStates) {
  PointAway();
  std::vector<PixelBuffer> sheet;
  for (TsSpeedButton* b : {F().btnRename, F().SpeedButton2, F().btnExit}) {
    SCOPED_TRACE(b->Name);
    const int32_t x = b->Width() / 2, y = 4;  // inside the 2-pixel border, above the caption
    const PixelBuffer& normal = Picture(*b);
    ASSERT_TRUE(b->SkinData.IsSkinned(true));
    ASSERT_EQ(normal.Width(), b->Width());
    ASSERT_EQ(normal.Height(), b->Height());
    EXPECT_EQ(normal.At(x, y), kNormal);
    EXPECT_GT(DarkPixels(normal, b->ContentLayout().Caption), 10);
    sheet.push_back(normal.Clone());

    PointAt(*b);
    ASSERT_TRUE(PumpUntil([&] { return b->SkinData.PointerInside; }));
    EXPECT_EQ(b->CurrentState(), 1);
    const PixelBuffer& hot = Picture(*b);
    EXPECT_EQ(hot.At(x, y), kHot);
    EXPECT_GT(DarkPixels(hot, b->ContentLayout().Caption), 10);
    sheet.push_back(hot.Clone());

    Press(*b);
    EXPECT_EQ(b->CurrentState(), 2);
    const PixelBuffer& pressed = Picture(*b);
    EXPECT_EQ(pressed.At(x, y + 1), kPressed);
    sheet.push_back(pressed.Clone());
    ReleaseOutside();
    EXPECT_TRUE(IsWindowVisible(F().Handle()));  // released away from the button: not clicked

    PointAway();
    EXPECT_FALSE(b->SkinData.PointerInside);
    EXPECT_EQ(Picture(*b).At(x, y), kNormal);
  }
  // Entering the next button makes the one before leave.
  PointAt(*F().btnRename);
  ASSERT_TRUE(PumpUntil([&] { return F().btnRename->SkinData.PointerInside; }));
  PointAt(*F().SpeedButton2);
  ASSERT_TRUE(PumpUntil([&] { return F().SpeedButton2->SkinData.PointerInside; }));
  EXPECT_FALSE(F().btnRename->SkinData.PointerInside);

  // The pictures, one row per button, for looking at.
  int32_t width = 0, height = 0;
  for (size_t i = 0; i < sheet.size(); i += 3) {
    width = std::max(width, 3 * (sheet[i].Width() + 4));
    height += sheet[i].Height() + 4;
  }
  PixelBuffer all(width, height);
  for (int32_t yy = 0; yy < height; ++yy)
    for (int32_t xx = 0; xx < width; ++xx) all.At(xx, yy) = 0xFFFFFFFFu;
  int32_t top = 0;
  for (size_t i = 0; i < sheet.size(); ++i) {
    const PixelBuffer& p = sheet[i];
    const int32_t left = int32_t(i % 3) * (p.Width() + 4);
    for (int32_t yy = 0; yy < p.Height(); ++yy)
      for (int32_t xx = 0; xx < p.Width(); ++xx) all.At(left + xx, top + yy) = p.At(xx, yy);
    if (i % 3 == 2) top += p.Height() + 4;
  }
  KeepPicture(all, "speed-buttons");
}

TEST_F(SpeedButtonTest, FolderButtonShowsItsGlyph) {
  PointAway();
  TsSpeedButton& b = *F().SpeedButton1;
  const PixelBuffer& picture = Picture(b);
  ASSERT_EQ(picture.Width(), b.Width());
  const TRect glyph = b.ContentLayout().Glyph;
  EXPECT_EQ(glyph.Width(), 20);
  EXPECT_EQ(glyph.Left, (b.Width() - 20) / 2);
  // Opaque glyph pixels land exactly; the others show the section through.
  const PixelBuffer folder = FolderGlyph();
  int opaque = 0;
  for (int32_t y = 0; y < 20; ++y)
    for (int32_t x = 0; x < 20; ++x)
      if (folder.At(x, y) >> 24 == 0xFF) {
        ++opaque;
        EXPECT_EQ(picture.At(glyph.Left + x, glyph.Top + y) | 0xFF000000u, folder.At(x, y)) << x << "," << y;
      }
  EXPECT_GT(opaque, 100);
}

// A small test form read from a stored definition, over the main window's skin.
class TestFormTest : public SpeedButtonTest {
 protected:
  void Open(const TFormDefinition& definition) {
    form = new TForm(Application);
    ReadForm(*form, definition, TFormMethods{});
    provider = new TsSkinProvider(form);
  }
  void Show() {
    form->SetBounds(300, 200, form->Width(), form->Height());
    form->Show();
    PointAway();
  }
  void TearDown() override {
    delete form;
    SpeedButtonTest::TearDown();
  }
  POINT ScreenPoint(TControl& c, TPoint p) {
    const TPoint s = c.ClientToScreen(p);
    return {s.X, s.Y};
  }
  // Pressed and released with the real pointer at p of the control (its centre by default); every click counts.
  void ClickWithPointer(TControl& c, std::optional<TPoint> p = std::nullopt) {
    const POINT at = ScreenPoint(c, p.value_or(TPoint{c.Width() / 2, c.Height() / 2}));
    SendMouseInput(0, at);
    ASSERT_TRUE(PumpUntil([&] { return Application->MouseControl() == &c; }));
    const int before = clicks;
    SendMouseInput(MOUSEEVENTF_LEFTDOWN, at);
    SendMouseInput(MOUSEEVENTF_LEFTUP, at);
    ASSERT_TRUE(PumpUntil([&] { return clicks == before + 1; }));
  }

  TForm* form = nullptr;
  TsSkinProvider* provider = nullptr;
  int clicks = 0;
};

// Two buttons of group 1, the right one stored down.
class GroupedButtonsTest : public TestFormTest {
 protected:
  void SetUp() override {
    TestFormTest::SetUp();
    const auto button = [](const char* caption, int64_t left, std::vector<TStoredProperty> more) {
      std::vector<TStoredProperty> p{{"Left", left},           {"Top", int64_t(12)},       {"Width", int64_t(73)},
                                     {"Height", int64_t(25)},  {"Caption", std::string(caption)},
                                     {"GroupIndex", int64_t(1)}};
      p.insert(p.end(), more.begin(), more.end());
      return p;
    };
    Open({{{"BorderStyle", int64_t(TFormBorderStyle::bsSingle)},
           {"Caption", std::string("Group")},
           {"ClientWidth", int64_t(200)},
           {"ClientHeight", int64_t(60)}},
          {{"TsSpeedButton", "Left", button("Left", 12, {})},
           {"TsSpeedButton", "Right",
            button("Right", 97,
                   {{"Down", true},
                    {"TextAlignment", int64_t(TAlignment::taLeftJustify)},
                    {"GrayedMode", int64_t(TacGrayedMode::gmAlways)},
                    {"DisabledKind", std::vector<std::string>{"dkBlended", "dkGrayed"}},
                    {"Blend", int64_t(250)}})}}});
    buttons[0] = dynamic_cast<TsSpeedButton*>(form->FindComponent("Left"));
    buttons[1] = dynamic_cast<TsSpeedButton*>(form->FindComponent("Right"));
    for (TsSpeedButton* b : buttons) b->OnClick = [this](TObject*) { ++clicks; };
    Show();
  }
  // The colour of the face above the caption.
  uint32_t Look(TsSpeedButton& b) { return Picture(b).At(b.Width() / 2, 4); }
  void SavePicture(const char* name) {
    KeepPicture(ComposedWindowPicture(*provider), (std::string("speed-buttons-group-") + name).c_str());
  }

  TsSpeedButton* buttons[2] = {};
};

TEST_F(GroupedButtonsTest, StoredSettingsAreRead) {
  const TsSpeedButton& right = *buttons[1];
  EXPECT_EQ(right.GroupIndex(), 1);
  EXPECT_EQ(right.TextAlignment(), TAlignment::taLeftJustify);
  EXPECT_EQ(right.GrayedMode(), TacGrayedMode::gmAlways);
  EXPECT_EQ(right.DisabledKind(), dkBlended | dkGrayed);
  EXPECT_EQ(right.Blend(), 100);  // clamped
  EXPECT_EQ(buttons[0]->TextAlignment(), TAlignment::taCenter);
}

// A changed setting shows at once; setting the same value builds nothing.
TEST_F(GroupedButtonsTest, SettersRepaintOnChangeOnly) {
  TsSpeedButton& left = *buttons[0];
  Look(left);
  const TRect caption = left.ContentLayout().Caption;
  EXPECT_GT(DarkPixels(*left.SkinData.CachePicture, caption), 5);
  left.SetShowCaption(true);
  EXPECT_FALSE(left.SkinData.CacheStale);
  left.SetShowCaption(false);
  EXPECT_TRUE(left.SkinData.CacheStale);
  driver->Pump();  // the button's own invalidation, no forced redraw
  EXPECT_FALSE(left.SkinData.CacheStale);
  EXPECT_EQ(DarkPixels(*left.SkinData.CachePicture, caption), 0);
  left.SetBlend(-5);
  EXPECT_EQ(left.Blend(), 0);
}

TEST_F(GroupedButtonsTest, OneStaysDownAtATime) {
  TsSpeedButton& left = *buttons[0];
  TsSpeedButton& right = *buttons[1];
  ASSERT_TRUE(left.SkinData.IsSkinned(true));
  EXPECT_TRUE(right.Down());
  EXPECT_EQ(Look(left), kNormal);
  EXPECT_EQ(Look(right), kPressed);
  SavePicture("right-down");

  ClickWithPointer(left);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(left.Down());
  EXPECT_FALSE(right.Down());
  EXPECT_EQ(left.State(), TButtonState::bsExclusive);
  // Down and hot: still the pressed look.
  EXPECT_TRUE(left.SkinData.PointerInside);
  EXPECT_EQ(left.CurrentState(), 2);
  EXPECT_EQ(Look(left), kPressed);
  PointAway();
  EXPECT_EQ(left.CurrentState(), 2);
  EXPECT_EQ(Look(left), kPressed);
  EXPECT_EQ(Look(right), kNormal);
  SavePicture("left-down");

  // Without AllowAllUp a click on the down button keeps it down (and still clicks).
  ClickWithPointer(left);
  EXPECT_EQ(clicks, 2);
  EXPECT_TRUE(left.Down());

  // AllowAllUp, set on one button, holds for the group: the last one pops up.
  right.SetAllowAllUp(true);
  EXPECT_TRUE(left.AllowAllUp());
  ClickWithPointer(left);
  EXPECT_FALSE(left.Down());
  EXPECT_FALSE(right.Down());
  PointAway();
  EXPECT_EQ(Look(left), kNormal);
  EXPECT_EQ(Look(right), kNormal);
  SavePicture("all-up");

  // Down set by the program releases the other one too.
  left.SetDown(true);
  right.SetDown(true);
  EXPECT_FALSE(left.Down());
  EXPECT_EQ(Look(right), kPressed);
  EXPECT_EQ(Look(left), kNormal);
}

// Hot tracking events of an enabled button, and the finished picture offered for drawing over.
TEST_F(GroupedButtonsTest, MouseEventsAndPaintHook) {
  TsSpeedButton& left = *buttons[0];
  std::vector<std::string> seen;
  left.OnMouseEnter = [&](TObject*) { seen.push_back("enter"); };
  left.OnMouseLeave = [&](TObject*) { seen.push_back("leave"); };
  left.OnPaint = [&](TObject* sender, PixelBuffer& picture) {
    EXPECT_EQ(sender, &left);
    picture.At(0, 0) = 0xFF123456u;
  };
  PointAt(left);
  ASSERT_TRUE(PumpUntil([&] { return left.SkinData.PointerInside; }));
  EXPECT_EQ(Look(left), kHot);
  EXPECT_EQ(left.SkinData.CachePicture->At(0, 0), 0xFF123456u);
  PointAway();
  EXPECT_EQ(seen, (std::vector<std::string>{"enter", "leave"}));
  left.SetEnabled(false);
  PointAt(left);
  // The pointer has arrived when the form or the button is under it.
  ASSERT_TRUE(PumpUntil([&] { return Application->MouseControl() == &left || Application->MouseControl() == form; }));
  PointAway();
  EXPECT_EQ(seen.size(), 2u);  // a disabled button tells nothing
}

// With the border laid over the content, caption and glyph still show under it.
TEST_F(GroupedButtonsTest, DrawOverBorderOffKeepsCaptionAndGlyph) {
  TsSpeedButton& left = *buttons[0];
  left.SetGlyph(Strip({kRed}));
  left.SetCaption("L");
  Look(left);
  const PixelBuffer over = left.SkinData.CachePicture->Clone();
  left.SetDrawOverBorder(false);
  Look(left);
  const PixelBuffer& under = *left.SkinData.CachePicture;
  const SpeedButtonLayout layout = left.ContentLayout();
  EXPECT_GT(DarkPixels(under, layout.Caption), 3);
  EXPECT_EQ(CountPixels(under, layout.Glyph, kRed), 64);
  // The border is the one painted over the content.
  for (int32_t y = 0; y < under.Height(); ++y) EXPECT_EQ(under.At(0, y), over.At(0, y)) << y;
  for (int32_t x = 0; x < under.Width(); ++x) EXPECT_EQ(under.At(x, 0), over.At(x, 0)) << x;
}

// Each change shows with the button's own invalidation, no forced redraw.
TEST_F(GroupedButtonsTest, RunTimeChangesShowAtOnce) {
  TsSpeedButton& left = *buttons[0];
  left.SetGlyph(Strip({kRed, kBlue}));
  Look(left);
  ASSERT_EQ(CountPixels(*left.SkinData.CachePicture, left.ContentLayout().Glyph, kBlue), 64);
  const TsSkinManager& manager = *left.SkinData.Manager();
  left.SetAlignment(TAlignment::taLeftJustify);  // so that the margin moves the content
  struct Change {
    const char* name;
    void (*apply)(TsSpeedButton&);
  } changes[] = {
      {"NumGlyphs", [](TsSpeedButton& b) { b.SetNumGlyphs(2); }},
      {"Layout", [](TsSpeedButton& b) { b.SetLayout(TButtonLayout::blGlyphRight); }},
      {"Spacing", [](TsSpeedButton& b) { b.SetSpacing(12); }},
      {"Margin", [](TsSpeedButton& b) { b.SetMargin(0); }},
      {"Flat", [](TsSpeedButton& b) { b.SetFlat(true); }},
  };
  for (const Change& c : changes) {
    SCOPED_TRACE(c.name);
    const TRect before = left.ContentLayout().Glyph;
    c.apply(left);
    driver->Pump();
    const PixelBuffer& picture = *left.SkinData.CachePicture;
    const TRect glyph = left.ContentLayout().Glyph;
    EXPECT_EQ(picture.At(Centre(glyph).X, Centre(glyph).Y), kRed);
    EXPECT_EQ(CountPixels(picture, picture.Bounds(), kBlue), 0);  // one image of the strip
    if (std::string(c.name) != "Flat") {
      EXPECT_NE(glyph, before);
    }
  }
  EXPECT_EQ(left.SkinData.SectionIndex, manager.Elements().Section("TOOLBUTTON"));
  left.SetFlat(false);
  EXPECT_EQ(left.SkinData.SectionIndex, manager.Elements().Section("SPEEDBUTTON"));
}

// Without a skin the system's face carries the same content: one image of the
// strip where the layout puts it, beside the caption.
TEST_F(GroupedButtonsTest, UnskinnedButtonsKeepTheirLayout) {
  TsSkinManager& manager = *buttons[0]->SkinData.Manager();
  struct SkinOff {
    TsSkinManager& m;
    ~SkinOff() { m.SetActive(true); }
  } restore{manager};
  auto* plain = TComponent::Create<TSpeedButton>(form);
  plain->SetParent(form);
  plain->SetBounds(12, 12, 73, 25);
  buttons[0]->SetVisible(false);
  for (TSpeedButton* b : {plain, static_cast<TSpeedButton*>(buttons[1])}) {
    SCOPED_TRACE(b->ClassName());
    b->SetCaption("Go");
    b->SetGlyph(Strip({kRed, kBlue}));
    b->SetNumGlyphs(2);
    b->SetLayout(TButtonLayout::blGlyphRight);
    b->SetMargin(2);
    b->SetSpacing(6);
  }
  buttons[1]->SetAllowAllUp(true);
  buttons[1]->SetDown(false);
  buttons[1]->SetBlend(0);
  manager.SetActive(false);
  driver->Pump();
  ASSERT_FALSE(buttons[1]->SkinData.IsSkinned(true));
  RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  const PixelBuffer window = CaptureWindow(form->Handle());
  RECT frame{};
  GetWindowRect(form->Handle(), &frame);
  KeepPicture(window, "speed-buttons-unskinned");
  for (TSpeedButton* b : {plain, static_cast<TSpeedButton*>(buttons[1])}) {
    SCOPED_TRACE(b->ClassName());
    const TPoint origin = b->ClientToScreen({0, 0});
    const int32_t dx = origin.X - frame.left, dy = origin.Y - frame.top;
    const TRect glyph = b->ContentLayout().Glyph;
    EXPECT_EQ(glyph.Width(), 8);
    EXPECT_GT(glyph.Left, b->ContentLayout().Caption.Left);  // right of the caption
    EXPECT_EQ(window.At(dx + Centre(glyph).X, dy + Centre(glyph).Y) | 0xFF000000u, kRed);
    EXPECT_EQ(CountPixels(window, {dx, dy, dx + b->Width(), dy + b->Height()}, kBlue), 0);
  }
}

// A form of the other button styles over the main window's skin: a drop-down
// button without a click handler (its arrow follows the caption), a split one
// (the arrow is a part of its own), an empty gap, a divider line, a check
// button and a button that shows an image of an image list.
class ButtonStylesTest : public TestFormTest {
 protected:
  void SetUp() override {
    TestFormTest::SetUp();
    const auto button = [](const char* caption, int64_t left, int64_t width, int64_t style) {
      return std::vector<TStoredProperty>{{"Left", left},          {"Top", int64_t(12)}, {"Width", width},
                                          {"Height", int64_t(25)}, {"Caption", std::string(caption)},
                                          {"ButtonStyle", style}};
    };
    Open({{{"BorderStyle", int64_t(TFormBorderStyle::bsSingle)},
           {"Caption", std::string("Styles")},
           {"ClientWidth", int64_t(330)},
           {"ClientHeight", int64_t(50)}},
          {{"TsSpeedButton", "Menu", button("Menu", 8, 89, 2)},
           {"TsSpeedButton", "Split", button("Split", 101, 89, 2)},
           {"TsSpeedButton", "Gap", button("", 190, 8, 3)},
           {"TsSpeedButton", "Line", button("", 198, 8, 4)},
           {"TsSpeedButton", "Check", button("Check", 210, 60, 1)},
           {"TsSpeedButton", "Image", button("", 274, 30, 0)}}});
    for (const char* name : {"Menu", "Split", "Gap", "Line", "Check", "Image"})
      b[name] = dynamic_cast<TsSpeedButton*>(form->FindComponent(name));
    menu = new TPopupMenu(form);
    for (const char* caption : {"First", "Second"}) {
      auto item = std::make_unique<TMenuItem>();
      item->Caption = caption;
      item->OnClick = [this, caption](TObject*) { chosen.push_back(caption); };
      menu->Items.Add(std::move(item));
    }
    b["Menu"]->SetDropdownMenu(menu);
    b["Split"]->SetDropdownMenu(menu);
    b["Split"]->OnClick = [this](TObject*) { ++clicks; };
    b["Check"]->OnClick = [this](TObject*) { ++clicks; };
    Show();
  }
  // Presses the real pointer at p of the button; while the drop-down menu is
  // open, `inside` runs (from a timer of the menu's own loop) and its first
  // item is clicked with the real pointer. False when no menu opened.
  bool PressAndChooseFirst(TControl& c, TPoint p, const std::function<void(HWND menu)>& inside) {
    const POINT at = ScreenPoint(c, p);
    SendMouseInput(0, at);
    if (!PumpUntil([&] { return Application->MouseControl() == &c; })) return false;
    openMenu = nullptr;
    whileOpen = inside;
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, &WatchMenu);
    SendMouseInput(MOUSEEVENTF_LEFTDOWN, at);
    SendMouseInput(MOUSEEVENTF_LEFTUP, at);
    const size_t before = chosen.size();
    PumpUntil([&] { return chosen.size() > before; });
    KillTimer(nullptr, timer);
    return openMenu != nullptr;
  }
  static void CALLBACK WatchMenu(HWND, UINT, UINT_PTR, DWORD) {
    HWND shown = FindWindowW(L"#32768", nullptr);
    if (openMenu || !shown || !IsWindowVisible(shown)) return;
    openMenu = shown;
    if (whileOpen) whileOpen(shown);
    RECT r{};
    GetWindowRect(shown, &r);
    const POINT first{r.left + 20, r.top + 8};
    SendMouseInput(0, first);
    SendMouseInput(MOUSEEVENTF_LEFTDOWN, first);
    SendMouseInput(MOUSEEVENTF_LEFTUP, first);
  }

  TPopupMenu* menu = nullptr;
  std::map<std::string, TsSpeedButton*> b;
  std::vector<std::string> chosen;
  static inline HWND openMenu = nullptr;
  static inline std::function<void(HWND)> whileOpen;
};

TEST_F(ButtonStylesTest, StoredStylesAndTheirArrows) {
  EXPECT_EQ(b["Menu"]->ButtonStyle(), TToolButtonStyle::tbsDropDown);
  EXPECT_EQ(b["Menu"]->Width(), Screen::Scale(89));  // stored with its arrow: not widened while loading
  EXPECT_EQ(b["Line"]->ButtonStyle(), TToolButtonStyle::tbsDivider);
  const SpeedButtonLayout menuLayout = b["Menu"]->ContentLayout();
  EXPECT_EQ(menuLayout.Arrow.Left, menuLayout.Caption.Right + 2);
  EXPECT_GE(DarkPixels(Picture(*b["Menu"]), menuLayout.Arrow), 10);
  const TsSpeedButton& split = *b["Split"];
  EXPECT_EQ(split.ContentLayout().Arrow, (TRect{split.Width() - 16, 0, split.Width(), split.Height()}));
  EXPECT_GE(DarkPixels(Picture(*b["Split"]), b["Split"]->ContentLayout().Arrow), 10);
  KeepPicture(ComposedWindowPicture(*provider), "speed-buttons-styles");

  // Becoming a drop-down button makes room for the arrow; leaving gives it back.
  TsSpeedButton& check = *b["Check"];
  const int32_t width = check.Width();
  check.SetButtonStyle(TToolButtonStyle::tbsDropDown);
  EXPECT_EQ(check.Width(), width + 16);
  EXPECT_FALSE(check.ContentLayout().Arrow.IsEmpty());
  check.SetButtonStyle(TToolButtonStyle::tbsButton);
  EXPECT_EQ(check.Width(), width);
  EXPECT_TRUE(check.ContentLayout().Arrow.IsEmpty());
}

TEST_F(ButtonStylesTest, DropDownShowsItsMenuUnderItself) {
  for (const char* name : {"Menu", "Split"}) {
    SCOPED_TRACE(name);
    TsSpeedButton& button = *b[name];
    int stateWhileOpen = -1;
    POINT menuAt{};
    const POINT expected = ScreenPoint(button, {0, button.Height()});
    const bool opened = PressAndChooseFirst(button, {button.Width() - 8, button.Height() / 2}, [&](HWND shown) {
      stateWhileOpen = button.CurrentState();
      RECT r{};
      GetWindowRect(shown, &r);
      menuAt = {r.left, r.top};
      button.Repaint();
      KeepPicture(ComposedWindowPicture(*provider), (std::string("speed-buttons-menu-open-") + name).c_str());
      KeepPicture(CaptureWindow(shown), (std::string("speed-buttons-menu-") + name).c_str());
    });
    ASSERT_TRUE(opened);
    EXPECT_EQ(stateWhileOpen, 2);
    EXPECT_EQ(menuAt.x, expected.x);
    EXPECT_EQ(menuAt.y, expected.y);
    EXPECT_EQ(chosen, std::vector<std::string>{"First"});
    EXPECT_FALSE(button.MenuShowing());
    EXPECT_EQ(clicks, 0);  // the menu part does not click
    // The pointer is on the menu's item below: the button is no longer hot.
    EXPECT_FALSE(button.SkinData.PointerInside);
    EXPECT_EQ(button.CurrentState(), 0);
    chosen.clear();
    PointAway();
  }
  // The split button's face part clicks without a menu.
  TsSpeedButton& split = *b["Split"];
  openMenu = nullptr;
  ClickWithPointer(split, TPoint{10, split.Height() / 2});
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(openMenu, nullptr);
}

// An item that frees the button it dropped from: nothing touches the button afterwards.
TEST_F(ButtonStylesTest, AnItemMayFreeItsButton) {
  TsSpeedButton* button = b["Menu"];
  menu->Items.Items[0]->OnClick = [&](TObject*) {
    delete button;
    chosen.push_back("freed");
  };
  EXPECT_TRUE(PressAndChooseFirst(*button, {10, 10}, nullptr));
  EXPECT_EQ(chosen, std::vector<std::string>{"freed"});
  EXPECT_EQ(form->FindComponent("Menu"), nullptr);
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
}

TEST_F(ButtonStylesTest, GapsAreNeverHot) {
  const PixelBuffer gap = Picture(*b["Gap"]).Clone();
  const PixelBuffer& line = Picture(*b["Line"]);
  const uint32_t behind = gap.At(0, 0);
  EXPECT_EQ(CountPixels(gap, gap.Bounds(), behind | 0xFF000000u), gap.Width() * gap.Height());
  const int32_t middle = line.Height() / 2;
  EXPECT_EQ(line.At(0, middle), behind);
  // The line, two pixels wide in the middle.
  EXPECT_NE(line.At(line.Width() / 2 - 1, middle), behind);
  EXPECT_NE(line.At(line.Width() / 2, middle), behind);
  EXPECT_EQ(line.At(line.Width() / 2 + 1, middle), behind);
  for (const char* name : {"Gap", "Line"}) {
    SendMouseInput(0, ScreenPoint(*b[name], {4, 12}));
    ASSERT_TRUE(PumpUntil([&] { return Application->MouseControl() == b[name]; }));
    driver->Pump();
    EXPECT_FALSE(b[name]->SkinData.PointerInside) << name;
  }
}

TEST_F(ButtonStylesTest, CheckButtonStaysDownUntilClickedAgain) {
  TsSpeedButton& check = *b["Check"];
  for (bool down : {true, false}) {
    SCOPED_TRACE(down);
    ClickWithPointer(check);
    EXPECT_EQ(check.Down(), down);
    PointAway();
    EXPECT_EQ(Picture(check).At(30, 4), down ? kPressed : kNormal);
  }
}

// The image list's image while the index is valid, the glyph otherwise; a
// change of the list shows at once, and a freed list is let go.
TEST_F(ButtonStylesTest, ImageListGlyph) {
  TsSpeedButton& image = *b["Image"];
  auto* list = new TImageList(form, 8, 8);
  list->Add(Strip({kGreen}));
  list->Add(Strip({kBlue}));
  image.SetGlyph(Strip({kRed}));
  image.SetImages(list);
  image.SetImageIndex(1);
  EXPECT_EQ(CountPixels(Picture(image), image.ContentLayout().Glyph, kBlue), 64);
  image.SetImageIndex(2);
  EXPECT_EQ(CountPixels(Picture(image), image.ContentLayout().Glyph, kRed), 64);
  image.SetImageIndex(0);
  driver->Pump();
  EXPECT_EQ(CountPixels(*image.SkinData.CachePicture, image.ContentLayout().Glyph, kGreen), 64);
  list->Clear();
  EXPECT_TRUE(image.SkinData.CacheStale);
  driver->Pump();
  EXPECT_EQ(CountPixels(*image.SkinData.CachePicture, image.ContentLayout().Glyph, kRed), 64);
  list->Add(Strip({kGreen}));
  delete list;
  EXPECT_EQ(image.Images(), nullptr);
  EXPECT_EQ(CountPixels(Picture(image), image.ContentLayout().Glyph, kRed), 64);
}

}  // namespace
