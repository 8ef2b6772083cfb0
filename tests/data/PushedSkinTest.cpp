#include <gtest/gtest.h>

#include <cstring>

#include "skin/data/PushedSkin.h"

namespace {

std::vector<uint8_t> Block(uint32_t marker, const std::string& name, const std::string& dir, const std::string& options) {
  std::vector<uint8_t> block(kPushedSkinBlockSize, 0);
  for (int i = 0; i < 4; ++i) block[i] = uint8_t(marker >> (8 * i));
  std::memcpy(&block[4], name.data(), name.size());
  std::memcpy(&block[132], dir.data(), dir.size());
  std::memcpy(&block[644], options.data(), options.size());
  return block;
}

TEST(PushedSkin, AcceptsOnlyKindSevenWholeBlocksWithTheMarker) {
  std::vector<uint8_t> good = Block(kPushedSkinMarker, "n", "d", "o");
  std::vector<uint8_t> badMarker = Block(0xA401, "n", "d", "o");
  std::vector<uint8_t> shortBlock(good.begin(), good.end() - 1);
  EXPECT_TRUE(IsPushedSkinMessage(7, good));
  EXPECT_FALSE(IsPushedSkinMessage(6, good));
  EXPECT_FALSE(IsPushedSkinMessage(7, badMarker));
  EXPECT_FALSE(IsPushedSkinMessage(7, shortBlock));
  EXPECT_FALSE(IsPushedSkinMessage(7, {}));
}

TEST(PushedSkin, ReadsTheThreeTextsAtTheirOffsets) {
  PushedSkinBlock block = CopyPushedSkinBlock(Block(kPushedSkinMarker, "My skin", "c:\\Skins", "[GLOBALINFO]\r\nVERSION=10\r\n"));
  std::optional<PushedSkin> skin = ReadPushedSkin(block);
  ASSERT_TRUE(skin);
  EXPECT_EQ(skin->SkinName, "My skin");
  EXPECT_EQ(skin->SkinDirectory, "c:\\Skins");
  EXPECT_EQ(skin->OptionsText, "[GLOBALINFO]\r\nVERSION=10\r\n");
}

TEST(PushedSkin, UnterminatedTextsEndAtTheirFieldAndAWrongMarkerReadsNothing) {
  PushedSkinBlock block = CopyPushedSkinBlock(Block(kPushedSkinMarker, std::string(128, 'n'), std::string(512, 'd'), ""));
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
