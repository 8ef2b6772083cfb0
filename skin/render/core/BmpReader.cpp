#include "skin/render/core/BmpReader.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "skin/render/core/ByteOrder.h"

namespace {
const char kInvalidFormat[] = "Cannot load image. Invalid or unexpected BMP image format.";
const char kBadCompression[] = "Cannot load image. The compression scheme is not supported for BMP files.";
const char kBadImageSize[] = "Cannot load image. The image size is not supported for BMP files.";
const char kInvalidColor[] = "Invalid color format in BMP file.";

constexpr size_t kFileHeaderBytes = 14;
constexpr uint32_t kCoreHeaderBytes = 12;  // the old header with 16-bit sizes and 3-byte palette entries
constexpr uint32_t kInfoHeaderBytes = 40;
constexpr uint32_t kRgb = 0, kBitFields = 3, kAlphaBitFields = 6;

// One channel of a bit-field pixel: its position and width in the 32-bit value.
struct Field {
  uint32_t mask = 0;
  int shift = 0;
  int bits = 0;
  explicit Field(uint32_t m) : mask(m) {
    if (!m) return;
    while (!(m & 1)) m >>= 1, ++shift;
    while (m & 1) m >>= 1, ++bits;
    if (m) throw ESkinError(kInvalidColor);  // the mask's bits must be contiguous
  }
  uint32_t Extract(uint32_t v, uint32_t missing) const {
    if (!mask) return missing;
    const uint32_t x = (v & mask) >> shift;
    return bits >= 8 ? x >> (bits - 8) : x * 255u / ((1u << bits) - 1);
  }
};
// One row of 24-bit pixels. Four bytes are read at once where the row holds
// them (the byte after a pixel's three is the next pixel's); the last pixel
// of a row may end the file, so it is read byte by byte.
void ConvertRow24(const uint8_t* s, uint32_t* t, int64_t width) {
  int64_t x = 0;
  for (; x + 4 < width; x += 4, s += 12) {
    uint32_t v[4];
    for (int i = 0; i < 4; ++i) std::memcpy(&v[i], s + 3 * i, 4);
    for (int i = 0; i < 4; ++i) t[x + i] = v[i] | 0xFF000000u;  // blue, green, red; the fourth byte made alpha 255
  }
  for (; x < width; ++x, s += 3) t[x] = s[0] | uint32_t(s[1]) << 8 | uint32_t(s[2]) << 16 | 0xFF000000u;
}
}  // namespace

