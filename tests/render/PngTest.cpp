#include "skin/render/core/acPNG.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "skin/render/core/Adler32.h"
#include "skin/render/core/PngColorManager.h"
#include "skin/render/core/PngDraw.h"
#include "tests/render/PngTestSupport.h"
#include "tests/render/TestPictures.h"

using pngtest::IhdrData;
using pngtest::MakeRaw;
using pngtest::Stream;
using Chunk = PngRawImage::Chunk;

namespace {
const std::string kInvalidFormat = "Cannot load image. Invalid or unexpected PNG image format.";
const std::string kCompressionScheme = "Cannot load image. The compression scheme is not supported for PNG files.";
const std::string kImageSize = "Cannot load image. The image size is not supported for PNG files.";
const std::string kInvalidColor = "Invalid color format in PNG file.";
const std::string kCrc = "Cannot load image. CRC error found in PNG file.";
const std::string kPalette = "Cannot load image. Palette in PNG file is invalid.";
const std::string kCritical = "Cannot load PNG image. Unexpected but critical chunk detected.";
const std::string kCompression = "Cannot load image. Compression error found in PNG file.";
const std::string kExtra = "Cannot load image. Extra compressed data found in PNG file.";

DecodedImage Decode(const std::vector<uint8_t>& png) { return DecodePng(png.data(), png.size()); }

std::string ErrorOf(const std::vector<uint8_t>& png) {
  try {
    Decode(png);
  } catch (const ESkinError& e) {
    return e.what();
  }
  return "(decoded)";
}

// Sample values that vary in every pixel and channel and reach both ends of the range.
uint32_t TestSample(int32_t x, int32_t y, int c, int depth) {
  const uint32_t max = depth == 16 ? 0xFFFF : (1u << depth) - 1;
  const uint32_t v = uint32_t(x * 37 + y * 101 + c * 53 + 7) * (depth == 16 ? 2749u : 1u);
  return (x + y) % 5 == 0 ? max * (c & 1) : v & max;
}

uint32_t To8(uint32_t v, int depth) { return depth == 16 ? v * 255 / 65535 : v * 255 / ((1u << depth) - 1); }

// A palette whose entry i is distinct for every i.
std::vector<uint8_t> TestPalette(int entries) {
  std::vector<uint8_t> p;
  for (int i = 0; i < entries; ++i) p.insert(p.end(), {uint8_t(i * 40), uint8_t(255 - i * 7), uint8_t(i * 13)});
  return p;
}

// What the decoder must give for a pixel of TestSample pictures, worked out
// from the file's samples independently of the decoder's tables.
uint32_t ExpectedPixel(int colorType, int depth, int32_t x, int32_t y, const std::vector<uint8_t>& palette) {
  auto s = [&](int c) { return To8(TestSample(x, y, c, depth), depth); };
  switch (colorType) {
    case 0:
    case 4: return Bgra(s(0), s(0), s(0), 255);  // grey with alpha loses its alpha
    case 2: return Bgra(s(0), s(1), s(2), 255);
    case 3: {
      const uint32_t i = TestSample(x, y, 0, depth);
      return Bgra(palette[3 * i], palette[3 * i + 1], palette[3 * i + 2], 255);
    }
    default: return Bgra(s(0), s(1), s(2), s(3));  // alpha kept, colours not premultiplied
  }
}

struct Format {
  int colorType, depth, bitsPerPixel;
};
const Format kFormats[] = {
    {0, 1, 1}, {0, 2, 4}, {0, 4, 4}, {0, 8, 8}, {0, 16, 8}, {2, 8, 24}, {2, 16, 24}, {3, 1, 1},
    {3, 2, 4}, {3, 4, 4}, {3, 8, 8}, {4, 8, 8}, {4, 16, 8}, {6, 8, 32}, {6, 16, 32},
};

PngRawImage TestPicture(const Format& f, int32_t w, int32_t h) {
  PngRawImage raw = MakeRaw(w, h, f.depth, f.colorType, [&](int32_t x, int32_t y, int c) { return TestSample(x, y, c, f.depth); });
  if (f.colorType == 3) raw.ChunksBeforeData.push_back({"PLTE", TestPalette(1 << f.depth)});
  return raw;
}
}  // namespace

