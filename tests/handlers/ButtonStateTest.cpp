// The push button's look from its facts, its caption box and focus frame.
#include <gtest/gtest.h>

#include "skin/handlers/ButtonCaption.h"
#include "skin/handlers/ButtonState.h"

namespace {

ButtonFacts SystemButton() { return {}; }
ButtonFacts ToolkitButton() {
  ButtonFacts f;
  f.ToolkitButton = true;
  return f;
}

TEST(ButtonStateTest, FollowsPressEnableFocusHotAndDefault) {
  struct Case {
    const char* name;
    ButtonFacts facts;
    int32_t state;
  };
  auto with = [](ButtonFacts f, auto change) {
    change(f);
    return f;
  };
  const Case cases[] = {
      {"system plain", SystemButton(), kButtonNormal},
      {"system default", with(SystemButton(), [](auto& f) { f.Default = true; }), kButtonDefault},
      {"system focused", with(SystemButton(), [](auto& f) { f.Focused = true; }), kButtonHot},
      {"system hot window", with(SystemButton(), [](auto& f) { f.HotWindow = true; }), kButtonHot},
      {"system binding focus", with(SystemButton(), [](auto& f) { f.BindingHasFocus = true; }), kButtonHot},
      // A system window's look ignores the toolkit's notion of an active binding.
      {"system active binding", with(SystemButton(), [](auto& f) { f.BindingActive = true; }), kButtonNormal},
      {"system focused default", with(SystemButton(), [](auto& f) { f.Default = f.Focused = true; }), kButtonHot},
      {"pressed wins over all", with(SystemButton(), [](auto& f) { f.Pressed = true, f.Enabled = false, f.Default = true; }),
       kButtonPressed},
      {"disabled default", with(SystemButton(), [](auto& f) { f.Enabled = false, f.Default = f.Focused = true; }),
       kButtonNormal},
      {"toolkit plain", ToolkitButton(), kButtonNormal},
      {"toolkit default is hot", with(ToolkitButton(), [](auto& f) { f.Default = true; }), kButtonHot},
      {"toolkit active", with(ToolkitButton(), [](auto& f) { f.BindingActive = true; }), kButtonHot},
      // The toolkit's own focus and hot window count only through the binding.
      {"toolkit focused window", with(ToolkitButton(), [](auto& f) { f.Focused = f.HotWindow = true; }), kButtonNormal},
      {"toolkit designed active", with(ToolkitButton(), [](auto& f) { f.DesignTime = f.BindingActive = true; }),
       kButtonNormal},
      {"toolkit pressed", with(ToolkitButton(), [](auto& f) { f.Pressed = true; }), kButtonPressed},
  };
  for (const Case& c : cases) EXPECT_EQ(ButtonState(c.facts), c.state) << c.name;
}

TEST(ButtonStateTest, PaintStateFitsTheSection) {
  struct Case {
    int32_t buttonState, sectionStates, painted;
  } cases[] = {
      {kButtonDefault, 4, 3}, {kButtonDefault, 3, 1}, {kButtonDefault, 1, 1},  // hot even beyond a one-state section
      {kButtonPressed, 4, 2}, {kButtonPressed, 2, 1}, {kButtonPressed, 1, 0},
      {kButtonHot, 1, 0},     {kButtonNormal, 0, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ButtonPaintState(c.buttonState, c.sectionStates), c.painted) << c.buttonState << " of " << c.sectionStates;
}

TEST(ButtonCaptionTest, CentredBoxRoundsTowardZeroAndShiftsWhenPressed) {
  struct Case {
    TSize button, text;
    bool shifted;
    TRect box;
  } cases[] = {
      {{75, 25}, {20, 13}, false, {26, 6, 50, 19}},
      {{75, 25}, {21, 12}, false, {26, 6, 50, 19}},  // odd remainders truncate
      {{75, 25}, {20, 13}, true, {27, 7, 51, 20}},
      {{10, 8}, {15, 13}, false, {-3, -2, 14, 10}},   // -5 / 2 is -2, not -3
      {{0, 0}, {0, 0}, false, {-1, 0, 2, 0}},
  };
  for (const Case& c : cases) {
    const TRect r = CenteredCaptionRect(c.button, c.text, c.shifted);
    EXPECT_EQ(r, c.box) << r.Left << "," << r.Top << "," << r.Right << "," << r.Bottom;
  }
}

TEST(ButtonCaptionTest, ShiftAndRoom) {
  EXPECT_TRUE(CaptionShifts(true, true, true));
  EXPECT_TRUE(CaptionShifts(true, false, false));  // unskinned buttons always move
  EXPECT_FALSE(CaptionShifts(true, true, false));
  EXPECT_FALSE(CaptionShifts(false, false, true));

  EXPECT_EQ(ButtonCaptionRoom(75, false, 0), 0);
  EXPECT_EQ(ButtonCaptionRoom(75, true, 0), 76);
  EXPECT_EQ(ButtonCaptionRoom(75, true, 16), 59);
  EXPECT_EQ(ButtonCaptionRoom(10, true, 16), 0);
}

TEST(ButtonCaptionTest, FocusFrameGrowsButStaysThreePixelsInside) {
  struct Case {
    TRect caption;
    int32_t height;
    TRect frame;
  } cases[] = {
      {{26, 6, 50, 19}, 25, {24, 5, 52, 20}},
      {{26, 2, 50, 23}, 25, {24, 3, 52, 22}},  // clamped at both ends
      {{-3, -2, 14, 10}, 8, {-5, 3, 16, 5}},
  };
  for (const Case& c : cases) {
    const TRect r = FocusFrameRect(c.caption, c.height);
    EXPECT_EQ(r, c.frame) << r.Left << "," << r.Top << "," << r.Right << "," << r.Bottom;
  }
}

TEST(ButtonCaptionTest, GlyphAndCaptionAreCentredAsOneGroup) {
  struct Case {
    TSize glyph, text;
    bool shifted;
    TRect glyphRect, captionRect;
  } cases[] = {
      {{16, 16}, {30, 13}, false, {12, 4, 28, 20}, {32, 6, 62, 19}},
      {{16, 16}, {30, 13}, true, {13, 5, 29, 21}, {33, 7, 63, 20}},
      {{16, 16}, {0, 0}, false, {29, 4, 45, 20}, {45, 12, 45, 12}},  // no caption: no gap
  };
  for (const Case& c : cases) {
    const GlyphCaptionLayout l = GlyphBesideCaption({75, 25}, c.glyph, c.text, 4, c.shifted);
    EXPECT_EQ(l.Glyph, c.glyphRect);
    EXPECT_EQ(l.Caption, c.captionRect);
  }
  // Without a glyph the caption box is the plain button's.
  EXPECT_EQ(GlyphBesideCaption({75, 25}, {}, {20, 13}, 4, false).Caption, CenteredCaptionRect({75, 25}, {20, 13}, false));
}

}  // namespace
