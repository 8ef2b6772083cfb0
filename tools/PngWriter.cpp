#include "tools/PngWriter.h"

#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>

namespace {
constexpr uint8_t kSignature[8] = {137, 80, 78, 71, 13, 10, 26, 10};

struct Pass {
  int x0, y0, dx, dy;
};
constexpr Pass kWholeImage = {0, 0, 1, 1};
constexpr Pass kAdam7[7] = {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                            {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}};

void Put32(std::vector<uint8_t>& v, uint32_t x) {
  for (int s = 24; s >= 0; s -= 8) v.push_back(uint8_t(x >> s));
}

int SamplesOf(int colorType) {
  switch (colorType) {
    case 2: return 3;
    case 4: return 2;
    case 6: return 4;
    default: return 1;
  }
}

uint8_t Paeth(int a, int b, int c) {
  const int pa = std::abs(b - c), pb = std::abs(a - c), pc = std::abs(a + b - 2 * c);
  return uint8_t(pa <= pb && pa <= pc ? a : pb <= pc ? b : c);
}

// Filters one row with the given type into out (filter byte first).
void FilterRow(int type, const uint8_t* row, const uint8_t* prior, size_t n, int bpp, uint8_t* out) {
  out[0] = uint8_t(type);
  for (size_t i = 0; i < n; ++i) {
    const int a = i >= size_t(bpp) ? row[i - bpp] : 0;
    const int b = prior ? prior[i] : 0;
    const int c = prior && i >= size_t(bpp) ? prior[i - bpp] : 0;
    int predictor = 0;
    switch (type) {
      case 1: predictor = a; break;
      case 2: predictor = b; break;
      case 3: predictor = (a + b) >> 1; break;
      case 4: predictor = Paeth(a, b, c); break;
      default: break;
    }
    out[i + 1] = uint8_t(row[i] - predictor);
  }
}

// Appends the filtered rows of one pass (pixels taken from the packed rows).
void AppendPass(const PngRawImage& image, const Pass& p, int filter, std::vector<uint8_t>& filtered) {
  const int bitsPerPixel = SamplesOf(image.ColorType) * image.BitDepth;
  const int32_t pw = image.Width > p.x0 ? (image.Width - p.x0 + p.dx - 1) / p.dx : 0;
  const int32_t ph = image.Height > p.y0 ? (image.Height - p.y0 + p.dy - 1) / p.dy : 0;
  if (pw == 0 || ph == 0) return;
  const size_t srcRowBytes = (size_t(image.Width) * bitsPerPixel + 7) / 8;
  const size_t rowBytes = (size_t(pw) * bitsPerPixel + 7) / 8;
  const int bpp = bitsPerPixel >= 8 ? bitsPerPixel / 8 : 1;
  std::vector<uint8_t> row(rowBytes), prior, candidate(rowBytes + 1), best(rowBytes + 1);
  for (int32_t y = 0; y < ph; ++y) {
    const uint8_t* src = image.Rows.data() + srcRowBytes * size_t(p.y0 + y * p.dy);
    std::fill(row.begin(), row.end(), 0);
    for (int32_t x = 0; x < pw; ++x) {  // copy pixel x0 + x * dx bit by bit
      const size_t from = size_t(p.x0 + x * p.dx) * bitsPerPixel, to = size_t(x) * bitsPerPixel;
      for (int b = 0; b < bitsPerPixel; ++b) {
        const int bit = (src[(from + b) / 8] >> (7 - (from + b) % 8)) & 1;
        row[(to + b) / 8] |= uint8_t(bit << (7 - (to + b) % 8));
      }
    }
    const uint8_t* pr = prior.empty() ? nullptr : prior.data();
    if (filter >= 0) {
      FilterRow(filter, row.data(), pr, rowBytes, bpp, best.data());
    } else {
      long bestSum = -1;
      for (int type = 0; type <= 4; ++type) {
        FilterRow(type, row.data(), pr, rowBytes, bpp, candidate.data());
        long sum = 0;
        for (size_t i = 1; i <= rowBytes; ++i) sum += candidate[i] < 128 ? candidate[i] : 256 - candidate[i];
        if (bestSum < 0 || sum < bestSum) bestSum = sum, best.swap(candidate);
      }
    }
    filtered.insert(filtered.end(), best.begin(), best.end());
    prior = row;
  }
}
}  // namespace

void AppendPngChunk(std::vector<uint8_t>& out, std::string_view type, const uint8_t* data, size_t size) {
  Put32(out, uint32_t(size));
  const size_t typeAt = out.size();
  out.insert(out.end(), type.begin(), type.end());
  if (size) out.insert(out.end(), data, data + size);
  Put32(out, uint32_t(crc32(0, out.data() + typeAt, uInt(out.size() - typeAt))));
}

std::vector<uint8_t> EncodePngRaw(const PngRawImage& image, const PngWriteOptions& options) {
  std::vector<uint8_t> filtered;
  if (options.Interlaced) {
    for (const Pass& p : kAdam7) AppendPass(image, p, options.Filter, filtered);
  } else {
    AppendPass(image, kWholeImage, options.Filter, filtered);
  }
  uLongf packedSize = compressBound(uLong(filtered.size()));
  std::vector<uint8_t> packed(packedSize);
  compress2(packed.data(), &packedSize, filtered.data(), uLong(filtered.size()), options.CompressionLevel);
  packed.resize(packedSize);

  std::vector<uint8_t> out(kSignature, kSignature + sizeof kSignature);
  std::vector<uint8_t> header;
  Put32(header, uint32_t(image.Width));
  Put32(header, uint32_t(image.Height));
  header.insert(header.end(), {uint8_t(image.BitDepth), uint8_t(image.ColorType), 0, 0, uint8_t(options.Interlaced)});
  AppendPngChunk(out, "IHDR", header.data(), header.size());
  for (const auto& c : image.ChunksBeforeData) AppendPngChunk(out, c.Type, c.Data.data(), c.Data.size());
  const size_t step = options.MaxIdatBytes ? options.MaxIdatBytes : packed.size();
  for (size_t at = 0; at < packed.size(); at += step) {
    AppendPngChunk(out, "IDAT", packed.data() + at, std::min(step, packed.size() - at));
  }
  for (const auto& c : image.ChunksAfterData) AppendPngChunk(out, c.Type, c.Data.data(), c.Data.size());
  AppendPngChunk(out, "IEND", nullptr, 0);
  return out;
}

std::vector<uint8_t> EncodePng(const PixelBuffer& pixels, const PngWriteOptions& options) {
  PngRawImage raw;
  raw.Width = pixels.Width();
  raw.Height = pixels.Height();
  raw.Rows.reserve(size_t(raw.Width) * raw.Height * 4);
  for (int32_t y = 0; y < raw.Height; ++y) {
    const uint32_t* row = pixels.Row(y);
    for (int32_t x = 0; x < raw.Width; ++x) {
      const uint32_t v = row[x];
      raw.Rows.insert(raw.Rows.end(), {uint8_t(v >> 16), uint8_t(v >> 8), uint8_t(v), uint8_t(v >> 24)});
    }
  }
  return EncodePngRaw(raw, options);
}

bool WritePngFile(const std::string& path, const PixelBuffer& pixels, const PngWriteOptions& options) {
  const std::vector<uint8_t> bytes = EncodePng(pixels, options);
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  return bool(file);
}
