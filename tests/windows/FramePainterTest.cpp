// The full frame paint of the built-in skin into a frame cache, against
// golden pictures composed over a light desktop colour (the caption text is
// the platform's and is left out here), plus the rules that pictures alone do
// not show: the alpha of the shadow, the frame line, and that a title button
// repainted over the saved background gives the same pixels as a full paint.
//
// After a deliberate change, look at the new pictures and regenerate them with
//   DR_UPDATE_GOLDEN=1 ctest -R frame_paint_tests
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "skin/data/SkinElements.h"
#include "skin/data/SkinLoader.h"
#include "skin/render/core/Blend.h"
#include "skin/render/core/Raster.h"
#include "skin/windows/ComposedPicture.h"
#include "skin/windows/FramePainter.h"
#include "tools/GoldenPicture.h"
#include "tools/skinpreview/PictureFolder.h"
#include "tools/skinpreview/SkinPreviewLoad.h"

namespace {

const std::string kSkinDir = DR_BUILTIN_SKIN_DIR;
const std::string kGoldenDir = std::string(DR_SOURCE_DIR) + "/tests/golden/";

struct BuiltinFrame {
  PictureFolder Engine{kSkinDir + "/engine"};
  LoadedSkin Skin = LoadPreviewSkin(kSkinDir + "/windows10.asz", Engine);
  TacSkinElements Elements = ComputeSkinElements(&Skin);
  TacBorderImages Borders = PrepareBorderImages(&Skin, Elements, true, &Engine);
  FrameSkinValues Values = FrameSkinValuesOf(Skin.SkinData, Borders.MarginL, Borders.MarginT, Borders.MarginR,
                                             Borders.MarginB);
};

const BuiltinFrame& Builtin() {
  static const BuiltinFrame frame;
  return frame;
}

// One window's frame: inputs, glyphs, layout and the painted cache.
struct Painted {
  FrameInputs In;
  FramePaintSkin Skin;
  FrameMeasures M;
  TitleLayout Layout;
  PixelBuffer Cache, ButtonsBackground;
};

Painted Paint(const FrameInputs& in, bool bigBorder, bool maxMin, const FrameLook& look) {
  const BuiltinFrame& b = Builtin();
  Painted p;
  p.In = in;
  const TitleGlyphChoice glyphs = ChooseTitleGlyphs(b.Elements, bigBorder, maxMin, in.Maximized, false);
  p.Skin = FramePaintSkinOf(b.Skin, b.Elements, b.Borders, glyphs);
  TitleButtonsInput buttons;
  buttons.Glyphs = glyphs.Set;
  buttons.VisibleMax = buttons.VisibleMin = buttons.Help = maxMin;
  buttons.ShowIcon = bigBorder;
  buttons.GlyphSize = GlyphSizes(p.Skin.View, glyphs.Glyphs);
  p.M = MeasureFrame(in, b.Values);
  p.Layout = LayoutTitle(p.M, in, b.Values, buttons);
  PaintFrame(p.Skin, p.M, in, p.Layout, look, p.Cache, p.ButtonsBackground);
  return p;
}

// The main window at 96 dpi: dialog frame 3, caption 19, client 358 x 288.
FrameInputs MainWindow() {
  FrameInputs in;
  in.Mode = FrameMode::ExtendedBorder;
  in.Client = {358, 288};
  in.ClientInWindow = {3, 22};
  in.Window = {364, 313};
  in.SystemFrame = 3;
  return in;
}

FrameInputs SizeableWindow(FrameMode mode, bool maximized) {
  FrameInputs in;
  in.Mode = mode;
  in.Sizeable = true;
  in.Maximized = maximized;
  in.Client = {320, 120};
  in.ClientInWindow = {4, 23};
  in.Window = {328, 147};
  return in;
}

FrameLook Look(bool active, int closeState = 0) {
  FrameLook look;
  look.Active = active;
  look.ButtonStates[size_t(TitleButton::Close)] = closeState;
  return look;
}

void ExpectGolden(const PixelBuffer& picture, const std::string& name) {
  const GoldenResult golden = CompareWithGolden(picture, kGoldenDir + name + ".png", name);
  if (golden.Updated) return;
  ASSERT_FALSE(golden.Missing) << golden.Message;
  EXPECT_EQ(golden.Differing, 0) << golden.Message;
}

// Several pictures side by side over the desktop colour, 8 pixels apart.
PixelBuffer SideBySide(const std::vector<const PixelBuffer*>& pictures) {
  int32_t width = 8, height = 0;
  for (const PixelBuffer* p : pictures) {
    width += p->Width() + 8;
    height = std::max(height, p->Height());
  }
  PixelBuffer sheet(width, height + 16);
  FillPixels(sheet, sheet.Bounds(), kComposeDesktop, 255);
  int32_t x = 8;
  for (const PixelBuffer* p : pictures) {
    const PixelBuffer composed = ComposeOverColor(*p);
    CopyPixels(sheet, {x, 8}, composed, composed.Bounds());
    x += p->Width() + 8;
  }
  return sheet;
}

uint32_t Alpha(const PixelBuffer& b, int32_t x, int32_t y) { return b.At(x, y) >> 24; }
uint32_t Rgb(const PixelBuffer& b, int32_t x, int32_t y) { return b.At(x, y) & 0xFFFFFF; }

TEST(FramePaint, MainWindowActiveAndInactiveMatchTheirGoldenPictures) {
  const Painted active = Paint(MainWindow(), false, false, Look(true));
  const Painted inactive = Paint(MainWindow(), false, false, Look(false));
  ExpectGolden(ComposeOverColor(active.Cache), "frame-main-active");
  ExpectGolden(ComposeOverColor(inactive.Cache), "frame-main-inactive");
  EXPECT_NE(Rgb(active.Cache, 34, 200), Rgb(inactive.Cache, 34, 200)) << "the accent line greys when inactive";
}

TEST(FramePaint, SquareCornersOnePixelAccentLineThirtyPixelCaptionAndAFadingShadow) {
  const Painted p = Paint(MainWindow(), false, false, Look(true));
  const PixelBuffer& c = p.Cache;
  const uint32_t accent = ExchangeRedBlue(14120960u);  // the skin's BORDERCOLOR, RGB 0, 120, 215
  ASSERT_EQ(c.Width(), 428);
  ASSERT_EQ(c.Height(), 387);
  // Square corners: the corner pixels of the frame are the line itself, fully opaque.
  for (TPoint corner : {TPoint{34, 34}, TPoint{393, 34}, TPoint{34, 352}, TPoint{393, 352}}) {
    EXPECT_EQ(Rgb(c, corner.X, corner.Y), accent) << corner.X << "," << corner.Y;
    EXPECT_EQ(Alpha(c, corner.X, corner.Y), 255u);
  }
  // One pixel wide: the pixel inside the line is the caption's or the form's colour.
  EXPECT_NE(Rgb(c, 35, 200), accent);
  EXPECT_EQ(Rgb(c, 34, 200), accent);
  // The caption bar: 30 rows of the title colour from the top line down, then the form colour.
  const uint32_t title = Rgb(c, 100, 50);
  EXPECT_EQ(Rgb(c, 100, 35), title);
  EXPECT_EQ(Rgb(c, 100, 63), title);
  EXPECT_NE(Rgb(c, 100, 64), title);
  // The shadow: transparent at the outer edge, growing toward the frame, never opaque.
  EXPECT_EQ(Alpha(c, 0, 200), 0u);
  EXPECT_EQ(Alpha(c, 200, 0), 0u);
  EXPECT_EQ(Alpha(c, 427, 386), 0u);
  EXPECT_GT(Alpha(c, 33, 200), 0u);
  EXPECT_LT(Alpha(c, 33, 200), 255u);
  for (int32_t x = 1; x < 34; ++x) EXPECT_LE(Alpha(c, x - 1, 200), Alpha(c, x, 200)) << x;
  for (int32_t y = 354; y < 387; ++y) EXPECT_GE(Alpha(c, 200, y - 1), Alpha(c, 200, y)) << y;
}

TEST(FramePaint, CloseButtonStatesMatchTheGoldenPicture) {
  const Painted normal = Paint(MainWindow(), false, false, Look(true, 0));
  const Painted hot = Paint(MainWindow(), false, false, Look(true, 1));
  const Painted pressed = Paint(MainWindow(), false, false, Look(true, 2));
  const TRect close = normal.Layout.Buttons[size_t(TitleButton::Close)];
  PixelBuffer sheet(close.Width() * 3 + 16, close.Height() + 8);
  FillPixels(sheet, sheet.Bounds(), kComposeDesktop, 255);
  int32_t x = 4;
  for (const Painted* p : {&normal, &hot, &pressed}) {
    CopyPixels(sheet, {x, 4}, p->Cache, close);
    x += close.Width() + 4;
  }
  ExpectGolden(sheet, "frame-close-states");
  // The hot close button is the skin's red.
  const uint32_t red = Rgb(hot.Cache, close.Left + 2, close.Top + 2);
  EXPECT_GT((red >> 16) & 0xFF, 0xC0u);
  EXPECT_LT((red >> 8) & 0xFF, 0x40u);
}

TEST(FramePaint, ARepaintedButtonEqualsAFullPaint) {
  Painted p = Paint(MainWindow(), false, false, Look(true, 0));
  const PixelBuffer before = p.Cache.Clone();
  const TRect changed =
      RepaintTitleButton(p.Skin, p.M, p.Layout, Look(true, 1), TitleButton::Close, p.ButtonsBackground, p.Cache);
  EXPECT_EQ(changed, p.Layout.Buttons[size_t(TitleButton::Close)]);
  const Painted hot = Paint(MainWindow(), false, false, Look(true, 1));
  RepaintTitleButton(p.Skin, p.M, p.Layout, Look(true, 0), TitleButton::Close, p.ButtonsBackground, p.Cache);
  int differing = 0, differingHot = 0;
  for (int32_t y = 0; y < before.Height(); ++y)
    for (int32_t x = 0; x < before.Width(); ++x) differing += before.At(x, y) != p.Cache.At(x, y);
  EXPECT_EQ(differing, 0) << "hot and back to normal must restore every pixel";
  RepaintTitleButton(p.Skin, p.M, p.Layout, Look(true, 1), TitleButton::Close, p.ButtonsBackground, p.Cache);
  for (int32_t y = 0; y < before.Height(); ++y)
    for (int32_t x = 0; x < before.Width(); ++x) differingHot += hot.Cache.At(x, y) != p.Cache.At(x, y);
  EXPECT_EQ(differingHot, 0);
}

TEST(FramePaint, SizeableWindowInBothModesNormalAndMaximized) {
  const Painted extended = Paint(SizeableWindow(FrameMode::ExtendedBorder, false), true, true, Look(true));
  const Painted maximized = Paint(SizeableWindow(FrameMode::ExtendedBorder, true), true, true, Look(true));
  const Painted inFrame = Paint(SizeableWindow(FrameMode::InFrame, false), true, true, Look(true));
  ExpectGolden(SideBySide({&extended.Cache, &maximized.Cache, &inFrame.Cache}), "frame-sizeable");
  // In-frame pictures are opaque: the system shows the window as it is.
  EXPECT_EQ(Alpha(inFrame.Cache, 0, 0), 255u);
  EXPECT_EQ(inFrame.Cache.Width(), 328);
}

TEST(FramePaint, AMissingFormSectionPaintsNothingAndDoesNotFail) {
  Painted p = Paint(MainWindow(), false, false, Look(true));
  p.Skin.FormSection = -1;
  PixelBuffer cache, background;
  PaintFrame(p.Skin, p.M, p.In, p.Layout, Look(true), cache, background);
  EXPECT_EQ(cache.Width(), p.M.Cache.cx);
  // The main window shows no maximize button: nothing to repaint.
  EXPECT_TRUE(RepaintTitleButton(p.Skin, p.M, p.Layout, Look(true), TitleButton::Maximize, p.ButtonsBackground, p.Cache)
                  .IsEmpty());
}

}  // namespace
