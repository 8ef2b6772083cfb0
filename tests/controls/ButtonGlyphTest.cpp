#include "skin/controls/ButtonGlyph.h"

#include <gtest/gtest.h>

namespace {

TEST(ButtonGlyphTest, ImageChosenByState) {
  struct Case {
    int32_t numGlyphs, state;
    bool enabled, stdOrder;
    int32_t image;
  } cases[] = {
      {1, 2, true, false, 0},  // one image serves every state
      {4, 1, true, false, 1},  {4, 2, true, false, 2}, {2, 2, true, false, 1},
      {3, 1, true, true, 0},   // standard order: hot shows the normal image
      {3, 2, true, true, 2},   {2, 2, true, true, 0},  {3, 0, false, true, 1},
      {1, 0, false, true, 0},  {0, 1, true, false, 0},  // no count: one image
  };
  for (const auto& c : cases) {
    ButtonGlyphInput in;
    in.NumGlyphs = c.numGlyphs;
    in.State = c.state;
    in.Enabled = c.enabled;
    in.StdGlyphsOrder = c.stdOrder;
    EXPECT_EQ(GlyphImageIndex(in), c.image) << c.numGlyphs << " images, state " << c.state;
  }
}

TEST(ButtonGlyphTest, GreyByModeStateAndDisabledLook) {
  using M = TacGrayedMode;
  struct Case {
    const char* name;
    GlyphGrayInput in;
    bool grey;
  } cases[] = {
      {"plain", {true, M::gmInactive, false, false, 0, true, false}, false},
      {"Grayed, normal", {true, M::gmInactive, true, false, 0, true, false}, true},
      {"Grayed, hot: in colour", {true, M::gmInactive, true, false, 1, true, false}, false},
      {"Grayed, pressed: in colour", {true, M::gmInactive, true, false, 2, true, false}, false},
      {"discoloured glyphs, normal", {true, M::gmInactive, false, true, 0, true, false}, true},
      {"discoloured glyphs, hot", {true, M::gmInactive, false, true, 1, true, false}, false},
      {"always, pressed", {true, M::gmAlways, false, false, 2, true, false}, true},
      {"disabled, grey look", {true, M::gmInactive, false, false, 0, false, true}, true},
      {"disabled, blended look only", {true, M::gmInactive, false, false, 0, false, false}, false},
      {"no manager: Grayed greys when hot too", {false, M::gmInactive, true, false, 1, true, false}, true},
      {"no manager: always means nothing", {false, M::gmAlways, false, false, 1, true, false}, false},
      {"no manager: discoloured means nothing", {false, M::gmInactive, false, true, 0, true, false}, false},
  };
  for (const Case& c : cases) EXPECT_EQ(GlyphGrayed(c.in), c.grey) << c.name;
}

TEST(ButtonGlyphTest, ImageLaidOverWithItsAlphaAndBlendInTheNormalState) {
  PixelBuffer strip(4, 1);  // two images of 2 x 1: red opaque, blue half transparent
  strip.At(0, 0) = strip.At(1, 0) = 0xFFFF0000u;
  strip.At(2, 0) = strip.At(3, 0) = 0x800000FFu;
  const auto paint = [&](int32_t state, int32_t blend, bool grayed) {
    PixelBuffer target(3, 1);
    for (int32_t x = 0; x < 3; ++x) target.At(x, 0) = 0xFF000000u;
    ButtonGlyphInput in;
    in.Strip = &strip;
    in.NumGlyphs = 2;
    in.State = state;
    in.Blend = blend;
    in.Grayed = grayed;
    PaintButtonGlyph(target, {1, 0, 3, 1}, in);
    return target;
  };
  EXPECT_EQ(paint(0, 0, false).At(1, 0), 0xFFFF0000u);
  EXPECT_EQ(paint(0, 0, false).At(0, 0), 0xFF000000u);  // left of the glyph: untouched
  EXPECT_EQ(paint(1, 0, false).At(2, 0), 0xFF000080u);  // the hot image at alpha 128 over black
  EXPECT_EQ(paint(0, 50, false).At(1, 0), 0xFF7E0000u);  // blend 50: alpha 127
  EXPECT_EQ(paint(1, 50, false).At(2, 0), 0xFF000080u);  // blend only in state 0
  EXPECT_EQ(paint(0, 0, true).At(1, 0), 0xFF555555u);    // grey: (R + G + B) / 3
  EXPECT_EQ(paint(0, 200, false).At(1, 0), 0xFF000000u);  // blend clamped to 100: invisible
  PixelBuffer edge(2, 1);
  ButtonGlyphInput in;
  in.Strip = &strip;
  in.NumGlyphs = 2;
  PaintButtonGlyph(edge, {-1, 0, 1, 1}, in);  // half outside the target: clipped
  EXPECT_EQ(edge.At(0, 0) & 0xFFFFFFu, 0xFF0000u);
}

}  // namespace
