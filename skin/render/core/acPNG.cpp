#include "skin/render/core/acPNG.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <memory>

#include "skin/render/core/ByteOrder.h"
#include "skin/render/core/LZ77Decoder.h"
#include "skin/render/core/PngColorManager.h"
#include "skin/render/core/PngUnfilter.h"

namespace {
const char kInvalidFormat[] = "Cannot load image. Invalid or unexpected PNG image format.";
const char kBadCompressionScheme[] = "Cannot load image. The compression scheme is not supported for PNG files.";
const char kBadImageSize[] = "Cannot load image. The image size is not supported for PNG files.";
const char kInvalidColor[] = "Invalid color format in PNG file.";
const char kCrcError[] = "Cannot load image. CRC error found in PNG file.";
const char kInvalidPalette[] = "Cannot load image. Palette in PNG file is invalid.";
const char kCriticalChunk[] = "Cannot load PNG image. Unexpected but critical chunk detected.";

constexpr uint8_t kSignature[8] = {137, 80, 78, 71, 13, 10, 26, 10};
constexpr uint32_t kMaxChunkLength = 0x7FFFFFFFu;
// Deflate cannot expand one compressed byte into more than 1032 bytes (a
// 258-byte match coded in 2 bits); the constant covers headers of tiny streams.
constexpr uint64_t kMaxInflateRatio = 1032;
constexpr uint64_t kInflateSlack = 1024;
// Rows are inflated and unfiltered in blocks of about this many bytes, so
// that the filtered data stays in the cache between inflating and converting.
constexpr size_t kBlockBytes = 64 * 1024;
// Scratch kept between pictures up to this size (bytes).
constexpr size_t kKeptScratch = 256 * 1024;

constexpr uint32_t TypeCode(const char (&s)[5]) {
  return uint32_t(uint8_t(s[0])) << 24 | uint32_t(uint8_t(s[1])) << 16 | uint32_t(uint8_t(s[2])) << 8 | uint8_t(s[3]);
}
constexpr uint32_t kIHDR = TypeCode("IHDR"), kIDAT = TypeCode("IDAT"), kIEND = TypeCode("IEND"),
                   kPLTE = TypeCode("PLTE"), kgAMA = TypeCode("gAMA"), kbKGD = TypeCode("bKGD"),
                   ktRNS = TypeCode("tRNS");

struct Chunk {
  uint32_t type = 0;
  uint32_t length = 0;
  const uint8_t* data = nullptr;  // payload; the type is the 4 bytes before it, the CRC the 4 after
};

void CheckCrc(const Chunk& c) {
  const uLong crc = crc32(crc32(0, Z_NULL, 0), c.data - 4, uInt(c.length) + 4);
  if (crc != LoadBE32(c.data + c.length)) throw ESkinError(kCrcError);
}

// Walks the chunks of a stream whose layout the pre-scan has already checked.
class ChunkReader {
 public:
  explicit ChunkReader(const uint8_t* pos) : pos_(pos) {}
  Chunk Peek() const { return {LoadBE32(pos_ + 4), LoadBE32(pos_), pos_ + 8}; }
  Chunk Next() {
    const Chunk c = Peek();
    pos_ += size_t(c.length) + 12;
    return c;
  }

