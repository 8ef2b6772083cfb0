#include "tools/appicon/IcoFile.h"

#include <stdexcept>

#include "tools/PngWriter.h"

namespace {

constexpr uint32_t kDirectoryBytes = 6, kEntryBytes = 16, kBitmapHeaderBytes = 40;

void PutLe(std::vector<uint8_t>& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(uint8_t(value >> (8 * i)));
}

// A bitmap as an icon stores it: the header gives twice the height (colour
// rows, then mask rows), both bottom-up; mask rows are padded to four bytes.
std::vector<uint8_t> IconBitmap(const PixelBuffer& picture) {
  const int32_t width = picture.Width(), height = picture.Height();
  const uint32_t maskRowBytes = ((uint32_t(width) + 31) / 32) * 4;
  const uint32_t colourBytes = uint32_t(width) * uint32_t(height) * 4, maskBytes = maskRowBytes * uint32_t(height);
  std::vector<uint8_t> out;
  out.reserve(kBitmapHeaderBytes + colourBytes + maskBytes);
  PutLe(out, kBitmapHeaderBytes, 4);
  PutLe(out, uint32_t(width), 4);
  PutLe(out, uint32_t(2 * height), 4);
  PutLe(out, 1, 2);   // planes
  PutLe(out, 32, 2);  // bits per pixel
  PutLe(out, 0, 4);   // BI_RGB
  PutLe(out, colourBytes + maskBytes, 4);
  for (int i = 0; i < 4; ++i) PutLe(out, 0, 4);  // resolution and palette: unused
  for (int32_t y = height - 1; y >= 0; --y)
    for (int32_t x = 0; x < width; ++x) PutLe(out, picture.At(x, y), 4);
  for (int32_t y = height - 1; y >= 0; --y) {
    std::vector<uint8_t> row(maskRowBytes, 0);
    for (int32_t x = 0; x < width; ++x)
      if ((picture.At(x, y) >> 24) == 0) row[size_t(x) / 8] |= uint8_t(0x80u >> (x % 8));
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

}  // namespace

std::vector<uint8_t> EncodeIco(const std::vector<PixelBuffer>& pictures) {
  std::vector<std::vector<uint8_t>> images;
  for (const PixelBuffer& p : pictures) {
    if (p.Width() != p.Height() || p.Width() < 1 || p.Width() > 256)
      throw std::invalid_argument("icon pictures are square, 1 to 256 pixels");
    images.push_back(p.Width() == 256 ? EncodePng(p) : IconBitmap(p));
  }
  std::vector<uint8_t> out;
  PutLe(out, 0, 2);  // reserved
  PutLe(out, 1, 2);  // an icon, not a cursor
  PutLe(out, uint32_t(pictures.size()), 2);
  uint32_t offset = kDirectoryBytes + kEntryBytes * uint32_t(pictures.size());
  for (size_t i = 0; i < pictures.size(); ++i) {
    const uint32_t side = uint32_t(pictures[i].Width()) % 256;  // 256 is written as 0
    PutLe(out, side, 1);
    PutLe(out, side, 1);
    PutLe(out, 0, 1);   // no palette
    PutLe(out, 0, 1);   // reserved
    PutLe(out, 1, 2);   // planes
    PutLe(out, 32, 2);  // bits per pixel
    PutLe(out, uint32_t(images[i].size()), 4);
    PutLe(out, offset, 4);
    offset += uint32_t(images[i].size());
  }
  for (const std::vector<uint8_t>& image : images) out.insert(out.end(), image.begin(), image.end());
  return out;
}
