#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "skin/render/core/Blend.h"
#include "skin/render/core/ColorFilters.h"
#include "skin/render/core/DisabledLook.h"
#include "skin/render/core/Raster.h"
#include "tests/render/TestPictures.h"

namespace {

uint32_t Byte(uint32_t p, int i) { return (p >> (8 * i)) & 0xFF; }

// Pixels whose four bytes are a, b, c, d (blue first).
constexpr uint32_t Bytes(uint32_t b, uint32_t g, uint32_t r, uint32_t a) { return b | g << 8 | r << 16 | a << 24; }

TEST(FillPixelsTest, WritesOnlyTheOverlapWithAlphaAndExchangedChannels) {
  PixelBuffer b = Filled(4, 3, 0);
  FillPixels(b, {-1, -2, 2, 10}, 0x00332211, 0x80);
  for (int32_t y = 0; y < 3; ++y)
    for (int32_t x = 0; x < 4; ++x) EXPECT_EQ(b.At(x, y), x < 2 ? 0x80112233u : 0u) << x << "," << y;
  FillPixels(b, {3, 0, 2, 3}, 0xFFFFFF, 255);  // empty
  EXPECT_EQ(b.At(3, 0), 0u);
}

// Whole rows without gaps are filled as one run, long runs by string stores:
// every layout must still write exactly the rectangle.
TEST(FillPixelsTest, RunsOfEveryLengthAndLayoutWriteExactlyTheRectangle) {
  struct Case {
    int32_t width, height, padding;  // padding: pixels between rows; -1 stores rows bottom-up
    TRect rect;
  } cases[] = {
      {300, 4, 0, {0, 0, 300, 4}},    {300, 4, 0, {0, 1, 300, 3}},  {300, 4, 0, {1, 0, 299, 4}},
      {20, 20, 0, {0, 0, 20, 20}},    {7, 3, 0, {0, 0, 7, 3}},      {260, 3, 10, {0, 0, 260, 3}},
      {260, 3, -1, {0, 0, 260, 3}},   {257, 2, 0, {-5, 1, 400, 9}},
  };
  for (const Case& c : cases) {
    const int32_t pitch = c.width + std::max(c.padding, 0);
    std::vector<uint32_t> memory(size_t(pitch) * size_t(c.height) + 1, 0x11111111u);
    uint8_t* base = reinterpret_cast<uint8_t*>(memory.data());
    PixelBuffer b = c.padding < 0 ? PixelBuffer::Wrap(base + size_t(c.height - 1) * pitch * 4, c.width, c.height, -pitch * 4)
                                  : PixelBuffer::Wrap(base, c.width, c.height, pitch * 4);
    FillPixels(b, c.rect, 0x00332211, 0x80);
    int failures = 0;
    for (int32_t y = 0; y < c.height; ++y)
      for (int32_t x = 0; x < c.width; ++x) {
        const bool inside = x >= c.rect.Left && x < c.rect.Right && y >= c.rect.Top && y < c.rect.Bottom;
        if (b.At(x, y) != (inside ? 0x80112233u : 0x11111111u) && ++failures <= 3)
          ADD_FAILURE() << c.width << "x" << c.height << " padding " << c.padding << " at " << x << "," << y;
      }
    for (int32_t y = 0; y < c.height && c.padding > 0; ++y)
      for (int32_t x = c.width; x < pitch; ++x) EXPECT_EQ(memory[size_t(y) * pitch + x], 0x11111111u) << "gap " << x;
    EXPECT_EQ(memory.back(), 0x11111111u);
  }
}

TEST(LerpColorTest, TruncatesAndKeepsTheFirstTopByte) {
  struct Case {
    TColor a, b;
    double w;
    TColor expected;
  } cases[] = {
      {0x0000FF, 0x000000, 0.5, 0x00007F}, {0xFF102030, 0x00000000, 1.0, 0xFF102030},
      {0x00FFFFFF, 0x00000000, 0.4, 0x00666666}, {0x00123456, 0x00ABCDEF, 0.0, 0x00ABCDEF},
  };
  for (const Case& c : cases) EXPECT_EQ(LerpColor(c.a, c.b, c.w), c.expected) << std::hex << c.a;
}

TEST(FadeToColorTest, RoundsHalvesToEvenAndKeepsAlpha) {
  PixelBuffer b(4, 1);
  b.At(0, 0) = 0x12FF0103;  // red 255, green 1, blue 3
  b.At(1, 0) = 0x00050505;
  b.At(2, 0) = 0xAB000000;
  b.At(3, 0) = 0x00777777;
  FadeToColor(b, {-5, -5, 3, 9}, 50, 0);  // 127.5 -> 128, 0.5 -> 0, 1.5 -> 2, 2.5 -> 2
  EXPECT_EQ(b.At(0, 0), 0x12800002u);
  EXPECT_EQ(b.At(1, 0), 0x00020202u);
  EXPECT_EQ(b.At(2, 0), 0xAB000000u);
  EXPECT_EQ(b.At(3, 0), 0x00777777u);  // outside the rectangle
  FadeToColor(b, b.Bounds(), 0, 0x000000FF);  // all colour: red
  EXPECT_EQ(b.At(3, 0), 0x00FF0000u);
}

TEST(AssignAlphaTest, SkipsKeyPixelsUnlessKeyIsNone) {
  PixelBuffer b = Filled(2, 1, 0x00FF00FF);
  b.At(1, 0) = 0x00123456;
  AssignAlpha(b, b.Bounds(), 0x40, 0x00FF00FF);
  EXPECT_EQ(b.At(0, 0), 0x00FF00FFu);
  EXPECT_EQ(b.At(1, 0), 0x40123456u);
  AssignAlpha(b, {0, 0, 9, 9}, 0x7F, clNone);  // clipped, not written past the buffer
  EXPECT_EQ(b.At(0, 0), 0x7FFF00FFu);
}

// ClearTransparentWhite keeps every pixel but transparent white as it is.
TEST(PremultiplyAlphaTest, ShiftsByEightAndClearsTransparentWhite) {
  struct Case {
    uint32_t in, out, cleared;
  } cases[] = {{0x00FFFFFF, 0, 0},
               {0x00FFFFFE, 0, 0x00FFFFFE},
               {0xFFFFFFFF, 0xFFFEFEFE, 0xFFFFFFFF},
               {0x80FF4020, 0x807F2010, 0x80FF4020},
               {0, 0, 0}};
  for (const Case& c : cases) {
    PixelBuffer b = Filled(1, 1, c.in);
    PremultiplyAlpha(b);
    EXPECT_EQ(b.At(0, 0), c.out) << std::hex << c.in;
    PixelBuffer kept = Filled(1, 1, c.in);
    ClearTransparentWhite(kept);
    EXPECT_EQ(kept.At(0, 0), c.cleared) << std::hex << c.in;
  }
}

// Every (d, s) pair in every byte lane, for a spread of weights.
TEST(BlendBuffersTest, MatchesTheByteFormulaForAllPairs) {
  PixelBuffer src(256, 256);
  for (int32_t y = 0; y < 256; ++y)
    for (int32_t x = 0; x < 256; ++x) src.At(x, y) = Bytes(x, x ^ 0xA5, 255 - x, y);
  for (int k : {0, 1, 2, 85, 127, 128, 200, 254, 255}) {
    PixelBuffer dst(256, 256);
    for (int32_t y = 0; y < 256; ++y)
      for (int32_t x = 0; x < 256; ++x) dst.At(x, y) = Bytes(y, 255 - y, y ^ 0x5A, x);
    const PixelBuffer before = dst.Clone();
    BlendBuffers(dst, src, k, {0, 0}, src.Bounds());
    int failures = 0;
    for (int32_t y = 0; y < 256 && failures < 5; ++y)
      for (int32_t x = 0; x < 256; ++x)
        for (int i = 0; i < 4; ++i) {
          const int32_t d = int32_t(Byte(before.At(x, y), i)), s = int32_t(Byte(src.At(x, y), i));
          const uint32_t expected = uint32_t(((d - s) * k + s * 256) >> 8);
          if (Byte(dst.At(x, y), i) != expected && ++failures < 5)
            ADD_FAILURE() << "k " << k << " d " << d << " s " << s << " lane " << i;
        }
  }
}

TEST(BlendBuffersTest, EdgeWeights) {
  PixelBuffer dst = Filled(1, 1, 0x00000000), src = Filled(1, 1, 0xFFFFFFFF);
  BlendBuffers(dst, src, 255, {0, 0}, src.Bounds());
  EXPECT_EQ(dst.At(0, 0), 0u);  // (-255 * 255 + 255 * 256) >> 8 = 0
  BlendBuffers(dst, src, 0, {0, 0}, src.Bounds());
  EXPECT_EQ(dst.At(0, 0), 0xFFFFFFFFu);  // the source exactly, alpha too
}

TEST(BlendBuffersTest, NegativeStartsMoveBothSidesAndOutsideStartsDoNothing) {
  PixelBuffer src(4, 1);
  for (int32_t x = 0; x < 4; ++x) src.At(x, 0) = 0x01010101u * uint32_t(x + 1);
  struct Case {
    TPoint at;
    TRect from;
    std::vector<uint32_t> row;
  } cases[] = {
      {{-1, 0}, {0, 0, 4, 1}, {0x02020202, 0x03030303, 0x04040404}},
      {{1, 0}, {-1, 0, 4, 1}, {0, 0, 0x01010101}},  // the source start moves the destination
      {{0, 0}, {2, 0, 9, 9}, {0x03030303, 0x04040404, 0}},
      {{3, 0}, {0, 0, 4, 1}, {0, 0, 0}},
      {{0, 0}, {4, 0, 5, 1}, {0, 0, 0}},
  };
  for (const Case& c : cases) {
    PixelBuffer dst = Filled(3, 1, 0);
    BlendBuffers(dst, src, 0, c.at, c.from);
    for (int32_t x = 0; x < 3; ++x) EXPECT_EQ(dst.At(x, 0), c.row[x]) << c.at.X << " " << c.from.Left << " x " << x;
  }
}

// Every source alpha against every destination byte; the colour lanes carry
// premultiplied values (at most the alpha), the alpha lane the alpha itself.
TEST(ComposeOverTest, MatchesTheByteFormulaForEveryAlphaAndDestination) {
  PixelBuffer src(256, 256), dst(256, 256);
  for (int32_t y = 0; y < 256; ++y)
    for (int32_t x = 0; x < 256; ++x) {
      src.At(x, y) = Bytes(0, uint32_t(y) / 2, uint32_t(y), uint32_t(y));
      dst.At(x, y) = Bytes(uint32_t(x), 255 - uint32_t(x), uint32_t(x) ^ 0x5A, uint32_t(x));
    }
  const PixelBuffer before = dst.Clone();
  ComposeOver(dst, src, {0, 0});
  int failures = 0;
  for (int32_t y = 0; y < 256; ++y)
    for (int32_t x = 0; x < 256; ++x)
      for (int i = 0; i < 4; ++i) {
        const uint32_t d = Byte(before.At(x, y), i), sv = Byte(src.At(x, y), i), a = uint32_t(y);
        const uint32_t expected = std::min(255u, sv + (d * (255 - a) + 127) / 255);
        if (Byte(dst.At(x, y), i) != expected && ++failures < 5)
          ADD_FAILURE() << "alpha " << a << " d " << d << " s " << sv << " lane " << i;
      }
}

TEST(ComposeOverTest, OnlyTheOverlapChanges) {
  const PixelBuffer src = Filled(2, 2, 0xFF102030);
  for (TPoint at : {TPoint{-1, -1}, TPoint{2, 2}, TPoint{3, 0}}) {
    PixelBuffer dst = Filled(3, 3, 0xFF808080);
    ComposeOver(dst, src, at);
    for (int32_t y = 0; y < 3; ++y)
      for (int32_t x = 0; x < 3; ++x) {
        const bool covered = x >= at.X && x < at.X + 2 && y >= at.Y && y < at.Y + 2;
        EXPECT_EQ(dst.At(x, y), covered ? 0xFF102030u : 0xFF808080u) << at.X << "," << at.Y << " at " << x << "," << y;
      }
  }
}

TEST(MaskRuleTest, EdgeValues) {
  EXPECT_EQ(MaskRule(0xAA123456, 0x00ABCDEF, 0x00000000), 0xAAABCDEFu);  // black mask puts the image down
  EXPECT_EQ(MaskRule(0x00FFFFFF, 0x00000000, 0x00FFFFFF), 0x00FEFEFEu);  // white mask: 254
  EXPECT_EQ(MaskRule(0x00FF0000, 0x0000FF00, 0x00FF00FF), 0x00FEFF00u);  // per channel
}

// The row form (vectorised) against the byte formula: lane 0 runs through every
// (d, s, m) triple, the other lanes through other mixes; odd d also checks the opaque form.
TEST(MaskRuleTest, RowFormMatchesTheByteFormulaExhaustively) {
  std::vector<uint32_t> d(256), s(256), m(256), row(256);
  int failures = 0;
  for (uint32_t dv = 0; dv < 256; ++dv) {
    for (uint32_t i = 0; i < 256; ++i) {
      d[i] = Bytes(dv, 255 - dv, dv ^ 0x33, i);
      s[i] = Bytes(i, i ^ 0x5A, 255 - i, dv);
    }
    const bool opaque = dv % 2 == 1;
    for (uint32_t mv = 0; mv < 256; ++mv) {
      for (uint32_t i = 0; i < 256; ++i) m[i] = Bytes(mv, 255 - mv, (mv + i) & 0xFF, mv);
      row = d;
      MaskRuleRow(row.data(), s.data(), m.data(), 256, opaque);
      for (int i = 0; i < 256; ++i) {
        uint32_t expected = opaque ? 0xFF000000u : d[i] & 0xFF000000u;
        for (int c = 0; c < 3; ++c) {
          const int32_t db = int32_t(Byte(d[i], c)), sb = int32_t(Byte(s[i], c)), mb = int32_t(Byte(m[i], c));
          expected |= uint32_t(((db - sb) * mb + sb * 256) >> 8) << (8 * c);
        }
        if (row[i] != expected && ++failures <= 5) ADD_FAILURE() << "d " << dv << " m " << mv << " s " << i;
        if (i % 61 == 0 && MaskRule(d[i], s[i], m[i]) != (expected & 0x00FFFFFFu) + (d[i] & 0xFF000000u))
          ADD_FAILURE() << "pixel form, d " << dv << " m " << mv << " s " << i;
      }
    }
  }
}

TEST(CopyWithKeyTest, SkipsOnlyTheExactKeyPixelAndClipsAnInclusiveRectangle) {
  PixelBuffer src(3, 2);
  src.At(0, 0) = 0x00FF00FF;  // key: skipped
  src.At(1, 0) = 0xFFFF00FF;  // same colour, alpha 255: copied
  src.At(2, 0) = 0x00000001;
  src.At(0, 1) = 0x00000002;
  src.At(1, 1) = 0x00000003;
  src.At(2, 1) = 0x00000004;
  PixelBuffer dst = Filled(3, 3, 0x99999999);
  CopyWithKey(dst, src, {1, 1}, {0, 0, 5, 1}, clFuchsia);  // Right and Bottom included, cut to the source
  EXPECT_EQ(dst.At(1, 1), 0x99999999u);
  EXPECT_EQ(dst.At(2, 1), 0xFFFF00FFu);
  EXPECT_EQ(dst.At(1, 2), 0x00000002u);
  EXPECT_EQ(dst.At(2, 2), 0x00000003u);
  EXPECT_EQ(dst.At(0, 2), 0x99999999u);

  std::mt19937 rng(7);
  PixelBuffer big(37, 5), target = Filled(37, 5, 0x12345678);
  for (int32_t y = 0; y < 5; ++y)
    for (int32_t x = 0; x < 37; ++x) big.At(x, y) = rng() % 3 == 0 ? 0x0000FF00 : rng();
  CopyWithKey(target, big, {0, 0}, {0, 0, 36, 4}, 0x0000FF00);  // green key, exchanged: the same value
  for (int32_t y = 0; y < 5; ++y)
    for (int32_t x = 0; x < 37; ++x)
      ASSERT_EQ(target.At(x, y), big.At(x, y) == 0x0000FF00 ? 0x12345678u : big.At(x, y));
}

TEST(CopyWithKeyOverBackgroundTest, KeyPixelsTakeWhatTheBackgroundOffers) {
  PixelBuffer src(2, 1);
  src.At(0, 0) = 0x00FF00FF;
  src.At(1, 0) = 0x00112233;
  PixelBuffer parent = Filled(4, 4, 0);
  parent.At(3, 2) = 0xFFABCDEF;  // under the key pixel: dst (1, 1) + origin (2, 1)

  struct Case {
    const char* name;
    bool ready, patch, selfBitmap, withBitmap;
    uint32_t keyResult, otherResult;
  } cases[] = {
      {"plain colour", false, true, false, false, 0x00332211, 0x00112233},
      {"ready, no patch", true, false, false, true, 0x55555555, 0x00112233},
      {"patched from the parent", true, true, false, true, 0xFFABCDEF, 0x00112233},
      {"patched, parent is the target", true, true, true, true, 0x55555555, 0xFF112233},
  };
  for (const Case& c : cases) {
    PixelBuffer dst = Filled(3, 2, 0x55555555);
    BackgroundInfo bg;
    bg.BitmapReady = c.ready;
    bg.Bitmap = c.withBitmap ? (c.selfBitmap ? &dst : &parent) : nullptr;
    bg.OriginX = 2;
    bg.OriginY = 1;
    bg.PlainColor = 0x00112233;
    CopyWithKeyOverBackground(dst, src, {1, 1}, {0, 0, 1, 0}, clFuchsia, bg, c.patch);
    EXPECT_EQ(dst.At(1, 1), c.keyResult) << c.name;
    EXPECT_EQ(dst.At(2, 1), c.otherResult) << c.name;
    EXPECT_EQ(dst.At(0, 0), 0x55555555u) << c.name;
  }
}

TEST(BlendThroughTest, MixesTowardTheSourceAndSkipsSourceKeys) {
  PixelBuffer src(3, 1);
  src.At(0, 0) = 0x00FF00FF;  // key
  src.At(1, 0) = 0x00FFFFFF;
  src.At(2, 0) = 0x00000000;
  PixelBuffer dst = Filled(3, 1, 0x7F0A0A0A);
  BlendThrough(dst, {0, 0}, clFuchsia, 0.4, {0, 0, 2, 0}, src);
  EXPECT_EQ(dst.At(0, 0), 0x7F0A0A0Au);
  EXPECT_EQ(dst.At(1, 0), 0x7F9D9D9Du);  // trunc(255 - 245 * 0.4)
  EXPECT_EQ(dst.At(2, 0), 0x7F040404u);  // trunc(0 + 10 * 0.4) = 4
  PixelBuffer shifted = Filled(3, 1, 0);
  BlendThrough(shifted, {0, 0}, clNone, 0.0, {-1, 0, 1, 0}, src);  // start -1: destination starts at 1
  EXPECT_EQ(shifted.At(0, 0), 0u);
  EXPECT_EQ(shifted.At(1, 0), 0x00FF00FFu);
  EXPECT_EQ(shifted.At(2, 0), 0x00FFFFFFu);
}

TEST(ToGreyTest, AveragesTruncatingAndHonoursTheKey) {
  PixelBuffer b(2, 1);
  b.At(0, 0) = 0x80FF0001;  // (255 + 0 + 1) / 3 = 85
  b.At(1, 0) = 0x00FF00FF;
  ToGrey(b, clFuchsia);
  EXPECT_EQ(b.At(0, 0), 0x80555555u);
  EXPECT_EQ(b.At(1, 0), 0x00FF00FFu);
  ToGrey(b);
  EXPECT_EQ(b.At(1, 0), 0x00AAAAAAu);
}

TEST(ColorFilterTest, PixelFilters) {
  struct Case {
    const char* name;
    uint32_t in;
    PixelFilter filter;
    int32_t parameter;
    uint32_t out;
  } cases[] = {
      {"brighten clamps high", 0x80F01005, PixelFilter::Brighten, 20, 0x80FF2419},
      {"brighten clamps low", 0x80F01005, PixelFilter::Brighten, -20, 0x80DC0000},
      {"saturate away from grey", 0x00C86432, PixelFilter::Saturate, 100, 0x00E85E19},
      {"saturate toward grey", 0x00C86432, PixelFilter::Saturate, -230, 0x007D726D},
      {"hue of pure red by 120", 0x7FFF0000, PixelFilter::ShiftHue, 120, 0x7F00FF00},
      // q = 180 * (1 - 2/3) in floating point truncates to 59
      {"hue 10 by -30 is 340", 0x00B41E00, PixelFilter::ShiftHue, -30, 0x00B4003B},
      {"tone keeps max, takes the hue", 0x44804020, PixelFilter::ToneColor, 0x00FF8000, 0x4400407F},
  };
  for (const Case& c : cases) {
    PixelBuffer b = Filled(1, 1, c.in);
    ApplyPixelFilter(b, c.filter, c.parameter, clNone);
    EXPECT_EQ(b.At(0, 0), c.out) << c.name << std::hex << " got " << b.At(0, 0);
  }
}

TEST(ColorFilterTest, GreyIsAFixedPointOfSaturateAndShiftHue) {
  for (uint32_t g = 0; g < 256; ++g) {
    const uint32_t grey = 0x5A000000u | g * 0x010101u;
    for (int32_t s : {-255, -230, -1, 1, 100, 255}) ASSERT_EQ(Saturate(grey, s), grey);
    ASSERT_EQ(ShiftHue(grey, 77), grey);
  }
}

TEST(ColorFilterTest, KeyedWalkSkipsOnlyTheTransparentKey) {
  PixelBuffer b(2, 1);
  b.At(0, 0) = 0x00FF00FF;
  b.At(1, 0) = 0xFFFF00FF;
  ApplyPixelFilter(b, PixelFilter::Brighten, -16, clFuchsia);
  EXPECT_EQ(b.At(0, 0), 0x00FF00FFu);
  EXPECT_EQ(b.At(1, 0), 0xFFEF00EFu);
}

TEST(ColorFilterTest, SingleColourFormsWorkOnExchangedValues) {
  EXPECT_EQ(ShiftHueColor(0x000000FF, 120), 0x0000FF00u);  // red TColor to green
  EXPECT_EQ(ShiftHueColor(0x00123456, 0), 0x00123456u);
  EXPECT_EQ(SaturateColor(0xFF00000F, 0), 0xFF00000Fu);  // parameter 0: untouched, even a system colour
  EXPECT_EQ(ToneColorOf(0x00000080, 0x00FF0000), 0x007F0000u);  // blue tone, lightness 128
}

TEST(DisabledLookTest, GreysWithMinus230AndBlendsIntoTheBackground) {
  PixelBuffer b = Filled(2, 1, 0xFF3264C8);
  ApplyDisabledLook(b, dkGrayed, {0, 0}, BackgroundInfo{}, 0);
  EXPECT_EQ(b.At(0, 0), Saturate(0xFF3264C8, -230));

  PixelBuffer parent = Filled(5, 3, 0xFF000000);
  parent.At(3, 2) = 0xFFFAFAFA;
  BackgroundInfo ready;
  ready.Bitmap = &parent;
  ready.BitmapReady = true;
  ready.OriginX = 1;
  ready.OriginY = 1;
  PixelBuffer c = Filled(2, 1, 0xFF646464);
  ApplyDisabledLook(c, dkBlended, {1, 1}, ready, 0);  // the control's (0, 0) is the parent's (2, 2)
  EXPECT_EQ(c.At(0, 0), 0xFF282828u);                 // 0.6 * 0 + 0.4 * 100
  EXPECT_EQ(c.At(1, 0), 0xFFBEBEBEu);                 // trunc(250 - 150 * 0.4)

  BackgroundInfo none;  // no picture, no colour: the parent's colour of the control
  PixelBuffer d = Filled(1, 1, 0xFF646464);
  ApplyDisabledLook(d, dkBlended, {0, 0}, none, 0x00C8C8C8);
  EXPECT_EQ(d.At(0, 0), 0xFFA0A0A0u);  // 0.4 * 100 + 0.6 * 200
}

TEST(RasterTest, CopyPixelsClipsBothSidesAndHandlesOverlap) {
  PixelBuffer b(5, 1);
  for (int32_t x = 0; x < 5; ++x) b.At(x, 0) = uint32_t(x + 1);
  CopyPixels(b, {1, 0}, b, {0, 0, 5, 1});  // overlapping move to the right
  EXPECT_EQ(std::vector<uint32_t>(b.Row(0), b.Row(0) + 5), (std::vector<uint32_t>{1, 1, 2, 3, 4}));
  PixelBuffer dst = Filled(3, 2, 0);
  CopyPixels(dst, {-1, 1}, b, {0, 0, 5, 1});
  EXPECT_EQ(std::vector<uint32_t>(dst.Row(1), dst.Row(1) + 3), (std::vector<uint32_t>{1, 2, 3}));
  EXPECT_EQ(dst.At(0, 0), 0u);
}

TEST(RasterTest, StretchPixelsTakesTheNearestPixel) {
  PixelBuffer src(4, 1);
  for (int32_t x = 0; x < 4; ++x) src.At(x, 0) = uint32_t(10 + x);
  PixelBuffer up = Filled(8, 1, 0), down = Filled(2, 1, 0), edge = Filled(3, 1, 0);
  StretchPixels(up, up.Bounds(), src, src.Bounds());
  EXPECT_EQ(std::vector<uint32_t>(up.Row(0), up.Row(0) + 8), (std::vector<uint32_t>{10, 10, 11, 11, 12, 12, 13, 13}));
  StretchPixels(down, down.Bounds(), src, src.Bounds());
  EXPECT_EQ(std::vector<uint32_t>(down.Row(0), down.Row(0) + 2), (std::vector<uint32_t>{11, 13}));
  StretchPixels(edge, {-1, 0, 3, 1}, src, {2, 0, 6, 1});  // source columns 4, 5 do not exist
  EXPECT_EQ(std::vector<uint32_t>(edge.Row(0), edge.Row(0) + 3), (std::vector<uint32_t>{13, 0, 0}));
  // Pixels of the transparent colour leave the target as it was, whatever their alpha.
  src.At(1, 0) = 0xFF332211;
  PixelBuffer keyed = Filled(4, 1, 7);
  StretchPixels(keyed, keyed.Bounds(), src, src.Bounds(), RGBColor(0x33, 0x22, 0x11));
  EXPECT_EQ(std::vector<uint32_t>(keyed.Row(0), keyed.Row(0) + 4), (std::vector<uint32_t>{10, 7, 12, 13}));
}

// Stepped source positions against the formula itself, over shrinking,
// enlarging, clipped and keyed stretches and source spans past the picture.
TEST(RasterTest, StretchPixelsMatchesTheFormulaEverywhere) {
  std::mt19937 rng(5);
  PixelBuffer src(13, 9);
  for (int32_t y = 0; y < 9; ++y)
    for (int32_t x = 0; x < 13; ++x) src.At(x, y) = rng() % 5 == 0 ? 0x00FF00FFu | (rng() << 24) : rng();
  auto pick = [&](int32_t lo, int32_t hi) { return lo + int32_t(rng() % uint32_t(hi - lo + 1)); };
  int failures = 0;
  for (int round = 0; round < 600 && failures < 5; ++round) {
    const TRect from = MakeRect(pick(-3, 12), pick(-3, 8), pick(1, 16), pick(1, 12));
    const TRect to = MakeRect(pick(-12, 20), pick(-12, 20), pick(1, 40), pick(1, 40));
    const TColor key = round % 3 == 0 ? RGBColor(0xFF, 0, 0xFF) : clNone;
    PixelBuffer dst = Filled(24, 24, 0x12345678);
    StretchPixels(dst, to, src, from, key);
    for (int32_t y = 0; y < 24; ++y)
      for (int32_t x = 0; x < 24; ++x) {
        uint32_t expected = 0x12345678;
        if (x >= to.Left && x < to.Right && y >= to.Top && y < to.Bottom) {
          const int64_t sx = from.Left + (2 * int64_t(x - to.Left) + 1) * from.Width() / (2 * int64_t(to.Width()));
          const int64_t sy = from.Top + (2 * int64_t(y - to.Top) + 1) * from.Height() / (2 * int64_t(to.Height()));
          if (sx >= 0 && sy >= 0 && sx < 13 && sy < 9) {
            const uint32_t p = src.At(int32_t(sx), int32_t(sy));
            if (key == clNone || (p & 0x00FFFFFFu) != 0x00FF00FFu) expected = p;
          }
        }
        if (dst.At(x, y) != expected && ++failures <= 5)
          ADD_FAILURE() << "round " << round << " at " << x << "," << y;
      }
  }
  // Spans of 2^32 pixels: the positions must not overflow on the way.
  PixelBuffer wide = Filled(5, 1, 0);
  const TRect all{INT32_MIN, 0, INT32_MAX, 1};
  StretchPixels(wide, all, src, all);
  for (int32_t x = 0; x < 5; ++x) EXPECT_EQ(wide.At(x, 0), src.At(x, 0)) << x;
}

TEST(RasterTest, TrianglesSharingAnEdgePaintEveryPixelOnce) {
  const GradientVertex a{0, 0, 0xFF00, 0, 0, 0xFF00}, b{7, 0, 0xFF00, 0, 0, 0xFF00}, c{7, 5, 0xFF00, 0, 0, 0xFF00},
      d{0, 5, 0xFF00, 0, 0, 0xFF00};
  PixelBuffer first = Filled(9, 7, 0), second = Filled(9, 7, 0);
  FillGradientTriangle(first, a, b, c);
  FillGradientTriangle(second, c, d, a);  // the other winding
  for (int32_t y = 0; y < 7; ++y)
    for (int32_t x = 0; x < 9; ++x) {
      const int painted = (first.At(x, y) != 0) + (second.At(x, y) != 0);
      EXPECT_EQ(painted, x < 7 && y < 5 ? 1 : 0) << x << "," << y;
      if (painted) {
        EXPECT_EQ(first.At(x, y) | second.At(x, y), 0xFFFF0000u);
      }
    }
}

TEST(RasterTest, TriangleColoursAreInterpolatedLinearly) {
  // Blue grows from 0 at x = 0 to 0xFF00 at x = 16: the pixel centre x + 0.5 gives 16 * (x + 0.5).
  const GradientVertex a{0, 0, 0, 0, 0, 0xFF00}, b{16, 0, 0, 0, 0xFF00, 0xFF00}, c{16, 16, 0, 0, 0xFF00, 0xFF00},
      d{0, 16, 0, 0, 0, 0xFF00};
  PixelBuffer out = Filled(16, 16, 0);
  FillGradientTriangle(out, a, b, c);
  FillGradientTriangle(out, a, c, d);
  for (int32_t y = 0; y < 16; ++y)
    for (int32_t x = 0; x < 16; ++x) EXPECT_EQ(out.At(x, y), 0xFF000000u | uint32_t((0xFF00 * (2 * x + 1) / 32) >> 8));
}

}  // namespace