 private:
  const uint8_t* pos_;
};

// The pre-scan checks that every chunk up to "IEND" lies inside the data and
// notes what decoding needs to know in advance.
struct PreScan {
  bool hasGamma = false;
  uint32_t gamma = 0;          // gAMA value, gamma x 100000
  uint64_t firstRunBytes = 0;  // compressed bytes in the first run of IDAT chunks
};

PreScan ScanChunks(const uint8_t* pos, const uint8_t* end) {
  PreScan scan;
  bool inRun = false, runDone = false;
  for (;;) {
    if (end - pos < 12) throw ESkinError(kInvalidFormat);
    const uint32_t length = LoadBE32(pos);
    const uint32_t type = LoadBE32(pos + 4);
    if (length > kMaxChunkLength || size_t(end - pos) - 12 < length) throw ESkinError(kInvalidFormat);
    if (type == kIEND) return scan;
    if (type == kIDAT && !runDone) {
      inRun = true;
      scan.firstRunBytes += length;
    } else if (inRun) {
      runDone = true;
    }
    if (type == kgAMA && length == 4 && !scan.hasGamma) {
      scan.hasGamma = true;
      scan.gamma = LoadBE32(pos + 8);
    }
    pos += size_t(length) + 12;
  }
}

struct Header {
  int32_t width = 0;
  int32_t height = 0;
  int bitDepth = 0;
  int colorType = 0;
  bool interlaced = false;
  int samples = 0;       // per pixel
  int bitsPerPixel = 0;  // of the filtered rows
};

Header ParseHeader(const Chunk& c) {
  if (c.type != kIHDR || c.length != 13) throw ESkinError(kInvalidFormat);
  CheckCrc(c);
  const uint8_t* d = c.data;
  const uint32_t width = LoadBE32(d), height = LoadBE32(d + 4);
  if (width == 0 || height == 0 || width > kMaxChunkLength || height > kMaxChunkLength) throw ESkinError(kInvalidFormat);
  if (d[10] != 0) throw ESkinError(kBadCompressionScheme);
  Header h;
  h.bitDepth = d[8];
  h.colorType = d[9];
  const int depth = h.bitDepth;
  const bool depthOk = depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;
  switch (h.colorType) {
    case 0: h.samples = 1; break;
    case 2: h.samples = 3; break;
    case 3: h.samples = 1; break;
    case 4: h.samples = 2; break;
    case 6: h.samples = 4; break;
    default: throw ESkinError(kInvalidColor);
  }
  if (!depthOk || (h.colorType == 3 && depth == 16) || (h.colorType != 0 && h.colorType != 3 && depth < 8)) {
    throw ESkinError(kInvalidColor);
  }
  if (d[11] != 0 || d[12] > 1) throw ESkinError(kInvalidFormat);  // filter and interlace methods
  if (width > uint32_t(kMaxImageSide) || height > uint32_t(kMaxImageSide) ||
      uint64_t(width) * height > uint64_t(kMaxImagePixels)) {
    throw ESkinError(kBadImageSize);
  }
  h.width = int32_t(width);
  h.height = int32_t(height);
  h.interlaced = d[12] == 1;
  h.bitsPerPixel = h.samples * depth;
  return h;
}

// Bitmap depth the picture stands for: 1, 4 or 8 for grey and palette
// pictures (2-bit samples widen to 4-bit pixels), 24 for RGB, 32 for RGBA.
int TargetBits(const Header& h) {
  switch (h.colorType) {
    case 0:
    case 3: return h.bitDepth == 1 ? 1 : h.bitDepth <= 4 ? 4 : 8;
    case 4: return 8;
    case 2: return 24;
    default: return 32;
  }
}

void SetupColorManager(TColorManager& cm, const Header& h) {
  static constexpr TColorScheme kSchemes[7] = {TColorScheme::Gray, TColorScheme::Gray, TColorScheme::RGB,
                                               TColorScheme::Indexed, TColorScheme::GrayAlpha, TColorScheme::Gray,
                                               TColorScheme::RGBA};
  const TColorScheme source = kSchemes[h.colorType];
  const bool indexed = h.colorType == 0 || h.colorType == 3 || h.colorType == 4;
  cm.SetSourceBitsPerSample(h.bitDepth);
  cm.SetSourceSamplesPerPixel(h.samples);
  cm.SetSourceColorScheme(source);
  const int bits = TargetBits(h);
  cm.SetTargetBitsPerSample(indexed ? bits : 8);
  cm.SetTargetColorScheme(indexed ? TColorScheme::Indexed : h.colorType == 6 ? TColorScheme::BGRA : TColorScheme::BGR);
  cm.SetTargetSamplesPerPixel(indexed ? 1 : h.colorType == 6 ? 4 : 3);
}

// Scales a "bKGD" or "tRNS" sample of the file's depth to 8 bits.
uint32_t ScaleSample(uint32_t v, int depth) {
  if (depth == 16) return v * 255u / 65535u;
  const uint32_t max = (1u << depth) - 1;
  return std::min(v, max) * 255u / max;
}

// Reusable per-thread state: the inflate stream and the row scratch.
struct Scratch {
  TLZ77Decoder lz;
  std::unique_ptr<uint8_t[]> bytes;
  size_t capacity = 0;

  uint8_t* Get(size_t size) {
    if (size > capacity) {
      bytes.reset(new uint8_t[size]);  // not zeroed: every byte is inflated before it is read
      capacity = size;
    }
    return bytes.get();
  }
  void Trim() {
    if (capacity > kKeptScratch) {
      bytes.reset();
      capacity = 0;
    }
  }
};

// Hands the inflater the payloads of consecutive IDAT chunks, each checked
// against its CRC before any of it is inflated.
class IdatSource : public InflateSource {
 public:
  IdatSource(ChunkReader& chunks, const Chunk& first) : chunks_(chunks), first_(first) {}
  bool NextPiece(const uint8_t*& data, size_t& size) override {
    Chunk c;
    if (!firstGiven_) {
      c = first_;
      firstGiven_ = true;
    } else {
      if (chunks_.Peek().type != kIDAT) return false;
      c = chunks_.Next();
    }
    CheckCrc(c);
    data = c.data;
    size = c.length;
    return true;
  }