// Every colour type and depth, in sizes that leave Adam7 passes empty or
// partial, through every filter and both layouts.
TEST(PngDecodeTest, EveryFormatFilterAndInterlaceGivesTheFilesPixels) {
  const int32_t sizes[][2] = {{1, 1}, {3, 2}, {9, 7}, {33, 5}};
  for (const Format& f : kFormats) {
    for (const auto& size : sizes) {
      const PngRawImage raw = TestPicture(f, size[0], size[1]);
      const std::vector<uint8_t> palette = f.colorType == 3 ? raw.ChunksBeforeData[0].Data : std::vector<uint8_t>{};
      for (int interlaced = 0; interlaced < 2; ++interlaced) {
        for (int filter = -1; filter <= 4; ++filter) {
          SCOPED_TRACE(testing::Message() << "type " << f.colorType << " depth " << f.depth << " size " << size[0]
                                          << "x" << size[1] << " interlaced " << interlaced << " filter " << filter);
          PngWriteOptions options;
          options.Interlaced = interlaced;
          options.Filter = filter;
          const DecodedImage image = Decode(EncodePngRaw(raw, options));
          ASSERT_EQ(image.Pixels.Width(), size[0]);
          ASSERT_EQ(image.Pixels.Height(), size[1]);
          EXPECT_EQ(image.BitsPerPixel, f.bitsPerPixel);
          for (int32_t y = 0; y < size[1]; ++y)
            for (int32_t x = 0; x < size[0]; ++x)
              ASSERT_EQ(image.Pixels.At(x, y), ExpectedPixel(f.colorType, f.depth, x, y, palette)) << x << "," << y;
        }
      }
    }
  }
}

// Large enough for many inflate blocks, split over many IDAT chunks; with
// one-byte chunks the stream's checksum straddles four of them.
TEST(PngDecodeTest, PicturesSplitIntoManyIdatChunks) {
  const int32_t sizes[][3] = {{301, 257, 97}, {5, 3, 1}};
  for (const auto& size : sizes) {
    const PngRawImage raw = TestPicture({6, 8, 32}, size[0], size[1]);
    PngWriteOptions options;
    options.MaxIdatBytes = uint32_t(size[2]);
    const DecodedImage image = Decode(EncodePngRaw(raw, options));
    for (int32_t y = 0; y < size[1]; ++y)
      for (int32_t x = 0; x < size[0]; ++x) ASSERT_EQ(image.Pixels.At(x, y), ExpectedPixel(6, 8, x, y, {})) << x << "," << y;
  }
}

TEST(Adler32Test, AgreesWithZlibAcrossLengthsAndRuns) {
  std::vector<uint8_t> bytes(40000);
  uint32_t seed = 1;
  for (uint8_t& b : bytes) b = uint8_t((seed = seed * 1103515245 + 12345) >> 16);
  for (size_t n : {size_t(0), size_t(1), size_t(15), size_t(16), size_t(17), size_t(100), size_t(5551), size_t(5552),
                   size_t(5553), size_t(40000)}) {
    EXPECT_EQ(UpdateAdler32(kAdler32Start, bytes.data(), n), uint32_t(adler32(1, bytes.data(), uInt(n)))) << n;
  }
  std::vector<uint8_t> ones(40000, 0xFF);  // largest sums
  EXPECT_EQ(UpdateAdler32(kAdler32Start, ones.data(), ones.size()), uint32_t(adler32(1, ones.data(), uInt(ones.size()))));
  EXPECT_EQ(UpdateAdler32(UpdateAdler32(kAdler32Start, bytes.data(), 7), bytes.data() + 7, 9000),
            uint32_t(adler32(1, bytes.data(), 9007)));
}

TEST(PngDecodeTest, SixteenBitSamplesReduceBySampleTimes255Div65535) {
  const uint32_t values[] = {0x8080, 0x807F, 0xFFFF, 0x0101, 0x0100};
  const uint32_t expected[] = {128, 127, 255, 1, 0};
  const PngRawImage raw = MakeRaw(5, 1, 16, 0, [&](int32_t x, int32_t, int) { return values[x]; });
  const DecodedImage image = Decode(EncodePngRaw(raw));
  for (int x = 0; x < 5; ++x) EXPECT_EQ(image.Pixels.At(x, 0), Bgra(expected[x], expected[x], expected[x], 255));
}

