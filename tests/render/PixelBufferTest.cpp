#include "skin/render/core/PixelBuffer.h"

#include <gtest/gtest.h>

#include "skin/render/core/Color.h"

TEST(PixelBufferTest, RowsFollowTheStride) {
  PixelBuffer b(3, 2);
  ASSERT_EQ(b.Stride(), 12);
  b.At(2, 1) = 0x11223344;
  EXPECT_EQ(reinterpret_cast<const uint8_t*>(b.Row(0))[12 + 8], 0x44);
}

TEST(PixelBufferTest, WrappedBottomUpViewReadsRowsUpward) {
  uint32_t pixels[4] = {1, 2, 3, 4};  // stored bottom row first
  auto view = PixelBuffer::Wrap(reinterpret_cast<uint8_t*>(pixels + 2), 2, 2, -8);
  EXPECT_EQ(view.At(0, 0), 3u);
  EXPECT_EQ(view.At(1, 1), 2u);
}

TEST(PixelBufferTest, EmptySizesHaveNoRows) {
  PixelBuffer b(-5, 7);
  EXPECT_TRUE(b.Empty());
  EXPECT_EQ(b.Width(), 0);
}

TEST(ColorTest, ExchangeRedBlueKeepsGreenAndTopByte) {
  EXPECT_EQ(ExchangeRedBlue(0xAA112233u), 0xAA332211u);
  EXPECT_EQ(ResolveColor(0x00123456u), 0x00123456u);
}
