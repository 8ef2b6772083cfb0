#include "PaintTestSkin.h"

#include <filesystem>
#include <sstream>

#include "tools/PngWriter.h"

uint32_t Px(char c) {
  if (c == '.') return 0xFF000000u;
  if (c == 'K') return 0x00FF00FFu;
  if (c >= '0' && c <= '9') {
    const uint32_t g = uint32_t(c - '0') * 255 / 9;
    return 0xFF000000u | g | (g << 8) | (g << 16);
  }
  // Letters: distinct colours, every channel well above 0.
  const uint32_t n = uint32_t(c);
  return 0xFF000000u | ((40 + n * 37) % 200 + 50) << 16 | ((n * 91) % 200 + 50) << 8 | ((n * 53) % 200 + 50);
}

PixelBuffer Picture(const Rows& rows) {
  PixelBuffer b(rows.empty() ? 0 : int32_t(rows[0].size()), int32_t(rows.size()));
  for (int32_t y = 0; y < b.Height(); ++y)
    for (int32_t x = 0; x < b.Width(); ++x) b.At(x, y) = Px(rows[size_t(y)][size_t(x)]);
  return b;
}

testing::AssertionResult PixelsEqual(const PixelBuffer& actual, const PixelBuffer& expected, const std::string& name) {
  std::ostringstream diff;
  int count = 0;
  if (actual.Width() != expected.Width() || actual.Height() != expected.Height()) {
    diff << "size " << actual.Width() << "x" << actual.Height() << ", expected " << expected.Width() << "x"
         << expected.Height();
    count = 1;
  } else {
    for (int32_t y = 0; y < actual.Height(); ++y)
      for (int32_t x = 0; x < actual.Width(); ++x)
        if (actual.At(x, y) != expected.At(x, y) && count++ < 6)
          diff << std::hex << " (" << std::dec << x << "," << y << "): " << std::hex << actual.At(x, y) << " expected "
               << expected.At(x, y) << ";";
  }
  if (count == 0) return testing::AssertionSuccess();
  std::filesystem::create_directories("paint-failures");
  const std::string file = "paint-failures/" + name + ".png";
  WritePngFile(file, actual);
  return testing::AssertionFailure() << count << " pixels differ:" << diff.str() << " picture in " << file;
}

testing::AssertionResult PixelsAre(const PixelBuffer& actual, const Rows& expected, const std::string& name) {
  return PixelsEqual(actual, Picture(expected), name);
}

namespace {
// Painters only ask whether a record has an owner.
char ownerTag;
}  // namespace

int32_t TestSkin::AddMask(TsMaskData mask) {
  mask.OwnerManager = reinterpret_cast<TsSkinManager*>(&ownerTag);
  Masks.push_back(std::move(mask));
  return int32_t(Masks.size()) - 1;
}

int32_t TestSkin::AddSection(TsGeneralData section) {
  Sections.push_back(std::move(section));
  return int32_t(Sections.size()) - 1;
}

TsMaskData MaskOf(TRect source, int16_t frameCount, int16_t maskRows, int16_t paintMode, int16_t l, int16_t t,
                  int16_t r, int16_t b) {
  TsMaskData m;
  m.SourceRect = source;
  m.FrameCount = frameCount;
  m.MaskRows = maskRows;
  m.PaintMode = paintMode;
  m.BorderL = l;
  m.BorderT = t;
  m.BorderR = r;
  m.BorderB = b;
  return m;
}

TsGeneralData SectionOf(TColor color, int32_t transparency) {
  TsGeneralData s;
  for (auto& p : s.Props) {
    p.Color = color;
    p.Transparency = transparency;
  }
  return s;
}
