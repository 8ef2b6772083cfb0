#pragma once
// Plain geometry records shared by the whole engine. Rectangles are half-open
// (Left <= x < Right, Top <= y < Bottom) unless an operation says inclusive.
#include <cstdint>

struct TPoint {
  int32_t X = 0;
  int32_t Y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TSize {
  int32_t cx = 0;
  int32_t cy = 0;
  friend bool operator==(const TSize&, const TSize&) = default;
};

struct TRect {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Right = 0;
  int32_t Bottom = 0;

  int32_t Width() const { return Right - Left; }
  int32_t Height() const { return Bottom - Top; }
  bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
  friend bool operator==(const TRect&, const TRect&) = default;
};

inline TRect MakeRect(int32_t left, int32_t top, int32_t width, int32_t height) {
  return {left, top, left + width, top + height};
}