TEST(PngDecodeTest, PaletteTransparencyIsKeptBesideOpaquePixels) {
  PngRawImage raw = MakeRaw(3, 1, 8, 3, [](int32_t x, int32_t, int) { return uint32_t(x); });
  raw.ChunksBeforeData = {{"PLTE", TestPalette(3)}, {"tRNS", {0, 128}}};
  const DecodedImage image = Decode(EncodePngRaw(raw));
  EXPECT_TRUE(image.HasPaletteAlpha);
  EXPECT_EQ(image.PaletteAlpha[0], 0);
  EXPECT_EQ(image.PaletteAlpha[1], 128);
  EXPECT_EQ(image.PaletteAlpha[2], 255);  // entries the chunk leaves out
  EXPECT_EQ(image.Pixels.At(1, 0), Bgra(40, 248, 13, 255));
}

TEST(PngDecodeTest, TransparentAndBackgroundColoursAreScaledTo8Bits) {
  struct Case {
    int colorType, depth;
    std::vector<uint8_t> trns, bkgd;
    TColor transparent, background;
  };
  const Case cases[] = {
      {0, 2, {0, 2}, {0, 1}, RGBColor(170, 170, 170), RGBColor(85, 85, 85)},  // 2-bit grey: x 15 / 3 x 17
      {0, 16, {0x80, 0x80}, {0xFF, 0xFF}, RGBColor(128, 128, 128), clWhite},
      {2, 8, {0, 1, 0, 2, 0, 3}, {0, 10, 0, 20, 0, 30}, RGBColor(1, 2, 3), RGBColor(10, 20, 30)},
      {2, 16, {0x80, 0x80, 0, 0, 0xFF, 0xFF}, {0, 0, 0x80, 0x80, 0, 0}, RGBColor(128, 0, 255), RGBColor(0, 128, 0)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "type " << c.colorType << " depth " << c.depth);
    PngRawImage raw = MakeRaw(2, 2, c.depth, c.colorType, [](int32_t, int32_t, int) { return 0u; });
    raw.ChunksBeforeData = {{"tRNS", c.trns}, {"bKGD", c.bkgd}};
    const DecodedImage image = Decode(EncodePngRaw(raw));
    EXPECT_EQ(image.TransparentColor, c.transparent);
    EXPECT_EQ(image.BackgroundColor, c.background);
  }
  PngRawImage plain = MakeRaw(1, 1, 8, 2, [](int32_t, int32_t, int) { return 0u; });
  const DecodedImage image = Decode(EncodePngRaw(plain));
  EXPECT_EQ(image.TransparentColor, clNone);
  EXPECT_EQ(image.BackgroundColor, clWhite);

  PngRawImage indexed = MakeRaw(1, 1, 8, 3, [](int32_t, int32_t, int) { return 0u; });
  indexed.ChunksBeforeData = {{"PLTE", TestPalette(4)}, {"bKGD", {2}}};
  EXPECT_EQ(Decode(EncodePngRaw(indexed)).BackgroundColor, RGBColor(80, 241, 26));
}

