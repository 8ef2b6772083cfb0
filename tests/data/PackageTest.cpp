#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "skin/data/SkinPackage.h"
#include "skin/render/core/SkinError.h"

namespace {

std::vector<uint8_t> Bytes(std::string_view s) { return {s.begin(), s.end()}; }

std::vector<uint8_t> Noise(size_t n, uint32_t seed) {
  std::mt19937 random(seed);
  std::vector<uint8_t> v(n);
  for (uint8_t& b : v) b = uint8_t(random());
  return v;
}

TacSkinConvertor Unpacked(const std::vector<uint8_t>& package) {
  TacSkinConvertor c;
  EXPECT_TRUE(c.Unpack(package));
  return c;
}

TEST(SkinPackage, ZeroMembersUnpackToNothing) {
  const std::vector<uint8_t> package = WriteSkinPackage({});
  EXPECT_EQ(package, Bytes(std::string_view("ASzf\0\0\0\0", 8)));
  const TacSkinConvertor c = Unpacked(package);
  EXPECT_EQ(c.Options(), nullptr);
  EXPECT_EQ(c.ImageItemCount(), 0);
}

TEST(SkinPackage, TwoHundredMembersRoundTrip) {
  std::vector<TacPackageMember> members;
  for (int i = 0; i < 200; ++i) members.push_back({"IMG" + std::to_string(i) + ".bmp", Noise(size_t(i) * 7, i)});
  const std::vector<uint8_t> package = WriteSkinPackage(members);
  EXPECT_EQ(package[4], 200);  // the count is a plain little-endian value
  const TacSkinConvertor c = Unpacked(package);
  ASSERT_EQ(c.ImageItemCount(), 200);
  for (int i = 0; i < 200; ++i) {
    EXPECT_EQ(c.ImageItems()[i].FileName, members[i].Name);
    EXPECT_EQ(c.ImageItems()[i].Data, members[i].Data);
    EXPECT_TRUE(c.ImageItems()[i].IsBitmap);
  }
}

TEST(SkinPackage, OptionsMemberIsFoundInAnyCase) {
  for (const char* name : {"Options.dat", "OPTIONS.DAT", "options.dat", "oPTIONS.dAT"}) {
    const std::vector<TacPackageMember> members = {{"a.png", Bytes("png")}, {name, Bytes("[GLOBALINFO]")}};
    const TacSkinConvertor c = Unpacked(WriteSkinPackage(members));
    ASSERT_NE(c.Options(), nullptr) << name;
    EXPECT_EQ(*c.Options(), Bytes("[GLOBALINFO]"));
    EXPECT_EQ(c.ImageItemCount(), 1);
  }
}

TEST(SkinPackage, ImagesAreFoundByUpperCaseNameFirstMatchWinning) {
  const std::string cyrillic = "\xD0\xE0\xEC\xEA\xE0.bmp";  // "Рамка.bmp" in code page 1251
  const std::vector<TacPackageMember> members = {{"Master copy.bmp", Bytes("first")},
                                                 {"MASTER COPY.BMP", Bytes("second")},
                                                 {"glow.png", Bytes("png")},
                                                 {cyrillic, Bytes("frame")}};
  const TacSkinConvertor c = Unpacked(WriteSkinPackage(members));
  const TacImageItem* master = c.FindImage("MASTER COPY.BMP");
  ASSERT_NE(master, nullptr);
  EXPECT_EQ(master->FileName, "Master copy.bmp");
  EXPECT_EQ(master->Data, Bytes("first"));
  EXPECT_TRUE(master->IsBitmap);
  ASSERT_NE(c.FindImage("GLOW.PNG"), nullptr);
  EXPECT_FALSE(c.FindImage("GLOW.PNG")->IsBitmap);
  ASSERT_NE(c.FindImage("\xD0\xC0\xCC\xCA\xC0.BMP"), nullptr);  // "РАМКА.BMP"
  EXPECT_EQ(c.FindImage("glow.png"), nullptr);  // callers pass upper case
  EXPECT_EQ(c.FindImage("MISSING.BMP"), nullptr);
}

// A stream that ends inside a 65,536-byte chunk, with the next one starting
// right there, and one that spans several chunks.
TEST(SkinPackage, StreamsEndingAndStartingInsideOneChunk) {
  const std::vector<TacPackageMember> members = {{"big.bmp", Noise(70000, 1)},
                                                 {"small.bmp", Bytes("tiny")},
                                                 {"huge.bmp", Noise(200000, 2)},
                                                 {"zeros.bmp", std::vector<uint8_t>(300000, 0)},
                                                 {"empty.bmp", {}}};
  const TacSkinConvertor c = Unpacked(WriteSkinPackage(members));
  ASSERT_EQ(c.ImageItemCount(), 5);
  for (size_t i = 0; i < members.size(); ++i) EXPECT_EQ(c.ImageItems()[i].Data, members[i].Data) << i;
}

TEST(SkinPackage, OtherSignaturesAreNotPackages) {
  EXPECT_EQ(kNotPackedSkinMessage, "Loaded data is not a packed Quoravel file");
  for (std::string_view data : {std::string_view(""), std::string_view("AS"), std::string_view("ASzF\0\0\0\0", 8),
                                std::string_view("PK\3\4\0\0\0\0", 8)}) {
    TacSkinConvertor c;
    EXPECT_FALSE(c.Unpack(Bytes(data)));
    EXPECT_TRUE(c.NotPacked());
    EXPECT_EQ(c.Options(), nullptr);
    EXPECT_EQ(c.ImageItemCount(), 0);
  }
}

std::vector<uint8_t> TwoMemberPackage() {
  return WriteSkinPackage(std::vector<TacPackageMember>{{"Options.dat", Bytes("[FORM]\nCOLOR=1\n")},
                                                        {"a.bmp", Noise(500, 3)}});
}

TEST(SkinPackage, EveryTruncationFailsCleanly) {
  const std::vector<uint8_t> package = TwoMemberPackage();
  for (size_t n = 4; n < package.size(); ++n) {
    TacSkinConvertor c;
    EXPECT_THROW(c.Unpack(std::span(package).first(n)), ESkinError) << n;
  }
}

void Put32(std::vector<uint8_t>& p, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[at + i] = uint8_t(v >> (8 * i));
}

TEST(SkinPackage, DamagedPackagesRaiseErrors) {
  const std::vector<uint8_t> good = TwoMemberPackage();
  const size_t sizeField = 8 + 4 + 11;  // after the count, the name length and "Options.dat"
  struct Case {
    const char* What;
    void (*Damage)(std::vector<uint8_t>&);
    const char* Detail;  // the message between "damaged: " and the final "."
  };
  const Case cases[] = {
      {"count beyond the data", [](std::vector<uint8_t>& p) { Put32(p, 4, 0xFFFFFFFF); },
       "it names 4294967295 members, more than its data can hold"},
      {"count one too high", [](std::vector<uint8_t>& p) { Put32(p, 4, 3); }, "it ends inside the header of member 3"},
      {"name longer than the data", [](std::vector<uint8_t>& p) { Put32(p, 8, 0x7FFFFFFF); },
       "it ends inside the header of member 1"},
      {"size beyond any stream", [](std::vector<uint8_t>& p) { Put32(p, sizeField, 0xFFFFFFFF); },
       "member 1 (\"Options.dat\") claims 4294967295 bytes, more than its data can hold"},
      {"size one too high", [](std::vector<uint8_t>& p) { p[sizeField] += 1; },
       "member 1 (\"Options.dat\") inflates to 15 bytes instead of 16"},
      {"size one too low", [](std::vector<uint8_t>& p) { p[sizeField] -= 1; },
       "member 1 (\"Options.dat\") inflates to more than 14 bytes"},
      {"broken zlib header", [](std::vector<uint8_t>& p) { p[sizeField + 4] ^= 0xFF; },
       "member 1 (\"Options.dat\") has a damaged compressed stream"},
      {"broken Adler-32 trailer", [](std::vector<uint8_t>& p) { p.back() ^= 1; },
       "member 2 (\"a.bmp\") has a damaged compressed stream"},
  };
  for (const Case& k : cases) {
    std::vector<uint8_t> bad = good;
    k.Damage(bad);
    TacSkinConvertor c;
    try {
      c.Unpack(bad);
      ADD_FAILURE() << k.What << ": no error";
    } catch (const ESkinError& e) {
      EXPECT_EQ(std::string(e.what()), "The skin package is damaged: " + std::string(k.Detail) + ".") << k.What;
    }
  }
}

TEST(SkinPackage, BytesAfterTheLastMemberAreIgnored) {
  std::vector<uint8_t> package = TwoMemberPackage();
  package.insert(package.end(), {1, 2, 3});
  const TacSkinConvertor c = Unpacked(package);
  EXPECT_NE(c.Options(), nullptr);
  EXPECT_EQ(c.ImageItemCount(), 1);
}

TEST(SkinPackage, FilesAreReadWholeAndMissingFilesQuietly) {
  const std::filesystem::path path = std::filesystem::temp_directory_path() / "package_tests_skin.asz";
  const std::vector<uint8_t> package = TwoMemberPackage();
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(package.data()), package.size());
  TacSkinConvertor c;
  EXPECT_TRUE(c.LoadFromFile(path));
  EXPECT_EQ(c.ImageItemCount(), 1);
  std::filesystem::remove(path);
  EXPECT_FALSE(c.LoadFromFile(path));
  EXPECT_FALSE(c.NotPacked());
  EXPECT_EQ(c.Options(), nullptr);
}

}  // namespace
