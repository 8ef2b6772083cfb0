#include "tools/GoldenPicture.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

#include "skin/render/core/acPNG.h"
#include "tools/PngWriter.h"

namespace {

PixelBuffer DiffPicture(const PixelBuffer& expected, const PixelBuffer& actual, int& differing) {
  PixelBuffer diff(std::max(expected.Width(), actual.Width()), std::max(expected.Height(), actual.Height()));
  differing = 0;
  for (int32_t y = 0; y < diff.Height(); ++y) {
    for (int32_t x = 0; x < diff.Width(); ++x) {
      const bool inE = x < expected.Width() && y < expected.Height();
      const bool inA = x < actual.Width() && y < actual.Height();
      const uint32_t e = inE ? expected.At(x, y) & 0xFFFFFF : 0;
      if (inE && inA && e == (actual.At(x, y) & 0xFFFFFF)) {
        const uint32_t grey = 192 + (((e & 0xFF) + ((e >> 8) & 0xFF) + ((e >> 16) & 0xFF)) / 3) / 4;
        diff.At(x, y) = 0xFF000000u | grey * 0x010101u;
      } else {
        diff.At(x, y) = 0xFFFF0000u;
        ++differing;
      }
    }
  }
  return diff;
}

}  // namespace

GoldenResult CompareWithGolden(const PixelBuffer& picture, const std::string& goldenPath, const std::string& name) {
  GoldenResult r;
  if (std::getenv("DR_UPDATE_GOLDEN")) {
    r.Updated = WritePngFile(goldenPath, picture);
    r.Message = r.Updated ? "wrote " + goldenPath : "cannot write " + goldenPath;
    return r;
  }
  std::ifstream file(goldenPath, std::ios::binary);
  const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  if (!file && bytes.empty()) {
    r.Missing = true;
    r.Message = "missing " + goldenPath + "; run with DR_UPDATE_GOLDEN=1 to create it";
    return r;
  }
  const DecodedImage golden = DecodePng(bytes.data(), bytes.size());
  const PixelBuffer diff = DiffPicture(golden.Pixels, picture, r.Differing);
  if (r.Differing != 0) {
    WritePngFile(name + ".actual.png", picture);
    WritePngFile(name + ".diff.png", diff);
    r.Message = std::to_string(r.Differing) + " pixels differ from " + goldenPath + "; see " + name +
                ".actual.png and " + name + ".diff.png in the test's folder";
  }
  return r;
}
