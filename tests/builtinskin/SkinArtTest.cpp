// The generator's drawing: exact coverage of axis-aligned shapes, analytic
// edges of the others, and the bytes its pictures are written as.
#include <gtest/gtest.h>

#include <cmath>

#include "tools/BmpWriter.h"
#include "tools/skinimages/Canvas.h"
#include "tools/skinimages/ImageFiles.h"
#include "tools/skinimages/SkinImages.h"

namespace {

struct CoverageCase {
  const char* Name;
  Coverage Shape;
  int X, Y;
  double Expected;
};

TEST(SkinArt, CoverageOfShapes) {
  const CoverageCase cases[] = {
      {"rect inside", RectCoverage(0, 0, 4, 4), 1, 1, 1.0},
      {"rect half column", RectCoverage(0.5, 0, 4, 4), 0, 1, 0.5},
      {"rect quarter corner", RectCoverage(0.5, 0.5, 4, 4), 0, 0, 0.25},
      {"rect outside", RectCoverage(0, 0, 4, 4), 4, 0, 0.0},
      {"disc centre", DiscCoverage(5, 5, 3), 4, 4, 1.0},
      {"disc edge through pixel centre", DiscCoverage(0.5, 5.5, 3), 3, 5, 0.5},
      {"disc far", DiscCoverage(5, 5, 3), 0, 0, 0.0},
      {"ring hole", RingCoverage(5, 5, 4, 1), 4, 4, 0.0},
      {"stroke on its axis", PolylineCoverage({{0, 2.5}, {10, 2.5}}, 1.0), 4, 2, 1.0},
      {"stroke next row", PolylineCoverage({{0, 2.5}, {10, 2.5}}, 1.0), 4, 3, 0.0},
      {"triangle inside", ConvexPolygonCoverage({{0, 0}, {8, 0}, {4, 8}}), 3, 1, 1.0},
      {"triangle outside", ConvexPolygonCoverage({{0, 0}, {8, 0}, {4, 8}}), 0, 6, 0.0},
  };
  for (const CoverageCase& c : cases) EXPECT_NEAR(c.Shape(c.X, c.Y), c.Expected, 1e-9) << c.Name;
}

TEST(SkinArt, MaskedBitmapStacksPictureOverMask) {
  GeneratedImage image{"T.BMP", ImageFormat::MaskedBmp, Canvas(2, 1)};
  image.Picture.FillRect(0, 0, 1, 1, {10, 20, 30});
  image.Picture.FillRect(1, 0, 2, 1, {200, 100, 0}, 0.5);
  const PixelBuffer px = FilePixels(image);
  ASSERT_EQ(px.Height(), 2);
  EXPECT_EQ(px.At(0, 0), 0xFF0A141Eu);  // opaque: the colour, mask black
  EXPECT_EQ(px.At(0, 1), 0xFF000000u);
  EXPECT_EQ(px.At(1, 0), 0xFFC86400u);  // half covered: the straight colour, mask mid grey
  EXPECT_EQ(px.At(1, 1), 0xFF7F7F7Fu);
}

TEST(SkinArt, ClearBitmapPixelsTakeTheKeyColour) {
  GeneratedImage image{"T.BMP", ImageFormat::Bmp, Canvas(1, 1)};
  EXPECT_EQ(FilePixels(image).At(0, 0), 0xFFFF00FFu);
}

TEST(SkinArt, BmpFileIsBottomUpWithPaddedRows) {
  PixelBuffer px(1, 2);
  px.At(0, 0) = 0xFF010203u;  // top row
  px.At(0, 1) = 0xFF040506u;
  const std::vector<uint8_t> file = EncodeBmp24(px);
  ASSERT_EQ(file.size(), 54u + 2 * 4);
  EXPECT_EQ(file[0], 'B');
  EXPECT_EQ(file[28], 24);                          // bits per pixel
  EXPECT_EQ(std::vector<uint8_t>(file.begin() + 54, file.end()),
            (std::vector<uint8_t>{6, 5, 4, 0, 3, 2, 1, 0}));  // bottom row first, blue first
}

// Shadows and glows fade out before the edge of their picture, so no hard
// line shows where the picture ends, and leave the element's own area clear.
TEST(SkinArt, EffectsFadeToNothingAtTheirEdges) {
  for (const GeneratedImage& image : EffectImages()) {
    SCOPED_TRACE(image.FileName);
    const Canvas& c = image.Picture;
    for (int x = 0; x < c.Width(); ++x) {
      EXPECT_LT(c.At(x, 0).A, 1.0 / 255) << x;
      EXPECT_LT(c.At(x, c.Height() - 1).A, 1.0 / 255) << x;
    }
    EXPECT_EQ(c.At(c.Height() / 2, c.Height() / 2).A, 0.0);  // middle of the first frame
  }
}

}  // namespace
