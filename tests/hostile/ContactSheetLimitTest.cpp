// The contact-sheet tool refuses a skin whose sheet would exceed its size
// limit, with a message naming the size, before allocating the sheet.
#include <gtest/gtest.h>

#include <string>

#include "tests/hostile/HostileSkins.h"
#include "tools/skinpreview/ContactSheet.h"

namespace {

char owner;  // painters draw only records that belong to a manager

LoadedSkin Load(const std::string& options) {
  SkinLoadSettings settings;
  settings.Owner = reinterpret_cast<TsSkinManager*>(&owner);
  LoadedSkin skin = LoadSkin(SkinSource::FromPackageBytes(PackageWithCorpusPictures(options)), settings);
  EXPECT_EQ(skin.Status, SkinLoadStatus::Loaded);
  return skin;
}

std::string Sections(int count) {
  std::string text = "[GLOBALINFO]\nMASTERBITMAP=MASTER.BMP\n";
  for (int i = 0; i < count; ++i) text += "[S" + std::to_string(i) + "]\nCOLOR=" + std::to_string(i * 97) + "\n";
  return text;
}

std::string Refusal(const LoadedSkin& skin) {
  try {
    RenderContactSheet(skin, {}, "HOSTILE");
  } catch (const SheetTooLarge& e) {
    return e.what();
  }
  return {};
}

}  // namespace

TEST(ContactSheetLimit, RefusesManySections) {
  const std::string message = Refusal(Load(Sections(5000)));
  EXPECT_NE(message.find("5001 sections"), std::string::npos) << message;
  EXPECT_NE(message.find("nothing written"), std::string::npos) << message;
}

TEST(ContactSheetLimit, RefusesAHugeWindowShadow) {
  // Shadow margins of almost 10,000 pixels a side make the window pictures alone too wide.
  const std::string message =
      Refusal(Load("[GLOBALINFO]\nMASTERBITMAP=MASTER.BMP\nEXBORDER=!SHADOW.PNG!1!0!3!9999!0034!9999!0034!1\n"));
  EXPECT_NE(message.find("pixels"), std::string::npos) << message;
}

TEST(ContactSheetLimit, DrawsASkinWithinTheLimit) {
  const PixelBuffer sheet = RenderContactSheet(Load(Sections(40)), {}, "FORTY");
  EXPECT_LE(sheet.Width(), kMaxSheetSide);
  EXPECT_GT(sheet.Height(), 20 * 40);
}
