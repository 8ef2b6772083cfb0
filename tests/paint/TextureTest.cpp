#include "skin/paint/Textures.h"

#include <gtest/gtest.h>

#include "PaintTestSkin.h"
#include "skin/render/core/Blend.h"
#include "skin/paint/GlyphFrame.h"

namespace {

constexpr uint32_t kUntouched = 0xFF123456u;

// A 10 x 10 tile whose pixels say where they are, at (5, 5) of a 20 x 20 master.
uint32_t TilePixel(int32_t x, int32_t y) { return 0xFF000000u | uint32_t(x + 1) << 8 | uint32_t(y + 1); }

TestSkin TileSkin(int32_t& mask) {
  TestSkin skin;
  skin.Master = Filled(20, 20, Px('.'));
  for (int32_t y = 0; y < 10; ++y)
    for (int32_t x = 0; x < 10; ++x) skin.Master.At(5 + x, 5 + y) = TilePixel(x, y);
  mask = skin.AddMask(MaskOf({5, 5, 15, 15}, 1, 0, 0, 0, 0, 0, 0));
  return skin;
}

TEST(TextureTest, TilesOverA25SquareAreaStartAt0And10AndAreCutAtTheEdges) {
  int32_t m = -1;
  const TestSkin skin = TileSkin(m);
  struct Case {
    int32_t mode;
    int32_t paintedRows;  // rows 20..24 are left in mode 10
  } cases[] = {{0, 25}, {10, 20}};
  for (const auto& c : cases) {
    PixelBuffer target = Filled(25, 25, kUntouched);
    const TRect rest = PaintTexture(skin.View(), target, target.Bounds(), skin.Masks[size_t(m)], c.mode);
    EXPECT_EQ(rest, kNothingRemains);
    PixelBuffer expected = Filled(25, 25, kUntouched);
    for (int32_t y = 0; y < c.paintedRows; ++y)
      for (int32_t x = 0; x < 25; ++x) expected.At(x, y) = TilePixel(x % 10, y % 10);
    EXPECT_TRUE(PixelsEqual(target, expected, "tiles_mode" + std::to_string(c.mode))) << "mode " << c.mode;
  }
}

TEST(TextureTest, EdgeModesReportWhatIsLeftForTheCaller) {
  int32_t m = -1;
  const TestSkin skin = TileSkin(m);
  const TRect area{0, 0, 25, 25};
  struct Case {
    int32_t mode;
    TRect remainder;
  } cases[] = {
      {1, kNothingRemains},     {2, {0, 10, 25, 25}}, {3, {10, 0, 25, 25}}, {4, {0, 10, 25, 25}},
      {5, {10, 0, 25, 25}},     {6, {0, 0, 25, 15}},  {7, {0, 0, 15, 25}},  {11, kNothingRemains},
      {12, kNothingRemains},    {8, area},            {-3, area},
  };
  for (const auto& c : cases) {
    PixelBuffer target = Filled(25, 25, kUntouched);
    EXPECT_EQ(PaintTexture(skin.View(), target, area, skin.Masks[size_t(m)], c.mode), c.remainder) << c.mode;
  }
  // Mode 6 lays its one row along the bottom edge.
  PixelBuffer target = Filled(25, 25, kUntouched);
  PaintTexture(skin.View(), target, area, skin.Masks[size_t(m)], 6);
  EXPECT_EQ(target.At(0, 15), TilePixel(0, 0));
  EXPECT_EQ(target.At(0, 14), kUntouched);
}

TEST(TextureTest, MaskedTextureInWholeRowsFillsTheUncoveredStripsFromTheBackground) {
  TestSkin skin;
  // A 2 x 2 tile (with a key pixel) over its black mask: the tile shows wherever it is not the key.
  skin.Master = Picture({"aK", "bc", "00", "00"});
  const int32_t m = skin.AddMask(MaskOf({0, 0, 2, 4}, 1, 1, 10, 0, 0, 0, 0));
  const PixelBuffer parent = Filled(5, 5, Px('p'));
  BackgroundInfo bg;
  bg.Bitmap = &parent;
  bg.BitmapReady = true;
  PixelBuffer target = Filled(5, 5, Px('.'));
  ASSERT_TRUE(PaintMaskedTexture(skin.View(), target, target.Bounds(), bg, 10, skin.Masks[size_t(m)]));
  // Whole tiles at 0 and 2 in both directions; the key pixels and the strips right and below show the parent.
  EXPECT_TRUE(PixelsAre(target, {"apapp", "bcbcp", "apapp", "bcbcp", "ppppp"}, "masked_mode10"));

  BackgroundInfo plain;
  plain.PlainColor = RGBColor(1, 2, 3);
  target = Filled(5, 5, Px('.'));
  EXPECT_FALSE(PaintMaskedTexture(skin.View(), target, target.Bounds(), plain, 4, skin.Masks[size_t(m)]));
  EXPECT_TRUE(PaintMaskedTexture(skin.View(), target, target.Bounds(), plain, 0, skin.Masks[size_t(m)]));
  // Mode 0 cuts the last column; the bottom strip stays; key pixels take the plain colour with alpha 0.
  EXPECT_EQ(target.At(4, 0), Px('a'));
  EXPECT_EQ(target.At(1, 0), ExchangeRedBlue(RGBColor(1, 2, 3)));
  EXPECT_EQ(target.At(0, 4), Px('.'));
}

TEST(GlyphFrameTest, NegativePositionsCutTheFrame) {
  TestSkin skin;
  skin.Master = Picture({"abcdef", "ghijkl"});
  const int32_t m = skin.AddMask(MaskOf({0, 0, 6, 2}, 2, 0, 0, 0, 0, 0, 0));
  BackgroundInfo ready;
  ready.BitmapReady = true;
  struct Case {
    TPoint at;
    int32_t state;
    Rows expected;
  } cases[] = {
      {{-1, 0}, 0, {"bc..", "hi.."}},
      {{1, -1}, 0, {".ghi", "...."}},
      {{-2, 0}, 1, {"f...", "l..."}},
      {{-3, 0}, 1, {"....", "...."}},  // all three columns cut
      {{2, 1}, 5, {"....", "..de"}},  // state beyond the frames uses the last one; cut at the target
  };
  for (const auto& c : cases) {
    PixelBuffer target = Filled(4, 2, Px('.'));
    PaintGlyphFrame(skin.View(), target, c.at, c.state, ready, skin.Masks[size_t(m)], kGlyphNormalLook);
    EXPECT_TRUE(PixelsAre(target, c.expected, "glyph_cut")) << c.at.X << "," << c.at.Y;
  }
}

TEST(GlyphFrameTest, MaskedGlyphFadesItsMaskAndGrowsTheAlpha) {
  TestSkin skin;
  // An external picture: glyph row over its mask row (mask bytes 0, 154, 155, 255).
  auto picture = std::make_shared<PixelBuffer>(Picture({"aaaa", "0000"}));
  const uint8_t maskBytes[4] = {0, 154, 155, 255};
  for (int32_t x = 0; x < 4; ++x) picture->At(x, 1) = 0xFF000000u | maskBytes[x] * 0x010101u;
  TsMaskData mask = MaskOf({0, 0, 4, 2}, 1, 1, 0, 0, 0, 0, 0);
  mask.Image = picture;
  const int32_t m = skin.AddMask(mask);
  for (int32_t look : {1, 2}) {
    PixelBuffer target = Filled(4, 1, 0x00000000u);  // black, alpha 0
    PaintGlyphFrame(skin.View(), target, {0, 0}, 0, {}, skin.Masks[size_t(m)], look);
    for (int32_t x = 0; x < 4; ++x) {
      const uint32_t mb = maskBytes[x];
      const uint32_t used = look == 1 ? mb : std::min<uint32_t>(mb + 100, 255);
      const uint32_t colour = mb == 255 ? 0 : MaskRule(0, Px('a'), used * 0x010101u) & 0x00FFFFFFu;
      const uint32_t alpha = mb == 255 ? 0 : ((255 * (255 - mb)) >> 8);
      EXPECT_EQ(target.At(x, 0), colour | alpha << 24) << "look " << look << " mask " << mb;
    }
    if (look == 2) {
      EXPECT_EQ(target.At(2, 0) & 0x00FFFFFFu, 0u);  // a faded mask of 155 keeps the target colour
    }
  }
}

}  // namespace
