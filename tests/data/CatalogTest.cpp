#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "skin/data/SkinLoader.h"
#include "skin/render/core/SkinError.h"
#include "tests/data/TinySkin.h"
#include "tools/PngWriter.h"

namespace {

constexpr uint32_t kRed = 0xFFFF0000;      // opaque pixel values (BGRA as one number)
constexpr uint32_t kGreen = 0xFF00FF00;
constexpr uint32_t kMagenta = 0xFFFF00FF;  // the key colour as a 24-bit file gives it
constexpr uint32_t kKeyPixel = 0x00FF00FF;

// Master picture 12 x 6: two 6 x 6 frames of a border image; frame 0 has a key
// pixel in its bottom-right corner only, the rest is green.
PixelBuffer MasterPicture() {
  PixelBuffer b = Filled(12, 6, kGreen);
  b.At(5, 5) = kMagenta;
  return b;
}

// An RGBA picture with one pixel of each kind that premultiplication treats differently.
PixelBuffer AlphaPicture() {
  PixelBuffer b(3, 1);
  b.At(0, 0) = 0x80FF4020;  // alpha 128
  b.At(1, 0) = 0x00FFFFFF;  // white, alpha 0: cleared to 0
  b.At(2, 0) = 0xFFFFFFFF;  // opaque white: 255 * 255 >> 8 = 254
  return b;
}

const char* const kOptions =
    "[GLOBALINFO]\n"
    "VERSION=10.00\n"
    "MASTERBITMAP=master.bmp\n"
    "LO_SOURCE=0\n"
    "SH_SOURCE=0\n"
    "EXBORDER=!Glow.png!1!0!3!0001!0001!0001!0001!1\n"
    "[BUTTON]\n"
    "BORDERSMASK=^0000^0000^0012^0006^0002^0002^0002^0002^2^0^1^0\n"
    "PATTERN=~0000~0000~0004~0004~01~0\n"
    "GLOW0=!glow.PNG!1!0!3\n"
    "BACK=tile.bmp\n"
    "MISSING=!NOWHERE.PNG!1!0!0\n"
    "[SPEEDBUTTON]\n"
    "PARENTCLASS=BUTTON\n"
    "[EDIT]\n"
    "BORDERSMASK=^0006^0000^0012^0006^0001^0001^0001^0001^1^0^1^0\n"
    "[BUTTON_HUGE]\n"
    "BORDERSMASK=^0006^0000^0012^0006^0001^0001^0001^0001^1^0^1^0\n"
    "[LOOP1]\n"
    "PARENTCLASS=LOOP2\n"
    "[LOOP2]\n"
    "PARENTCLASS=LOOP1\n";

TinySkin MakeSkin(const std::string& options = kOptions) {
  TinySkin skin;
  skin.Options(options)
      .File("Master.BMP", EncodeBmp24(MasterPicture()))
      .File("GLOW.png", EncodePng(AlphaPicture()))
      .File("tile.bmp", EncodeBmp24(Filled(9, 6, kRed)));
  return skin;
}

int Section(const LoadedSkin& s, const char* name) { return FindSection(s.Sections, name); }

class CatalogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    package_ = MakeSkin().Package();
    skin_ = LoadSkin(SkinSource::FromPackageBytes(package_), {});
    ASSERT_EQ(skin_.Status, SkinLoadStatus::Loaded);
  }
  const TsMaskData& Mask(const char* section, const char* key) {
    const int i = skin_.Images.FindMaskByName(section, key);
    EXPECT_GE(i, 0) << section << "/" << key;
    return skin_.Images.Masks().at(size_t(std::max(i, 0)));
  }
  std::vector<uint8_t> package_;
  LoadedSkin skin_;
};

TEST_F(CatalogTest, MasterBitmapIsOpaqueExceptKeyPixels) {
  const PixelBuffer& m = skin_.Images.MasterBitmap;
  ASSERT_EQ(m.Width(), 12);
  EXPECT_EQ(m.At(0, 0), kGreen);
  EXPECT_EQ(m.At(5, 5), kKeyPixel);
}

