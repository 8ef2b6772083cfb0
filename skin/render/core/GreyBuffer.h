#pragma once
// An 8-bit grey picture (masks, blurred text shadows): one byte a pixel, rows from the top.
#include <cstddef>
#include <cstdint>
#include <vector>

class GreyBuffer {
 public:
  GreyBuffer() = default;
  GreyBuffer(int32_t width, int32_t height) { Resize(width, height); }

  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  bool Empty() const { return width_ <= 0 || height_ <= 0; }
  uint8_t* Row(int32_t y) { return bytes_.data() + ptrdiff_t(y) * width_; }
  const uint8_t* Row(int32_t y) const { return bytes_.data() + ptrdiff_t(y) * width_; }
  uint8_t& At(int32_t x, int32_t y) { return Row(y)[x]; }
  uint8_t At(int32_t x, int32_t y) const { return Row(y)[x]; }

  // New size, every pixel 0; negative sizes count as 0.
  void Resize(int32_t width, int32_t height) {
    width_ = width > 0 && height > 0 ? width : 0;
    height_ = width > 0 && height > 0 ? height : 0;
    bytes_.assign(size_t(width_) * size_t(height_), 0);
  }

 private:
  int32_t width_ = 0;
  int32_t height_ = 0;
  std::vector<uint8_t> bytes_;
};
