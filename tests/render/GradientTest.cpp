#include "skin/render/core/Gradient.h"

#include <gtest/gtest.h>

#include <string>

#include "skin/render/core/SkinError.h"
#include "tests/render/TestPictures.h"

namespace {

constexpr uint32_t Opaque(uint32_t r, uint32_t g, uint32_t b) { return 0xFF000000u | r << 16 | g << 8 | b; }

TEST(ParseGradientTest, FieldsStepsAndLimits) {
  struct Case {
    std::string text;
    size_t steps;
    TsGradPoint first;
  } cases[] = {
      {";;15724527;;15198183;97;0;0;", 1, {15724527, 15198183, 97, 0}},
      {"1;2;3;4;5;6;7", 1, {1, 2, 3, 4}},
      {"1;2;3;1;5;6;7;8;9;10", 2, {1, 2, 3, 1}},
      {"1;2;150;0;0", 1, {1, 2, 100, 0}},
      {"1;2;-5;2;0", 1, {1, 2, 0, 2}},
      {"-16777201;+7;50;0;x", 1, {RGBColor(212, 208, 200), 7, 50, 0}},  // a system colour; field 5 is not read
      {"N/A", 0, {}},
      {"", 0, {}},
  };
  for (const Case& c : cases) {
    const TsGradArray g = ParseGradient(c.text);
    ASSERT_EQ(g.size(), c.steps) << c.text;
    if (g.empty()) continue;
    EXPECT_EQ(g[0].Color1, c.first.Color1) << c.text;
    EXPECT_EQ(g[0].Color2, c.first.Color2) << c.text;
    EXPECT_EQ(g[0].Percent, c.first.Percent) << c.text;
    EXPECT_EQ(g[0].Mode, c.first.Mode) << c.text;
  }
  EXPECT_EQ(ParseGradient("1;2;3;1;5;6;7;8;9;10")[1].Color1, 6u);
}

TEST(ParseGradientTest, UsedFieldsMustBeIntegers) {
  for (const char* text : {"1;2;3x;0;0", "1; 2;3;0;0", "1;2;3;99999999999;0", "0x10;2;3;0;0", "1;2;-;0;0"})
    EXPECT_THROW(ParseGradient(text), ESkinError) << text;
  try {
    ParseGradient("1;abc;3;0;0");
    FAIL();
  } catch (const ESkinError& e) {
    EXPECT_STREQ(e.what(), "'abc' is not a valid integer value");
  }
}

TEST(PaintGradientTest, VerticalBandsShareTheirBoundaryRow) {
  // 11 rows, 50 % then 0 %: rows 0-5 the first ramp, rows 5-10 the second (row 5 twice).
  const TsGradArray g = {{RGBColor(0, 0, 0), RGBColor(250, 0, 0), 50, 0}, {RGBColor(0, 100, 0), RGBColor(0, 0, 0), 0, 0}};
  PixelBuffer b = Filled(3, 11, 0);
  PaintGradient(b, {0, 0, 3, 11}, g);
  for (int32_t y = 0; y < 5; ++y) EXPECT_EQ(b.At(2, y), Opaque(50 * y, 0, 0)) << y;
  for (int32_t y = 5; y <= 10; ++y) EXPECT_EQ(b.At(0, y), Opaque(0, 100 - 20 * (y - 5), 0)) << y;
}

// 100 % then 0 %: the first band reaches the last row, the second is empty and
// paints nothing, so the last row keeps the first step's end colour. Likewise
// across columns.
TEST(PaintGradientTest, AnEmptyLastBandPaintsNothing) {
  const TsGradArray rows = {{RGBColor(0, 0, 0), RGBColor(250, 0, 0), 100, 0}, {RGBColor(0, 99, 0), RGBColor(0, 99, 0), 0, 0}};
  PixelBuffer b = Filled(2, 11, 0);
  PaintGradient(b, b.Bounds(), rows);
  for (int32_t y = 0; y <= 10; ++y) EXPECT_EQ(b.At(1, y), Opaque(25 * y, 0, 0)) << y;

  TsGradArray columns = rows;
  for (TsGradPoint& p : columns) p.Mode = 1;
  PixelBuffer c = Filled(11, 2, 0);
  PaintGradient(c, c.Bounds(), columns);
  for (int32_t x = 0; x <= 10; ++x) EXPECT_EQ(c.At(x, 1), Opaque(25 * x, 0, 0)) << x;
}

TEST(PaintGradientTest, OneVerticalStepFillsToTheLastRowWhateverItsPercent) {
  for (int percent : {0, 10, 100}) {
    PixelBuffer b = Filled(2, 6, 0);
    PaintGradient(b, {0, 1, 9, 99}, {{RGBColor(9, 9, 9), RGBColor(9, 9, 9), uint8_t(percent), 0}});  // clipped
    for (int32_t y = 0; y < 6; ++y) EXPECT_EQ(b.At(1, y), y == 0 ? 0u : Opaque(9, 9, 9)) << percent << " " << y;
  }
}

// Every band of a one-pixel area is empty; the last step paints it all the same.
TEST(PaintGradientTest, AOnePixelHighRectangleIsPainted) {
  PixelBuffer b = Filled(4, 1, 0);
  PaintGradient(b, b.Bounds(), {{RGBColor(1, 2, 3), RGBColor(200, 200, 200), 100, 0}});
  EXPECT_EQ(b.At(3, 0), Opaque(1, 2, 3));
  PixelBuffer c = Filled(1, 3, 0);
  PaintGradient(c, c.Bounds(), {{RGBColor(1, 2, 3), RGBColor(200, 200, 200), 100, 1}});
  EXPECT_EQ(c.At(0, 2), Opaque(1, 2, 3));
  PixelBuffer d = Filled(4, 1, 0);
  PaintGradient(d, d.Bounds(), {{RGBColor(1, 2, 3), RGBColor(1, 2, 3), 97, 0}, {RGBColor(7, 8, 9), RGBColor(7, 8, 9), 0, 0}});
  EXPECT_EQ(d.At(0, 0), Opaque(7, 8, 9));
}

TEST(PaintGradientTest, HorizontalBandsRepeatRowTop) {
  // Width 10: the solid first band ends at trunc(50 * 0.1) = 5, the ramp runs 5..9 over 4 steps.
  const TsGradArray g = {{RGBColor(7, 7, 7), RGBColor(7, 7, 7), 50, 1}, {RGBColor(0, 0, 0), RGBColor(0, 0, 200), 47, 1}};
  PixelBuffer b = Filled(10, 4, 0);
  PaintGradient(b, b.Bounds(), g);
  for (int32_t x = 0; x < 5; ++x) EXPECT_EQ(b.At(x, 0), Opaque(7, 7, 7)) << x;
  for (int32_t x = 5; x < 10; ++x) EXPECT_EQ(b.At(x, 0), Opaque(0, 0, 0) | uint32_t(50 * (x - 5))) << x;
  for (int32_t y = 1; y < 4; ++y)
    for (int32_t x = 0; x < 10; ++x) EXPECT_EQ(b.At(x, y), b.At(x, 0));
}

TEST(PaintGradientTest, FourTrianglesCoverTheRectangle) {
  PixelBuffer b = Filled(9, 7, 0);
  PaintGradient(b, {1, 1, 8, 6}, {{RGBColor(10, 20, 30), 0, 0, 2}});  // one step: every vertex its colour
  for (int32_t y = 0; y < 7; ++y)
    for (int32_t x = 0; x < 9; ++x)
      EXPECT_EQ(b.At(x, y), x >= 1 && x < 8 && y >= 1 && y < 6 ? Opaque(10, 20, 30) : 0u) << x << "," << y;

  // Distinct corners: pixels next to a corner take (nearly) its colour.
  const TsGradArray corners = {{RGBColor(255, 0, 0), 0, 0, 2}, {RGBColor(0, 0, 0), 0, 0, 0}, {RGBColor(0, 255, 0), 0, 0, 0},
                               {RGBColor(0, 0, 255), 0, 0, 0}, {RGBColor(255, 255, 255), 0, 0, 0}};
  PixelBuffer c = Filled(64, 64, 0);
  PaintGradient(c, c.Bounds(), corners);
  EXPECT_GE((c.At(0, 0) >> 16) & 0xFF, 240u);
  EXPECT_GE((c.At(63, 0) >> 8) & 0xFF, 240u);
  EXPECT_GE(c.At(63, 63) & 0xFF, 240u);
  EXPECT_GE(c.At(0, 63) & 0xFF, 240u);
  EXPECT_LE(c.At(32, 32) & 0xFFFFFF, 0x080808u);
}

// The combined painter equals the plain gradient mixed per pixel with the
// texture tile anchored at the buffer's origin.
TEST(PaintGradientWithTextureTest, MatchesGradientThenTextureMix) {
  PixelBuffer texture(6, 5);
  for (int32_t y = 0; y < 5; ++y)
    for (int32_t x = 0; x < 6; ++x) texture.At(x, y) = 0x00000000u | uint32_t(x * 40) << 16 | uint32_t(y * 60) << 8 | 99;
  const TRect tileRects[] = {{1, 1, 4, 3}, {}};  // the empty one means the whole image, cut to 5 x 4
  for (int mode : {0, 1}) {
    for (const TRect& tile : tileRects) {
      const TsGradArray g = {{RGBColor(0, 100, 200), RGBColor(250, 0, 50), 60, mode}, {RGBColor(9, 9, 9), RGBColor(90, 90, 90), 0, mode}};
      const TRect rect{2, 1, 15, 12};
      PixelBuffer plain = Filled(16, 13, 0), combined = Filled(16, 13, 0);
      PaintGradient(plain, rect, g);
      PaintGradientWithTexture(combined, rect, g, 0x7F, 77, tile, texture);
      const TRect tr = tile.IsEmpty() ? TRect{0, 0, 5, 4} : tile;
      for (int32_t y = 0; y < 13; ++y)
        for (int32_t x = 0; x < 16; ++x) {
          uint32_t expected = 0;
          if (x >= rect.Left && x < rect.Right && y >= rect.Top && y < rect.Bottom) {
            const uint32_t gp = plain.At(x, y), t = texture.At(tr.Left + x % tr.Width(), tr.Top + y % tr.Height());
            expected = 0x7F000000u;
            for (int s = 0; s < 24; s += 8) {
              const int32_t gc = int32_t(gp >> s) & 0xFF, tc = int32_t(t >> s) & 0xFF;
              expected |= uint32_t((77 * (tc - gc) + gc * 256) >> 8) << s;
            }
          }
          ASSERT_EQ(combined.At(x, y), expected) << "mode " << mode << " at " << x << "," << y;
        }
    }
  }
}

TEST(PaintGradientWithTextureTest, DegenerateInputsPaintNothing) {
  PixelBuffer texture = Filled(1, 1, 0x00FFFFFF), b = Filled(4, 4, 0);
  const TsGradArray g = {{0, 0, 100, 0}};
  PaintGradientWithTexture(b, b.Bounds(), g, 255, 100, {}, texture);  // tile cut to 0 x 0
  PaintGradientWithTexture(b, b.Bounds(), g, 255, 100, {-1, 0, 1, 1}, Filled(4, 4, 0));
  PaintGradientWithTexture(b, b.Bounds(), {{0, 0, 100, 2}}, 255, 100, {0, 0, 1, 1}, Filled(4, 4, 0));
  PaintGradient(b, {3, 3, 3, 9}, g);
  for (int32_t y = 0; y < 4; ++y)
    for (int32_t x = 0; x < 4; ++x) EXPECT_EQ(b.At(x, y), 0u);
}

}  // namespace