TEST_F(CatalogTest, RecordsOfEveryForm) {
  const TsMaskData& border = Mask("BUTTON", "BORDERSMASK");
  EXPECT_EQ(border.Image, nullptr);  // cut from the master bitmap
  EXPECT_EQ(border.Width(), 6);
  EXPECT_EQ(border.SectionIndex, uint32_t(Section(skin_, "BUTTON")));

  const TsMaskData& glow = Mask("BUTTON", "GLOW0");
  ASSERT_NE(glow.Image, nullptr);
  EXPECT_EQ(glow.SourceRect, (TRect{0, 0, 3, 1}));
  EXPECT_EQ(glow.ImageKind, 3);
  EXPECT_EQ(glow.BorderL, 1);  // a third of one 3-pixel state image

  const TsMaskData& tile = Mask("BUTTON", "BACK");
  EXPECT_EQ(tile.ImageKind, kPatternImage);
  EXPECT_EQ((TBorderWidths{tile.BorderL, tile.BorderT, tile.BorderR, tile.BorderB}), (TBorderWidths{3, 2, 3, 2}));
  EXPECT_EQ(tile.Image->At(0, 0), kRed);
}

TEST_F(CatalogTest, FilesAreLoadedOncePerNameWhateverTheLetterCase) {
  // "Glow.png" and "glow.PNG" both find the member "GLOW.png": one picture.
  EXPECT_EQ(Mask("GLOBALINFO", "EXBORDER").Image, Mask("BUTTON", "GLOW0").Image);
  EXPECT_EQ(skin_.Images.ExtImages.size(), 2u);  // GLOW.PNG and TILE.BMP
  EXPECT_NE(skin_.Images.FindExternalImage("GLOW.PNG"), nullptr);
  EXPECT_EQ(skin_.Images.FindExternalImage("glow.png"), nullptr);  // exact name only
}

TEST_F(CatalogTest, MissingFileGivesNoRecord) {
  EXPECT_EQ(skin_.Images.FindMaskByName("BUTTON", "MISSING"), -1);
}

TEST_F(CatalogTest, CornerKindFollowsKeyPixelsInCorners) {
  EXPECT_EQ(Mask("BUTTON", "BORDERSMASK").CornerKind, kCornersKeyed);  // bottom-right pixel of frame 0
  EXPECT_EQ(Mask("EDIT", "BORDERSMASK").CornerKind, kCornersOpaque);
  EXPECT_EQ(Mask("BUTTON_HUGE", "BORDERSMASK").CornerKind, kCornersHugeButton);
}

TEST_F(CatalogTest, LookupsFollowTheParentChainOnlyWhereTheyShould) {
  const int button = Section(skin_, "BUTTON");
  const int speed = Section(skin_, "SPEEDBUTTON");
  const int border = skin_.Images.FindMask(skin_.Sections, button, "BORDERSMASK");
  EXPECT_EQ(skin_.Images.FindMask(skin_.Sections, speed, "BORDERSMASK"), border);
  EXPECT_EQ(skin_.Images.FindMaskByName("SPEEDBUTTON", "BORDERSMASK"), -1);
  EXPECT_EQ(skin_.Images.FindPattern(skin_.Sections, speed, "PATTERN"),
            skin_.Images.FindMaskByName("BUTTON", "PATTERN"));
  EXPECT_EQ(skin_.Images.FindPattern(skin_.Sections, speed, "BORDERSMASK"), -1);  // not a pattern
  EXPECT_EQ(skin_.Images.FindGlobalMask(skin_.Sections, "EXBORDER"),
            skin_.Images.FindMaskByName("GLOBALINFO", "EXBORDER"));
  EXPECT_EQ(skin_.Images.FindMask(skin_.Sections, Section(skin_, "LOOP1"), "BORDERSMASK"), -1);
  EXPECT_EQ(skin_.Images.FindPattern(skin_.Sections, Section(skin_, "LOOP1"), "PATTERN"), -1);
  EXPECT_EQ(skin_.Images.FindMask(skin_.Sections, -1, "BORDERSMASK"), -1);
  EXPECT_EQ(skin_.Images.FindMask(skin_.Sections, 1000, "BORDERSMASK"), -1);
}