// table[i] = round((i / max) ^ (1 / (fileGamma * 2.2)) * max), on colour samples only.
TEST(PngDecodeTest, GammaChunkCorrectsColourButNotAlpha) {
  auto gamma = [](double v, double fileGamma, int max) {
    return uint32_t(std::nearbyint(std::pow(v / max, 1 / (fileGamma * 2.2)) * max));
  };
  PngRawImage rgba = MakeRaw(1, 1, 8, 6, [](int32_t, int32_t, int c) { return c == 3 ? 200u : uint32_t(64 * (c + 1)); });
  rgba.ChunksBeforeData = {{"gAMA", pngtest::Be32(100000)}};
  EXPECT_EQ(Decode(EncodePngRaw(rgba)).Pixels.At(0, 0),
            Bgra(gamma(64, 1.0, 255), gamma(128, 1.0, 255), gamma(192, 1.0, 255), 200));

  // The pre-scan finds the chunk also after the image data.
  PngRawImage grey = MakeRaw(2, 1, 4, 0, [](int32_t x, int32_t, int) { return uint32_t(5 + x); });
  grey.ChunksAfterData = {{"gAMA", pngtest::Be32(50000)}};
  const DecodedImage image = Decode(EncodePngRaw(grey));
  EXPECT_EQ(image.Pixels.At(0, 0) & 0xFF, gamma(5, 0.5, 15) * 17);  // 4-bit target: table over 0..15
  EXPECT_EQ(image.Pixels.At(1, 0) & 0xFF, gamma(6, 0.5, 15) * 17);

  // The usual 1 / 2.2 leaves samples as they are.
  PngRawImage srgb = MakeRaw(1, 1, 8, 2, [](int32_t, int32_t, int c) { return uint32_t(100 + c); });
  srgb.ChunksBeforeData = {{"gAMA", pngtest::Be32(45455)}};
  EXPECT_EQ(Decode(EncodePngRaw(srgb)).Pixels.At(0, 0), Bgra(100, 101, 102, 255));
}

TEST(PngDecodeTest, UnknownChunksAreSkippedWhenAncillaryAndFatalWhenCritical) {
  PngRawImage raw = MakeRaw(2, 2, 8, 6, [](int32_t, int32_t, int) { return 9u; });
  raw.ChunksAfterData = {{"xyZw", {1, 2, 3}}};
  EXPECT_EQ(Decode(EncodePngRaw(raw)).Pixels.At(1, 1), 0x09090909u);
  raw.ChunksAfterData = {{"XyZw", {1, 2, 3}}};
  EXPECT_EQ(ErrorOf(EncodePngRaw(raw)), kCritical);
}

// The corrupted byte would also break inflating; the CRC must be seen first.
TEST(PngDecodeTest, CorruptedImageDataFailsOnItsCrcBeforeInflating) {
  std::vector<uint8_t> png = EncodePngRaw(MakeRaw(4, 4, 8, 2, [](int32_t x, int32_t, int) { return uint32_t(x); }));
  const size_t idat = pngtest::FindChunk(png, "IDAT");
  png[idat + 8] ^= 0xFF;  // the zlib header
  EXPECT_EQ(ErrorOf(png), kCrc);
}

TEST(PngDecodeTest, ProgressIsToldEachStageAndTheEndOnlyOfACompletePicture) {
  std::vector<std::string> stages;
  const PngProgress progress = [&](const char* stage) { stages.push_back(stage); };
  std::vector<uint8_t> png = EncodePngRaw(MakeRaw(3, 2, 8, 6, [](int32_t x, int32_t, int) { return uint32_t(x); }));
  DecodePng(png.data(), png.size(), progress);
  EXPECT_EQ(stages, (std::vector<std::string>{"Preparing...", "Transfering...", ""}));
  stages.clear();
  png.resize(pngtest::FindChunk(png, "IDAT"));  // the header only
  EXPECT_THROW(DecodePng(png.data(), png.size(), progress), ESkinError);
  EXPECT_EQ(stages, (std::vector<std::string>{"Preparing..."}));
}

