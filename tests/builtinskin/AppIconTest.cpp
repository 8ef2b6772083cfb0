// The program's icon: the icon file's layout, read back the way Windows reads
// it, and the picture at every size it is stored in.
#include <gtest/gtest.h>

#include <cstring>

#include "skin/render/core/acPNG.h"
#include "tools/appicon/AppIcon.h"
#include "tools/appicon/IcoFile.h"
#include "tools/skinimages/ImageFiles.h"

namespace {

uint32_t Le(const std::vector<uint8_t>& b, size_t at, int bytes) {
  uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = v << 8 | b.at(at + size_t(i));
  return v;
}

// A picture whose every pixel differs: alpha 0 on the first row, colours from the position.
PixelBuffer Numbered(int side) {
  PixelBuffer p(side, side);
  for (int y = 0; y < side; ++y)
    for (int x = 0; x < side; ++x) p.At(x, y) = uint32_t(y == 0 ? 0 : 255) << 24 | uint32_t(x) << 8 | uint32_t(y);
  return p;
}

std::vector<PixelBuffer> NumberedPictures(std::initializer_list<int> sides) {
  std::vector<PixelBuffer> pictures;
  for (int side : sides) pictures.push_back(Numbered(side));
  return pictures;
}

std::vector<PixelBuffer> One(PixelBuffer picture) {
  std::vector<PixelBuffer> pictures;
  pictures.push_back(std::move(picture));
  return pictures;
}

TEST(AppIcon, FileListsEveryPictureAndStoresThemWhereItSays) {
  const std::vector<uint8_t> ico = EncodeIco(NumberedPictures({16, 40, 256}));
  ASSERT_EQ(Le(ico, 0, 2), 0u);
  ASSERT_EQ(Le(ico, 2, 2), 1u);  // icon
  ASSERT_EQ(Le(ico, 4, 2), 3u);
  const int sides[] = {16, 40, 256};
  size_t expectedOffset = 6 + 3 * 16;
  for (size_t i = 0; i < 3; ++i) {
    const size_t entry = 6 + 16 * i;
    SCOPED_TRACE(sides[i]);
    EXPECT_EQ(Le(ico, entry, 1), uint32_t(sides[i] % 256));  // 256 is written as 0
    EXPECT_EQ(Le(ico, entry + 1, 1), uint32_t(sides[i] % 256));
    EXPECT_EQ(Le(ico, entry + 4, 2), 1u);
    EXPECT_EQ(Le(ico, entry + 6, 2), 32u);
    EXPECT_EQ(Le(ico, entry + 12, 4), expectedOffset);
    expectedOffset += Le(ico, entry + 8, 4);
  }
  EXPECT_EQ(expectedOffset, ico.size());
}

TEST(AppIcon, SmallPicturesAreBottomUpBitmapsWithTheirMask) {
  const int side = 40;  // mask rows of 40 bits are padded to 8 bytes
  const PixelBuffer picture = Numbered(side);
  const std::vector<uint8_t> ico = EncodeIco(NumberedPictures({side}));
  const size_t bmp = Le(ico, 6 + 12, 4);
  EXPECT_EQ(Le(ico, bmp, 4), 40u);
  EXPECT_EQ(Le(ico, bmp + 4, 4), uint32_t(side));
  EXPECT_EQ(Le(ico, bmp + 8, 4), uint32_t(2 * side));  // colour and mask
  EXPECT_EQ(Le(ico, bmp + 14, 2), 32u);
  const size_t colours = bmp + 40, mask = colours + size_t(side) * side * 4, maskRow = 8;
  ASSERT_EQ(ico.size(), mask + maskRow * side);
  for (int y : {0, 1, side - 1}) {
    const size_t fileRow = size_t(side - 1 - y);
    for (int x : {0, 7, 8, side - 1}) {
      EXPECT_EQ(Le(ico, colours + (fileRow * side + size_t(x)) * 4, 4), picture.At(x, y)) << x << "," << y;
      const bool maskBit = (ico[mask + fileRow * maskRow + size_t(x) / 8] >> (7 - x % 8)) & 1;
      EXPECT_EQ(maskBit, y == 0) << x << "," << y;  // set where the picture is transparent
    }
  }
  for (size_t padding = mask + 5; padding < mask + maskRow; ++padding) EXPECT_EQ(ico[padding], 0) << padding;
}

TEST(AppIcon, LargePictureIsPng) {
  const PixelBuffer picture = Numbered(256);
  const std::vector<uint8_t> ico = EncodeIco(NumberedPictures({256}));
  const size_t png = Le(ico, 6 + 12, 4);
  const DecodedImage decoded = DecodePng(ico.data() + png, Le(ico, 6 + 8, 4));
  ASSERT_EQ(decoded.Pixels.Width(), 256);
  for (int y : {0, 1, 200})
    for (int x : {0, 3, 255}) EXPECT_EQ(decoded.Pixels.At(x, y), picture.At(x, y)) << x << "," << y;
}

TEST(AppIcon, PicturesThatAreNotSquareOrTooLargeAreRefused) {
  EXPECT_THROW(EncodeIco(One(PixelBuffer(16, 15))), std::invalid_argument);
  EXPECT_THROW(EncodeIco(One(PixelBuffer(257, 257))), std::invalid_argument);
}

// Places of the picture on its 32 x 32 layout grid, checked at every stored size.
TEST(AppIcon, DrawingAtEverySize) {
  for (int side : kAppIconSizes) {
    SCOPED_TRACE(side);
    const PixelBuffer p = FilePixels({"", ImageFormat::Png, DrawAppIcon(side)});
    const auto at = [&](double gx, double gy) { return p.At(int(gx * side / 32), int(gy * side / 32)); };
    EXPECT_EQ(at(0.5, 0.5) >> 24, 0u) << "outside the page";
    EXPECT_EQ(at(23, 3) >> 24, 0u) << "the folded-away corner";
    EXPECT_EQ(at(6, 26), 0xFFFFFFFFu) << "the page";
    EXPECT_EQ(p.At(side * 4 / 32, side / 2), 0xFF7A7A7Au) << "the page's left edge";
    EXPECT_EQ(at(19, 19), 0xFF0078D7u) << "the badge, accent blue (BGRA)";
    EXPECT_EQ(at(20.6, 25.2) & 0xFFFFFF, 0xFFFFFFu) << "the tick";
  }
}

}  // namespace
