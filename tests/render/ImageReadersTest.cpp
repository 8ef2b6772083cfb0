// BMP and JPEG readers, loading by extension, and the corpus of bad files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "skin/render/core/BmpReader.h"
#include "skin/render/core/ImageLoader.h"
#include "skin/render/core/JpegReader.h"
#include "tests/render/ImageFiles.h"
#include "tests/render/TestPictures.h"

namespace {

using imagefiles::EncodeJpeg;

std::string ErrorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const ESkinError& e) {
    return e.what();
  }
  return "(decoded)";
}

const std::vector<uint32_t> kPalette16 = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF, 0x123456, 0xFFFFFF, 0x808080, 0x010203,
                                          0x102030, 0x405060, 0x708090, 0xA0B0C0, 0xD0E0F0, 0xFF00FF, 0x00FFFF, 0xFFFF00};
}  // namespace

TEST(BmpReaderTest, EveryDepthAndRowOrderGivesTheFilesPixels) {
  struct Case {
    int bpp;
    bool topDown, core;
    size_t paletteSize;
  };
  const Case cases[] = {{1, false, false, 2},  {1, true, false, 2},  {4, false, false, 16}, {4, false, true, 16},
                        {8, false, false, 16}, {8, false, true, 16}, {24, false, false, 0}, {24, true, false, 0},
                        {32, false, false, 0}, {32, true, false, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.bpp << " bits, top-down " << c.topDown << ", core " << c.core);
    BmpLayout s;
    s.width = 13;  // rows need padding at every depth
    s.height = 3;
    s.bpp = c.bpp;
    s.topDown = c.topDown;
    s.coreHeader = c.core;
    s.palette.assign(kPalette16.begin(), kPalette16.begin() + c.paletteSize);
    auto value = [&](int32_t x, int32_t y) -> uint32_t {
      if (c.bpp <= 8) return uint32_t(x + 3 * y) % c.paletteSize;
      return uint32_t(x * 19 + y * 70) << 16 | uint32_t(x * 5) << 8 | uint32_t(y * 80) | uint32_t(x * 17) << 24;
    };
    s.pixel = value;
    const std::vector<uint8_t> file = MakeBmp(s);
    const DecodedImage image = DecodeBmp(file.data(), file.size());
    ASSERT_EQ(image.Pixels.Width(), 13);
    ASSERT_EQ(image.Pixels.Height(), 3);
    EXPECT_EQ(image.BitsPerPixel, c.bpp);
    for (int32_t y = 0; y < 3; ++y) {
      for (int32_t x = 0; x < 13; ++x) {
        const uint32_t v = value(x, y);
        uint32_t expected = c.bpp <= 8 ? (s.palette[v] | 0xFF000000u) : v;
        if (c.bpp == 24) expected |= 0xFF000000u;  // no alpha: opaque
        ASSERT_EQ(image.Pixels.At(x, y), expected) << x << "," << y;
      }
    }
  }
}

TEST(BmpReaderTest, BitFieldMasksPlaceTheChannels) {
  BmpLayout s;
  s.width = 2;
  s.height = 1;
  s.bpp = 32;
  s.compression = 3;
  s.masks = {0x000000FF, 0x0000FF00, 0x00FF0000};  // red low, blue high; no alpha mask
  s.pixel = [](int32_t x, int32_t) { return x ? 0x00112233u : 0x00FF0000u; };
  const std::vector<uint8_t> file = MakeBmp(s);
  const DecodedImage image = DecodeBmp(file.data(), file.size());
  EXPECT_EQ(image.Pixels.At(0, 0), Bgra(0, 0, 255, 255));
  EXPECT_EQ(image.Pixels.At(1, 0), Bgra(0x33, 0x22, 0x11, 255));
}

