#include "skin/paint/BorderMask.h"

#include <gtest/gtest.h>

#include "PaintTestSkin.h"
#include "skin/render/core/Blend.h"

namespace {

// Paints mask index m of the skin over the whole target of the given size, black before.
PixelBuffer PaintBorder(const TestSkin& skin, int32_t m, int32_t w, int32_t h, int32_t state,
                        const BackgroundInfo& bg = {}) {
  PixelBuffer target = Filled(w, h, Px('.'));
  PaintBorderMask(skin.View(), target, {0, 0, w, h}, bg, true, state, skin.Masks[size_t(m)]);
  return target;
}

TEST(BorderMaskTest, TiledEdgesStopBeforeTheEndAndCutTheLastPiece) {
  TestSkin skin;
  // One frame 3 x 5: corners a/e and c/g, left edge b c d, right edge i j k, centre not painted (mode 0).
  skin.Master = Picture({"axf", "bmi", "cmj", "dmk", "eyg"});
  const int32_t m = skin.AddMask(MaskOf({0, 0, 3, 5}, 1, 0, 0, 1, 1, 1, 1));
  // The left edge spans rows 1..10 (10 rows) from a 3-row piece: pieces at 1, 4, 7 and one row at 10.
  EXPECT_TRUE(PixelsAre(PaintBorder(skin, m, 3, 12, 0),
                        {"axf", "b.i", "c.j", "d.k", "b.i", "c.j", "d.k", "b.i", "c.j", "d.k", "b.i", "eyg"},
                        "tiled_edges"));
  // A span of exactly 6 rows: a whole piece and then the "last" piece, also whole.
  EXPECT_TRUE(PixelsAre(PaintBorder(skin, m, 3, 8, 0), {"axf", "b.i", "c.j", "d.k", "b.i", "c.j", "d.k", "eyg"},
                        "tiled_edges_exact"));
}

TEST(BorderMaskTest, NarrowAreaTakesTheOddPixelFromTheRightBorder) {
  TestSkin skin;
  skin.Master = Picture({"abcdXefgh"});
  const int32_t m = skin.AddMask(MaskOf({0, 0, 9, 1}, 1, 0, 4, 4, 0, 4, 0));
  // Borders 4 + 4 in 5 columns: 3 of the left border, 2 of the right one.
  EXPECT_TRUE(PixelsAre(PaintBorder(skin, m, 5, 2, 0), {"abcgh", "abcgh"}, "odd_pixel"));
}

TEST(BorderMaskTest, FrameFollowsTheStateAndIsClampedToTheFrameCount) {
  TestSkin skin;
  skin.Master = Picture({"abcdef", "ghijkl", "mnopqr"});
  const int32_t m = skin.AddMask(MaskOf({0, 0, 6, 3}, 2, 0, 4, 1, 1, 1, 1));
  EXPECT_TRUE(PixelsAre(PaintBorder(skin, m, 3, 3, 0), {"abc", "ghi", "mno"}, "frame0"));
  EXPECT_TRUE(PixelsAre(PaintBorder(skin, m, 3, 3, 2), {"def", "jkl", "pqr"}, "frame_clamped"));
}

TEST(BorderMaskTest, PaintModeBitsChooseStatesAndCentre) {
  TestSkin skin;
  skin.Master = Picture({"aba", "cdc", "aba"});
  struct Case {
    int16_t mode;
    int32_t state;
    Rows expected;
  } cases[] = {
      {7, 0, {"....", "....", "....", "...."}},  // hot only: nothing in state 0
      {7, 1, {"abba", "cddc", "cddc", "abba"}},  // stretched corners, edges and centre
      {3, 1, {"abba", "c..c", "c..c", "abba"}},  // no centre bit: the centre is left alone
      {4, 0, {"abba", "cddc", "cddc", "abba"}},  // tiled with centre, in state 0
  };
  for (const auto& c : cases) {
    TestSkin s;
    s.Master = skin.Master.Clone();
    const int32_t m = s.AddMask(MaskOf({0, 0, 3, 3}, 1, 0, c.mode, 1, 1, 1, 1));
    EXPECT_TRUE(PixelsAre(PaintBorder(s, m, 4, 4, c.state), c.expected, "mode" + std::to_string(c.mode)))
        << "mode " << c.mode << " state " << c.state;
  }
}

TEST(BorderMaskTest, DegenerateRecordsAndAreasPaintNothing) {
  TestSkin skin;
  skin.Master = Picture({"aba", "cdc", "aba"});
  TsMaskData m = MaskOf({0, 0, 3, 3}, 1, 0, 4, 2, 2, 2, 2);  // borders wider than the frame
  const int32_t tooWide = skin.AddMask(m);
  m.BorderL = m.BorderR = m.BorderT = m.BorderB = 1;
  const int32_t ok = skin.AddMask(m);
  skin.Masks[size_t(ok)].OwnerManager = nullptr;  // a record without a manager is not painted
  const int32_t zeroCentre = skin.AddMask(MaskOf({0, 0, 2, 2}, 1, 0, 4, 1, 1, 1, 1));  // edge pieces of size 0
  const Rows untouched = {"....", "....", "....", "...."};
  EXPECT_TRUE(PixelsAre(PaintBorder(skin, tooWide, 4, 4, 1), untouched, "too_wide"));
  EXPECT_TRUE(PixelsAre(PaintBorder(skin, ok, 4, 4, 1), untouched, "no_owner"));
  // Centre and edges of size 0: only the corners, and no endless loop.
  EXPECT_TRUE(PixelsAre(PaintBorder(skin, zeroCentre, 4, 4, 1), {"a..b", "....", "....", "c..d"}, "zero_pieces"));
  PixelBuffer tiny = PaintBorder(skin, zeroCentre, 1, 4, 1);  // less than 2 pixels wide
  EXPECT_TRUE(PixelsAre(tiny, {".", ".", ".", "."}, "tiny"));
}

TEST(BorderMaskTest, MaskedBorderShowsTheParentInKeyCornersOnlyWhenItHasSuch) {
  TestSkin skin;
  // Image over mask: key corners, opaque edges, a centre whose white mask keeps the target.
  skin.Master = Picture({"KaK", "aba", "KaK", "000", "090", "000"});
  TsMaskData mask = MaskOf({0, 0, 3, 6}, 1, 1, 4, 1, 1, 1, 1);
  mask.CornerKind = 1;
  const int32_t keyed = skin.AddMask(mask);
  mask.CornerKind = 0;
  const int32_t opaque = skin.AddMask(mask);
  const PixelBuffer parent = Filled(4, 4, Px('p'));
  BackgroundInfo bg;
  bg.Bitmap = &parent;
  bg.BitmapReady = true;
  EXPECT_TRUE(PixelsAre(PaintBorder(skin, keyed, 4, 4, 0, bg), {"paap", "a..a", "a..a", "paap"}, "masked_keyed"));
  // Without key corners the corner pixels are mixed like any other: magenta, now opaque.
  EXPECT_EQ(PaintBorder(skin, opaque, 4, 4, 0, bg).At(0, 0), 0xFFFF00FFu);
}

TEST(BorderMaskTest, MaskedPieceCopyHandlesKeyPixelsByBackgroundAndCornerFlag) {
  // Image row: key, colour a; mask row below: black (the image shows).
  const PixelBuffer image = Picture({"Ka", "00"});
  const PixelBuffer parent = Filled(4, 4, Px('p'));
  BackgroundInfo ready;
  ready.Bitmap = &parent;
  ready.BitmapReady = true;
  BackgroundInfo plain;
  plain.PlainColor = RGBColor(1, 2, 3);
  struct Case {
    const char* name;
    const BackgroundInfo* bg;
    bool corner;
    uint32_t keyResult;
  } cases[] = {
      {"ready_corner", &ready, true, Px('p')},                         // the parent shows through
      {"ready_tile", &ready, false, 0xFFFF00FFu},                      // every pixel mixed, alpha 255
      {"plain_corner", &plain, true, ExchangeRedBlue(RGBColor(1, 2, 3))},  // plain colour, alpha 0
      {"plain_tile", &plain, false, 0x80102030u},                      // left as it was
  };
  for (const auto& c : cases) {
    PixelBuffer target = Filled(2, 1, 0x80102030u);
    CopyMaskedPiece(target, image, {0, 0, 2, 1}, {0, 0, 2, 1}, 1, c.corner, *c.bg);
    EXPECT_EQ(target.At(0, 0), c.keyResult) << c.name;
    EXPECT_EQ(target.At(1, 0) & 0x00FFFFFFu, Px('a') & 0x00FFFFFFu) << c.name;
    EXPECT_EQ(target.At(1, 0) >> 24, c.bg->BitmapReady ? 0xFFu : 0x80u) << c.name;
  }
}

TEST(BorderMaskTest, MaskedPieceCopyClipsNegativeStartsOnBothSides) {
  const PixelBuffer image = Picture({"abc", "000"});
  PixelBuffer target = Filled(3, 1, Px('.'));
  CopyMaskedPiece(target, image, {-1, 0, 2, 1}, {0, 0, 3, 1}, 1, false, EmptyBackground());
  EXPECT_TRUE(PixelsAre(target, {"bc."}, "negative_dest"));
  CopyMaskedPiece(target, image, {0, 0, 3, 1}, {-2, 0, 1, 1}, 1, false, EmptyBackground());
  EXPECT_TRUE(PixelsAre(target, {"bca"}, "negative_source"));
}

TEST(BorderMaskTest, OnePixelCentreIsFilledOrMixedByItsRedMaskByte) {
  struct Case {
    char mask;
    bool fills;
  } cases[] = {{'0', true}, {'9', false}, {'4', false}};
  for (const auto& c : cases) {
    const PixelBuffer image = Picture({"a", std::string(1, c.mask)});
    PixelBuffer target = Filled(4, 4, Px('.'));
    StretchMaskedPiece(target, image, {1, 1, 3, 3}, {0, 0, 1, 1}, 1, true);
    const uint32_t m = Px(c.mask) & 0xFF;
    const uint32_t expected = c.fills ? Px('a') : MaskRule(Px('.'), Px('a'), m | m << 8 | m << 16);
    EXPECT_EQ(target.At(1, 1), expected) << c.mask;
    EXPECT_EQ(target.At(2, 2), expected) << c.mask;
    EXPECT_EQ(target.At(0, 0), Px('.')) << c.mask;
  }
}

TEST(BorderMaskTest, MaskedStretchMixesEveryPixelThroughTheStretchedMask) {
  // A 2 x 1 piece with a black mask under its left pixel and white under its right, stretched to 4 x 1 (nearest).
  const PixelBuffer image = Picture({"ab", "09"});
  PixelBuffer target = Filled(4, 2, Px('.'));
  StretchMaskedPiece(target, image, {0, 0, 4, 2}, {0, 0, 2, 1}, 1, false);
  EXPECT_TRUE(PixelsAre(target, {"aa..", "aa.."}, "masked_stretch"));
}

}  // namespace
