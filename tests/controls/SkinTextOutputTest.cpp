#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "skin/controls/SkinTextOutput.h"
#include "skin/controls/sCommonData.h"
#include "skin/render/core/Blend.h"
#include "tests/controls/BindingTestSkin.h"

namespace {

// Records every text write; a mask write blackens the text's box (as wide as
// the text has characters, one row high per line) with a grey fringe pixel.
class RecordingCanvas : public TacTextCanvas {
 public:
  struct Write {
    TRect Rect;
    TColor Color;
    uint32_t Flags;
    friend bool operator==(const Write&, const Write&) = default;
  };
  std::vector<Write> Writes;
  std::vector<TRect> MaskWrites;
  TColor Current = RGBColor(9, 9, 9);
  bool Underlined = false, Transparent = false;
  int Depth = 0;

  void SetTransparentBackground() override { Transparent = true; }
  TColor TextColor() const override { return Current; }
  void SetTextColor(TColor color) override { Current = color; }
  void WriteText(std::string_view, const TRect& rect, uint32_t flags) override {
    Writes.push_back({rect, Current, flags});
  }
  void AddUnderline() override { Underlined = true; }
  void SaveState() override { ++Depth; }
  void RestoreState() override { --Depth; }
  void ClipTo(const TRect&) override {}
  void WriteTextMask(std::string_view text, const TRect& rect, uint32_t, PixelBuffer& picture) override {
    MaskWrites.push_back(rect);
    const TRect box = MakeRect(rect.Left, rect.Top, int32_t(text.size()), 3);
    FillPixels(picture, box, clBlack, 0);  // platform text leaves alpha 0
    if (box.Right < picture.Width() && box.Top >= 0 && box.Top < picture.Height())
      picture.At(box.Right, box.Top) = 0x00808080;  // a half-covered fringe pixel
  }
};

class SkinTextTest : public ::testing::Test {
 protected:
  void SetUp() override { manager_ = MakeTestManager(); }
  int32_t Index(const char* name) const { return SectionOf(*manager_, name); }
  std::unique_ptr<TsSkinManager> manager_;
  RecordingCanvas canvas_;
  const TRect rect_{10, 10, 60, 30};
};

TEST_F(SkinTextTest, ContourCopiesComeFirstThenTheTextInPlace) {
  WriteSectionText(canvas_, "Abc", true, manager_.get(), 0, Index("OUTLINED"), 0x24, rect_);
  const std::vector<RecordingCanvas::Write> expected = {
      {{10, 11, 60, 31}, 0x000000FFu, 0x24},  // TCBOTTOM one pixel down
      {rect_, 0x00FF0000u, 0x24},             // the font colour in place
  };
  EXPECT_EQ(canvas_.Writes, expected);
  EXPECT_TRUE(canvas_.Transparent);
}

TEST_F(SkinTextTest, DisabledAndMissingSections) {
  WriteSectionText(canvas_, "Abc", false, manager_.get(), 0, Index("DIMTEXT"), 0, rect_);
  ASSERT_EQ(canvas_.Writes.size(), 1u);
  EXPECT_EQ(canvas_.Writes[0].Color, RGBColor(102, 102, 102));  // 0.4 white + 0.6 black
  canvas_.Writes.clear();
  canvas_.Current = RGBColor(9, 9, 9);
  WriteSectionText(canvas_, "Abc", true, manager_.get(), 0, -1, 0, rect_);  // the canvas's own colour
  ASSERT_EQ(canvas_.Writes.size(), 1u);
  EXPECT_EQ(canvas_.Writes[0].Color, RGBColor(9, 9, 9));
  canvas_.Writes.clear();
  WriteSectionText(canvas_, "", true, manager_.get(), 0, Index("OUTLINED"), 0, rect_);
  EXPECT_TRUE(canvas_.Writes.empty());
}

TEST_F(SkinTextTest, ControlTextInBindingColours) {
  FakeHost host;
  TsCtrlSkinData binding(&host, false);
  binding.SetSkinSection("OUTLINED");
  binding.FinishLoading();
  WriteControlText(canvas_, "Abc", true, 0, binding, 0x24, rect_);
  const std::vector<RecordingCanvas::Write> expected = {
      {{10, 11, 60, 31}, 0x000000FFu, 0x24},
      {rect_, 0x00FF0000u, 0x24 | kTextNoClip},  // without adjustments the section's colours as they are
  };
  EXPECT_EQ(canvas_.Writes, expected);
  EXPECT_EQ(canvas_.Depth, 0);

  // CustomFont: a disabled text is embossed, highlight down-right, shadow in place.
  canvas_.Writes.clear();
  binding.SetCustomFont(true);
  WriteControlText(canvas_, "Abc", false, 0, binding, 0, rect_);
  ASSERT_EQ(canvas_.Writes.size(), 2u);
  EXPECT_EQ(canvas_.Writes[0].Rect, (TRect{11, 11, 61, 31}));
  EXPECT_EQ(canvas_.Writes[0].Color, clSystemColor | 20);
  EXPECT_EQ(canvas_.Writes[1].Rect, rect_);
  EXPECT_EQ(canvas_.Writes[1].Color, clSystemColor | 16);
}

TEST_F(SkinTextTest, ControlTextGlowsIntoTheBindingsPicture) {
  FakeHost host;
  TsCtrlSkinData binding(&host, true);
  binding.SetSkinSection("GLOWING");
  binding.FinishLoading();
  binding.PrepareCache();
  FillPixels(*binding.CachePicture, binding.CachePicture->Bounds(), clWhite, 255);
  WriteControlText(canvas_, "Abc", true, 0, binding, 0, {2, 2, 30, 12});
  ASSERT_FALSE(canvas_.MaskWrites.empty());
  EXPECT_NE(binding.CachePicture->At(4, 4), 0xFFFFFFFFu);  // tinted by the green glow
}

TEST_F(SkinTextTest, GlowCoversTheRectangleGrownBySizePlusFourShiftedByOne) {
  PixelBuffer target(80, 60);
  FillPixels(target, target.Bounds(), clBlack, 0);
  GreyBuffer mask;
  GlowText(canvas_, target, "Abc", {20, 20, 40, 30}, mask, RGBColor(0, 255, 0), 0, kGlowAllSides, 0);
  EXPECT_TRUE(canvas_.MaskWrites.empty());  // size 0: nothing
  GlowText(canvas_, target, "Abc", {20, 20, 40, 30}, mask, RGBColor(0, 255, 0), 3, kGlowAllSides, 0);
  EXPECT_EQ(mask.Width(), 20 + 14);
  EXPECT_EQ(mask.Height(), 10 + 14);
  ASSERT_EQ(canvas_.MaskWrites.size(), 5u);  // four sides, then in place
  EXPECT_EQ(canvas_.MaskWrites.back(), (TRect{7, 7, 27, 17}));
  // Everything touched lies inside (21, 21, 41, 31) grown by 7; alpha grows where it glows.
  bool glowed = false;
  for (int32_t y = 0; y < target.Height(); ++y)
    for (int32_t x = 0; x < target.Width(); ++x) {
      if (target.At(x, y) == 0) continue;
      glowed = true;
      EXPECT_TRUE(x >= 14 && x < 48 && y >= 14 && y < 38) << x << "," << y;
      EXPECT_GT(target.At(x, y) >> 24, 0u);
    }
  EXPECT_TRUE(glowed);
  // The same size reuses the mask.
  GlowText(canvas_, target, "Abc", {20, 20, 40, 30}, mask, RGBColor(0, 255, 0), 3, kGlowAllSides, 0);
  EXPECT_EQ(canvas_.MaskWrites.size(), 5u);
}

TEST(AlphaText, CoveredPixelsGetAlphaFromCoverage) {
  // Text mask: a fully covered pixel, a half covered one, and paper.
  PixelBuffer mask(3, 1);
  mask.At(0, 0) = 0x00000000;
  mask.At(1, 0) = 0x00808080;
  mask.At(2, 0) = 0x00FFFFFF;
  struct Case {
    bool alphaMode;
    uint32_t before;
    uint32_t full, half;
  } const cases[] = {
      // Over a fully transparent picture: alpha 255 - k, colour premultiplied by it.
      {true, 0x00000000, 0xFFFE0000, 0x7F3F0000},
      // Over an opaque picture the alpha stays 255.
      {true, 0xFF0000FF, 0xFFFE0000, 0xFF7F007F},
      // Opaque mode: every covered pixel becomes opaque, channels mixed by their own mask byte.
      {false, 0x00000000, 0xFFFF0000, 0xFF7F0000},
  };
  for (const Case& c : cases) {
    PixelBuffer target(3, 1);
    for (int32_t x = 0; x < 3; ++x) target.At(x, 0) = c.before;
    ApplyAlphaText(target, mask, {0, 0}, RGBColor(255, 0, 0), c.alphaMode);
    EXPECT_EQ(target.At(0, 0), c.full) << c.alphaMode << std::hex << " " << target.At(0, 0);
    EXPECT_EQ(target.At(1, 0), c.half) << c.alphaMode << std::hex << " " << target.At(1, 0);
    EXPECT_EQ(target.At(2, 0), c.before) << c.alphaMode;  // paper leaves the picture alone
  }
}

TEST(AlphaText, WriteAlphaTextStaysInsideTheTarget) {
  RecordingCanvas canvas;
  PixelBuffer target(10, 4);
  FillPixels(target, target.Bounds(), clBlack, 0);
  WriteAlphaText(canvas, target, "Abcdefgh", true, clWhite, 0, {6, 2, 20, 8});  // runs off the right and bottom
  ASSERT_EQ(canvas.MaskWrites.size(), 1u);
  EXPECT_EQ(canvas.MaskWrites[0], (TRect{0, 0, 14, 6}));
  EXPECT_EQ(target.At(6, 2), 0xFFFEFEFEu);
  EXPECT_EQ(target.At(5, 2), 0u);
  WriteAlphaText(canvas, target, "Abc", true, clWhite, 0, {0, 0, 0, 5});  // empty rectangle
  EXPECT_EQ(canvas.MaskWrites.size(), 1u);
}

TEST(AlphaText, MaskPlacedPartlyOrFarOutsideTheTargetTouchesOnlyWhatOverlaps) {
  PixelBuffer mask(3, 2);
  FillPixels(mask, mask.Bounds(), clBlack, 0);  // every pixel covered
  constexpr int32_t kFar = std::numeric_limits<int32_t>::max();
  struct Case {
    TPoint at;
    TRect covered;  // in the target
  } const cases[] = {
      {{-2, -1}, {0, 0, 1, 1}},  // only the mask's bottom-right pixel lands
      {{3, 2}, {3, 2, 4, 3}},    // only its top-left pixel lands
      {{-kFar - 1, 0}, {}},      {{0, -kFar - 1}, {}},  {{kFar, 0}, {}},  {{0, kFar}, {}},
  };
  for (const Case& c : cases) {
    PixelBuffer target(4, 3);
    FillPixels(target, target.Bounds(), clBlack, 0);
    ApplyAlphaText(target, mask, c.at, clWhite, false);
    for (int32_t y = 0; y < 3; ++y)
      for (int32_t x = 0; x < 4; ++x) {
        const bool inside = x >= c.covered.Left && x < c.covered.Right && y >= c.covered.Top && y < c.covered.Bottom;
        EXPECT_EQ(target.At(x, y), inside ? 0xFFFFFFFFu : 0u) << c.at.X << "," << c.at.Y << " at " << x << "," << y;
      }
  }
}

TEST(AlphaText, PlatformTextAlphaIsRestored) {
  PixelBuffer picture(4, 2);
  for (int32_t x = 0; x < 4; ++x) {
    picture.At(x, 0) = 0x80102030;  // translucent
    picture.At(x, 1) = 0x00000000;  // transparent
  }
  GreyBuffer saved;
  MarkTextArea(picture, {1, 0, 10, 2}, saved);  // clipped to the picture
  EXPECT_EQ(picture.At(1, 0) >> 24, 1u);
  EXPECT_EQ(picture.At(0, 0) >> 24, 0x80u);  // outside the area
  // The platform draws text into two pixels and clears their alpha.
  picture.At(2, 0) = 0x00FF0000;
  picture.At(3, 1) = 0x00FF0000;
  RestoreTextAlpha(picture, {1, 0, 10, 2}, saved);
  EXPECT_EQ(picture.At(2, 0), 0xFFFF0000u);
  EXPECT_EQ(picture.At(3, 1), 0xFFFF0000u);
  EXPECT_EQ(picture.At(1, 0), 0x80102030u);
  EXPECT_EQ(picture.At(1, 1), 0x00000000u);
}

TEST_F(SkinTextTest, AlphaSectionTextWritesContoursInAlphaMode) {
  PixelBuffer target(80, 40);
  FillPixels(target, target.Bounds(), clBlack, 0);
  WriteAlphaSectionText(canvas_, target, "Abc", true, manager_.get(), 0, Index("OUTLINED"), 0, rect_);
  ASSERT_EQ(canvas_.MaskWrites.size(), 2u);
  EXPECT_EQ(target.At(10, 11), 0xFF0000FEu);  // the font colour (blue) covers the contour's first rows
  EXPECT_EQ(target.At(10, 13), 0xFFFE0000u);  // the red contour shows one row below
}

}  // namespace