TEST_F(CatalogTest, SectionsKnowTheirImages) {
  const TsGeneralData& speed = skin_.Sections[size_t(Section(skin_, "SPEEDBUTTON"))];
  EXPECT_EQ(speed.BorderIndex, skin_.Images.FindMaskByName("BUTTON", "BORDERSMASK"));
  EXPECT_EQ(speed.Props[0].PatternIndex, skin_.Images.FindMaskByName("BUTTON", "PATTERN"));
  EXPECT_EQ(speed.Props[2].PatternIndex, speed.Props[1].PatternIndex);  // no third state of its own
  EXPECT_EQ(speed.EditBorderKind, 0);
  EXPECT_EQ(skin_.Sections[size_t(Section(skin_, "EDIT"))].EditBorderKind, -1);  // one-pixel edit border
  EXPECT_EQ(skin_.Sections[size_t(Section(skin_, "LOOP1"))].EditBorderKind, -2);  // no border at all
}

TEST(CatalogPremultiply, PngPicturesArePremultipliedOnlyForNewSkinsWithoutBrightening) {
  struct Case {
    const char* Version;
    int Brightness;
    bool Premultiplied;
  };
  for (const Case& c : {Case{"10.00", 0, true}, Case{"7.46", -20, true}, Case{"7.45", 0, false},
                        Case{"10.00", 1, false}}) {
    TinySkin tiny;
    tiny.Options(std::string("[GLOBALINFO]\nVERSION=") + c.Version + "\n[X]\nGLOW0=!A.PNG!1!0!3\n")
        .File("A.PNG", EncodePng(AlphaPicture()));
    const auto package = tiny.Package();
    SkinLoadSettings settings;
    settings.Brightness = c.Brightness;
    const LoadedSkin skin = LoadSkin(SkinSource::FromPackageBytes(package), settings);
    const PixelBuffer* a = skin.Images.FindExternalImage("A.PNG");
    ASSERT_NE(a, nullptr);
    if (c.Premultiplied) {
      EXPECT_EQ(a->At(0, 0), 0x807F2010u) << c.Version;
      EXPECT_EQ(a->At(1, 0), 0u);
      EXPECT_EQ(a->At(2, 0), 0xFFFEFEFEu);
    } else {
      EXPECT_EQ(a->At(0, 0), 0x80FF4020u) << c.Version << " " << c.Brightness;
      EXPECT_EQ(a->At(1, 0), 0x00FFFFFFu);
    }
  }
}

// A built-in blur picture for the default outer effects.
class FakeBuiltins : public BuiltinPictures {
 public:
  FakeBuiltins() : blur_(Filled(4, 4, 0xFF808080)) {}
  const PixelBuffer* Picture(std::string_view name) const override {
    return name == kBlurPictureName ? &blur_ : nullptr;
  }

 private:
  PixelBuffer blur_;
};