DecodedImage DecodeBmp(const uint8_t* data, size_t size) {
  if (size < kFileHeaderBytes + 4 || data[0] != 'B' || data[1] != 'M') throw ESkinError(kInvalidFormat);
  const uint32_t pixelOffset = LoadLE32(data + 10);
  const uint8_t* info = data + kFileHeaderBytes;
  const uint32_t infoBytes = LoadLE32(info);
  if (infoBytes != kCoreHeaderBytes && infoBytes < kInfoHeaderBytes) throw ESkinError(kInvalidFormat);
  if (infoBytes > size - kFileHeaderBytes) throw ESkinError(kInvalidFormat);
  const bool core = infoBytes == kCoreHeaderBytes;

  int64_t width, height;
  uint32_t planes, bpp, compression = kRgb, colorsUsed = 0;
  if (core) {
    width = LoadLE16(info + 4);
    height = LoadLE16(info + 6);
    planes = LoadLE16(info + 8);
    bpp = LoadLE16(info + 10);
  } else {
    width = int32_t(LoadLE32(info + 4));
    height = int32_t(LoadLE32(info + 8));
    planes = LoadLE16(info + 12);
    bpp = LoadLE16(info + 14);
    compression = LoadLE32(info + 16);
    colorsUsed = LoadLE32(info + 32);
  }
  if (planes != 1 || width < 0) throw ESkinError(kInvalidFormat);
  const bool topDown = height < 0;
  height = topDown ? -height : height;
  if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24 && bpp != 32) throw ESkinError(kInvalidColor);
  const bool bitFields = compression == kBitFields || compression == kAlphaBitFields;
  if (compression != kRgb && !(bitFields && bpp == 32)) throw ESkinError(kBadCompression);
  if (width > kMaxImageSide || height > kMaxImageSide || width * height > kMaxImagePixels) throw ESkinError(kBadImageSize);

  // Bit-field masks follow a 40-byte header and are part of the longer ones.
  size_t tableAt = kFileHeaderBytes + infoBytes;
  uint32_t masks[4] = {0x00FF0000u, 0x0000FF00u, 0x000000FFu, 0xFF000000u};
  if (bitFields) {
    const int maskCount = compression == kAlphaBitFields || infoBytes >= 56 ? 4 : 3;
    const size_t maskAt = infoBytes == kInfoHeaderBytes ? tableAt : kFileHeaderBytes + kInfoHeaderBytes;
    if (maskAt + 4 * size_t(maskCount) > size) throw ESkinError(kInvalidFormat);
    for (int i = 0; i < 4; ++i) masks[i] = i < maskCount ? LoadLE32(data + maskAt + 4 * i) : 0;
    if (infoBytes == kInfoHeaderBytes) tableAt += 4 * size_t(maskCount);
  }

  uint32_t palette[256] = {};
  if (bpp <= 8) {
    const uint32_t maxColors = 1u << bpp;
    uint32_t count = colorsUsed == 0 ? maxColors : colorsUsed;
    if (count > maxColors) throw ESkinError(kInvalidFormat);
    const size_t entryBytes = core ? 3 : 4;
    // Writers may store fewer entries than the depth allows; the pixels start after the table.
    if (pixelOffset >= tableAt) count = uint32_t(std::min<size_t>(count, (pixelOffset - tableAt) / entryBytes));
    if (tableAt + entryBytes * count > size) throw ESkinError(kInvalidFormat);
    for (uint32_t i = 0; i < maxColors; ++i) palette[i] = 0xFF000000u;  // indexes beyond the table are black
    for (uint32_t i = 0; i < count; ++i) {
      const uint8_t* e = data + tableAt + entryBytes * i;
      palette[i] = e[0] | uint32_t(e[1]) << 8 | uint32_t(e[2]) << 16 | 0xFF000000u;
    }
  }

  // Rows are padded to 4 bytes; the last row may lack its padding.
  const size_t rowBytes = (size_t(width) * bpp + 7) / 8;
  const size_t stride = (size_t(width) * bpp + 31) / 32 * 4;
  if (height > 0 && width > 0 &&
      (pixelOffset > size || size - pixelOffset < rowBytes ||
       (size - pixelOffset - rowBytes) / stride < size_t(height - 1))) {
    throw ESkinError(kInvalidFormat);
  }

  DecodedImage image;
  image.BitsPerPixel = int(bpp);
  image.Pixels = PixelBuffer(int32_t(width), int32_t(height));
  const Field fields[4] = {Field(masks[0]), Field(masks[1]), Field(masks[2]), Field(masks[3])};
  for (int64_t y = 0; y < height && width > 0; ++y) {
    const uint8_t* s = data + pixelOffset + stride * size_t(topDown ? y : height - 1 - y);
    uint32_t* t = image.Pixels.Row(int32_t(y));
    switch (bpp) {
      case 1:
      case 4:
      case 8: {
        const unsigned mask = (1u << bpp) - 1;
        for (int64_t x = 0; x < width; ++x) {
          const size_t bit = size_t(x) * bpp;
          t[x] = palette[(s[bit / 8] >> (8 - bpp - bit % 8)) & mask];
        }
        break;
      }
      case 24:
        ConvertRow24(s, t, width);
        break;
      default:
        if (!bitFields) {
          std::memcpy(t, s, size_t(width) * 4);  // blue, green, red and the fourth byte as alpha
          break;
        }
        for (int64_t x = 0; x < width; ++x, s += 4) {
          const uint32_t v = LoadLE32(s);
          t[x] = fields[2].Extract(v, 0) | fields[1].Extract(v, 0) << 8 | fields[0].Extract(v, 0) << 16 |
                 fields[3].Extract(v, 255) << 24;
        }
    }
  }
  return image;
}

DecodedImage DecodeBmpResource(const uint8_t* data, size_t size) {
  if (size < 4) throw ESkinError(kInvalidFormat);
  // The file header's one fact is where the pixels start; the resource implies it.
  const uint32_t infoBytes = LoadLE32(data);
  size_t pixelsAt = kFileHeaderBytes + infoBytes;
  if (infoBytes == kCoreHeaderBytes && size >= kCoreHeaderBytes) {
    const uint32_t bpp = LoadLE16(data + 10);
    if (bpp <= 8) pixelsAt += 3u << bpp;
  } else if (infoBytes >= kInfoHeaderBytes && size >= kInfoHeaderBytes) {
    const uint32_t bpp = LoadLE16(data + 14), compression = LoadLE32(data + 16), colorsUsed = LoadLE32(data + 32);
    if (infoBytes == kInfoHeaderBytes && compression == kBitFields) pixelsAt += 12;
    if (infoBytes == kInfoHeaderBytes && compression == kAlphaBitFields) pixelsAt += 16;
    if (bpp <= 8) pixelsAt += 4 * size_t(colorsUsed ? std::min(colorsUsed, 256u) : 1u << bpp);
  }
  if (pixelsAt > UINT32_MAX || size > UINT32_MAX - kFileHeaderBytes) throw ESkinError(kInvalidFormat);
  std::vector<uint8_t> file(kFileHeaderBytes + size);
  file[0] = 'B';
  file[1] = 'M';
  for (int i = 0; i < 4; ++i) {
    file[size_t(2 + i)] = uint8_t(file.size() >> (8 * i));
    file[size_t(10 + i)] = uint8_t(pixelsAt >> (8 * i));
  }
  std::copy(data, data + size, file.begin() + kFileHeaderBytes);
  return DecodeBmp(file.data(), file.size());
}
