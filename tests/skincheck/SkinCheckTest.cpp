// The skin checker on the built-in skin and on small skins made to be wrong.
#include "tools/skincheck/SkinCheck.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "tests/data/TinySkin.h"

namespace {

std::vector<std::string> Lines(const SkinCheckReport& report) {
  std::vector<std::string> lines;
  for (const SkinProblem& p : report.Problems) lines.push_back(FormatProblem(p));
  return lines;
}

std::string Listing(const SkinCheckReport& report) {
  std::string all = report.Error + "\n";
  for (const std::string& line : Lines(report)) all += line + "\n";
  return all;
}

bool Has(const SkinCheckReport& report, const std::string& line) {
  const std::vector<std::string> lines = Lines(report);
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

bool Mentions(const SkinCheckReport& report, const std::string& sectionAndKey) {
  for (const std::string& line : Lines(report))
    if (line.starts_with(sectionAndKey + ":")) return true;
  return false;
}

TEST(SkinCheckTest, TheBuiltinSkinIsClean) {
  const SkinCheckReport report = CheckSkin(std::string(DR_BUILTIN_SKIN_DIR) + "/windows10.asz");
  EXPECT_EQ(report.Outcome, SkinCheckOutcome::Clean) << Listing(report);
  EXPECT_EQ(ExitStatusOf(report.Outcome), 0);
}

// One skin with one problem of every kind that still loads.
TEST(SkinCheckTest, ABadSkinShowsEachKindOfProblemWithSectionAndKey) {
  PixelBuffer master(8, 8);
  const std::string options =
      "[GLOBALINFO]\r\nVERSION=10\r\nMASTERBITMAP=MASTER.BMP\r\nBORDERWIDTH=4\r\nTITLEHEIGHT=-2147483648\r\n"
      "[BUTTON]\r\nCOLOR=0\r\nCOLOUR=0\r\nColor=0\r\nCOLOR=1\r\n"
      "BORDERSMASK=^0000^0000^0012^0004^0001^0001^0001^0001^1^0^1^0\r\n"  // 12 wide in an 8-pixel picture
      "GLYPHMASK=!NOPE.BMP!1!0!2\r\n"
      "[CHECKBOX]\r\nBORDERSMASK=!MASTER.BMP!300!0!0\r\n"
      "[EDIT]\r\nPARENTCLASS=NOSUCH\r\n"
      "[A]\r\nPARENTCLASS=B\r\n[B]\r\nPARENTCLASS=A\r\n"
      "[BUTTON]\r\nCOLOR=2\r\n";
  TempFolder temp;
  TinySkin().Options(options).File("MASTER.BMP", EncodeBmp24(master)).WriteFolder(temp.Path() / "bad");
  const SkinCheckReport report = CheckSkin(temp.Path() / "bad");
  EXPECT_EQ(report.Outcome, SkinCheckOutcome::Problems) << Listing(report);
  EXPECT_EQ(ExitStatusOf(report.Outcome), 1);
  for (const char* line : {
           "[BUTTON] COLOUR: no part of the program reads this key",
           "[BUTTON] Color: no part of the program reads this key",
           "[BUTTON] COLOR: the key is given twice in the section; only its first value is read",
           "[BUTTON]: the section is given twice; only its first occurrence is read",
           "[BUTTON] BORDERSMASK: the image rectangle (0, 0, 12, 4) lies outside its picture (8 x 8)",
           "[BUTTON] GLYPHMASK: the image file \"NOPE.BMP\" is missing",
           "[EDIT] PARENTCLASS: the parent section \"NOSUCH\" does not exist",
           "[A] PARENTCLASS: the parents form a circle: A -> B -> A",
           "[GLOBALINFO] TITLEHEIGHT: the value -2147483648 is out of range and limited to -1024",
           "[CHECKBOX] BORDERSMASK: the image's FrameCount 300 is out of range and limited to 255",
           "[COMBOBOX]: the skin has no such section, and the program looks it up",
           "[SCROLLBTNLEFT]: the skin has no such section, and the program looks it up",
       })
    EXPECT_TRUE(Has(report, line)) << line << "\n" << Listing(report);
  // Read keys, sections the program does without, and up-down buttons that fall back to "BUTTON".
  for (const char* quiet : {"[GLOBALINFO] BORDERWIDTH", "[GLOBALINFO] MASTERBITMAP", "[B] PARENTCLASS"})
    EXPECT_FALSE(Mentions(report, quiet)) << quiet << "\n" << Listing(report);
  for (const char* quiet : {"[CAPTION]", "[TABTOPFIRST]", "[UPDOWNBTN_LEFT]", "[TRANSPARENT]", "[BUTTON]"})
    EXPECT_FALSE(Has(report, std::string(quiet) + ": the skin has no such section, and the program looks it up"))
        << quiet;
}

TEST(SkinCheckTest, AChainDeeperThanTheLookupsFollowIsReportedOnce) {
  std::string options = "[GLOBALINFO]\r\nVERSION=10\r\n[S0]\r\nCOLOR=1\r\n";
  for (int i = 1; i <= 100; ++i) options += "[S" + std::to_string(i) + "]\r\nPARENTCLASS=S" + std::to_string(i - 1) + "\r\n";
  TempFolder temp;
  TinySkin().Options(options).WriteFolder(temp.Path() / "deep");
  const SkinCheckReport report = CheckSkin(temp.Path() / "deep");
  int deep = 0;
  for (const std::string& line : Lines(report)) deep += line.find("parents above it") != std::string::npos;
  EXPECT_EQ(deep, 1) << Listing(report);
  EXPECT_TRUE(Mentions(report, "[S65] PARENTCLASS")) << Listing(report);
}

TEST(SkinCheckTest, SkinsTheProgramCannotLoadAreUnreadable) {
  TempFolder temp;
  const std::filesystem::path noOptions = temp.Path() / "empty";
  std::filesystem::create_directories(noOptions);
  const std::filesystem::path notPacked = temp.Path() / "text.asz";
  std::ofstream(notPacked) << "not a package";
  const std::filesystem::path packageWithoutOptions = temp.Path() / "bare.asz";
  const std::vector<uint8_t> bare = TinySkin().File("A.BMP", EncodeBmp24(PixelBuffer(1, 1))).Package();
  std::ofstream(packageWithoutOptions, std::ios::binary).write(reinterpret_cast<const char*>(bare.data()),
                                                               std::streamsize(bare.size()));
  // A picture that does not decode stops the program's load; the checker says where it is named.
  const std::filesystem::path badPicture = temp.Path() / "badpicture";
  TinySkin()
      .Options("[GLOBALINFO]\r\nVERSION=10\r\n[BUTTON]\r\nBORDERSMASK=!BROKEN.PNG!1!0!0\r\n")
      .File("BROKEN.PNG", {0x89, 'P', 'N', 'G', 1, 2, 3})
      .WriteFolder(badPicture);

  for (const std::filesystem::path& path : {temp.Path() / "missing", noOptions, notPacked, packageWithoutOptions, badPicture}) {
    const SkinCheckReport report = CheckSkin(path);
    EXPECT_EQ(report.Outcome, SkinCheckOutcome::Unreadable) << path;
    EXPECT_FALSE(report.Error.empty()) << path;
    EXPECT_EQ(ExitStatusOf(report.Outcome), 2);
  }
  const SkinCheckReport report = CheckSkin(badPicture);
  EXPECT_TRUE(Mentions(report, "[BUTTON] BORDERSMASK")) << Listing(report);
}

}  // namespace