TEST(BmpReaderTest, LyingOrUnsupportedHeadersAreRejected) {
  const std::string invalid = "Cannot load image. Invalid or unexpected BMP image format.";
  BmpLayout base;
  base.pixel = [](int32_t, int32_t) { return 0u; };
  const std::vector<uint8_t> good = MakeBmp(base);
  auto patched = [&](size_t at, std::vector<uint8_t> bytes) {
    std::vector<uint8_t> f = good;
    std::copy(bytes.begin(), bytes.end(), f.begin() + at);
    return f;
  };
  BmpLayout rle = base;
  rle.compression = 1;
  BmpLayout bits16 = base;
  bits16.bpp = 16;
  BmpLayout tooManyColours = base;
  tooManyColours.bpp = 1;
  tooManyColours.palette.assign(kPalette16.begin(), kPalette16.begin() + 3);
  struct Case {
    const char* name;
    std::vector<uint8_t> file;
    std::string message;
  };
  const Case cases[] = {
      {"not BM", patched(0, {'X'}), invalid},
      {"short", {good.begin(), good.begin() + 20}, invalid},
      {"rows past the end", {good.begin(), good.end() - 5}, invalid},
      {"pixel offset past the end", patched(10, {0xFF, 0xFF, 0, 0}), invalid},
      {"header size past the end", patched(14, {0xFF, 0xFF, 0, 0}), invalid},
      {"header size 20", patched(14, {20, 0, 0, 0}), invalid},
      {"negative width", patched(18, {0xFF, 0xFF, 0xFF, 0xFF}), invalid},
      {"two planes", patched(26, {2}), invalid},
      {"height of a lie", patched(22, {0, 0, 1, 0}), invalid},
      {"huge", patched(18, {0, 0, 0, 0x10}), "Cannot load image. The image size is not supported for BMP files."},
      {"lowest height", patched(22, {0, 0, 0, 0x80}), "Cannot load image. The image size is not supported for BMP files."},
      {"run-length", MakeBmp(rle), "Cannot load image. The compression scheme is not supported for BMP files."},
      {"16 bits", MakeBmp(bits16), "Invalid color format in BMP file."},
      {"palette larger than the depth", MakeBmp(tooManyColours), invalid},
  };
  for (const Case& c : cases) EXPECT_EQ(ErrorOf([&] { DecodeBmp(c.file.data(), c.file.size()); }), c.message) << c.name;
}

// A bitmap resource is the file less its first 14 bytes; the pixels must be found all the same.
TEST(BmpReaderTest, ResourceWithoutFileHeaderGivesTheFilesPixels) {
  BmpLayout s;
  s.width = 5;
  s.height = 2;
  struct Case {
    const char* name;
    int bpp;
    bool core;
    size_t paletteSize;
    uint32_t compression;
    std::vector<uint32_t> masks;
  };
  const Case cases[] = {
      {"24 bits", 24, false, 0, 0, {}},
      {"32 bits with masks", 32, false, 0, 3, {0x00FF0000, 0x0000FF00, 0x000000FF}},
      {"8 bits, short palette", 8, false, 5, 0, {}},
      {"4 bits, core header", 4, true, 16, 0, {}},
  };
  for (const Case& c : cases) {
    BmpLayout layout = s;
    layout.bpp = c.bpp;
    layout.coreHeader = c.core;
    layout.compression = c.compression;
    layout.masks = c.masks;
    layout.palette.assign(kPalette16.begin(), kPalette16.begin() + c.paletteSize);
    layout.pixel = [&](int32_t x, int32_t y) -> uint32_t {
      return c.bpp <= 8 ? uint32_t(x + y) % c.paletteSize : 0xFF000000u | uint32_t(x * 40) << 8 | uint32_t(y * 90);
    };
    const std::vector<uint8_t> file = MakeBmp(layout);
    const DecodedImage fromFile = DecodeBmp(file.data(), file.size());
    const DecodedImage fromResource = DecodeBmpResource(file.data() + 14, file.size() - 14);
    ASSERT_EQ(fromResource.Pixels.Width(), 5) << c.name;
    for (int32_t y = 0; y < 2; ++y)
      for (int32_t x = 0; x < 5; ++x) EXPECT_EQ(fromResource.Pixels.At(x, y), fromFile.Pixels.At(x, y)) << c.name;
  }
  const std::vector<uint8_t> tiny = {40, 0, 0};
  EXPECT_EQ(ErrorOf([&] { DecodeBmpResource(tiny.data(), tiny.size()); }),
            "Cannot load image. Invalid or unexpected BMP image format.");
  std::vector<uint8_t> lying = MakeBmp([&] {
    BmpLayout layout = s;
    layout.pixel = [](int32_t, int32_t) { return 0u; };
    return layout;
  }());
  lying.erase(lying.begin(), lying.begin() + 14);
  lying.resize(lying.size() - 8);  // rows cut short
  EXPECT_EQ(ErrorOf([&] { DecodeBmpResource(lying.data(), lying.size()); }),
            "Cannot load image. Invalid or unexpected BMP image format.");
}

namespace {
uint8_t Smooth(int x, int y, int c) { return uint8_t(40 + x * 3 + y * 2 + c * 40); }
}  // namespace