TEST(CatalogOuterEffects, ImagesBySource) {
  TinySkin tiny;
  tiny.Options(
      "[GLOBALINFO]\n"
      "LO_COLORL=255\nLO_COLORT=65280\nLO_COLORR=16711680\nLO_COLORB=0\nLO_WIDTHT=7\n"
      "SH_SOURCE=1\nSH_MASK=^0000^0000^0012^0006^0002^0002^0002^0002^2^0^1^0\n");
  const auto package = tiny.Package();
  const FakeBuiltins builtins;
  SkinLoadSettings settings;
  settings.Builtins = &builtins;
  const LoadedSkin skin = LoadSkin(SkinSource::FromPackageBytes(package), settings);

  const TsMaskData* lo = skin.Images.Mask(skin.OutEffects[0].MaskIndex);
  ASSERT_NE(lo, nullptr);
  EXPECT_EQ(lo->KeyName, "LO_MASK");
  EXPECT_EQ(lo->SourceRect, (TRect{0, 0, 4, 8}));
  EXPECT_EQ(lo->MaskRows, 1);
  EXPECT_EQ(lo->PaintMode, 1);
  EXPECT_EQ((TBorderWidths{lo->BorderL, lo->BorderT, lo->BorderR, lo->BorderB}), (TBorderWidths{2, 2, 2, 2}));
  EXPECT_EQ(lo->Image->At(0, 1), 0xFFFF0000u);  // left edge: red (colour 255)
  EXPECT_EQ(lo->Image->At(1, 0), 0xFF00FF00u);  // top edge: green
  EXPECT_EQ(lo->Image->At(3, 2), 0xFF0000FFu);  // right edge: blue
  EXPECT_EQ(lo->Image->At(2, 5), 0xFF808080u);  // lower square: the blur picture
  EXPECT_EQ(skin.OutEffects[0].WidthL, 2);      // widths left at -1 take half the blur picture
  EXPECT_EQ(skin.OutEffects[0].WidthT, 7);

  const TsMaskData* sh = skin.Images.Mask(skin.OutEffects[1].MaskIndex);
  ASSERT_NE(sh, nullptr);
  EXPECT_EQ(sh->SourceRect, (TRect{0, 0, 12, 6}));
  EXPECT_EQ(sh->CornerKind, kCornersOpaque);

  // Without a built-in blur picture there is no default image.
  const LoadedSkin bare = LoadSkin(SkinSource::FromPackageBytes(package), {});
  EXPECT_EQ(bare.OutEffects[0].MaskIndex, -1);
}

TEST(CatalogErrors, BadNumberInAnImageValueStopsTheLoad) {
  TinySkin tiny;
  tiny.Options("[GLOBALINFO]\n[BUTTON]\nBORDERSMASK=^00X0^0000^0012^0006^0002^0002^0002^0002^2^0^1^0\n");
  const auto package = tiny.Package();
  try {
    LoadSkin(SkinSource::FromPackageBytes(package), {});
    FAIL();
  } catch (const ESkinError& e) {
    EXPECT_NE(std::string(e.what()).find("\"BORDERSMASK\" of section \"BUTTON\""), std::string::npos);
  }
}

TEST(CatalogErrors, ReasonsForNotLoading) {
  TinySkin noOptions;
  noOptions.File("A.BMP", EncodeBmp24(Filled(1, 1, kRed)));
  const auto withoutOptions = noOptions.Package();
  EXPECT_EQ(LoadSkin(SkinSource::FromPackageBytes(withoutOptions), {}).Status, SkinLoadStatus::NoOptions);
  const std::vector<uint8_t> notPacked = {'P', 'K', 3, 4, 0, 0, 0, 0};
  EXPECT_EQ(LoadSkin(SkinSource::FromPackageBytes(notPacked), {}).Status, SkinLoadStatus::NotPacked);
  EXPECT_EQ(LoadSkin(SkinSource::FromPackageFile("/nonexistent/x.asz", "/nonexistent/"), {}).Status,
            SkinLoadStatus::NoFile);
  EXPECT_EQ(LoadSkin(SkinSource::FromFolder("/nonexistent/x/"), {}).Status, SkinLoadStatus::NoFile);
  // An internal skin without data loads with every default in place.
  const LoadedSkin empty = LoadSkin(SkinSource::FromPackageBytes({}), {});
  EXPECT_EQ(empty.Status, SkinLoadStatus::Loaded);
  EXPECT_FALSE(empty.HasOptions);
  EXPECT_TRUE(empty.Images.Masks().empty());
}

