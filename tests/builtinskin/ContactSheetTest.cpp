// The contact sheet of the built-in skin against its golden picture.
//
// After a deliberate change of the skin, its pictures or the painters, look
// at the new sheet and regenerate the golden picture with
//   DR_UPDATE_GOLDEN=1 ctest -R builtin_skin_tests
// (or run skinpreview by hand: see tools/skinpreview/main.cpp). On a mismatch
// the test writes the rendered sheet and a diff picture (differing pixels red
// over a faded copy) next to the test program.
#include <gtest/gtest.h>

#include <string>

#include "tools/GoldenPicture.h"
#include "tools/skinpreview/ContactSheet.h"
#include "tools/skinpreview/SkinPreviewLoad.h"

namespace {

const std::string kSkinDir = DR_BUILTIN_SKIN_DIR;
const std::string kGolden = std::string(DR_SOURCE_DIR) + "/tests/golden/builtin-contact-sheet.png";

TEST(BuiltinContactSheet, MatchesTheGoldenPicture) {
  const PictureFolder engine(kSkinDir + "/engine");
  const LoadedSkin skin = LoadPreviewSkin(kSkinDir + "/windows10.asz", engine);
  const PixelBuffer sheet = RenderContactSheet(skin, engine.All(), "WINDOWS 10 (INTERNAL)");
  const GoldenResult golden = CompareWithGolden(sheet, kGolden, "builtin-contact-sheet");
  if (golden.Updated) GTEST_SKIP() << golden.Message;
  ASSERT_FALSE(golden.Missing) << golden.Message;
  EXPECT_EQ(golden.Differing, 0) << golden.Message;
}

}  // namespace
