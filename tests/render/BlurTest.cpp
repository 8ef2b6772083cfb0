#include "skin/render/core/Blur.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

GreyBuffer Row(const std::vector<uint8_t>& values) {
  GreyBuffer b(int32_t(values.size()), 1);
  for (size_t i = 0; i < values.size(); ++i) b.At(int32_t(i), 0) = values[i];
  return b;
}

std::vector<uint8_t> Values(const GreyBuffer& b) { return {b.Row(0), b.Row(0) + b.Width()}; }

TEST(GaussianBlurTest, KernelWidthsFollowTheRadius) {
  struct Case {
    double radius;
    std::vector<uint8_t> out;
  } cases[] = {
      {0.5, {0, 0, 0, 255, 0, 0, 0}},     // one tap
      {1.0, {0, 0, 85, 85, 85, 0, 0}},    // taps -1..1 (the raw taps -1..1, none dropped below radius 1)
      {2.0, {0, 0, 85, 85, 85, 0, 0}},    // raw taps -2..2, the outer pair dropped
      {3.0, {0, 51, 51, 51, 51, 51, 0}},  // raw -3..3, outer pair dropped
      {-1.0, {0, 0, 0, 255, 0, 0, 0}},    // no radius: left alone
  };
  for (const Case& c : cases) {
    GreyBuffer b = Row({0, 0, 0, 255, 0, 0, 0});
    GaussianBlur(b, c.radius);
    EXPECT_EQ(Values(b), c.out) << c.radius;
  }
}

TEST(GaussianBlurTest, EdgesRepeatAndColumnsFollowRows) {
  GreyBuffer b = Row({200, 0, 0, 100});
  GaussianBlur(b, 1.0);
  EXPECT_EQ(Values(b), (std::vector<uint8_t>{133, 66, 33, 66}));  // (200 + 200 + 0) / 3 truncated
  GreyBuffer square(3, 3);
  square.At(1, 1) = 255;
  GaussianBlur(square, 1.0);
  for (int32_t y = 0; y < 3; ++y)
    for (int32_t x = 0; x < 3; ++x) EXPECT_EQ(square.At(x, y), 28) << x << "," << y;  // 255 / 3 / 3
}

TEST(AlphaBoxBlurTest, ColourStaysAlphaSoftensAtEdgesAndASinglePixelSpreads) {
  PixelBuffer uniform(4, 4);
  for (int32_t y = 0; y < 4; ++y)
    for (int32_t x = 0; x < 4; ++x) uniform.At(x, y) = 0xFF909090;
  AlphaBoxBlur(uniform);
  // The colour stays; alpha softens at the edges (the outside counts toward colour, not alpha).
  const uint32_t alpha[4][4] = {{116, 172, 172, 116}, {174, 255, 255, 174}, {174, 255, 255, 174}, {116, 172, 172, 116}};
  for (int32_t y = 0; y < 4; ++y)
    for (int32_t x = 0; x < 4; ++x) EXPECT_EQ(uniform.At(x, y), alpha[y][x] << 24 | 0x909090u) << x << "," << y;

  // Row pass: [0x56909090, 0x56909090, 0x56484848]; the one-pixel columns then keep a third of alpha.
  PixelBuffer line(3, 1);
  line.At(0, 0) = 0;
  line.At(1, 0) = 0xFF909090;
  line.At(2, 0) = 0;
  AlphaBoxBlur(line);
  EXPECT_EQ(line.At(0, 0), 0x1D909090u);
  EXPECT_EQ(line.At(1, 0), 0x1D909090u);
  EXPECT_EQ(line.At(2, 0), 0x1D484848u);

  PixelBuffer clear(2, 2);
  for (int32_t y = 0; y < 2; ++y)
    for (int32_t x = 0; x < 2; ++x) clear.At(x, y) = 0x00FFFFFF;
  AlphaBoxBlur(clear);
  EXPECT_EQ(clear.At(1, 1), 0u);
}

TEST(ChannelTest, ExtractAndInsertOneByte) {
  PixelBuffer b(2, 2);
  b.At(0, 0) = 0x11223344;
  b.At(1, 0) = 0x55667788;
  b.At(0, 1) = 0x99AABBCC;
  b.At(1, 1) = 0xDDEEFF00;
  GreyBuffer alpha;
  ExtractChannel(b, alpha, 3);
  ASSERT_EQ(alpha.Width(), 2);
  EXPECT_EQ(alpha.At(1, 1), 0xDD);
  alpha.At(0, 0) = 0x01;
  InsertChannel(b, alpha, 1);  // alpha bytes into green
  EXPECT_EQ(b.At(0, 0), 0x11220144u);
  EXPECT_EQ(b.At(1, 1), 0xDDEEDD00u);
}

}  // namespace
