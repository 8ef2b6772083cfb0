#include "skin/controls/acPNGGraphic.h"

#include <memory>

#include "skin/render/core/PngDraw.h"
#include "skin/render/core/acPNG.h"

namespace {

// Linked whole into the program, so the format is known from start-up to shutdown.
struct PngFormatRegistration {
  PngFormatRegistration() {
    TPicture::RegisterFileFormat("png", "Portable network graphics (Veltrane)",
                                 [] { return std::make_unique<TPNGGraphic>(); });
  }
  ~PngFormatRegistration() { TPicture::UnregisterFileFormat("png"); }
} registration;

}  // namespace

void TPNGGraphic::LoadFromBytes(const uint8_t* data, size_t size) {
  PngProgress progress;
  if (OnProgress) progress = [this](const char* stage) { OnProgress(stage); };
  DecodedImage image = DecodePng(data, size, progress);
  Pixels = std::move(image.Pixels);
  BitsPerPixel = image.BitsPerPixel;
  TransparentColor = image.TransparentColor;
  Transparent = image.TransparentColor != clNone;
}

// Composed in our own code: GDI's alpha blend wants premultiplied pixels and rounds otherwise.
void TPNGGraphic::Draw(HDC dc, const TRect& rect) const {
  if (BitsPerPixel != 32) return TBitmap::Draw(dc, rect);
  if (Empty()) return;
  DrawThroughCopy(dc, rect, [&](PixelBuffer& area, const TRect& r) { DrawAlphaPicture(area, r, Pixels); });
}

void LoadBitmapFromPngFile(TBitmap& bitmap, const std::wstring& path) {
  TPNGGraphic png;
  png.LoadFromFile(path);
  bitmap.Assign(png);
}

void LoadBitmapFromPngStream(TBitmap& bitmap, const uint8_t* data, size_t size) {
  TPNGGraphic png;
  png.LoadFromBytes(data, size);
  bitmap.Assign(png);
}