 private:
  ChunkReader& chunks_;
  Chunk first_;
  bool firstGiven_ = false;
};

struct Pass {
  int x0, y0, dx, dy;
};
constexpr Pass kWholeImage = {0, 0, 1, 1};
constexpr Pass kAdam7[7] = {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                            {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}};

int32_t PassSize(int32_t size, int start, int step) { return size > start ? (size - start + step - 1) / step : 0; }

uint64_t FilteredBytes(const Header& h) {
  auto passBytes = [&h](const Pass& p) -> uint64_t {
    const int32_t pw = PassSize(h.width, p.x0, p.dx), ph = PassSize(h.height, p.y0, p.dy);
    if (pw == 0 || ph == 0) return 0;
    return uint64_t(ph) * ((uint64_t(pw) * h.bitsPerPixel + 7) / 8 + 1);
  };
  if (!h.interlaced) return passBytes(kWholeImage);
  uint64_t total = 0;
  for (const Pass& p : kAdam7) total += passBytes(p);
  return total;
}

void DecodePass(const Header& h, const Pass& p, Scratch& scratch, const TColorManager& cm, PixelBuffer& out) {
  const int32_t pw = PassSize(h.width, p.x0, p.dx), ph = PassSize(h.height, p.y0, p.dy);
  if (pw == 0 || ph == 0) return;
  const size_t rowBytes = (size_t(pw) * h.bitsPerPixel + 7) / 8;
  const size_t stride = rowBytes + 1;  // filter byte + row
  const int bytesPerPixel = std::max(1, h.bitsPerPixel / 8);
  const int32_t rowsPerBlock = int32_t(std::clamp<size_t>(kBlockBytes / stride, 1, size_t(ph)));
  uint8_t* saved = scratch.Get(stride * (size_t(rowsPerBlock) + 1));  // last row of the previous block
  uint8_t* block = saved + stride;
  const uint8_t* prior = nullptr;
  for (int32_t y = 0; y < ph;) {
    const int32_t n = std::min(ph - y, rowsPerBlock);
    scratch.lz.Read(block, stride * size_t(n));
    for (int32_t i = 0; i < n; ++i, ++y) {
      uint8_t* row = block + stride * size_t(i);
      if (!UnfilterRow(row[0], row + 1, prior, rowBytes, bytesPerPixel)) throw ESkinError(kInvalidFormat);
      cm.ConvertRow(row + 1, out.Row(p.y0 + y * p.dy) + p.x0, pw, p.dx);
      prior = row + 1;
    }
    if (y < ph) {
      std::memcpy(saved + 1, prior, rowBytes);
      prior = saved + 1;
    }
  }
}

uint32_t PixelToColor(uint32_t pixel) { return ExchangeRedBlue(pixel) & 0x00FFFFFFu; }

class PngDecoder {
 public:
  PngDecoder(const uint8_t* data, size_t size, Scratch& scratch, const PngProgress& progress)
      : data_(data), size_(size), scratch_(scratch), progress_(progress) {}
  DecodedImage Run();

 private:
  void ReadPalette(const Chunk& c);
  void ReadBackground(const Chunk& c);
  void ReadTransparency(const Chunk& c);
  void DecodeImageData(ChunkReader& chunks, const Chunk& first, const PreScan& scan);
  void ResolveTransparentColor();

