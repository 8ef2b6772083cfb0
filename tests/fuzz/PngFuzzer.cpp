// Fuzzes the PNG decoder. The first byte picks the mode:
//   bit 0: the chunk CRCs are recomputed first, so that mutations reach the
//          chunk and image-data logic instead of stopping at the CRC check;
//   bit 1: the rest is not a file but a small header (size, depth, colour
//          type, interlace) and raw rows that are compressed into one, so
//          that every format reaches unfiltering and conversion.
#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "skin/render/core/acPNG.h"

namespace {
constexpr size_t kMaxInput = 64 * 1024;

uint32_t Load32(const uint8_t* p) { return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3]; }

void FixCrcs(std::vector<uint8_t>& png) {
  for (size_t at = 8; png.size() >= 12 && at <= png.size() - 12;) {
    const uint32_t length = Load32(&png[at]);
    if (length > png.size() - 12 - at) return;
    const uint32_t crc = uint32_t(crc32(0, &png[at + 4], length + 4));
    for (int i = 0; i < 4; ++i) png[at + 8 + length + i] = uint8_t(crc >> (24 - 8 * i));
    at += size_t(length) + 12;
  }
}
void Put32(std::vector<uint8_t>& v, uint32_t x) {
  for (int s = 24; s >= 0; s -= 8) v.push_back(uint8_t(x >> s));
}

void AppendChunk(std::vector<uint8_t>& png, const char* type, const std::vector<uint8_t>& data) {
  Put32(png, uint32_t(data.size()));
  const size_t typeAt = png.size();
  png.insert(png.end(), type, type + 4);
  png.insert(png.end(), data.begin(), data.end());
  Put32(png, uint32_t(crc32(0, &png[typeAt], uInt(data.size() + 4))));
}

std::vector<uint8_t> BuildFromRows(const uint8_t* data, size_t size) {
  static const uint8_t kDepths[] = {1, 2, 4, 8, 16};
  static const uint8_t kTypes[] = {0, 2, 3, 4, 6};
  if (size < 4) return {};
  std::vector<uint8_t> header;
  Put32(header, 1u + data[0] % 64);
  Put32(header, 1u + data[1] % 64);
  header.insert(header.end(), {kDepths[data[2] % 5], kTypes[data[2] / 5 % 5], 0, 0, uint8_t(data[3] & 1)});
  std::vector<uint8_t> png = {137, 80, 78, 71, 13, 10, 26, 10};
  AppendChunk(png, "IHDR", header);
  std::vector<uint8_t> palette(768);
  for (size_t i = 0; i < palette.size(); ++i) palette[i] = uint8_t(i * 7);
  AppendChunk(png, "PLTE", palette);
  uLongf packedSize = compressBound(uLong(size - 4));
  std::vector<uint8_t> packed(packedSize);
  compress2(packed.data(), &packedSize, data + 4, uLong(size - 4), 1);
  packed.resize(packedSize);
  AppendChunk(png, "IDAT", packed);
  AppendChunk(png, "IEND", {});
  return png;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1 || size > kMaxInput) return 0;
  std::vector<uint8_t> png = data[0] & 2 ? BuildFromRows(data + 1, size - 1) : std::vector<uint8_t>(data + 1, data + size);
  if (data[0] & 1) FixCrcs(png);
  try {
    DecodedImage image = DecodePng(png.data(), png.size());
    volatile uint32_t sink = image.Pixels.At(image.Pixels.Width() - 1, image.Pixels.Height() - 1);
    (void)sink;
  } catch (const ESkinError&) {
  }
  return 0;
}
