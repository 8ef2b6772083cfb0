#include <gtest/gtest.h>

#include "skin/data/PushedSkin.h"
#include "tests/data/PushedBlock.h"

namespace {

TEST(PushedSkin, AcceptsOnlyKindSevenWholeBlocksWithTheMarker) {
  std::vector<uint8_t> good = PushedBlock("n", "d", "o");
  std::vector<uint8_t> badMarker = PushedBlock("n", "d", "o", 0xA401);
  std::vector<uint8_t> shortBlock(good.begin(), good.end() - 1);
  EXPECT_TRUE(IsPushedSkinMessage(7, good));
  EXPECT_FALSE(IsPushedSkinMessage(6, good));
  EXPECT_FALSE(IsPushedSkinMessage(7, badMarker));
  EXPECT_FALSE(IsPushedSkinMessage(7, shortBlock));
  EXPECT_FALSE(IsPushedSkinMessage(7, {}));
}

TEST(PushedSkin, ReadsTheThreeTextsAtTheirOffsets) {
  PushedSkinBlock block = CopyPushedSkinBlock(PushedBlock("My skin", "c:\\Skins", "[GLOBALINFO]\r\nVERSION=10\r\n"));
  std::optional<PushedSkin> skin = ReadPushedSkin(block);
  ASSERT_TRUE(skin);
  EXPECT_EQ(skin->SkinName, "My skin");
  EXPECT_EQ(skin->SkinDirectory, "c:\\Skins");
  EXPECT_EQ(skin->OptionsText, "[GLOBALINFO]\r\nVERSION=10\r\n");
}

TEST(PushedSkin, UnterminatedTextsEndAtTheirFieldAndAWrongMarkerReadsNothing) {
  PushedSkinBlock block = CopyPushedSkinBlock(PushedBlock(std::string(128, 'n'), std::string(512, 'd'), ""));
  std::fill(block.begin() + 644, block.end(), 'o');
  std::optional<PushedSkin> skin = ReadPushedSkin(block);
  ASSERT_TRUE(skin);
  EXPECT_EQ(skin->SkinName, std::string(128, 'n'));
  EXPECT_EQ(skin->SkinDirectory, std::string(512, 'd'));
  EXPECT_EQ(skin->OptionsText.size(), kPushedSkinOptionsSize);

  block[1] = 0;
  EXPECT_FALSE(ReadPushedSkin(block));
}

}  // namespace
