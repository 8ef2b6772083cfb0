// The main window's speed buttons drawn from the skin: normal, hot with the
// real pointer over them, pressed; their pictures kept side by side in
// DR_TEST_PICTURES when it is set. Two grouped buttons on a test form, clicked
// with the real pointer: one stays down at a time, and AllowAllUp lets the
// last one pop up.
#include <gtest/gtest.h>

#include <filesystem>

#include "resources/mainwindow/FolderGlyph.h"
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

  // Pumps until the condition holds or half a second has passed.
  template <class Condition>
  bool PumpUntil(Condition done) {
    for (int i = 0; i < 50 && !done(); ++i) {
      driver->Pump();
      Sleep(10);
    }
    driver->Pump();
    return done();
  }

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
  const PixelBuffer& Picture(TsSpeedButton& b) {
    RedrawWindow(F().Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
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
    EXPECT_GT(DarkPixels(normal, b->PaintLayout().Caption), 10);
    sheet.push_back(normal.Clone());

    PointAt(*b);
    ASSERT_TRUE(PumpUntil([&] { return b->SkinData.PointerInside; }));
    EXPECT_EQ(b->CurrentState(), 1);
    const PixelBuffer& hot = Picture(*b);
    EXPECT_EQ(hot.At(x, y), kHot);
    EXPECT_GT(DarkPixels(hot, b->PaintLayout().Caption), 10);
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
  const TRect glyph = b.PaintLayout().Glyph;
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

// A small form with two buttons of group 1 over the main window's skin, read
// from a stored definition: the right one stored down.
class GroupedButtonsTest : public SpeedButtonTest {
 protected:
  void SetUp() override {
    SpeedButtonTest::SetUp();
    form = new TForm(Application);
    const auto button = [](const char* caption, int64_t left, std::vector<TStoredProperty> more) {
      std::vector<TStoredProperty> p{{"Left", left},           {"Top", int64_t(12)},       {"Width", int64_t(73)},
                                     {"Height", int64_t(25)},  {"Caption", std::string(caption)},
                                     {"GroupIndex", int64_t(1)}};
      p.insert(p.end(), more.begin(), more.end());
      return p;
    };
    const TFormDefinition definition{
        {{"BorderStyle", int64_t(TFormBorderStyle::bsSingle)},
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
                  {"Blend", int64_t(250)}})}}};
    ReadForm(*form, definition, TFormMethods{});
    provider = new TsSkinProvider(form);
    buttons[0] = dynamic_cast<TsSpeedButton*>(form->FindComponent("Left"));
    buttons[1] = dynamic_cast<TsSpeedButton*>(form->FindComponent("Right"));
    for (TsSpeedButton* b : buttons) b->OnClick = [this](TObject*) { ++clicks; };
    form->SetBounds(300, 200, form->Width(), form->Height());
    form->Show();
    PointAway();
  }
  void TearDown() override {
    delete form;
    SpeedButtonTest::TearDown();
  }
  // Pressed and released over the button's centre with the real pointer.
  void ClickWithPointer(TControl& c) {
    const TPoint centre = c.ClientToScreen({c.Width() / 2, c.Height() / 2});
    const POINT p{centre.X, centre.Y};
    SendMouseInput(0, p);
    PumpUntil([&] { return Application->MouseControl() == &c; });
    SendMouseInput(MOUSEEVENTF_LEFTDOWN, p);
    PumpUntil([] { return false; });
    SendMouseInput(MOUSEEVENTF_LEFTUP, p);
    PumpUntil([] { return false; });
  }
  uint32_t Look(TsSpeedButton& b) {
    RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    driver->Pump();
    return b.SkinData.CachePicture ? b.SkinData.CachePicture->At(b.Width() / 2, 4) : 0;
  }
  void SavePicture(const char* name) {
    KeepPicture(ComposedWindowPicture(*provider), (std::string("speed-buttons-group-") + name).c_str());
  }

  TForm* form = nullptr;
  TsSkinProvider* provider = nullptr;
  TsSpeedButton* buttons[2] = {};
  int clicks = 0;
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
  const TRect caption = left.PaintLayout().Caption;
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
  PumpUntil([] { return false; });
  PointAway();
  EXPECT_EQ(seen.size(), 2u);  // a disabled button tells nothing
}

}  // namespace
