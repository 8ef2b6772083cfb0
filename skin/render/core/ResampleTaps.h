#pragma once
// The contributions of one resampling pass (length n to length m): for every
// target position the source positions and their 16.16 weights. Separate from
// the convolution so that tests can check both on their own.
#include <cstdint>
#include <vector>

struct ResampleTaps {
  // Target i uses taps First[i] .. First[i] + Count[i] - 1. Counts are even:
  // an odd list gets a tap of weight 0 on its last pixel, so taps go in pairs.
  std::vector<int32_t> First;
  std::vector<int32_t> Count;
  std::vector<int32_t> Pixel;   // source position, mirrored into 0..n-1
  std::vector<int32_t> Weight;  // round(w / sum of w * 65536), ties to even; they sum to 65536
};

// False for an unknown filter kind. n and m must be positive.
bool ComputeResampleTaps(int32_t n, int32_t m, int filter, ResampleTaps& taps);

// Sum of weight * byte to a byte: below 0 gives 0, 0xFF0001 and above 255, else >> 16.
inline uint8_t ResampleByte(int64_t sum) {
  return sum < 0 ? 0 : sum >= 0xFF0001 ? 255 : uint8_t(sum >> 16);
}