TEST(PngDecodeTest, MalformedFilesFailWithTheirMessage) {
  const std::vector<uint8_t> rgbRow = {0, 1, 2, 3};  // filter byte and one RGB pixel
  const Chunk ihdr{"IHDR", IhdrData(1, 1, 8, 2)};
  const Chunk idat{"IDAT", pngtest::Deflate(rgbRow)};
  const Chunk iend{"IEND", {}};
  std::vector<uint8_t> good = Stream({ihdr, idat, iend});
  ASSERT_EQ(ErrorOf(good), "(decoded)");

  std::vector<uint8_t> badSignature = good;
  badSignature[1] = 'Q';
  std::vector<uint8_t> badHeaderCrc = good;
  badHeaderCrc[8 + 8 + 12] ^= 1;
  std::vector<uint8_t> badEndCrc = good;
  badEndCrc.back() ^= 1;
  std::vector<uint8_t> truncated(good.begin(), good.end() - 6);
  std::vector<uint8_t> hugeLength = good;
  hugeLength[33] = 0xFF;  // the IDAT length field
  std::vector<uint8_t> badChecksum = pngtest::Deflate(rgbRow);
  badChecksum.back() ^= 1;
  std::vector<uint8_t> twoRows = rgbRow;
  twoRows.insert(twoRows.end(), rgbRow.begin(), rgbRow.end());
  const std::vector<uint8_t> stream = pngtest::Deflate(rgbRow);

  struct Case {
    const char* name;
    std::vector<uint8_t> png;
    const std::string& message;
  };
  const Case cases[] = {
      {"empty", {}, kInvalidFormat},
      {"signature", badSignature, kInvalidFormat},
      {"header CRC", badHeaderCrc, kCrc},
      {"IEND CRC", badEndCrc, kCrc},
      {"truncated", truncated, kInvalidFormat},
      {"chunk length past the end", hugeLength, kInvalidFormat},
      {"no IEND", Stream({ihdr, idat}), kInvalidFormat},
      {"first chunk not IHDR", Stream({idat, ihdr, iend}), kInvalidFormat},
      {"zero width", Stream({{"IHDR", IhdrData(0, 1, 8, 2)}, idat, iend}), kInvalidFormat},
      {"short IHDR", Stream({{"IHDR", {0, 0, 0, 1}}, idat, iend}), kInvalidFormat},
      {"compression method", Stream({{"IHDR", IhdrData(1, 1, 8, 2, 0, 1)}, idat, iend}), kCompressionScheme},
      {"colour type 5", Stream({{"IHDR", IhdrData(1, 1, 8, 5)}, idat, iend}), kInvalidColor},
      {"RGB depth 4", Stream({{"IHDR", IhdrData(1, 1, 4, 2)}, idat, iend}), kInvalidColor},
      {"palette depth 16", Stream({{"IHDR", IhdrData(1, 1, 16, 3)}, idat, iend}), kInvalidColor},
      {"grey depth 3", Stream({{"IHDR", IhdrData(1, 1, 3, 0)}, idat, iend}), kInvalidColor},
      {"interlace method 2", Stream({{"IHDR", IhdrData(1, 1, 8, 2, 2)}, idat, iend}), kInvalidFormat},
      {"beyond the size limit", Stream({{"IHDR", IhdrData(70000, 1, 8, 2)}, idat, iend}), kImageSize},
      {"absurd size, tiny data", Stream({{"IHDR", IhdrData(8000, 8000, 8, 6)}, idat, iend}), kCompression},
      {"palette not of triples", Stream({{"IHDR", IhdrData(1, 1, 8, 3)}, {"PLTE", {1, 2, 3, 4}}, idat, iend}), kPalette},
      {"palette missing", Stream({{"IHDR", IhdrData(1, 1, 8, 3)}, {"IDAT", pngtest::Deflate({0, 0})}, iend}), kPalette},
      {"no image data", Stream({ihdr, iend}), kCompression},
      {"garbage data", Stream({ihdr, {"IDAT", {1, 2, 3, 4, 5}}, iend}), kCompression},
      {"data too short", Stream({{"IHDR", IhdrData(1, 2, 8, 2)}, idat, iend}), kCompression},
      {"wrong Adler-32", Stream({ihdr, {"IDAT", badChecksum}, iend}), kCompression},
      {"stream cut", Stream({ihdr, {"IDAT", {stream.begin(), stream.end() - 6}}, iend}), kCompression},
      {"rows left over", Stream({ihdr, {"IDAT", pngtest::Deflate(twoRows)}, iend}), kExtra},
      {"bytes after the stream", Stream({ihdr, idat, {"IDAT", {7}}, iend}), kExtra},
      {"second image data", Stream({ihdr, idat, {"tEXt", {}}, idat, iend}), kExtra},
      {"second header", Stream({ihdr, ihdr, idat, iend}), kInvalidFormat},
      {"filter type 5", Stream({ihdr, {"IDAT", pngtest::Deflate({5, 1, 2, 3})}, iend}), kInvalidFormat},
  };
  for (const Case& c : cases) EXPECT_EQ(ErrorOf(c.png), c.message) << c.name;
}

