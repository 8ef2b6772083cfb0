// Check box glyph choice and the check and group box layouts.
#include <gtest/gtest.h>

#include <string>

#include "skin/handlers/CheckGlyph.h"

namespace {

TEST(CheckGlyphTest, KeyFollowsKindAndMark) {
  struct Case {
    bool radio;
    CheckMark mark;
    const char* key;
  } cases[] = {
      {false, CheckMark::Unchecked, "BOXUNCHECKED"}, {false, CheckMark::Checked, "BOXCHECKED"},
      {false, CheckMark::Grayed, "BOXGRAYED"},       {true, CheckMark::Unchecked, "RADIOUNCHECKED"},
      {true, CheckMark::Checked, "RADIOCHECKED"},    {true, CheckMark::Grayed, "RADIOUNCHECKED"},
  };
  for (const Case& c : cases) EXPECT_EQ(CheckGlyphKey(c.radio, c.mark), c.key);
  EXPECT_EQ(CheckGlyphState(true, true), 2);
  EXPECT_EQ(CheckGlyphState(false, true), 1);
  EXPECT_EQ(CheckGlyphState(false, false), 0);
}

TEST(CheckGlyphTest, CheckBoxGlyphLeftAndCentredCaptionAfterIt) {
  const CheckBoxLayout l = LayCheckBox({120, 17}, {13, 13});
  EXPECT_EQ(l.Glyph, (TRect{0, 2, 13, 15}));
  EXPECT_EQ(l.Caption, (TRect{17, 0, 120, 17}));
  // Narrower than its glyph: the caption has no room, never a negative one.
  EXPECT_EQ(LayCheckBox({10, 17}, {13, 13}).Caption, (TRect{17, 0, 17, 17}));
  EXPECT_EQ(LayCheckBox({50, 17}, {}).Caption, (TRect{0, 0, 50, 17}));
}

TEST(CheckGlyphTest, GroupFrameRunsThroughTheCaptionLineWithAGapForIt) {
  const GroupBoxLayout l = LayGroupBox({200, 100}, {40, 13});
  EXPECT_EQ(l.Frame, (TRect{0, 6, 200, 100}));
  EXPECT_EQ(l.Caption, (TRect{8, 0, 48, 13}));
  EXPECT_EQ(l.CaptionGap, (TRect{6, 0, 50, 13}));
  const GroupBoxLayout empty = LayGroupBox({200, 100}, {});
  EXPECT_EQ(empty.Frame, (TRect{0, 0, 200, 100}));
  EXPECT_TRUE(empty.CaptionGap.IsEmpty());
  EXPECT_EQ(LayGroupBox({20, 4}, {10, 13}).Frame, (TRect{0, 6, 20, 6}));  // lower than its caption: empty, not inverted
}

}  // namespace
