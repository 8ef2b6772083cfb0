// Windows memory behind a PixelBuffer: a 32-bit top-down DIB section selected
// into its own memory DC, so GDI text and raster calls reach the same pixels.
#include <windows.h>

#include <algorithm>
#include <new>

#include "skin/render/core/PixelBuffer.h"
#include "skin/render/core/PixelBufferDc.h"

struct PixelBuffer::Surface {
  HBITMAP bitmap = nullptr;
  HDC dc = nullptr;
  HGDIOBJ oldBitmap = nullptr;
};

void PixelBuffer::SurfaceDeleter::operator()(Surface* s) const {
  if (s->dc) {
    SelectObject(s->dc, s->oldBitmap);
    DeleteDC(s->dc);
  }
  if (s->bitmap) DeleteObject(s->bitmap);
  delete s;
}

void PixelBuffer::Allocate(int32_t width, int32_t height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = std::max(width, 1);
  info.bmiHeader.biHeight = -std::max(height, 1);  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap) throw std::bad_alloc();
  std::unique_ptr<Surface, SurfaceDeleter> surface(new Surface{bitmap, nullptr, nullptr});
  surface_ = std::move(surface);
  row0_ = static_cast<uint8_t*>(bits);
  width_ = width;
  height_ = height;
  stride_ = height > 1 ? ptrdiff_t(width) * 4 : 0;
}

HDC BufferDc(const PixelBuffer& buffer) {
  PixelBuffer::Surface* s = buffer.NativeSurface();
  if (!s) return nullptr;
  if (!s->dc) {
    s->dc = CreateCompatibleDC(nullptr);
    s->oldBitmap = SelectObject(s->dc, s->bitmap);
  }
  return s->dc;
}

HBITMAP BufferBitmap(const PixelBuffer& buffer) {
  PixelBuffer::Surface* s = buffer.NativeSurface();
  return s ? s->bitmap : nullptr;
}
