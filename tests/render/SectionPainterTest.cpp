#include "skin/render/paint/SectionPainter.h"

#include <gtest/gtest.h>

#include <cmath>

#include "PaintTestSkin.h"
#include "skin/render/core/Blend.h"

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
  const PixelBuffer parent = Picture({"abcd", "efgh", "ijkl"});
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
      // The target keeps round(50 * 2.55) = 128 / 256 of the parent.
      for (int32_t y = 0; y < 3; ++y)
        for (int32_t x = 0; x < 4; ++x) {
          uint32_t v = 0;
          for (int sh = 0; sh < 32; sh += 8) {
            const int32_t d = (parent.At(x, y) >> sh) & 0xFF, sc = (PixelOf(kSectionColor) >> sh) & 0xFF;
            v |= uint32_t(((d - sc) * 128 + sc * 256) >> 8) << sh;
          }
          expected.At(x, y) = v;
        }
    } else if (c.transparency == 50 && c.known) {
      expected = Filled(4, 3, PixelOf(LerpColor(kParentColor, kSectionColor, 0.5)));
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
    Master = Picture({"....", ".ab.", ".cd.", "...."});
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

uint32_t TextureAt(int32_t x, int32_t y) { return Px("abcd"[(y % 2) * 2 + x % 2]); }

TEST(SectionPainterTest, TextureAndGradientSharingTheAreaArePaintedInOnePass) {
  TexturedSkin skin(30, 70);
  const PixelBuffer out = Paint(skin, skin.Section, {});
  const uint32_t g = PixelOf(RGBColor(90, 80, 70));
  const int32_t weight = 30 * 255 / 100;
  for (int32_t y = 0; y < 3; ++y)
    for (int32_t x = 0; x < 4; ++x) {
      uint32_t v = 0xFF000000u;
      for (int sh = 0; sh < 24; sh += 8) {
        const int32_t t = (TextureAt(x, y) >> sh) & 0xFF, gc = (g >> sh) & 0xFF;
        v |= uint32_t((weight * (t - gc) + gc * 256) >> 8) << sh;
      }
      EXPECT_EQ(out.At(x, y), v) << x << "," << y;
    }
}

TEST(SectionPainterTest, TextureAloneIsFadedTowardTheSectionColourByTheMissingShare) {
  TexturedSkin skin(30, 0);
  const PixelBuffer out = Paint(skin, skin.Section, {});
  const uint32_t sc = PixelOf(kSectionColor);
  for (int32_t y = 0; y < 3; ++y)
    for (int32_t x = 0; x < 4; ++x) {
      uint32_t v = 0xFF000000u;
      for (int sh = 0; sh < 24; sh += 8) {
        const double t = (TextureAt(x, y) >> sh) & 0xFF, c = (sc >> sh) & 0xFF;
        v |= uint32_t(std::nearbyint(t * 0.3 + c * 0.7)) << sh;
      }
      EXPECT_EQ(out.At(x, y), v) << x << "," << y;
    }
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
