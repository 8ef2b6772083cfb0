#include <gtest/gtest.h>

#include "skin/data/SkinDirectory.h"
#include "skin/data/ThirdPartyList.h"
#include "tests/data/FakeSkinFiles.h"

namespace {

TEST(SkinDirectory, RelativeFormsResolveAgainstTheProgramFolder) {
  const struct {
    const char* dir;
    const char* expected;
  } cases[] = {
      {"..\\Skins", "D:\\App\\Skins"}, {"..", "D:\\App"},
      {".\\Skins", "D:\\App\\Bin\\Skins"}, {"./Skins", "D:\\App\\Bin\\Skins"},
      {".", "D:\\App\\Bin"}, {"Skins", "D:\\App\\Bin\\Skins"},
      {"c:\\Skins", "c:\\Skins"}, {"Skins\\Blue", "Skins\\Blue"},
  };
  for (const auto& c : cases) EXPECT_EQ(ResolveSkinDirectory(c.dir, "D:\\App\\Bin"), c.expected) << c.dir;
  EXPECT_EQ(ProgramFolderOf("D:\\App\\Bin\\DocRenamer.exe"), "D:\\App\\Bin");
}

TEST(SkinDirectory, PackagePathAndEndingStripped) {
  EXPECT_EQ(SkinPackagePath("c:\\Skins", "Blue"), "c:\\Skins\\Blue.asz");
  EXPECT_EQ(SkinPackagePath("..\\Skins\\", "Blue"), "..\\Skins\\Blue.asz");
  EXPECT_EQ(StripPackageExtension("windows 10 (internal).ASZ"), "windows 10 (internal)");
  EXPECT_EQ(StripPackageExtension("Blue.aSz"), "Blue");
  EXPECT_EQ(StripPackageExtension(".asz"), ".asz");  // no name before the ending
  EXPECT_EQ(StripPackageExtension("Blue.asz2"), "Blue.asz2");
}

TEST(SkinDirectory, ListSkinsByKindSortedInternalFirstReturned) {
  FakeSkinFiles files;
  files.AddFile("c:\\Skins\\Folder skin\\Options.dat");
  files.AddFile("c:\\Skins\\Empty folder\\readme.txt");
  files.AddFile("c:\\Skins\\Alpha.asz");
  files.AddFile("c:\\Skins\\Upper.ASZ");
  files.AddFile("c:\\Skins\\.hidden.asz");
  std::vector<std::string> list;
  EXPECT_EQ(ListSkins(files, {"windows 10 (internal)"}, "c:\\Skins", 0, list), "windows 10 (internal)");
  EXPECT_EQ(list, (std::vector<std::string>{"Alpha", "Folder skin", "windows 10 (internal)"}));
  ListSkins(files, {}, "c:\\Skins", 1, list);
  EXPECT_EQ(list, (std::vector<std::string>{"Alpha"}));
  EXPECT_EQ(ListSkins(files, {"b", "a"}, "c:\\Missing", 0, list), "b");
  EXPECT_EQ(list, (std::vector<std::string>{"a", "b"}));
}

TEST(ThirdPartyList, EmptyListsTakeDefaultsAndWriteBackWithCrLf) {
  ThirdPartyList lists;
  lists.Text(TacThirdKind::ThirdButtons) = "TMyButton\r\n\r\nTOther";
  lists.Text(TacThirdKind::ThirdEdits) = " ";
  lists.ReadTexts();
  EXPECT_EQ(lists.Names(TacThirdKind::ThirdButtons), (std::vector<std::string>{"TMyButton", "TOther"}));
  EXPECT_TRUE(lists.Contains(TacThirdKind::ThirdEdits, "TMemo"));
  EXPECT_TRUE(lists.Contains(TacThirdKind::ThirdSpeedButton, "TSpeedButton"));
  EXPECT_TRUE(lists.Names(TacThirdKind::ThirdNativePaint).empty());
  lists.WriteTexts();
  EXPECT_EQ(lists.Text(TacThirdKind::ThirdButtons), "TMyButton\r\nTOther");
  EXPECT_EQ(lists.Text(TacThirdKind::ThirdCheckBoxes), "TCheckBox\r\nTRadioButton\r\nTGroupButton");
}

}  // namespace
