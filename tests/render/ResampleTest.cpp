#include "skin/render/core/Resample.h"

#include <gtest/gtest.h>

#include <random>

#include "skin/render/core/ResampleTaps.h"

namespace {

PixelBuffer Random(int32_t w, int32_t h, uint32_t seed) {
  std::mt19937 rng(seed);
  PixelBuffer b(w, h);
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x) b.At(x, y) = rng();
  return b;
}

// One pass straight from the taps, one byte at a time: what the vectorised passes must equal.
void ReferencePass(const PixelBuffer& in, PixelBuffer& out, const ResampleTaps& taps, bool rows) {
  const int32_t m = int32_t(taps.First.size());
  out = rows ? PixelBuffer(m, in.Height()) : PixelBuffer(in.Width(), m);
  for (int32_t line = 0; line < (rows ? in.Height() : in.Width()); ++line)
    for (int32_t i = 0; i < m; ++i) {
      uint32_t pixel = 0;
      for (int c = 0; c < 4; ++c) {
        int64_t sum = 0;
        for (int32_t k = taps.First[i]; k < taps.First[i] + taps.Count[i]; ++k) {
          const uint32_t p = rows ? in.At(taps.Pixel[k], line) : in.At(line, taps.Pixel[k]);
          sum += int64_t(taps.Weight[k]) * ((p >> (8 * c)) & 0xFF);
        }
        pixel |= uint32_t(ResampleByte(sum)) << (8 * c);
      }
      (rows ? out.At(i, line) : out.At(line, i)) = pixel;
    }
}

TEST(ResampleTapsTest, TriangleHalvingWeightsAndMirroredEdges) {
  ResampleTaps taps;
  ASSERT_TRUE(ComputeResampleTaps(4, 2, rfTriangle, taps));
  // Target 0 at centre 0 with support 2: positions -1, 0, 1 (t = 0.5, 0, 0.5), padded to 4 taps.
  ASSERT_EQ(taps.Count[0], 4);
  const int32_t* px = &taps.Pixel[taps.First[0]];
  const int32_t* wt = &taps.Weight[taps.First[0]];
  EXPECT_EQ(px[0], 1);  // -1 mirrored
  EXPECT_EQ(wt[0], 16384);
  EXPECT_EQ(px[1], 0);
  EXPECT_EQ(wt[1], 32768);
  EXPECT_EQ(px[2], 1);
  EXPECT_EQ(wt[2], 16384);
  EXPECT_EQ(wt[3], 0);
  EXPECT_FALSE(ComputeResampleTaps(4, 2, 7, taps));
}

TEST(ResampleTapsTest, WideFiltersOverShortLinesStayInsideAndSumToOne) {
  ResampleTaps taps;
  ASSERT_TRUE(ComputeResampleTaps(2, 3, rfLanczos3, taps));
  for (int32_t p : taps.Pixel) EXPECT_TRUE(p == 0 || p == 1);
  for (int filter = rfBox; filter <= rfMitchell; ++filter) {
  ASSERT_TRUE(ComputeResampleTaps(9, 4, filter, taps));
  for (int32_t i = 0; i < 4; ++i) {
    int32_t sum = 0;
    for (int32_t k = 0; k < taps.Count[i]; ++k) sum += taps.Weight[taps.First[i] + k];
    EXPECT_EQ(sum, 65536) << filter << " " << i;
  }
  }
}

TEST(ResampleTest, SizesThatDoNothingOrCopy) {
  const PixelBuffer src = Random(4, 4, 1);
  PixelBuffer dst;
  Resample(src, dst, 4, rfMitchell, 4);
  ASSERT_EQ(dst.Width(), 4);
  for (int32_t y = 0; y < 4; ++y)
    for (int32_t x = 0; x < 4; ++x) EXPECT_EQ(dst.At(x, y), src.At(x, y));
  PixelBuffer untouched(3, 3);
  for (auto [w, h] : {std::pair{1, 5}, {5, 1}}) {
    Resample(Random(w, h, 2), untouched, 8, rfMitchell, 8);
    EXPECT_EQ(untouched.Width(), 3);
  }
  Resample(src, untouched, 8, rfMitchell, 0);
  Resample(src, untouched, 8, 9, 8);
  EXPECT_EQ(untouched.Width(), 3);
}

TEST(ResampleTest, UniformStaysUniformForEveryFilter) {
  for (int filter = rfBox; filter <= rfMitchell; ++filter)
    for (auto [w, h, nw, nh] : {std::tuple{9, 7, 4, 3}, {5, 6, 17, 13}, {300, 2, 150, 2}}) {
      PixelBuffer src(w, h), dst;
      for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) src.At(x, y) = 0xFF80C000;
      Resample(src, dst, nw, filter, nh);
      ASSERT_EQ(dst.Width(), nw);
      ASSERT_EQ(dst.Height(), nh);
      for (int32_t y = 0; y < nh; ++y)
        for (int32_t x = 0; x < nw; ++x)
          for (int c = 0; c < 4; ++c) {
            const int32_t got = int32_t(dst.At(x, y) >> (8 * c)) & 0xFF, want = int32_t(0xFF80C000u >> (8 * c)) & 0xFF;
            ASSERT_EQ(got, want) << "filter " << filter << " at " << x << "," << y << " lane " << c;
          }
    }
}

// The vectorised row and column passes (with their scalar tails) against the byte-by-byte reference;
// squares to squares share one set of taps.
TEST(ResampleTest, MatchesTheReferenceConvolutionBitForBit) {
  for (int filter = rfBox; filter <= rfMitchell; ++filter)
    for (auto [w, h, nw, nh] :
         {std::tuple{37, 23, 15, 9}, {13, 11, 41, 30}, {6, 40, 7, 3}, {30, 30, 13, 13}, {9, 9, 26, 26}}) {
      const PixelBuffer src = Random(w, h, uint32_t(filter * 100 + w));
      PixelBuffer dst, middle, expected;
      Resample(src, dst, nw, filter, nh);
      ResampleTaps across, down;
      ASSERT_TRUE(ComputeResampleTaps(w, nw, filter, across));
      ASSERT_TRUE(ComputeResampleTaps(h, nh, filter, down));
      ReferencePass(src, middle, across, true);
      ReferencePass(middle, expected, down, false);
      for (int32_t y = 0; y < nh; ++y)
        for (int32_t x = 0; x < nw; ++x)
          ASSERT_EQ(dst.At(x, y), expected.At(x, y)) << "filter " << filter << " " << w << "x" << h << " at " << x << "," << y;
    }
}

TEST(ResampleTest, BoxHalvingAveragesPairs) {
  PixelBuffer src(4, 2), dst;
  const uint32_t values[4] = {0x00000000, 0x02020202, 0x10101010, 0x30303030};
  for (int32_t x = 0; x < 4; ++x) src.At(x, 0) = src.At(x, 1) = values[x];
  Resample(src, dst, 2, rfBox, 2);
  // Box support 0.51 / 0.5 reaches positions c - 1, c, c + 1 (t = 0.5, 0, 0.5), a third each.
  EXPECT_EQ(dst.At(0, 0), 0x01010101u);  // centre 0: (2 + 0 + 2) / 3, position -1 mirrored to 1
  EXPECT_EQ(dst.At(1, 0), 0x15151515u);  // centre 2: (2 + 16 + 48) / 3 = 22, just below it in 16.16
}

}  // namespace
