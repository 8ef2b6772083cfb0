// The contact sheet of the built-in skin against its golden picture.
//
// After a deliberate change of the skin, its pictures or the painters, look
// at the new sheet and regenerate the golden picture with
//   DR_UPDATE_GOLDEN=1 ctest -R builtin_skin_tests
// (or run skinpreview by hand: see tools/skinpreview/main.cpp). On a mismatch
// the test writes the rendered sheet and a diff picture (differing pixels red
// over a faded copy) next to the test program.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "skin/data/SkinImageFiles.h"
#include "skin/render/core/acPNG.h"
#include "tools/PngWriter.h"
#include "tools/skinpreview/ContactSheet.h"
#include "tools/skinpreview/SkinPreviewLoad.h"

namespace {

const std::string kSkinDir = DR_BUILTIN_SKIN_DIR;
const std::string kGolden = std::string(DR_SOURCE_DIR) + "/tests/golden/builtin-contact-sheet.png";

// Differing pixels in red over a faded copy of the expected picture.
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

TEST(BuiltinContactSheet, MatchesTheGoldenPicture) {
  const PictureFolder engine(kSkinDir + "/engine");
  const LoadedSkin skin = LoadPreviewSkin(kSkinDir + "/windows10.asz", engine);
  const PixelBuffer sheet = RenderContactSheet(skin, engine.All(), "WINDOWS 10 (INTERNAL)");

  if (std::getenv("DR_UPDATE_GOLDEN")) {
    ASSERT_TRUE(WritePngFile(kGolden, sheet));
    GTEST_SKIP() << "wrote " << kGolden;
  }
  const auto bytes = ReadWholeFile(kGolden);
  ASSERT_TRUE(bytes) << "missing " << kGolden << "; run with DR_UPDATE_GOLDEN=1 to create it";
  const DecodedImage golden = DecodePng(bytes->data(), bytes->size());
  int differing = 0;
  const PixelBuffer diff = DiffPicture(golden.Pixels, sheet, differing);
  if (differing != 0) {
    WritePngFile("builtin-contact-sheet.actual.png", sheet);
    WritePngFile("builtin-contact-sheet.diff.png", diff);
  }
  EXPECT_EQ(differing, 0) << "pixels differ from " << kGolden
                          << "; see builtin-contact-sheet.actual.png and .diff.png in the test's folder";
}

}  // namespace