TEST(JpegReaderTest, ColourAndGreyPicturesSurviveARoundTrip) {
  for (int components : {3, 1}) {
    SCOPED_TRACE(components);
    const std::vector<uint8_t> file = EncodeJpeg(24, 17, components, Smooth);
    const DecodedImage image = DecodeJpeg(file.data(), file.size());
    ASSERT_EQ(image.Pixels.Width(), 24);
    ASSERT_EQ(image.Pixels.Height(), 17);
    EXPECT_EQ(image.BitsPerPixel, 24);
    for (int y = 0; y < 17; ++y) {
      for (int x = 0; x < 24; ++x) {
        const uint32_t p = image.Pixels.At(x, y);
        ASSERT_EQ(p >> 24, 255u);
        const int r = int(p >> 16 & 0xFF), g = int(p >> 8 & 0xFF), b = int(p & 0xFF);
        const int er = Smooth(x, y, 0), eg = components == 3 ? Smooth(x, y, 1) : er, eb = components == 3 ? Smooth(x, y, 2) : er;
        ASSERT_NEAR(r, er, 6) << x << "," << y;
        ASSERT_NEAR(g, eg, 6) << x << "," << y;
        ASSERT_NEAR(b, eb, 6) << x << "," << y;
      }
    }
  }
}

// libjpeg's own handling would end the process or fill a cut picture with grey.
TEST(JpegReaderTest, BrokenFilesRaiseInsteadOfEndingTheProcess) {
  const std::string invalid = "Cannot load image. Invalid or unexpected JPEG image format.";
  const std::vector<uint8_t> good = EncodeJpeg(32, 32, 3, Smooth);
  const std::vector<uint8_t> cut(good.begin(), good.begin() + long(good.size() / 2));
  const std::vector<uint8_t> garbage = {0xFF, 0xD8, 0xFF, 0x00, 1, 2, 3};
  std::vector<uint8_t> huge = good;
  for (size_t i = 0; i + 8 < huge.size(); ++i) {
    if (huge[i] == 0xFF && huge[i + 1] == 0xC0) {  // frame header: height and width after length and precision
      huge[i + 5] = 0x40, huge[i + 6] = 0, huge[i + 7] = 0x40, huge[i + 8] = 0;  // 16384 x 16384
      break;
    }
  }
  EXPECT_EQ(ErrorOf([&] { DecodeJpeg(cut.data(), cut.size()); }), invalid);
  EXPECT_EQ(ErrorOf([&] { DecodeJpeg(garbage.data(), garbage.size()); }), invalid);
  EXPECT_EQ(ErrorOf([&] { DecodeJpeg(good.data(), 0); }), invalid);
  EXPECT_EQ(ErrorOf([&] { DecodeJpeg(huge.data(), huge.size()); }),
            "Cannot load image. The image size is not supported for JPEG files.");
}

TEST(ImageLoaderTest, ExtensionPicksTheReaderWithoutRegardToCase) {
  struct Case {
    const char* name;
    ImageFileKind kind;
  };
  const Case cases[] = {{"A.BMP", ImageFileKind::Bmp},     {"skin\\x.bmp", ImageFileKind::Bmp},
                        {"P.Jpg", ImageFileKind::Jpeg},    {"p.jpeg", ImageFileKind::Jpeg},
                        {"GLOWBTN.PNG", ImageFileKind::Png}, {"a.png.txt", ImageFileKind::Unknown},
                        {"PNG", ImageFileKind::Unknown},   {"x.gif", ImageFileKind::Unknown}};
  for (const Case& c : cases) EXPECT_EQ(ImageKindOfName(c.name), c.kind) << c.name;

  BmpLayout s;
  s.pixel = [](int32_t, int32_t) { return 0x00ABCDEFu; };
  const std::vector<uint8_t> bmp = MakeBmp(s);
  const auto image = DecodeImageByName("tile.Bmp", bmp.data(), bmp.size());
  ASSERT_TRUE(image.has_value());
  EXPECT_EQ(image->Pixels.At(2, 1), 0xFFABCDEFu);
  EXPECT_FALSE(DecodeImageByName("tile.gif", bmp.data(), bmp.size()).has_value());
  EXPECT_EQ(ErrorOf([&] { DecodeImageByName("tile.png", bmp.data(), bmp.size()); }),
            "Cannot load image. Invalid or unexpected PNG image format.");
}

// Every file in the corpus must fail with an error, named by its extension.
TEST(ImageLoaderTest, BadImageCorpusFailsCleanly) {
  const std::filesystem::path dir = std::filesystem::path(DR_SOURCE_DIR) / "tests/fixtures/bad-images";
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    const std::string name = entry.path().filename().string();
    if (ImageKindOfName(name) == ImageFileKind::Unknown) continue;
    std::ifstream in(entry.path(), std::ios::binary);
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(ErrorOf([&] { DecodeImageByName(name, bytes.data(), bytes.size()); }), "(decoded)") << name;
    ++files;
  }
  EXPECT_GT(files, 0);
}
