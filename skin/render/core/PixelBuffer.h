#pragma once
// A 32-bit off-screen picture: pixels in memory order blue, green, red, alpha,
// row 0 at the top, rows reached through a signed byte stride. On Windows the
// memory is a top-down DIB section, so GDI can draw text into the same pixels
// (see PixelBufferDc.h); natively it is plain memory.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "skin/render/core/Geometry.h"

class PixelBuffer {
 public:
  PixelBuffer() = default;
  PixelBuffer(int32_t width, int32_t height);  // contents unspecified; negative sizes count as 0
  // A view of pixels owned elsewhere, for bottom-up platform bitmaps (negative stride) and tests.
  static PixelBuffer Wrap(uint8_t* row0, int32_t width, int32_t height, ptrdiff_t strideBytes);

  PixelBuffer(PixelBuffer&& other) noexcept;
  PixelBuffer& operator=(PixelBuffer&& other) noexcept;
  PixelBuffer(const PixelBuffer&) = delete;
  PixelBuffer& operator=(const PixelBuffer&) = delete;
  ~PixelBuffer();

  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  bool Empty() const { return width_ <= 0 || height_ <= 0; }
  ptrdiff_t Stride() const { return stride_; }  // bytes from row 0 to row 1; 0 for one row
  TRect Bounds() const { return {0, 0, width_, height_}; }

  uint32_t* Row(int32_t y) { return reinterpret_cast<uint32_t*>(row0_ + y * stride_); }
  const uint32_t* Row(int32_t y) const { return reinterpret_cast<const uint32_t*>(row0_ + y * stride_); }
  uint32_t& At(int32_t x, int32_t y) { return Row(y)[x]; }
  uint32_t At(int32_t x, int32_t y) const { return Row(y)[x]; }

  // Gives the buffer a new size; the contents are unspecified afterwards.
  void Resize(int32_t width, int32_t height);
  // A deep copy of the pixels, with its own memory.
  PixelBuffer Clone() const;

  // Platform surface behind the pixels (a DIB section and its memory DC on Windows).
  struct Surface;
  Surface* NativeSurface() const { return surface_.get(); }

 private:
  struct SurfaceDeleter {
    void operator()(Surface* s) const;
  };
  void Allocate(int32_t width, int32_t height);

  int32_t width_ = 0;
  int32_t height_ = 0;
  ptrdiff_t stride_ = 0;
  uint8_t* row0_ = nullptr;
  std::unique_ptr<Surface, SurfaceDeleter> surface_;  // null for wrapped views
};

inline PixelBuffer CreatePixelBuffer(int32_t width, int32_t height) { return PixelBuffer(width, height); }
inline PixelBuffer CreatePixelBuffer(const TRect& r) { return PixelBuffer(r.Width(), r.Height()); }
inline PixelBuffer CreatePixelBuffer(const TSize& s) { return PixelBuffer(s.cx, s.cy); }
inline PixelBuffer CreatePixelBuffer(const PixelBuffer& other) { return PixelBuffer(other.Width(), other.Height()); }
