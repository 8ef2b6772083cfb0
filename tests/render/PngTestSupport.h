#pragma once
// Builders of PNG byte streams for the decoder tests: pictures of any colour
// type and depth from sample values, and hand-made chunk sequences.
#include <zlib.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "tools/PngWriter.h"

namespace pngtest {

inline int SamplesOf(int colorType) { return colorType == 2 ? 3 : colorType == 4 ? 2 : colorType == 6 ? 4 : 1; }

// A picture whose sample c of pixel (x, y) is sample(x, y, c), packed as the file stores it.
inline PngRawImage MakeRaw(int32_t w, int32_t h, int depth, int colorType,
                           const std::function<uint32_t(int32_t, int32_t, int)>& sample) {
  PngRawImage raw;
  raw.Width = w;
  raw.Height = h;
  raw.BitDepth = depth;
  raw.ColorType = colorType;
  const int samples = SamplesOf(colorType);
  const size_t rowBytes = (size_t(w) * samples * depth + 7) / 8;
  raw.Rows.assign(rowBytes * h, 0);
  for (int32_t y = 0; y < h; ++y) {
    uint8_t* row = raw.Rows.data() + rowBytes * y;
    for (int32_t x = 0; x < w; ++x) {
      for (int c = 0; c < samples; ++c) {
        const uint32_t v = sample(x, y, c);
        const size_t bit = (size_t(x) * samples + c) * depth;
        if (depth == 16) {
          row[bit / 8] = uint8_t(v >> 8);
          row[bit / 8 + 1] = uint8_t(v);
        } else {
          row[bit / 8] |= uint8_t(v << (8 - depth - bit % 8));
        }
      }
    }
  }
  return raw;
}

inline std::vector<uint8_t> Be32(uint32_t v) {
  return {uint8_t(v >> 24), uint8_t(v >> 16), uint8_t(v >> 8), uint8_t(v)};
}

inline std::vector<uint8_t> IhdrData(uint32_t w, uint32_t h, int depth, int colorType, int interlace = 0,
                                     int compression = 0) {
  std::vector<uint8_t> d = Be32(w);
  const auto hh = Be32(h);
  d.insert(d.end(), hh.begin(), hh.end());
  d.insert(d.end(), {uint8_t(depth), uint8_t(colorType), uint8_t(compression), 0, uint8_t(interlace)});
  return d;
}

inline std::vector<uint8_t> Deflate(const std::vector<uint8_t>& bytes) {
  uLongf size = compressBound(uLong(bytes.size()));
  std::vector<uint8_t> out(size);
  compress2(out.data(), &size, bytes.data(), uLong(bytes.size()), 9);
  out.resize(size);
  return out;
}

// Signature followed by the chunks as given (CRCs computed).
inline std::vector<uint8_t> Stream(const std::vector<PngRawImage::Chunk>& chunks) {
  std::vector<uint8_t> out = {137, 80, 78, 71, 13, 10, 26, 10};
  for (const auto& c : chunks) AppendPngChunk(out, c.Type, c.Data.data(), c.Data.size());
  return out;
}

// Offset of the first chunk of the type (its length field) in a stream.
inline size_t FindChunk(const std::vector<uint8_t>& png, const char* type) {
  for (size_t at = 8; at + 8 <= png.size();) {
    if (std::string(png.begin() + at + 4, png.begin() + at + 8) == type) return at;
    const uint32_t len = uint32_t(png[at]) << 24 | uint32_t(png[at + 1]) << 16 | uint32_t(png[at + 2]) << 8 | png[at + 3];
    at += size_t(len) + 12;
  }
  return std::string::npos;
}

}  // namespace pngtest
