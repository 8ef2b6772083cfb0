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
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "skin/data/SkinElements.h"
#include "skin/data/SkinLoader.h"
#include "skin/render/core/Blend.h"
#include "skin/render/core/Raster.h"
#include "skin/paint/BorderMask.h"
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

// skinEdit may change what the frame is painted from before painting.
Painted Paint(const FrameInputs& in, bool bigBorder, bool maxMin, const FrameLook& look,
              const std::function<void(FramePaintSkin&)>& skinEdit = {}, const FrameSkinValues* values = nullptr,
              const std::vector<UserTitleButtonInput>& users = {}) {
  const BuiltinFrame& b = Builtin();
  const FrameSkinValues& v = values ? *values : b.Values;
  Painted p;
  p.In = in;
  const TitleGlyphChoice glyphs = ChooseTitleGlyphs(b.Elements, bigBorder, maxMin, in.Maximized, false);
  p.Skin = FramePaintSkinOf(b.Skin, b.Elements, b.Borders, glyphs);
  if (skinEdit) skinEdit(p.Skin);
  TitleButtonsInput buttons;
  buttons.Glyphs = glyphs.Set;
  buttons.VisibleMax = buttons.VisibleMin = buttons.Help = maxMin;
  buttons.ShowIcon = bigBorder;
  buttons.GlyphSize = GlyphSizes(p.Skin.View, glyphs.Glyphs);
  buttons.UserButtons = users;
  p.M = MeasureFrame(in, v);
  p.Layout = LayoutTitle(p.M, in, v, buttons);
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
      RepaintTitleButton(p.Skin, p.M, p.Layout, Look(true, 1), HitCodeOf(TitleButton::Close), p.ButtonsBackground, p.Cache);
  EXPECT_EQ(changed, p.Layout.Buttons[size_t(TitleButton::Close)]);
  const Painted hot = Paint(MainWindow(), false, false, Look(true, 1));
  RepaintTitleButton(p.Skin, p.M, p.Layout, Look(true, 0), HitCodeOf(TitleButton::Close), p.ButtonsBackground, p.Cache);
  int differing = 0, differingHot = 0;
  for (int32_t y = 0; y < before.Height(); ++y)
    for (int32_t x = 0; x < before.Width(); ++x) differing += before.At(x, y) != p.Cache.At(x, y);
  EXPECT_EQ(differing, 0) << "hot and back to normal must restore every pixel";
  RepaintTitleButton(p.Skin, p.M, p.Layout, Look(true, 1), HitCodeOf(TitleButton::Close), p.ButtonsBackground, p.Cache);
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

TEST(FramePaint, InFrameButtonsStayInsideTheSystemCaption) {
  const FrameInputs in = SizeableWindow(FrameMode::InFrame, false);
  const Painted normal = Paint(in, true, true, Look(true, 0));
  const Painted hot = Paint(in, true, true, Look(true, 1));
  const TRect close = hot.Layout.Buttons[size_t(TitleButton::Close)];
  ASSERT_EQ(close.Top, 4);
  ASSERT_EQ(close.Bottom, 23);
  // The hot close button's red fills the 19 caption rows and nothing above or below them.
  const int32_t x = close.Left + 10;
  for (int32_t y = 0; y < 30; ++y) {
    const bool red = ((Rgb(hot.Cache, x, y) >> 16) & 0xFF) > 0xC0 && ((Rgb(hot.Cache, x, y) >> 8) & 0xFF) < 0x40;
    EXPECT_EQ(red, y >= 4 && y < 23) << y;
    if (y < 4 || y >= 23) {
      EXPECT_EQ(hot.Cache.At(x, y), normal.Cache.At(x, y)) << y;
    }
  }
  // The cut glyph repaints over the saved background exactly as a full paint draws it.
  Painted p = Paint(in, true, true, Look(true, 0));
  RepaintTitleButton(p.Skin, p.M, p.Layout, Look(true, 1), HitCodeOf(TitleButton::Close), p.ButtonsBackground, p.Cache);
  int differing = 0;
  for (int32_t py = 0; py < p.Cache.Height(); ++py)
    for (int32_t px = 0; px < p.Cache.Width(); ++px) differing += p.Cache.At(px, py) != hot.Cache.At(px, py);
  EXPECT_EQ(differing, 0);
}

TEST(FramePaint, HeaderBandOnlyWithAHeightAndAHeaderSection) {
  const FrameInputs in = SizeableWindow(FrameMode::InFrame, false);
  FrameLook look = Look(true);
  const Painted none = Paint(in, true, true, look);
  look.HeaderHeight = 20;
  const Painted header = Paint(in, true, true, look);
  const Painted withoutSection = Paint(in, true, true, look, [](FramePaintSkin& s) { s.HeaderSection = -1; });
  const uint32_t white = 0xFFFFFF, form = Rgb(none.Cache, 100, 60);
  ASSERT_NE(form, white);
  // The header's white takes the client's top 20 rows inside the frame; the frame line stays.
  EXPECT_EQ(Rgb(header.Cache, 100, 23), white);
  EXPECT_EQ(Rgb(header.Cache, 100, 42), white);
  EXPECT_EQ(Rgb(header.Cache, 100, 43), form);
  EXPECT_EQ(Rgb(header.Cache, 0, 30), Rgb(none.Cache, 0, 30));
  EXPECT_EQ(Rgb(none.Cache, 100, 30), form);
  for (int32_t y = 0; y < withoutSection.Cache.Height(); ++y)
    EXPECT_EQ(withoutSection.Cache.At(100, y), none.Cache.At(100, y)) << y;
  // A height beyond the client is held to it.
  look.HeaderHeight = 1 << 30;
  EXPECT_EQ(Rgb(Paint(in, true, true, look).Cache, 100, 142), white);
}

TEST(FramePaint, TitleBarImageBehindTheButtonsAndTheGripInTheClientCorner) {
  FrameInputs in = SizeableWindow(FrameMode::InFrame, false);
  in.GripSize = {12, 12};
  // A skin whose form section has a plain green "TITLEBAR" image, 6 pixels wide.
  auto masks = std::make_shared<TsMaskArray>(Builtin().Skin.Images.Masks());
  TsMaskData bar;
  bar.Image = std::make_shared<PixelBuffer>(6, 10);
  FillPixels(*bar.Image, bar.Image->Bounds(), 0x0000C000, 255);
  bar.SourceRect = {0, 0, 6, 10};
  bar.FrameCount = 1;
  bar.BorderL = bar.BorderT = bar.BorderR = bar.BorderB = 1;
  bar.PaintMode = kBorderStretch | kBorderPaintCentre;
  bar.OwnerManager = Builtin().Skin.Images.Masks()[0].OwnerManager;
  masks->push_back(bar);
  const Painted p = Paint(in, true, true, Look(true), [&](FramePaintSkin& s) {
    s.View.Masks = masks.get();
    s.TitleBar = int32_t(masks->size() - 1);
  });
  const uint32_t green = 0x00C000;
  // From 2 x 6 + the buttons' width left of the cache's right edge, over the caption rows.
  const int32_t left = p.M.Cache.cx - (12 + p.Layout.ButtonsWidth);
  EXPECT_EQ(Rgb(p.Cache, left, 12), green);
  EXPECT_NE(Rgb(p.Cache, left - 1, 12), green);
  EXPECT_NE(Rgb(p.Cache, left, 23), green);
  // The grip's dots (a triangle of 2 x 2 dots on a 3-pixel pitch) end in the client's corner.
  const TRect grip = p.M.Grip;
  ASSERT_EQ(grip, (TRect{312, 131, 324, 143}));
  EXPECT_EQ(Rgb(p.Cache, grip.Left + 10, grip.Top + 10), 0xB8B8B8u);
  EXPECT_EQ(Rgb(p.Cache, grip.Left + 1, grip.Top + 1), Rgb(p.Cache, 100, 100));
  EXPECT_EQ(Rgb(Paint(SizeableWindow(FrameMode::InFrame, false), true, true, Look(true)).Cache, grip.Left + 10,
                grip.Top + 10),
            Rgb(p.Cache, 100, 100));
}

TEST(FramePaint, TheIconBlendsIntoTheCaptionOnTheCentreLine) {
  const FrameInputs in = SizeableWindow(FrameMode::ExtendedBorder, false);
  PixelBuffer icon(16, 16);
  FillPixels(icon, icon.Bounds(), 0x000000FF, 255);         // red, opaque
  FillPixels(icon, MakeRect(8, 0, 8, 16), 0x000000FF, 0);   // right half transparent
  FrameLook look = Look(true);
  look.Icon = &icon;
  const Painted p = Paint(in, true, true, look);
  const TRect r = p.Layout.Icon;
  ASSERT_EQ(r.Height(), 16);
  EXPECT_EQ(r.Top + 8, p.Layout.CenterLine);
  EXPECT_EQ(p.Cache.At(r.Left + 2, r.Top + 2), 0xFFFF0000u);  // red (BGRA in memory), opaque
  EXPECT_EQ(Rgb(p.Cache, r.Left + 12, r.Top + 2), 0xFFFFFFu);  // the caption's white shows through
  EXPECT_EQ(Alpha(p.Cache, r.Left + 12, r.Top + 2), 255u);
}

// The skin without an extended-border image: the built-in shadow with 9-pixel margins.
TEST(FramePaint, WithoutAnExtendedBorderImageTheBuiltInShadowKeepsItsNinePixelMargins) {
  const BuiltinFrame& b = Builtin();
  TacSkinElements elements = b.Elements;
  const auto exBorder = std::find(kWellKnownMaskKeys.begin(), kWellKnownMaskKeys.end(), "EXBORDER");
  elements.GlobalMasks[size_t(exBorder - kWellKnownMaskKeys.begin())] = -1;
  const TacBorderImages borders = PrepareBorderImages(&b.Skin, elements, true, &b.Engine);
  ASSERT_EQ(borders.MarginL, kBuiltinShadowMargin);
  const FrameSkinValues values =
      FrameSkinValuesOf(b.Skin.SkinData, borders.MarginL, borders.MarginT, borders.MarginR, borders.MarginB);
  const FramePaintSkin skin =
      FramePaintSkinOf(b.Skin, elements, borders, ChooseTitleGlyphs(elements, false, false, false, false));
  EXPECT_EQ(skin.ShadowBorders, (TBorderWidths{9, 9, 9, 9}));
  const Painted p = Paint(MainWindow(), false, false, Look(true), [&](FramePaintSkin& s) { s = skin; }, &values);
  ExpectGolden(ComposeOverColor(p.Cache), "frame-builtin-shadow");
  const PixelBuffer& c = p.Cache;
  ASSERT_EQ(c.Width(), 360 + 18);
  // The shadow fades out over the 9 pixels outside the frame and stays off the frame.
  const uint32_t accent = ExchangeRedBlue(14120960u);
  EXPECT_EQ(Alpha(c, 0, 150), 0u);
  EXPECT_GT(Alpha(c, 8, 150), 0u);
  EXPECT_LT(Alpha(c, 8, 150), 255u);
  EXPECT_EQ(Rgb(c, 9, 150), accent);
  EXPECT_EQ(Alpha(c, 9, 150), 255u);
  EXPECT_EQ(Rgb(c, 10, 150), Rgb(c, 180, 150));
  EXPECT_EQ(Rgb(c, 180, 9 + 15), 0xFFFFFFu);  // the caption
}

// A shadow reaching into the frame (FORMOFFSET 4: margins of 30 under borders
// of 34) covers the frame's edges, but the corner pieces of the masks lie over it.
TEST(FramePaint, TheMasksCornerPiecesLieOverAShadowThatReachesIntoTheFrame) {
  FrameSkinValues values = Builtin().Values;
  values.MarginL = values.MarginT = values.MarginR = values.MarginB = 30;
  const Painted p = Paint(MainWindow(), false, false, Look(true), {}, &values);
  const PixelBuffer& c = p.Cache;
  const uint32_t accent = ExchangeRedBlue(14120960u);
  const int32_t right = c.Width() - 31, bottom = c.Height() - 31;
  for (TPoint corner : {TPoint{30, 30}, TPoint{right, 30}, TPoint{30, bottom}, TPoint{right, bottom}}) {
    EXPECT_EQ(Rgb(c, corner.X, corner.Y), accent) << corner.X << "," << corner.Y;
    EXPECT_EQ(Alpha(c, corner.X, corner.Y), 255u);
  }
  EXPECT_NE(Rgb(c, 30, 200), accent);  // the edge under the shadow
  EXPECT_LT(Alpha(c, 30, 200), 255u);
}

// BORDERMODE 1: the extended-border image is the whole window's picture, the
// caption bar on top of it. The picture here: an 8-pixel shadow, a 2-pixel
// frame line, a clear middle; its borders of 10 deeper than the 8-pixel margins.
TEST(FramePaint, BorderModeOneStretchesTheWholePictureUnderTheCaptionBar) {
  PixelBuffer picture(40, 40);
  FillPixels(picture, picture.Bounds(), clBlack, 50);
  FillPixels(picture, {8, 8, 32, 32}, 0x00D77800, 255);  // the accent, RGB 0, 120, 215
  FillPixels(picture, {10, 10, 30, 30}, clBlack, 0);
  FrameSkinValues values = Builtin().Values;
  values.MarginL = values.MarginT = values.MarginR = values.MarginB = 8;  // FORMOFFSET on every side
  const Painted p = Paint(MainWindow(), false, false, Look(true), [&](FramePaintSkin& s) {
    s.ShadowActive = &picture;
    s.ShadowBorders = {10, 10, 10, 10};
    s.WholeBorderPicture = true;
  }, &values);
  ExpectGolden(ComposeOverColor(p.Cache), "frame-bordermode1");
  const PixelBuffer& c = p.Cache;
  ASSERT_EQ(c.Width(), 360 + 16);
  const uint32_t accent = ExchangeRedBlue(14120960u);
  EXPECT_EQ(Alpha(c, 4, 200), 50u);  // the picture's shadow
  EXPECT_EQ(Rgb(c, 8, 200), accent);
  EXPECT_EQ(Rgb(c, 9, 200), accent);  // its 2-pixel line over the form's 1-pixel one
  EXPECT_EQ(Rgb(c, 10, 200), Rgb(c, 180, 200));
  // The caption bar lies over the picture: its own top line, then white down to its bottom.
  EXPECT_EQ(Rgb(c, 180, 8), accent);
  EXPECT_EQ(Rgb(c, 180, 9), 0xFFFFFFu);
  EXPECT_EQ(Rgb(c, 180, 37), 0xFFFFFFu);
  EXPECT_EQ(Alpha(c, 180, 9), 255u);
}

TEST(FramePaint, AMissingFormSectionPaintsNothingAndDoesNotFail) {
  Painted p = Paint(MainWindow(), false, false, Look(true));
  p.Skin.FormSection = -1;
  PixelBuffer cache, background;
  PaintFrame(p.Skin, p.M, p.In, p.Layout, Look(true), cache, background);
  EXPECT_EQ(cache.Width(), p.M.Cache.cx);
  // The main window shows no maximize button: nothing to repaint.
  EXPECT_TRUE(RepaintTitleButton(p.Skin, p.M, p.Layout, Look(true), HitCodeOf(TitleButton::Maximize), p.ButtonsBackground, p.Cache)
                  .IsEmpty());
}

// A user title button: the skin's "TITLEBUTTON" picture, the glyph centred
// over it (one pixel down and right while pressed); a glyph without alpha
// loses its bottom-left colour, a 32-bit one is laid down with its alpha.
TEST(FramePaint, UserButtonGlyphOverTheSkinPicture) {
  const uint32_t key = 0xFF00FF00u;  // green, as a pixel
  // Laid down with weight 255 of 256: red within one step.
  auto isRed = [](uint32_t p) { return ((p >> 16) & 0xFF) >= 0xFE && (p & 0xFFFF) == 0; };
  PixelBuffer glyph(10, 10);
  FillPixels(glyph, glyph.Bounds(), 0x0000FF00, 255);  // green, the bottom-left colour: transparent
  FillPixels(glyph, {3, 3, 7, 7}, 0x000000FF, 255);
  ASSERT_EQ(glyph.At(0, 9), key);
  PixelBuffer alphaGlyph(10, 10);
  FillPixels(alphaGlyph, alphaGlyph.Bounds(), 0x0000FF00, 0);  // alpha 0: nothing of it shows
  FillPixels(alphaGlyph, {3, 3, 7, 7}, 0x000000FF, 255);

  const Painted plain = Paint(SizeableWindow(FrameMode::ExtendedBorder, false), true, true, Look(true), {}, nullptr, {{true, 10, 0}});
  const TRect r = plain.Layout.UserButtons[0];
  ASSERT_FALSE(r.IsEmpty());
  const int32_t background = plain.Skin.UserButtonImage;
  ASSERT_GE(background, 0) << "the built-in skin has a TITLEBUTTON picture";
  const TSize picture{plain.Skin.View.Mask(background)->Width(), plain.Skin.View.Mask(background)->Height()};
  const std::vector<UserTitleButtonInput> users{{true, 10, picture.cx}};
  auto paint = [&](const PixelBuffer* g, bool alpha, int32_t state, bool skinData = true) {
    FrameLook look = Look(true);
    look.UserButtons = {{state, true, skinData, g, alpha}};
    return Paint(SizeableWindow(FrameMode::ExtendedBorder, false), true, true, look, {}, nullptr, users);
  };
  const Painted none = paint(nullptr, false, 0);
  const Painted keyed = paint(&glyph, false, 0);
  const Painted withAlpha = paint(&alphaGlyph, true, 0);
  const Painted pressed = paint(&glyph, false, 2);
  const TRect b = keyed.Layout.UserButtons[0];
  EXPECT_EQ(b.Width(), std::max(12, picture.cx));
  const TPoint g{b.Left + (b.Width() - 10) / 2, b.Top + (b.Height() - 10) / 2};  // the glyph's top-left corner
  for (const Painted* p : {&keyed, &withAlpha}) {
    EXPECT_TRUE(isRed(p->Cache.At(g.X + 4, g.Y + 4))) << std::hex << p->Cache.At(g.X + 4, g.Y + 4);
    EXPECT_EQ(p->Cache.At(g.X + 1, g.Y + 1), none.Cache.At(g.X + 1, g.Y + 1)) << "the transparent part shows the picture";
  }
  EXPECT_TRUE(isRed(pressed.Cache.At(g.X + 7, g.Y + 7)));
  EXPECT_FALSE(isRed(pressed.Cache.At(g.X + 3, g.Y + 3)));
  EXPECT_TRUE(isRed(keyed.Cache.At(g.X + 3, g.Y + 3)));
  // Without skin data only the glyph is drawn, over the caption.
  const Painted own = paint(&glyph, false, 0, false);
  EXPECT_EQ(own.Cache.At(g.X + 1, g.Y + 1), plain.Cache.At(g.X + 1, g.Y + 1));
  // The hot state shows the picture's hot image; a repaint equals a full paint.
  Painted repainted = paint(&glyph, false, 0);
  FrameLook hot = Look(true);
  hot.UserButtons = {{1, true, true, &glyph, false}};
  const TRect changed = RepaintTitleButton(repainted.Skin, repainted.M, repainted.Layout, hot, kFrameHitUserButton,
                                           repainted.ButtonsBackground, repainted.Cache);
  EXPECT_EQ(changed, b);
  const Painted full = paint(&glyph, false, 1);
  int differing = 0;
  for (int32_t y = 0; y < full.Cache.Height(); ++y)
    for (int32_t x = 0; x < full.Cache.Width(); ++x) differing += full.Cache.At(x, y) != repainted.Cache.At(x, y);
  EXPECT_EQ(differing, 0);
  EXPECT_NE(full.Cache.At(b.Left + 1, b.Top + 1), keyed.Cache.At(b.Left + 1, b.Top + 1)) << "hot differs from normal";
}

}  // namespace
