#include "skin/paint/LayeredPainter.h"

#include <gtest/gtest.h>

#include "PaintTestSkin.h"
#include "skin/render/core/Blend.h"
#include "skin/paint/DrawArrow.h"

namespace {

constexpr TColor kColor = RGBColor(200, 100, 40);

uint32_t Premultiplied(uint32_t p) {
  PixelBuffer one = Filled(1, 1, p);
  PremultiplyAlpha(one, one.Bounds());
  return one.At(0, 0);
}

TEST(LayeredPainterTest, PlainColourTakesItsAlphaFromTransparencyAndContent) {
  struct Case {
    const char* name;
    int32_t transparency;
    uint32_t before;
    uint32_t expected;  // before premultiplying
  } cases[] = {
      {"clear_t40", 40, 0, (ExchangeRedBlue(kColor) & 0xFFFFFF) | 153u << 24},
      {"clear_t0", 0, 0, ExchangeRedBlue(kColor) | 0xFF000000u},
      // Content there: each channel moves 60 percent toward the colour (integer), alpha max(0x40, 153).
      {"content_t40", 40, 0x40102030u,
       uint32_t(153) << 24 | uint32_t(0x10 - 60 * (0x10 - 200) / 100) << 16 | uint32_t(0x20 - 60 * (0x20 - 100) / 100) << 8 |
           uint32_t(0x30 - 60 * (0x30 - 40) / 100)},
      {"t100", 100, 0x40102030u, 0},
  };
  for (const auto& c : cases) {
    TestSkin skin;
    const int32_t s = skin.AddSection(SectionOf(kColor, c.transparency));
    PixelBuffer target = Filled(4, 3, c.before);
    PaintSectionLayered(skin.View(), s, 0, target, target.Bounds());
    EXPECT_TRUE(PixelsEqual(target, Filled(4, 3, Premultiplied(c.expected)), c.name)) << c.name;
  }
}

TEST(LayeredPainterTest, PartOfTheTargetIsNeitherClearedNorPremultiplied) {
  TestSkin skin;
  const int32_t s = skin.AddSection(SectionOf(kColor, 100));
  PixelBuffer target = Filled(4, 3, 0x40102030u);
  PaintSectionLayered(skin.View(), s, 0, target, {1, 1, 3, 3});
  EXPECT_TRUE(PixelsEqual(target, Filled(4, 3, 0x40102030u), "layered_part"));
}

TEST(LayeredPainterTest, BorderPiecesTakeAlphaFromTheMaskAndKeyPixelsShowTheOldContent) {
  TestSkin skin;
  // Image rows over mask rows: 'a' opaque (mask 0), 'b' with mask 4 (113), key pixels in the corners.
  skin.Master = Picture({"KaK", "aba", "KaK", "000", "040", "000"});
  const int32_t border = skin.AddMask(MaskOf({0, 0, 3, 6}, 1, 1, 4, 1, 1, 1, 1));
  TsGeneralData d = SectionOf(kColor, 100);
  d.BorderIndex = border;
  const int32_t s = skin.AddSection(d);
  const uint32_t before = 0x80402010u;
  PixelBuffer target = Filled(3, 3, before);
  PaintSectionLayered(skin.View(), s, 1, target, target.Bounds());

  const uint32_t a = (Px('a') & 0x00FFFFFFu) | 0xFF000000u;
  const uint32_t m = Px('4') & 0xFF;
  const uint32_t b = (MaskRule(0, Px('b'), Px('4')) & 0x00FFFFFFu) | (255 - m) << 24;
  PixelBuffer expected(3, 3);
  const uint32_t rows[3][3] = {{before, a, before}, {a, b, a}, {before, a, before}};
  for (int32_t y = 0; y < 3; ++y)
    for (int32_t x = 0; x < 3; ++x) expected.At(x, y) = Premultiplied(rows[y][x]);
  EXPECT_TRUE(PixelsEqual(target, expected, "layered_border"));
}

TEST(PatchCornersTest, KeyPixelsOfTheChosenCornersTakeTheParentsAnswer) {
  TestSkin skin;
  skin.Master = Picture({"Kab", "cde", "fgK"});
  const int32_t m = skin.AddMask(MaskOf({0, 0, 3, 3}, 1, 0, 0, 1, 1, 1, 1));
  PixelBuffer parent(10, 10);
  for (int32_t y = 0; y < 10; ++y)
    for (int32_t x = 0; x < 10; ++x) parent.At(x, y) = 0xFF000000u | uint32_t(x) << 8 | uint32_t(y);
  BackgroundRequest picture;
  picture.AnswerKind = kAnswerPicture;
  picture.Bitmap = &parent;
  picture.OffsetX = 2;
  picture.OffsetY = 3;
  BackgroundRequest colour;
  colour.AnswerKind = kAnswerColor;
  colour.Color = RGBColor(1, 2, 3);
  BackgroundRequest noColour;
  noColour.AnswerKind = kAnswerColor;
  noColour.Color = clFuchsia;
  const uint32_t x = Px('x');
  struct Case {
    const char* name;
    const BackgroundRequest* answer;
    int32_t corners;
    uint32_t topLeft, bottomRight;
  } cases[] = {
      {"picture_all", &picture, 15, parent.At(2, 3), parent.At(5, 6)},
      {"picture_left", &picture, kCornerTopLeft | kCornerBottomLeft, parent.At(2, 3), x},
      {"colour", &colour, kCornerBottomRight, x, ExchangeRedBlue(RGBColor(1, 2, 3))},
      {"fuchsia", &noColour, 15, x, x},  // a record without mask is not patched with the key colour
  };
  for (const auto& c : cases) {
    PixelBuffer host = Filled(4, 4, x);
    PatchCorners(skin.View(), host, {4, 4}, &skin.Masks[size_t(m)], 0, c.corners, *c.answer);
    EXPECT_EQ(host.At(0, 0), c.topLeft) << c.name;
    EXPECT_EQ(host.At(3, 3), c.bottomRight) << c.name;
    EXPECT_EQ(host.At(3, 0), x) << c.name;  // its corner has no key pixel
  }
  // No key pixel in any corner: nothing changes.
  skin.Master = Picture({"aab", "cde", "fgg"});
  PixelBuffer host = Filled(4, 4, x);
  PatchCorners(skin.View(), host, {4, 4}, &skin.Masks[size_t(m)], 0, 15, picture);
  EXPECT_TRUE(PixelsEqual(host, Filled(4, 4, x), "patch_none"));
  PatchCorners(skin.View(), host, {4, 4}, nullptr, 0, 15, picture);
}

struct FakeParent : BackgroundSource {
  uint8_t Answer = kAnswerNone;
  const PixelBuffer* Picture = nullptr;
  int Paints = 0;
  void QueryBackground(BackgroundRequest& r) override {
    EXPECT_EQ(r.AnswerKind, kAnswerNone);
    EXPECT_EQ(r.Bitmap, nullptr);
    r.AnswerKind = Answer;
    if (Answer == kAnswerPicture) r.Bitmap = Picture;
  }
  void PaintBackground(BackgroundRequest&) override { ++Paints; }
  TColor PlainBackgroundColor() override { return clBtnFace; }
};

TEST(BackgroundRequestTest, UnansweredRequestsFallBackToDrawingOrThePlainColour) {
  const PixelBuffer parentPicture(4, 4);
  BackgroundRequest r;
  r.OffsetX = 7;
  r.OffsetY = 9;
  r.AnswerKind = kAnswerColor;  // stale values are reset before asking
  r.FrameWidths = {1, 2, 3, 4};
  FakeParent picture;
  picture.Answer = kAnswerPicture;
  picture.Picture = &parentPicture;
  AskBackground(r, picture, false);
  BackgroundInfo info = RequestToInfo(r);
  EXPECT_TRUE(info.BitmapReady);
  EXPECT_EQ(info.Bitmap, &parentPicture);
  EXPECT_EQ(info.OriginX, 7);
  EXPECT_EQ(info.OriginY, 9);
  EXPECT_EQ(info.PlainColor, clFuchsia);
  EXPECT_EQ(info.FrameWidths, TRect{});

  FakeParent silent;
  AskBackground(r, silent, true);
  EXPECT_EQ(silent.Paints, 1);
  EXPECT_EQ(r.AnswerKind, kAnswerNone);

  AskBackground(r, silent, false);
  EXPECT_EQ(r.AnswerKind, kAnswerColor);
  info = RequestToInfo(r);
  EXPECT_FALSE(info.BitmapReady);
  EXPECT_EQ(info.PlainColor, ResolveColor(clBtnFace));

  r.AnswerKind = kAnswerNotReady;
  r.FrameWidths = {4, 30, 4, 4};
  info = RequestToInfo(r);
  EXPECT_FALSE(info.BitmapReady);
  EXPECT_EQ(info.FrameWidths, (TRect{4, 30, 4, 4}));
}

TEST(DrawArrowTest, PixelsOutsideTheSurfaceAreNotDrawn) {
  PixelBuffer surface = Filled(4, 3, Px('.'));
  DrawArrow(surface, RGBColor(255, 0, 0), {-2, -1, 5, 3}, kArrowDown);
  const uint32_t red = 0xFFFF0000u;
  // A down arrow at x0 = -2, y0 = -2: rows -2 and -1 fall outside, row 0 covers 0..2, row 1 only 1.
  PixelBuffer expected = Filled(4, 3, Px('.'));
  for (TPoint p : {TPoint{0, 0}, TPoint{1, 0}, TPoint{2, 0}, TPoint{1, 1}}) expected.At(p.X, p.Y) = red;
  EXPECT_TRUE(PixelsEqual(surface, expected, "arrow_clipped"));
}

}  // namespace
