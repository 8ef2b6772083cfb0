// The one rule of inherited lookups: how far a walk up the parents goes, and
// that option values, FindMask and FindPattern all follow it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/data/ParentChain.h"
#include "skin/data/SkinLoader.h"
#include "skin/data/SkinOptions.h"
#include "tests/data/TinySkin.h"

TEST(ParentChain, WalkLengthsFollowEachSectionOnceAndStopAtTheDepthLimit) {
  struct Case {
    const char* name;
    std::vector<int32_t> parents;
    std::vector<uint8_t> lengths;
  };
  const Case cases[] = {
      {"no parents", {-1, -1}, {0, 0}},
      {"chain 2 -> 1 -> 0", {-1, 0, 1}, {0, 1, 2}},
      {"loop of three", {2, 0, 1}, {2, 2, 2}},
      {"loop of two with a tail 2 -> 1", {1, 0, 1}, {1, 1, 2}},
      {"tail first, loop later", {1, 2, 1}, {2, 1, 1}},
      {"two tails into one root", {-1, 0, 0, 2}, {0, 1, 1, 2}},
  };
  for (const Case& c : cases) EXPECT_EQ(ParentWalkLengths(c.parents), c.lengths) << c.name;

  std::vector<int32_t> chain(200);
  for (size_t i = 0; i < chain.size(); ++i) chain[i] = int32_t(i) - 1;
  const std::vector<uint8_t> lengths = ParentWalkLengths(chain);
  EXPECT_EQ(lengths[kMaxParentDepth], kMaxParentDepth);
  EXPECT_EQ(lengths[199], kMaxParentDepth);
  chain[0] = 199;  // one loop of 200 sections
  EXPECT_EQ(ParentWalkLengths(chain)[100], kMaxParentDepth);
}

namespace {

// S0 holds a colour, a border and a pattern; S1..S<n> each name the one before.
std::string Chain(int length, bool loop) {
  std::string text = "[GLOBALINFO]\n[S0]\nCOLOR=255\nPARENTCLASS=" +
                     (loop ? "S" + std::to_string(length - 1) : std::string()) +
                     "\nBORDERSMASK=^0000^0000^0004^0004^0001^0001^0001^0001^1^0^0^0\n"
                     "PATTERN=~0000~0000~0004~0004~00~0\n";
  for (int i = 1; i < length; ++i) text += "[S" + std::to_string(i) + "]\nPARENTCLASS=S" + std::to_string(i - 1) + "\n";
  return text;
}

}  // namespace

// A section as far above as the depth limit still gives its values; one more does not;
// in a loop every section reaches all the others. Options, FindMask and FindPattern agree.
TEST(ParentChain, OptionsMasksAndPatternsFollowTheSameRule) {
  struct Case {
    const char* name;
    int length;
    bool loop;
    int section;
    bool inherits;
  };
  const Case cases[] = {
      {"at the depth limit", kMaxParentDepth + 1, false, kMaxParentDepth, true},
      {"beyond the depth limit", kMaxParentDepth + 2, false, kMaxParentDepth + 1, false},
      {"in a loop of ten", 10, true, 5, true},
      {"far round a loop longer than the limit", 100, true, 99, false},  // 99 steps from S99 to S0
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string text = Chain(c.length, c.loop);
    const std::string name = "S" + std::to_string(c.section);
    const TacSkinOptions options = TacSkinOptions::Parse(text);
    const LoadedSkin skin = LoadSkin(SkinSource::FromPackageBytes(TinySkin().Options(text).Package()), {});
    const int section = FindSection(skin.Sections, name);
    EXPECT_EQ(options.ReadInheritedInteger(name, "COLOR", 7) == 255, c.inherits);
    EXPECT_EQ(skin.Images.FindMask(skin.Sections, section, "BORDERSMASK") >= 0, c.inherits);
    EXPECT_EQ(skin.Images.FindPattern(skin.Sections, section, "PATTERN") >= 0, c.inherits);
  }
}
