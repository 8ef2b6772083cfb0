#include "tools/skinimages/ImageFiles.h"

#include <algorithm>
#include <cmath>
#include <fstream>

#include "tools/BmpWriter.h"
#include "tools/PngWriter.h"

namespace {

constexpr uint32_t kKeyPixel = 0xFFFF00FFu;  // magenta, opaque, as a bitmap stores it

uint8_t ToByte(double v) { return uint8_t(std::clamp(std::lround(v * 255.0), 0L, 255L)); }

// BGRA of a premultiplied pixel with its colour un-premultiplied.
uint32_t Straight(const Rgba& p, uint8_t alpha) {
  if (p.A <= 0) return 0;
  return uint32_t(ToByte(p.B / p.A)) | uint32_t(ToByte(p.G / p.A)) << 8 | uint32_t(ToByte(p.R / p.A)) << 16 |
         uint32_t(alpha) << 24;
}

}  // namespace

PixelBuffer FilePixels(const GeneratedImage& image) {
  const Canvas& c = image.Picture;
  const bool masked = image.Format == ImageFormat::MaskedBmp;
  PixelBuffer out(c.Width(), masked ? 2 * c.Height() : c.Height());
  for (int y = 0; y < c.Height(); ++y) {
    for (int x = 0; x < c.Width(); ++x) {
      const Rgba p = c.At(x, y);
      // Coverage below half a step of 8 bits counts as none.
      const bool clear = ToByte(p.A) == 0;
      switch (image.Format) {
        case ImageFormat::Png:
          out.At(x, y) = Straight(p, ToByte(p.A));
          break;
        case ImageFormat::Bmp:
          out.At(x, y) = clear ? kKeyPixel : Straight(p, 255);
          break;
        case ImageFormat::MaskedBmp: {
          out.At(x, y) = clear ? kKeyPixel : Straight(p, 255);
          const uint8_t m = uint8_t(255 - ToByte(p.A));
          out.At(x, y + c.Height()) = 0xFF000000u | uint32_t(m) << 16 | uint32_t(m) << 8 | m;
          break;
        }
      }
    }
  }
  return out;
}

std::vector<uint8_t> EncodeImageFile(const GeneratedImage& image) {
  const PixelBuffer pixels = FilePixels(image);
  return image.Format == ImageFormat::Png ? EncodePng(pixels) : EncodeBmp24(pixels);
}

bool WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  return bool(file);
}
