// The package tool's unpack writes only inside its target folder, whatever the
// member names say.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <string>

#include "tests/data/TinySkin.h"
#include "tools/skinpack/PackageUnpack.h"

namespace fs = std::filesystem;

namespace {

const fs::path kCorpus = fs::path(DR_SOURCE_DIR) / "tests/fixtures/hostile-skins";

TacSkinConvertor Open(const std::string& name) {
  std::ifstream in(kCorpus / (name + ".asz"), std::ios::binary);
  const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  TacSkinConvertor package;
  EXPECT_TRUE(package.Unpack(bytes)) << name;
  return package;
}

// Every entry below root, as paths relative to it.
std::set<std::string> Tree(const fs::path& root) {
  std::set<std::string> entries;
  for (const auto& e : fs::recursive_directory_iterator(root)) entries.insert(fs::relative(e.path(), root).string());
  return entries;
}

}  // namespace

TEST(PackageUnpack, NamesThatLeaveTheFolderLandInside) {
  TempFolder temp;
  const fs::path target = temp.Path() / "a" / "target";
  UnpackPackage(Open("member-names-escape"), target);
  EXPECT_EQ(Tree(temp.Path()), (std::set<std::string>{"a", "a/target", "a/target/Options.dat", "a/target/MASTER.BMP",
                                                        "a/target/abs.png", "a/target/up.png", "a/target/drive.png",
                                                        "a/target/deep.png"}));
}

TEST(PackageUnpack, RefusesNamesThatAreNoFilesAndWritesNothing) {
  TempFolder temp;
  EXPECT_THROW(UnpackPackage(Open("member-names-not-files"), temp.Path() / "target"), UnpackRefused);
  EXPECT_EQ(Tree(temp.Path()), std::set<std::string>{"target"});
}

TEST(PackageUnpack, DoesNotWriteThroughALinkInTheFolder) {
  TempFolder temp;
  const fs::path outside = temp.Path() / "outside.png", target = temp.Path() / "target";
  std::ofstream(outside) << "keep";
  fs::create_directories(target);
  fs::create_symlink(outside, target / "abs.png");
  EXPECT_THROW(UnpackPackage(Open("member-names-escape"), target), UnpackRefused);
  std::ifstream in(outside);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()), "keep");
}
