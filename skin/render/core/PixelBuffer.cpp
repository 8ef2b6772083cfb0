#include "skin/render/core/PixelBuffer.h"

#include <algorithm>
#include <cstring>
#include <utility>

PixelBuffer::PixelBuffer(int32_t width, int32_t height) { Allocate(width, height); }

PixelBuffer PixelBuffer::Wrap(uint8_t* row0, int32_t width, int32_t height, ptrdiff_t strideBytes) {
  PixelBuffer b;
  b.width_ = std::max(width, 0);
  b.height_ = std::max(height, 0);
  b.stride_ = b.height_ > 1 ? strideBytes : 0;
  b.row0_ = row0;
  return b;
}

PixelBuffer::PixelBuffer(PixelBuffer&& other) noexcept { *this = std::move(other); }

PixelBuffer& PixelBuffer::operator=(PixelBuffer&& other) noexcept {
  if (this != &other) {
    surface_ = std::move(other.surface_);
    width_ = std::exchange(other.width_, 0);
    height_ = std::exchange(other.height_, 0);
    stride_ = std::exchange(other.stride_, 0);
    row0_ = std::exchange(other.row0_, nullptr);
  }
  return *this;
}

PixelBuffer::~PixelBuffer() = default;

void PixelBuffer::Resize(int32_t width, int32_t height) {
  if (surface_ && width == width_ && height == height_) return;
  Allocate(width, height);
}

PixelBuffer PixelBuffer::Clone() const {
  PixelBuffer copy(width_, height_);
  for (int32_t y = 0; y < height_; ++y) std::memcpy(copy.Row(y), Row(y), size_t(width_) * 4);
  return copy;
}
