// The disabled push button's mix and the dotted focus frame, on tiny pictures.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/handlers/ButtonPixels.h"

namespace {

PixelBuffer Filled(int32_t w, int32_t h, uint32_t value) {
  PixelBuffer b(w, h);
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x) b.At(x, y) = value;
  return b;
}

std::vector<std::string> Dots(const PixelBuffer& b, uint32_t ink) {
  std::vector<std::string> rows;
  for (int32_t y = 0; y < b.Height(); ++y) {
    std::string row;
    for (int32_t x = 0; x < b.Width(); ++x) row += b.At(x, y) == ink ? '#' : '.';
    rows.push_back(row);
  }
  return rows;
}

TEST(DisabledButtonTest, PlainBackgroundPullsEveryPixelButTheKeySixtyPercent) {
  PixelBuffer b(4, 1);
  b.At(0, 0) = 0x8010FF80;  // alpha 0x80, red 0x10, green 0xFF, blue 0x80
  b.At(1, 0) = 0xFF000000;
  b.At(2, 0) = 0x00FF00FF;  // the transparent key stays
  b.At(3, 0) = 0xFFFF00FF;  // opaque magenta is no key
  BackgroundInfo bg;
  bg.PlainColor = RGBColor(0xFF, 0x00, 0x40);
  MixDisabledButton(b, {5, 5}, bg, clBlack);
  // round(0.4 c + 0.6 k): 0.4*0x10 + 0.6*0xFF = 159.4, 0.4*0xFF = 102, 0.4*0x80 + 0.6*0x40 = 89.6, 0.6*0x40 = 38.4,
  // 0.4*0xFF + 0.6*0x40 = 140.4
  EXPECT_EQ(b.At(0, 0), 0x809F665Au);
  EXPECT_EQ(b.At(1, 0), 0xFF990026u);
  EXPECT_EQ(b.At(2, 0), 0x00FF00FFu);
  EXPECT_EQ(b.At(3, 0), 0xFFFF008Cu);

  PixelBuffer unknown = Filled(1, 1, 0xFF000000);
  MixDisabledButton(unknown, {}, BackgroundInfo{}, RGBColor(0, 0, 0xFF));  // no colour known: the parent's
  EXPECT_EQ(unknown.At(0, 0), 0xFF000099u);
}

TEST(DisabledButtonTest, PictureBackgroundShowsSixtyPercentOfThePictureUnderTheButton) {
  // Grey levels 20 x + 60 y; the button sits at (1, 0) in an area whose origin is (1, 1) in the picture.
  PixelBuffer parent(4, 3);
  for (int32_t y = 0; y < 3; ++y)
    for (int32_t x = 0; x < 4; ++x) {
      const uint32_t g = uint32_t(20 * x + 60 * y);
      parent.At(x, y) = 0xFF000000u | g << 16 | g << 8 | g;
    }
  BackgroundInfo bg;
  bg.Bitmap = &parent;
  bg.BitmapReady = true;
  bg.OriginX = bg.OriginY = 1;
  PixelBuffer b = Filled(2, 2, 0x40000000);  // black, alpha kept
  MixDisabledButton(b, {1, 0}, bg, clWhite);
  // Under the button: parent (2..3, 1..2) = 100, 120 / 160, 180; 0.6 of each.
  EXPECT_EQ(b.At(0, 0), 0x403C3C3Cu);
  EXPECT_EQ(b.At(1, 0), 0x40484848u);
  EXPECT_EQ(b.At(0, 1), 0x40606060u);
  EXPECT_EQ(b.At(1, 1), 0x406C6C6Cu);
}

TEST(DottedFrameTest, EveryOtherPixelFromOneInsideEachCorner) {
  const uint32_t ink = 0xFF0000FF;  // blue, opaque
  struct Case {
    TSize picture;
    TRect frame;
    std::vector<std::string> dots;
  } cases[] = {
      {{8, 6}, {1, 1, 7, 5}, {"........", "..#.#.#.", ".#....#.", "........", ".##.#.#.", "........"}},
      {{5, 3}, {0, 0, 5, 3}, {".#.#.", "#...#", ".#.#."}},  // odd sizes stop short of the far corner
      {{3, 3}, {-2, -1, 4, 3}, {"...", "...", ".#."}},     // clipped to the picture
      {{3, 3}, {1, 1, 1, 3}, {"...", "...", "..."}},       // empty
  };
  for (const Case& c : cases) {
    PixelBuffer b = Filled(c.picture.cx, c.picture.cy, 0xFFFFFFFF);
    DrawDottedFrame(b, c.frame, RGBColor(0, 0, 0xFF));
    EXPECT_EQ(Dots(b, ink), c.dots);
  }
}

}  // namespace