TEST(PngDecodeTest, DecodingAfterAFailureStartsClean) {
  const PngRawImage raw = TestPicture({6, 8, 32}, 9, 7);
  std::vector<uint8_t> bad = EncodePngRaw(raw);
  bad.resize(bad.size() / 2);
  EXPECT_EQ(ErrorOf(bad), kInvalidFormat);
  const DecodedImage image = Decode(EncodePngRaw(raw));
  EXPECT_EQ(image.Pixels.At(8, 6), ExpectedPixel(6, 8, 8, 6, {}));
}

TEST(PngColorManagerTest, RejectsSettingsThatDoNotFit) {
  struct Case {
    const char* message;
    std::function<void(TColorManager&)> act;
  };
  const Case cases[] = {
      {"Color depth is invalid. Bits per sample must be 1, 2, 4, 8 or 16.",
       [](TColorManager& m) { m.SetSourceBitsPerSample(3); }},
      {"Sample count per pixel does not correspond to the given color scheme.",
       [](TColorManager& m) {
         m.SetSourceColorScheme(TColorScheme::RGB);
         m.SetSourceSamplesPerPixel(4);
         m.Prepare();
       }},
      {"Conversion between indexed and non-indexed pixel formats is not supported.",
       [](TColorManager& m) {
         m.SetTargetColorScheme(TColorScheme::BGR);
         m.SetTargetSamplesPerPixel(3);
         m.Prepare();
       }},
      {"Color conversion failed. Could not find a proper method.",
       [](TColorManager& m) {
         m.SetSourceColorScheme(TColorScheme::GrayAlpha);
         m.SetSourceSamplesPerPixel(2);
         m.SetSourceBitsPerSample(4);
         m.Prepare();
       }},
  };
  for (const Case& c : cases) {
    TColorManager manager;
    try {
      c.act(manager);
      ADD_FAILURE() << "no error for: " << c.message;
    } catch (const ESkinError& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
  }
}

TEST(PngDrawTest, AlphaPictureIsComposedOverTheCanvas) {
  PixelBuffer canvas(3, 1);
  for (int x = 0; x < 3; ++x) canvas.At(x, 0) = 0x40102030u;
  PixelBuffer picture(3, 1);
  picture.At(0, 0) = 0x80FF0000u;  // red 255 at weight 128
  picture.At(1, 0) = 0x00FF00FFu;  // the key: skipped
  picture.At(2, 0) = 0xFF0000FFu;
  DrawAlphaPicture(canvas, {0, 0, 3, 1}, picture);
  // red: ((255 - 16) * 128 + 16 * 256) >> 8 = 135; green: (32 * 128) >> 8 = 16; blue: (48 * 128) >> 8 = 24
  EXPECT_EQ(canvas.At(0, 0), 0x40871018u);
  EXPECT_EQ(canvas.At(1, 0), 0x40102030u);
  // weight 255 keeps 1/256 of the canvas: ((255 - 48) * 255 + 48 * 256) >> 8 = 254
  EXPECT_EQ(canvas.At(2, 0), 0x400000FEu);
}

TEST(PngDrawTest, StretchesNearestAndClipsToTheCanvas) {
  PixelBuffer picture(2, 1);
  picture.At(0, 0) = 0xFF0000FFu;
  picture.At(1, 0) = 0xFF00FF00u;
  PixelBuffer canvas(3, 2);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) canvas.At(x, y) = 0;
  DrawAlphaPicture(canvas, {-1, 0, 3, 2}, picture);  // 4 x 2 from 2 x 1: columns 0 0 1 1
  EXPECT_EQ(canvas.At(0, 0) & 0xFFFFFF, 0x0000FEu);
  EXPECT_EQ(canvas.At(1, 1) & 0xFFFFFF, 0x00FE00u);
  EXPECT_EQ(canvas.At(2, 1) & 0xFFFFFF, 0x00FE00u);
  DrawAlphaPicture(canvas, {INT32_MIN, 0, INT32_MAX, 2}, picture);  // must not overflow
}
