// Native memory behind a PixelBuffer: one plain top-down block.
#include <algorithm>
#include <memory>

#include "skin/render/core/PixelBuffer.h"

struct PixelBuffer::Surface {
  std::unique_ptr<uint8_t[]> bits;
};

void PixelBuffer::SurfaceDeleter::operator()(Surface* s) const { delete s; }

void PixelBuffer::Allocate(int32_t width, int32_t height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  auto surface = std::make_unique<Surface>();
  surface->bits.reset(new uint8_t[size_t(width) * size_t(height) * 4 + 4]);
  row0_ = surface->bits.get();
  surface_.reset(surface.release());
  width_ = width;
  height_ = height;
  stride_ = height > 1 ? ptrdiff_t(width) * 4 : 0;
}
