// The skinned scroll bars of the built-in skin in their states, and the
// corner between two bars, against a golden picture; plus the rules a
// picture alone does not show.
//
// After a deliberate change, look at the new picture and regenerate it with
//   DR_UPDATE_GOLDEN=1 ctest -R scrollbar_paint_tests
#include "skin/controls/ScrollBarPainter.h"

#include <gtest/gtest.h>

#include <string>

#include "skin/data/SkinElements.h"
#include "skin/data/SkinLoader.h"
#include "skin/render/core/Blend.h"
#include "skin/render/core/Raster.h"
#include "skin/paint/SkinPaintViewOf.h"
#include "tools/GoldenPicture.h"
#include "tools/skinpreview/PictureFolder.h"
#include "tools/skinpreview/SkinPreviewLoad.h"

namespace {

const std::string kSkinDir = DR_BUILTIN_SKIN_DIR;
const std::string kGoldenDir = std::string(DR_SOURCE_DIR) + "/tests/golden/";
constexpr TColor kWindow = 0x00FFFFFF;       // the window's colour under the bars
constexpr int32_t kThick = 17, kLong = 120;  // pixels
const ScrollRange kRange{0, 100, 20, 40, 40};

struct Builtin {
  PictureFolder Engine{kSkinDir + "/engine"};
  LoadedSkin Skin = LoadPreviewSkin(kSkinDir + "/windows10.asz", Engine);
  TacSkinElements Elements = ComputeSkinElements(&Skin);
  ScrollBarSkin Bars = ScrollBarSkinOf(PaintViewOf(Skin), Elements, 0x00F0F0F0, true);
};

const Builtin& Skin() {
  static const Builtin skin;
  return skin;
}

BackgroundInfo Plain() {
  BackgroundInfo bg;
  bg.PlainColor = kWindow;
  return bg;
}

ScrollBarLook Look(bool vertical) {
  ScrollBarLook look;
  look.Vertical = vertical;
  look.Thumb = LayoutThumb(kLong, kThick, kRange);
  look.ThumbStart = look.Thumb.Start;
  return look;
}

PixelBuffer Bar(const ScrollBarLook& look) {
  PixelBuffer picture(look.Vertical ? kThick : kLong, look.Vertical ? kLong : kThick);
  PaintScrollBar(Skin().Bars, look, Plain(), {0, 0}, picture);
  return picture;
}

PixelBuffer Corner(const ScrollCornerLook& look, const BackgroundInfo& bg = Plain()) {
  PixelBuffer picture(kThick, kThick);
  PaintScrollCorner(Skin().Bars, look, bg, {0, 0}, picture);
  return picture;
}

uint32_t Rgb(const PixelBuffer& p, int32_t x, int32_t y) { return p.At(x, y) & 0xFFFFFF; }

TEST(ScrollBarPaint, BarStatesAndCornersMatchTheGoldenPicture) {
  ASSERT_TRUE(Skin().Bars.DrawsBars());
  std::vector<PixelBuffer> horizontal;
  horizontal.push_back(Bar(Look(false)));
  ScrollBarLook look = Look(false);
  look.Hot = kPartLineUp;
  horizontal.push_back(Bar(look));
  look = Look(false);
  look.Pressed = kPartLineDown;
  horizontal.push_back(Bar(look));
  look = Look(false);
  look.Pressed = kPartPageDown;
  horizontal.push_back(Bar(look));
  look = Look(false);
  look.Hot = kPartThumb;
  horizontal.push_back(Bar(look));
  look = Look(false);
  look.ThumbDragged = true;
  look.Pressed = kPartThumb;
  look.ThumbStart = look.Thumb.Start + 30;
  horizontal.push_back(Bar(look));
  look = Look(false);
  look.Enabled = false;
  horizontal.push_back(Bar(look));

  std::vector<PixelBuffer> vertical;
  vertical.push_back(Bar(Look(true)));
  look = Look(true);
  look.Pressed = kPartLineUp;
  vertical.push_back(Bar(look));
  look = Look(true);
  look.Enabled = false;
  vertical.push_back(Bar(look));

  std::vector<PixelBuffer> corners;
  corners.push_back(Corner({}));
  corners.push_back(Corner({.EitherDisabled = true}));
  corners.push_back(Corner({.Grip = true}));

  // Horizontal bars one under the other on the left, vertical bars and the corners to their right.
  const int32_t gap = 4;
  PixelBuffer sheet(gap + kLong + gap + 3 * (kThick + gap), gap + 7 * (kThick + gap));
  FillPixels(sheet, sheet.Bounds(), 0x00808080, 255);
  for (size_t i = 0; i < horizontal.size(); ++i)
    CopyPixels(sheet, {gap, gap + int32_t(i) * (kThick + gap)}, horizontal[i], horizontal[i].Bounds());
  const int32_t right = gap + kLong + gap;
  for (size_t i = 0; i < vertical.size(); ++i)
    CopyPixels(sheet, {right + int32_t(i) * (kThick + gap), gap}, vertical[i], vertical[i].Bounds());
  for (size_t i = 0; i < corners.size(); ++i)
    CopyPixels(sheet, {right + int32_t(i) * (kThick + gap), gap + kLong + gap}, corners[i], corners[i].Bounds());

  const GoldenResult golden = CompareWithGolden(sheet, kGoldenDir + "scrollbar-states.png", "scrollbar-states");
  if (golden.Updated) return;
  ASSERT_FALSE(golden.Missing) << golden.Message;
  EXPECT_EQ(golden.Differing, 0) << golden.Message;
}

TEST(ScrollBarPaint, DisabledBarHasNoThumbAndIsFadedTowardsTheWindow) {
  ScrollBarLook look = Look(false);
  const PixelBuffer enabled = Bar(look);
  look.Enabled = false;
  const PixelBuffer disabled = Bar(look);
  const int32_t thumbMiddle = look.Thumb.Start + look.Thumb.Length / 2;
  EXPECT_NE(Rgb(enabled, thumbMiddle, kThick / 2), Rgb(disabled, thumbMiddle, kThick / 2));
  // The track of a disabled bar lies between the skin's track and the white window.
  const int32_t track = kLong - kThick - 3;
  const uint32_t before = Rgb(enabled, track, kThick / 2) & 0xFF, after = Rgb(disabled, track, kThick / 2) & 0xFF;
  EXPECT_GE(after, before);
}

TEST(ScrollBarPaint, CornerTakesTheBackgroundUnderAFullyTransparentTrack) {
  // A copy of the skin whose first track section is fully transparent.
  LoadedSkin skin = LoadPreviewSkin(kSkinDir + "/windows10.asz", Skin().Engine);
  const TacSkinElements elements = ComputeSkinElements(&skin);
  for (TsGenState& state : skin.Sections[size_t(elements.ScrollBars[0].SkinIndex)].Props) state.Transparency = 100;
  const ScrollBarSkin bars = ScrollBarSkinOf(PaintViewOf(skin), elements, 0x00F0F0F0, true);

  PixelBuffer window(40, 40);
  SolidFill(window, window.Bounds(), 0x000000FF);  // red, as pixels 0xFF0000
  BackgroundInfo bg;
  bg.Bitmap = &window;
  bg.BitmapReady = true;
  PixelBuffer corner(kThick, kThick);
  PaintScrollCorner(bars, {}, bg, {30, 30}, corner);
  EXPECT_EQ(Rgb(corner, 0, 0), 0xFF0000u);
  EXPECT_EQ(Rgb(corner, kThick - 1, kThick - 1), 0xF0F0F0u);  // beyond the picture: the global colour

  PaintScrollCorner(bars, {}, Plain(), {0, 0}, corner);
  EXPECT_EQ(Rgb(corner, 5, 5), 0xF0F0F0u);  // no picture: the global colour
}

}  // namespace