void ExpectSameSkin(const LoadedSkin& a, const LoadedSkin& b) {
  ASSERT_EQ(a.Sections.size(), b.Sections.size());
  for (size_t i = 0; i < a.Sections.size(); ++i) {
    EXPECT_EQ(a.Sections[i].SectionName, b.Sections[i].SectionName);
    EXPECT_EQ(a.Sections[i].BorderIndex, b.Sections[i].BorderIndex);
    EXPECT_EQ(a.Sections[i].Props[0].PatternIndex, b.Sections[i].Props[0].PatternIndex);
  }
  ASSERT_EQ(a.Images.Masks().size(), b.Images.Masks().size());
  for (size_t i = 0; i < a.Images.Masks().size(); ++i) {
    const TsMaskData& x = a.Images.Masks()[i];
    const TsMaskData& y = b.Images.Masks()[i];
    EXPECT_EQ(x.KeyName, y.KeyName);
    EXPECT_EQ(x.SourceRect, y.SourceRect);
    EXPECT_EQ(x.CornerKind, y.CornerKind);
    EXPECT_EQ(x.EffectiveBorders(), y.EffectiveBorders());
  }
  auto samePixels = [](const PixelBuffer& p, const PixelBuffer& q) {
    if (p.Width() != q.Width() || p.Height() != q.Height()) return false;
    for (int32_t y = 0; y < p.Height(); ++y) {
      if (!std::equal(p.Row(y), p.Row(y) + p.Width(), q.Row(y))) return false;
    }
    return true;
  };
  EXPECT_TRUE(samePixels(a.Images.MasterBitmap, b.Images.MasterBitmap));
  ASSERT_EQ(a.Images.ExtImages.size(), b.Images.ExtImages.size());
  for (size_t i = 0; i < a.Images.ExtImages.size(); ++i) {
    EXPECT_EQ(a.Images.ExtImages[i].FileName, b.Images.ExtImages[i].FileName);
    EXPECT_TRUE(samePixels(*a.Images.ExtImages[i].Picture, *b.Images.ExtImages[i].Picture));
  }
}

TEST(CatalogSources, PackageFileBytesAndFolderGiveTheSameSkin) {
  const TinySkin tiny = MakeSkin();
  const TempFolder temp;
  tiny.WriteFolder(temp.Path() / "tiny");
  const auto package = tiny.Package();
  {
    std::ofstream out(temp.Path() / "tiny.asz", std::ios::binary);
    out.write(reinterpret_cast<const char*>(package.data()), std::streamsize(package.size()));
  }
  const LoadedSkin fromBytes = LoadSkin(SkinSource::FromPackageBytes(package), {});
  const LoadedSkin fromFile = LoadSkin(SkinSource::FromPackageFile((temp.Path() / "tiny.asz").string(), temp.Text()), {});
  const LoadedSkin fromFolder = LoadSkin(SkinSource::FromFolder(temp.Text() + "tiny/"), {});
  ASSERT_EQ(fromFolder.Status, SkinLoadStatus::Loaded);
  ASSERT_EQ(fromFile.Status, SkinLoadStatus::Loaded);
  EXPECT_FALSE(fromBytes.Images.Masks().empty());
  ExpectSameSkin(fromBytes, fromFolder);
  ExpectSameSkin(fromBytes, fromFile);
}

TEST(CatalogSources, CommonSectionBitmapsComeFromTheSkinFolder) {
  const TempFolder temp;
  TinySkin tiny;
  tiny.Options("[GLOBALINFO]\n").File("extra.bmp", EncodeBmp24(Filled(2, 3, kRed)));
  tiny.WriteFolder(temp.Path());
  SkinLoadSettings settings;
  settings.CommonSections = {"[globalinfo]", "LOGO=extra.bmp", "[mypanel]", "logo=EXTRA.BMP", "other=NONE.BMP"};
  const LoadedSkin skin = LoadSkin(SkinSource::FromFolder(temp.Text()), settings);
  const int i = skin.Images.FindMaskByName("MYPANEL", "LOGO");
  ASSERT_GE(i, 0);
  EXPECT_EQ(skin.Images.Masks()[size_t(i)].Image->At(1, 2), kRed);
  EXPECT_EQ(skin.Images.FindMaskByName("GLOBALINFO", "LOGO"), -1);
  EXPECT_EQ(skin.Images.FindMaskByName("MYPANEL", "OTHER"), -1);
}

}  // namespace
