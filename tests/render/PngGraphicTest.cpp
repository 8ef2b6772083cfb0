// The toolkit's PNG picture: loading through the picture loader, drawing with
// alpha into a device context, and the plain-bitmap loads of the manager.
#include "skin/controls/acPNGGraphic.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "skin/render/core/PixelBufferDc.h"
#include "skin/render/core/SkinError.h"
#include "tests/render/PngTestSupport.h"
#include "tests/render/TestPictures.h"

namespace {

// 3 x 2, alpha 255, 128, 0 in the top row; colours the file keeps unmultiplied.
PixelBuffer RgbaPicture() {
  PixelBuffer p(3, 2);
  p.At(0, 0) = Bgra(255, 0, 0, 255);
  p.At(1, 0) = Bgra(255, 0, 0, 128);
  p.At(2, 0) = Bgra(10, 20, 30, 0);
  p.At(0, 1) = Bgra(0, 255, 0, 64);
  p.At(1, 1) = Bgra(1, 2, 3, 200);
  p.At(2, 1) = Bgra(0, 0, 255, 255);
  return p;
}

// A file in the system's temporary folder, removed at destruction.
class TempFile {
 public:
  TempFile(const wchar_t* name, const std::vector<uint8_t>& bytes)
      : path_(std::filesystem::temp_directory_path() / name) {
    std::ofstream(path_, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  }
  ~TempFile() { std::filesystem::remove(path_); }
  std::wstring Path() const { return path_.wstring(); }

 private:
  std::filesystem::path path_;
};

std::string LoadError(TPicture& picture, const std::wstring& path) {
  try {
    picture.LoadFromFile(path);
  } catch (const std::exception& e) {
    return e.what();
  }
  return "(loaded)";
}

TEST(PngGraphicTest, RegisteredAtStartUpAndLoadedByThePictureLoader) {
  const auto& formats = TPicture::FileFormats();
  auto png = std::find_if(formats.begin(), formats.end(), [](const TFileFormat& f) { return f.Extension == "png"; });
  ASSERT_NE(png, formats.end());
  EXPECT_EQ(png->Description, "Portable network graphics (Veltrane)");

  const PixelBuffer source = RgbaPicture();
  TempFile file(L"png-graphic-test.PNG", EncodePng(source));
  TPicture picture;
  picture.LoadFromFile(file.Path());
  ASSERT_NE(picture.Graphic, nullptr);
  EXPECT_EQ(picture.Graphic->ClassName(), "TPNGGraphic");
  ASSERT_EQ(picture.Graphic->Width(), 3);
  ASSERT_EQ(picture.Graphic->Height(), 2);
  for (int32_t y = 0; y < 2; ++y)
    for (int32_t x = 0; x < 3; ++x) EXPECT_EQ(picture.Graphic->Pixels.At(x, y), source.At(x, y)) << x << "," << y;
  EXPECT_EQ(dynamic_cast<TPNGGraphic&>(*picture.Graphic).BitsPerPixel, 32);
  EXPECT_FALSE(picture.Graphic->Transparent);
}

TEST(PngGraphicTest, BadFilesFailWithTheDecodersMessageAndKeepThePicture) {
  std::vector<uint8_t> png = EncodePng(RgbaPicture());
  TempFile good(L"png-graphic-good.png", png);
  std::vector<uint8_t> badCrc = png;
  badCrc[pngtest::FindChunk(badCrc, "IDAT") + 8] ^= 0xFF;
  TempFile crc(L"png-graphic-crc.png", badCrc);
  TempFile notPng(L"png-graphic-text.png", {'h', 'e', 'l', 'l', 'o'});
  TempFile cut(L"png-graphic-cut.png", std::vector<uint8_t>(png.begin(), png.begin() + png.size() / 2));

  TPicture picture;
  picture.LoadFromFile(good.Path());
  EXPECT_EQ(LoadError(picture, crc.Path()), "Cannot load image. CRC error found in PNG file.");
  EXPECT_EQ(LoadError(picture, notPng.Path()), "Cannot load image. Invalid or unexpected PNG image format.");
  EXPECT_EQ(LoadError(picture, cut.Path()), "Cannot load image. Invalid or unexpected PNG image format.");
  ASSERT_NE(picture.Graphic, nullptr);
  EXPECT_EQ(picture.Graphic->Width(), 3);
}

TEST(PngGraphicTest, UnregisteringRemovesTheFormat) {
  TempFile file(L"png-graphic-unregister.png", EncodePng(RgbaPicture()));
  const auto& formats = TPicture::FileFormats();
  const TFileFormat saved =
      *std::find_if(formats.begin(), formats.end(), [](const TFileFormat& f) { return f.Extension == "png"; });
  TPicture::UnregisterFileFormat("PNG");
  TPicture picture;
  EXPECT_EQ(LoadError(picture, file.Path()), "Unknown picture file extension (.png)");
  TPicture::RegisterFileFormat(saved.Extension, saved.Description, saved.Factory);
  EXPECT_EQ(LoadError(picture, file.Path()), "(loaded)");
}

TEST(PngGraphicTest, StagesOfTheLoadReachTheProgressHandler) {
  const std::vector<uint8_t> png = EncodePng(RgbaPicture());
  TPNGGraphic graphic;
  std::vector<std::string> stages;
  graphic.OnProgress = [&](const std::string& stage) { stages.push_back(stage); };
  graphic.LoadFromBytes(png.data(), png.size());
  EXPECT_EQ(stages, (std::vector<std::string>{"Preparing...", "Transfering...", ""}));
}

// Per colour channel: ((picture - canvas) * alpha + canvas * 256) >> 8, so even
// alpha 255 lets 1/256 of the canvas through; the canvas keeps its alpha.
TEST(PngGraphicTest, ThirtyTwoBitPicturesDrawWithTheirAlpha) {
  const std::vector<uint8_t> png = EncodePng(RgbaPicture());
  TPNGGraphic graphic;
  graphic.LoadFromBytes(png.data(), png.size());
  const uint32_t back = Bgra(0, 100, 200, 0x40);
  PixelBuffer canvas = Filled(5, 3, back);
  graphic.Draw(BufferDc(canvas), {1, 1, 4, 3});
  GdiFlush();
  EXPECT_EQ(canvas.At(0, 0), back);
  EXPECT_EQ(canvas.At(1, 1), Bgra(254, 0, 0, 0x40));
  EXPECT_EQ(canvas.At(2, 1), Bgra(127, 50, 100, 0x40));
  EXPECT_EQ(canvas.At(3, 1), back);                      // alpha 0
  EXPECT_EQ(canvas.At(1, 2), Bgra(0, 138, 150, 0x40));   // alpha 64 of green
  EXPECT_EQ(canvas.At(3, 2), Bgra(0, 0, 254, 0x40));
  EXPECT_EQ(canvas.At(4, 2), back);

  // Doubled in width and partly outside the canvas: nearest pixels, clipped.
  PixelBuffer wide = Filled(4, 2, back);
  graphic.Draw(BufferDc(wide), {-2, 0, 4, 2});
  GdiFlush();
  EXPECT_EQ(wide.At(0, 0), Bgra(127, 50, 100, 0x40));
  EXPECT_EQ(wide.At(1, 0), Bgra(127, 50, 100, 0x40));
  EXPECT_EQ(wide.At(2, 0), back);
  EXPECT_EQ(wide.At(3, 1), Bgra(0, 0, 254, 0x40));
}

TEST(PngGraphicTest, PicturesWithoutAlphaDrawAsBitmapsAndTheirTransparentColourIsLeftOut) {
  // RGB 2 x 1: red, then the colour that "tRNS" names transparent.
  PngRawImage raw = pngtest::MakeRaw(2, 1, 8, 2, [](int32_t x, int32_t, int c) { return x == 0 ? (c == 0 ? 255u : 0u) : 9u; });
  raw.ChunksBeforeData = {{"tRNS", {0, 9, 0, 9, 0, 9}}};
  const std::vector<uint8_t> png = EncodePngRaw(raw);
  TPNGGraphic graphic;
  graphic.LoadFromBytes(png.data(), png.size());
  EXPECT_EQ(graphic.BitsPerPixel, 24);
  EXPECT_TRUE(graphic.Transparent);
  const uint32_t back = Bgra(0, 0, 255, 255);
  PixelBuffer canvas = Filled(4, 1, back);
  graphic.Draw(BufferDc(canvas), {0, 0, 4, 1});
  GdiFlush();
  EXPECT_EQ(canvas.At(0, 0) & 0xFFFFFF, 0xFF0000u);
  EXPECT_EQ(canvas.At(1, 0) & 0xFFFFFF, 0xFF0000u);
  EXPECT_EQ(canvas.At(2, 0), back);
  EXPECT_EQ(canvas.At(3, 0), back);
}

TEST(PngGraphicTest, PngFilesAndStreamsLoadIntoPlainBitmaps) {
  const PixelBuffer source = RgbaPicture();
  const std::vector<uint8_t> png = EncodePng(source);
  TempFile file(L"png-graphic-bitmap.png", png);
  TBitmap fromFile, fromStream;
  LoadBitmapFromPngFile(fromFile, file.Path());
  LoadBitmapFromPngStream(fromStream, png.data(), png.size());
  for (const TBitmap* bitmap : {&fromFile, &fromStream}) {
    ASSERT_EQ(bitmap->Width(), 3);
    EXPECT_EQ(bitmap->BitsPerPixel, 32);
    for (int32_t y = 0; y < 2; ++y)
      for (int32_t x = 0; x < 3; ++x) EXPECT_EQ(bitmap->Pixels.At(x, y), source.At(x, y));
  }
  TBitmap untouched;
  EXPECT_THROW(LoadBitmapFromPngStream(untouched, png.data(), 20), ESkinError);
  EXPECT_THROW(LoadBitmapFromPngFile(untouched, file.Path() + L".missing"), std::runtime_error);
  EXPECT_TRUE(untouched.Empty());
}

}  // namespace