  const uint8_t* data_;
  size_t size_;
  Scratch& scratch_;
  const PngProgress& progress_;
  Header h_;
  TColorManager cm_;
  DecodedImage image_;
  uint8_t palette_[768] = {};
  int paletteCount_ = 0;
  bool hasTransparentSample_ = false;
  uint32_t transparentSample_[3] = {};  // tRNS grey or RGB samples, as in the file
};

DecodedImage PngDecoder::Run() {
  if (progress_) progress_("Preparing...");
  if (!IsPngSignature(data_, size_)) throw ESkinError(kInvalidFormat);
  const uint8_t* first = data_ + sizeof kSignature;
  const PreScan scan = ScanChunks(first, data_ + size_);
  ChunkReader chunks(first);
  h_ = ParseHeader(chunks.Next());
  image_.BitsPerPixel = TargetBits(h_);
  SetupColorManager(cm_, h_);
  if (scan.hasGamma && scan.gamma > 0) cm_.SetGamma(scan.gamma / 100000.0);  // 0 would divide by zero
  bool imageDone = false;
  for (;;) {
    const Chunk c = chunks.Next();
    if (c.type == kIEND) {
      CheckCrc(c);
      break;
    }
    if (c.type == kIDAT) {
      if (imageDone) throw ESkinError(kPngExtraDataError);
      DecodeImageData(chunks, c, scan);
      imageDone = true;
      continue;
    }
    CheckCrc(c);
    if (c.type == kPLTE) {
      ReadPalette(c);
    } else if (c.type == kbKGD) {
      ReadBackground(c);
    } else if (c.type == ktRNS) {
      ReadTransparency(c);
    } else if (c.type == kIHDR) {
      throw ESkinError(kInvalidFormat);
    } else if (!(c.data[-4] & 0x20)) {  // an upper-case first letter marks a critical chunk
      throw ESkinError(kCriticalChunk);
    }
  }
  if (!imageDone) throw ESkinError(kPngCompressionError);
  ResolveTransparentColor();
  if (progress_) progress_("");
  return std::move(image_);
}

void PngDecoder::ReadPalette(const Chunk& c) {
  if (c.length % 3 != 0 || c.length == 0 || c.length > sizeof palette_) throw ESkinError(kInvalidPalette);
  std::memcpy(palette_, c.data, c.length);
  paletteCount_ = int(c.length / 3);
}

void PngDecoder::ReadBackground(const Chunk& c) {
  const uint8_t* d = c.data;
  if ((h_.colorType == 0 || h_.colorType == 4) && c.length >= 2) {
    const uint32_t level = ScaleSample(LoadBE16(d), h_.bitDepth);
    image_.BackgroundColor = RGBColor(uint8_t(level), uint8_t(level), uint8_t(level));
  } else if ((h_.colorType == 2 || h_.colorType == 6) && c.length >= 6) {
    image_.BackgroundColor = RGBColor(uint8_t(ScaleSample(LoadBE16(d), h_.bitDepth)),
                                      uint8_t(ScaleSample(LoadBE16(d + 2), h_.bitDepth)),
                                      uint8_t(ScaleSample(LoadBE16(d + 4), h_.bitDepth)));
  } else if (h_.colorType == 3 && c.length >= 1 && d[0] < paletteCount_) {
    const uint8_t* e = palette_ + 3 * d[0];
    image_.BackgroundColor = RGBColor(e[0], e[1], e[2]);
  }
}

void PngDecoder::ReadTransparency(const Chunk& c) {
  const uint8_t* d = c.data;
  if (h_.colorType == 3) {
    image_.PaletteAlpha.fill(255);
    std::memcpy(image_.PaletteAlpha.data(), d, std::min<size_t>(c.length, 256));
    image_.HasPaletteAlpha = true;
  } else if ((h_.colorType == 0 && c.length >= 2) || (h_.colorType == 2 && c.length >= 6)) {
    hasTransparentSample_ = true;
    for (int i = 0; i < h_.samples; ++i) transparentSample_[i] = LoadBE16(d + 2 * i);
  }
}

// The transparent colour is the pixel its samples decode to, so that it
// matches the picture's pixels also when gamma is applied.
void PngDecoder::ResolveTransparentColor() {
  if (!hasTransparentSample_) return;
  uint8_t samples[6] = {};
  const int depth = h_.bitDepth;
  for (int i = 0; i < h_.samples; ++i) {
    const uint32_t v = transparentSample_[i];
    if (depth == 16) {
      samples[2 * i] = uint8_t(v >> 8);
      samples[2 * i + 1] = uint8_t(v);
    } else {
      samples[i] = uint8_t(std::min(v, (1u << depth) - 1) << (8 - depth));  // packed: leftmost pixel in the high bits
    }
  }
  uint32_t pixel = 0;
  cm_.ConvertRow(samples, &pixel, 1, 1);
  image_.TransparentColor = PixelToColor(pixel);
}

void PngDecoder::DecodeImageData(ChunkReader& chunks, const Chunk& first, const PreScan& scan) {
  if (h_.colorType == 3) {
    if (paletteCount_ == 0) throw ESkinError(kInvalidPalette);
    cm_.SetPalette(palette_, paletteCount_);
  }
  cm_.Prepare();
  // A stream too short for the rows cannot inflate to them: fail before allocating for them.
  if (FilteredBytes(h_) > scan.firstRunBytes * kMaxInflateRatio + kInflateSlack) throw ESkinError(kPngCompressionError);
  image_.Pixels = PixelBuffer(h_.width, h_.height);
  if (progress_) progress_("Transfering...");
  IdatSource source(chunks, first);
  scratch_.lz.Start(source);
  if (h_.interlaced) {
    for (const Pass& p : kAdam7) DecodePass(h_, p, scratch_, cm_, image_.Pixels);
  } else {
    DecodePass(h_, kWholeImage, scratch_, cm_, image_.Pixels);
  }
  scratch_.lz.Finish();
}
}  // namespace

bool IsPngSignature(const uint8_t* data, size_t size) {
  return size >= sizeof kSignature && std::memcmp(data, kSignature, sizeof kSignature) == 0;
}

DecodedImage DecodePng(const uint8_t* data, size_t size, const PngProgress& progress) {
  thread_local Scratch scratch;
  struct TrimOnExit {
    Scratch& s;
    ~TrimOnExit() { s.Trim(); }
  } trim{scratch};
  return PngDecoder(data, size, scratch, progress).Run();
}
