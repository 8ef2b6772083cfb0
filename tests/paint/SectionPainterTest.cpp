#include "skin/paint/SectionPainter.h"

#include <gtest/gtest.h>

#include "PaintTestSkin.h"

namespace {

constexpr TColor kSectionColor = RGBColor(200, 100, 40);
constexpr TColor kParentColor = RGBColor(10, 60, 250);
uint32_t PixelOf(TColor c) { return ExchangeRedBlue(c) | 0xFF000000u; }

BackgroundInfo ParentPicture(const PixelBuffer& parent) {
  BackgroundInfo bg;
  bg.Bitmap = &parent;
  bg.BitmapReady = true;
  bg.PlainColor = clFuchsia;
  return bg;
}

BackgroundInfo ParentColor(TColor c) {
  BackgroundInfo bg;
  bg.PlainColor = c;
  return bg;
}

PixelBuffer Paint(const TestSkin& skin, int32_t section, const BackgroundInfo& bg, int32_t state = 0,
                  TColor custom = clFuchsia) {
  PixelBuffer target = Filled(4, 3, Px('.'));
  if (custom == clFuchsia) {
    PaintSection(skin.View(), section, bg, state, target.Bounds(), {0, 0}, target);
  } else {
    PaintSectionBackground(skin.View(), section, bg, state, custom, -1, -1, target, {0, 0}, target.Bounds());
  }
  return target;
}

TEST(SectionPainterTest, TransparencyMixesTheSectionWithWhatLiesBehind) {
  // Black and white pixels behind a section of (200, 100, 40).
  const PixelBuffer parent = Picture({"0909", "9090", "0909"});
  struct Case {
    const char* name;
    int32_t transparency;
    bool pictureParent;
    bool known;
  } cases[] = {
      {"t0_picture", 0, true, true},     {"t100_picture", 100, true, true}, {"t50_picture", 50, true, true},
      {"t50_colour", 50, false, true},   {"t100_colour", 100, false, true}, {"t50_unknown", 50, false, false},
  };
  for (const auto& c : cases) {
    TestSkin skin;
    const int32_t s = skin.AddSection(SectionOf(kSectionColor, c.transparency));
    const BackgroundInfo bg = !c.known ? BackgroundInfo{} : c.pictureParent ? ParentPicture(parent) : ParentColor(kParentColor);
    const PixelBuffer out = Paint(skin, s, bg);
    PixelBuffer expected = Filled(4, 3, PixelOf(kSectionColor));
    if (c.transparency == 100) {
      expected = c.pictureParent ? parent.Clone() : Filled(4, 3, PixelOf(kParentColor));
    } else if (c.transparency == 50 && c.pictureParent) {
      // The target keeps round(50 * 2.55) = 128 / 256 of the parent, truncated:
      // over black 200 / 2 = 100, 100 / 2 = 50, 40 / 2 = 20; over white
      // (200 + 255) / 2 = 227.5, (100 + 255) / 2 = 177.5, (40 + 255) / 2 = 147.5.
      for (int32_t y = 0; y < 3; ++y)
        for (int32_t x = 0; x < 4; ++x)
          expected.At(x, y) = parent.At(x, y) == Px('0') ? PixelOf(RGBColor(100, 50, 20)) : PixelOf(RGBColor(227, 177, 147));
    } else if (c.transparency == 50 && c.known) {
      // Half way from (10, 60, 250) to (200, 100, 40).
      expected = Filled(4, 3, PixelOf(RGBColor(105, 80, 145)));
    }
    EXPECT_TRUE(PixelsEqual(out, expected, c.name)) << c.name;
  }
}

TEST(SectionPainterTest, StateRecordIsClampedToTheSectionStates) {
  TestSkin skin;
  TsGeneralData d = SectionOf(kSectionColor);
  d.Props[1].Color = RGBColor(1, 2, 3);
  d.Props[2].Color = RGBColor(4, 5, 6);
  d.States = 1;
  const int32_t one = skin.AddSection(d);
  d.States = 5;
  const int32_t many = skin.AddSection(d);
  EXPECT_EQ(Paint(skin, one, {}, 2).At(0, 0), PixelOf(kSectionColor));
  EXPECT_EQ(Paint(skin, many, {}, 4).At(0, 0), PixelOf(RGBColor(4, 5, 6)));
}

TEST(SectionPainterTest, InvalidSectionsAndRectanglesPaintNothing) {
  TestSkin skin;
  skin.AddSection(SectionOf(kSectionColor));
  PixelBuffer target = Filled(4, 3, Px('.'));
  const Rows untouched = {"....", "....", "...."};
  PaintSection(skin.View(), 1, {}, 0, target.Bounds(), {0, 0}, target);
  PaintSection(skin.View(), -1, {}, 0, target.Bounds(), {0, 0}, target);
  PaintSection(skin.View(), 0, {}, 0, {-1, 0, 3, 3}, {0, 0}, target);  // not inside the target
  PaintSection(skin.View(), 0, {}, 0, {0, 0, 5, 3}, {0, 0}, target);
  PaintSection(skin.View(), 0, {}, 0, {2, 2, 2, 3}, {0, 0}, target);   // empty
  SkinPaintView inactive = skin.View();
  inactive.Active = false;
  PaintSection(inactive, 0, {}, 0, target.Bounds(), {0, 0}, target);
  EXPECT_TRUE(PixelsAre(target, untouched, "invalid"));
}

// A skin with a 2 x 2 texture in the middle of the master bitmap and a section using it.
struct TexturedSkin : TestSkin {
  int32_t Section = -1;
  int32_t Texture = -1;
  TexturedSkin(int32_t textureShare, int32_t gradientShare) {
    Master = Picture({"....", ".09.", ".90.", "...."});
    Texture = AddMask(MaskOf({1, 1, 3, 3}, 1, 0, 0, 0, 0, 0, 0));
    TsGeneralData d = SectionOf(kSectionColor);
    for (auto& p : d.Props) {
      p.TextureShare = textureShare;
      p.GradientShare = gradientShare;
      p.PatternIndex = Texture;
      p.GradientData = {{RGBColor(90, 80, 70), RGBColor(90, 80, 70), 100, 0}};
    }
    Section = AddSection(d);
  }
};

// The 2 x 2 texture tiled from the area's corner: black where x + y is even, else white.
bool BlackTextureAt(int32_t x, int32_t y) { return (x + y) % 2 == 0; }

TEST(SectionPainterTest, TextureAndGradientSharingTheAreaArePaintedInOnePass) {
  TexturedSkin skin(30, 70);
  const PixelBuffer out = Paint(skin, skin.Section, {});
  // The texture at 30 * 255 / 100 = 76 / 256 over the gradient colour (90, 80, 70):
  // black gives 90 - 90 * 76 / 256 = 63.3, 56.3, 49.2; white gives
  // 90 + 165 * 76 / 256 = 138.98, 131.95, 124.9; all truncated.
  const uint32_t overBlack = PixelOf(RGBColor(63, 56, 49)), overWhite = PixelOf(RGBColor(138, 131, 124));
  for (int32_t y = 0; y < 3; ++y)
    for (int32_t x = 0; x < 4; ++x) EXPECT_EQ(out.At(x, y), BlackTextureAt(x, y) ? overBlack : overWhite) << x << "," << y;
}

TEST(SectionPainterTest, TextureAloneIsFadedTowardTheSectionColourByTheMissingShare) {
  TexturedSkin skin(30, 0);
  const PixelBuffer out = Paint(skin, skin.Section, {});
  // 30 % texture and 70 % of (200, 100, 40), rounded to even: black gives
  // 140, 70, 28; white gives 76.5 + 140 = 216.5, 146.5, 104.5.
  const uint32_t black = PixelOf(RGBColor(140, 70, 28)), white = PixelOf(RGBColor(216, 146, 104));
  for (int32_t y = 0; y < 3; ++y)
    for (int32_t x = 0; x < 4; ++x) EXPECT_EQ(out.At(x, y), BlackTextureAt(x, y) ? black : white) << x << "," << y;
}

TEST(SectionPainterTest, CustomColourReplacesTheLayersButNotTheBorder) {
  TexturedSkin skin(30, 70);
  skin.Sections[size_t(skin.Section)].Props[0].Transparency = 50;
  // A one-pixel border frame "e" with key corners left to the background.
  const int32_t border = skin.AddMask(MaskOf({0, 0, 3, 3}, 1, 0, 0, 1, 1, 1, 1));
  skin.Master = Picture({"KeK.", "eab.", "Kcd.", "...."});
  skin.Sections[size_t(skin.Section)].BorderIndex = border;
  const TColor custom = RGBColor(5, 6, 7);
  PixelBuffer out = Paint(skin, skin.Section, {}, 0, custom);
  EXPECT_TRUE(PixelsEqual(out, Filled(4, 3, PixelOf(custom)), "custom_background"));

  // Through PaintSection the border is laid over the section's own layers.
  out = Paint(skin, skin.Section, ParentColor(kParentColor));
  EXPECT_EQ(out.At(1, 0), Px('e'));
  EXPECT_EQ(out.At(0, 1), Px('e'));
  EXPECT_NE(out.At(1, 1), Px('e'));
}

TEST(SectionPainterTest, CornerImagesSitInTheCornersOfTheRectangle) {
  TestSkin skin;
  skin.Master = Picture({"abK", "cde"});
  const int32_t glyph = skin.AddMask(MaskOf({0, 0, 3, 2}, 1, 0, 0, 0, 0, 0, 0));
  TsGeneralData d = SectionOf(RGBColor(0, 0, 0));
  d.ImgBottomRight = glyph;
  const int32_t s = skin.AddSection(d);
  PixelBuffer target = Filled(5, 4, Px('.'));
  PaintSection(skin.View(), s, {}, 0, target.Bounds(), {0, 0}, target);
  EXPECT_TRUE(PixelsAre(target, {".....", ".....", "..ab.", "..cde"}, "corner_image"));
}

}  // namespace
