#include <gtest/gtest.h>

#include <fstream>

#include "skin/data/SkinCommands.h"
#include "skin/data/SkinLoader.h"
#include "skin/data/sSkinManager.h"
#include "tests/data/PushedBlock.h"
#include "tests/data/TinySkin.h"
#include "tools/PngWriter.h"

namespace {

constexpr const char* kInternalName = "windows 10 (internal)";

std::string OptionsWith(const std::string& description, const std::string& version = "10.00") {
  return "[GLOBALINFO]\r\nVERSION=" + version + "\r\nDESCRIPTION=" + description + "\r\n[BUTTON]\r\nCOLOR=$00102030\r\n";
}

// Records what the manager asks of the window side.
class RecordingHost final : public SkinManagerHost {
 public:
  std::string Program;
  struct Message {
    std::string Text, Caption;
    TacMessageIcon Icon;
  };
  std::vector<Message> Messages;
  std::vector<uint16_t> Commands;
  int PushedPosts = 0;

  std::string ProgramFile() const override { return Program; }
  void ShowMessage(const std::string& text, const std::string& caption, TacMessageIcon icon) override {
    Messages.push_back({text, caption, icon});
  }
  void BroadcastToForms(TsSkinManager&, uint16_t command) override { Commands.push_back(command); }
  void PostPushedSkinCommand(TsSkinManager&) override { ++PushedPosts; }
};

// A program in <tmp>/Bin whose skin directory is "..\Skins", run from its own folder.
class SkinManagerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(Bin());
    std::filesystem::create_directories(Skins());
    oldDirectory_ = std::filesystem::current_path();
    std::filesystem::current_path(Bin());
    host_.Program = Bin().string() + "/DocRenamer.exe";
    internal_ = TinySkin().Options(OptionsWith("internal")).Package();
  }
  void TearDown() override { std::filesystem::current_path(oldDirectory_); }

  std::filesystem::path Bin() const { return temp_.Path() / "Bin"; }
  std::filesystem::path Skins() const { return temp_.Path() / "Skins"; }

  void WritePackageFile(const std::string& name, const std::vector<uint8_t>& bytes) {
    std::ofstream(Skins() / (name + ".asz"), std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                                      std::streamsize(bytes.size()));
  }

  std::unique_ptr<TsSkinManager> Manager() {
    auto manager = std::make_unique<TsSkinManager>(nullptr, &host_);
    manager->SetSkinDirectory("..\\Skins");
    TsStoredSkin stored;
    stored.Name = kInternalName;
    stored.Data = internal_;
    manager->SetInternalSkins({stored});
    return manager;
  }

  static std::string Description(const TsSkinManager& manager) {
    return manager.Skin() ? manager.Skin()->SkinData.Description : "(none)";
  }

  TempFolder temp_;
  std::filesystem::path oldDirectory_;
  RecordingHost host_;
  std::vector<uint8_t> internal_;
};

TEST_F(SkinManagerTest, PackageFileWinsOverFolderWhichWinsOverInternalSkin) {
  auto manager = Manager();
  const auto skinPath = [&] { return manager->Skin()->SkinData.SkinPath; };
  manager->SetSkinName(kInternalName);
  EXPECT_EQ(Description(*manager), "internal");
  EXPECT_EQ(skinPath(), "");

  // Loose image files are looked up in the skin's own folder, or beside the package.
  const std::string skins = temp_.Path().string() + "\\Skins";
  TinySkin().Options(OptionsWith("folder")).WriteFolder(Skins() / kInternalName);
  manager->SetSkinName(kInternalName);
  EXPECT_EQ(Description(*manager), "folder");
  EXPECT_EQ(manager->ResolvedSkinDirectory(), skins);
  EXPECT_EQ(skinPath(), skins + "\\" + kInternalName + "\\");

  WritePackageFile(kInternalName, TinySkin().Options(OptionsWith("package")).Package());
  manager->SetSkinName(kInternalName);
  EXPECT_EQ(Description(*manager), "package");
  EXPECT_EQ(skinPath(), skins + "\\");
  EXPECT_TRUE(host_.Messages.empty());
}

TEST_F(SkinManagerTest, NamesAreNormalisedOrReplacedByTheFirstInternalSkin) {
  auto manager = Manager();
  manager->SetSkinName(std::string(kInternalName) + ".ASZ");
  EXPECT_EQ(manager->SkinName(), kInternalName);
  EXPECT_EQ(Description(*manager), "internal");

  manager->SetSkinName("no such skin");
  EXPECT_EQ(manager->SkinName(), kInternalName);
  EXPECT_EQ(Description(*manager), "internal");

  TsSkinManager bare(nullptr, &host_);
  bare.SetSkinName("no such skin");
  EXPECT_FALSE(bare.Active());
  EXPECT_EQ(bare.Skin(), nullptr);
}

TEST_F(SkinManagerTest, SkinInfoShowsTheVersionOfTheSkinInForce) {
  auto manager = Manager();
  EXPECT_EQ(manager->SkinInfo(), "N/A");
  manager->SetSkinName(kInternalName);
  EXPECT_EQ(manager->SkinInfo(), "10");
  manager->SetActive(false);
  EXPECT_EQ(manager->SkinInfo(), "N/A");
  EXPECT_EQ(host_.Commands, (std::vector<uint16_t>{AC_SETNEWSKIN, AC_REMOVESKIN}));
}

TEST_F(SkinManagerTest, NewerSkinWarnsOnceAndIsUsed) {
  WritePackageFile("eleven", TinySkin().Options(OptionsWith("eleven", "11")).Package());
  auto manager = Manager();
  manager->SetSkinName("eleven");
  ASSERT_EQ(host_.Messages.size(), 1u);
  EXPECT_EQ(host_.Messages[0].Text, kNewerSkinWarning);
  EXPECT_EQ(host_.Messages[0].Icon, TacMessageIcon::Warning);
  EXPECT_EQ(manager->SkinInfo(), "11");
  EXPECT_EQ(manager->SkinningRules, kAllSkinningRules);  // dialogs rule restored after the warning
}

TEST_F(SkinManagerTest, LoadErrorsShowTheirTextAndKeepTheOldName) {
  std::vector<uint8_t> damaged = TinySkin().Options(OptionsWith("damaged")).Package();
  damaged.resize(damaged.size() - 6);
  WritePackageFile("damaged", damaged);
  WritePackageFile("plain", {'P', 'K', 3, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
  WritePackageFile("empty", TinySkin().File("A.BMP", {1, 2, 3}).Package());

  auto manager = Manager();
  manager->SetSkinName(kInternalName);
  manager->SetSkinName("damaged");
  EXPECT_EQ(manager->SkinName(), kInternalName);
  ASSERT_EQ(host_.Messages.size(), 1u);
  EXPECT_EQ(host_.Messages[0].Caption, "Error");
  EXPECT_EQ(host_.Messages[0].Icon, TacMessageIcon::Error);
  EXPECT_FALSE(host_.Messages[0].Text.empty());

  manager->SetSkinName("plain");
  ASSERT_EQ(host_.Messages.size(), 2u);
  EXPECT_EQ(host_.Messages[1].Text, kNotPackedSkinMessage);

  manager->SetSkinName("empty");
  ASSERT_EQ(host_.Messages.size(), 3u);
  EXPECT_EQ(host_.Messages[2].Text,
            "Internal format error in the \"empty\" skin. Please, update this skin to latest version.");
}

TEST_F(SkinManagerTest, StoredSettingsLoadTheSkinAndTheLoadedStepAnnouncesIt) {
  auto manager = Manager();
  int activations = 0;
  manager->OnActivate = [&](TsSkinManager&) { ++activations; };
  manager->BeginLoading();
  manager->SetSkinDirectory("");
  manager->SetSkinName(kInternalName);
  EXPECT_NE(manager->Skin(), nullptr);
  EXPECT_TRUE(host_.Commands.empty());
  EXPECT_EQ(activations, 0);
  manager->Loaded();
  EXPECT_EQ(host_.Commands, (std::vector<uint16_t>{AC_SETNEWSKIN}));
  EXPECT_EQ(activations, 1);
  EXPECT_EQ(manager->SkinDirectory(), "c:\\Skins");
  EXPECT_EQ(manager->MenuSupport.IcoLineSkin, "ICOLINE");
  EXPECT_TRUE(manager->ThirdParty.Contains(TacThirdKind::ThirdEdits, "TEdit"));
}

TEST_F(SkinManagerTest, AdjustmentsChangeColoursAndPixels) {
  PixelBuffer master(2, 1);
  master.At(0, 0) = 0xFF0A3264;  // red 10, green 50, blue 100
  master.At(1, 0) = 0xFFFF00FF;  // the key colour
  internal_ = TinySkin()
                  .Options("[GLOBALINFO]\r\nVERSION=10\r\nMASTERBITMAP=MASTER.BMP\r\n[BUTTON]\r\nCOLOR=$00102030\r\n")
                  .File("MASTER.BMP", EncodeBmp24(master))
                  .Package();
  auto manager = Manager();
  manager->SetBrightness(150);
  EXPECT_EQ(manager->Brightness(), 100);
  manager->SetBrightness(20);
  manager->SetSkinName(kInternalName);
  const LoadedSkin& skin = *manager->Skin();
  const int button = FindSection(skin.Sections, "BUTTON");
  ASSERT_GE(button, 0);
  EXPECT_EQ(skin.Sections[size_t(button)].Props[0].Color, TColor(0x00243444));
  EXPECT_EQ(skin.Images.MasterBitmap.At(0, 0) & 0xFFFFFF, 0x1E4678u);
  EXPECT_EQ(skin.Images.MasterBitmap.At(1, 0) & 0xFFFFFF, 0xFF00FFu);  // key pixels keep their colour

  int changes = 0;
  manager->OnAfterChange = [&](TsSkinManager&) { ++changes; };
  host_.Commands.clear();
  manager->SetBrightness(0);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(host_.Commands, (std::vector<uint16_t>{AC_PREPARING, AC_REFRESH}));
  EXPECT_EQ(manager->Skin()->Sections[size_t(button)].Props[0].Color, TColor(0x00102030));
}

// A brightness above 0 premultiplies the PNG pictures after brightening them,
// instead of at load; either way only pictures with an alpha channel.
TEST_F(SkinManagerTest, OnlyPngPicturesWithAlphaArePremultipliedWhateverTheBrightness) {
  PngRawImage opaque;  // RGB without alpha: a colour and the key colour
  opaque.Width = 2;
  opaque.Height = 1;
  opaque.ColorType = 2;
  opaque.Rows = {10, 50, 100, 255, 0, 255};
  PixelBuffer withAlpha(1, 1);
  withAlpha.At(0, 0) = 0x800A3264;
  internal_ = TinySkin()
                  .Options("[GLOBALINFO]\r\nVERSION=10\r\n[BUTTON]\r\nGLOW0=!OPAQUE.PNG!1!0!3\r\n"
                           "OUTERMASK=!ALPHA.PNG!1!0!3\r\n")
                  .File("OPAQUE.PNG", EncodePngRaw(opaque))
                  .File("ALPHA.PNG", EncodePng(withAlpha))
                  .Package();
  struct Case {
    int Brightness;
    uint32_t Opaque, Alpha;
  } cases[] = {
      {0, 0xFF0A3264, 0x80051932},   // channels x 128 >> 8
      {20, 0xFF1E4678, 0x800F233C},  // 20 added, then x 128 >> 8
  };
  for (const Case& c : cases) {
    auto manager = Manager();
    manager->SetBrightness(c.Brightness);
    manager->SetSkinName(kInternalName);
    const TsImageCatalog& images = manager->Skin()->Images;
    ASSERT_TRUE(images.FindExternalImage("OPAQUE.PNG") && images.FindExternalImage("ALPHA.PNG"));
    EXPECT_EQ(images.FindExternalImage("OPAQUE.PNG")->At(0, 0), c.Opaque) << c.Brightness;
    EXPECT_EQ(images.FindExternalImage("OPAQUE.PNG")->At(1, 0), 0x00FF00FFu) << c.Brightness;
    EXPECT_EQ(images.FindExternalImage("ALPHA.PNG")->At(0, 0), c.Alpha) << c.Brightness;
  }
}

TEST_F(SkinManagerTest, PushedSkinIsCopiedThenLoadedOnTheCommand) {
  // The folder's own options are not read: the block brings them.
  TinySkin().Options(OptionsWith("folder")).WriteFolder(Skins() / "Pushed");
  const std::vector<uint8_t> block = PushedBlock("Pushed", "..\\Skins", OptionsWith("pushed"));

  auto manager = Manager();
  manager->SetSkinName(kInternalName);
  int changes = 0;
  manager->OnAfterChange = [&](TsSkinManager&) { ++changes; };
  EXPECT_FALSE(manager->ReceivePushedSkin(6, block));
  EXPECT_TRUE(manager->ReceivePushedSkin(7, block));
  EXPECT_FALSE(manager->ReceivePushedSkin(7, block));  // the first is still being taken
  EXPECT_EQ(host_.PushedPosts, 1);
  EXPECT_EQ(Description(*manager), "internal");
  manager->TakePushedSkin();
  EXPECT_EQ(manager->SkinName(), "Pushed");
  EXPECT_EQ(Description(*manager), "pushed");
  EXPECT_TRUE(manager->SkinEditorFeeding());
  EXPECT_EQ(changes, 1);
}

TEST_F(SkinManagerTest, AnUnusablePushedSkinKeepsTheSkinAndReports) {
  struct Case {
    const char* what;
    std::string name, options;
  };
  const std::vector<Case> cases = {
      {"plain words", "Words", "plain words and nothing else"},
      {"nothing terminated", std::string(128, 'A'), std::string(kPushedSkinOptionsSize, 'A')},
      {"no name", "", OptionsWith("nameless")},
  };
  for (const Case& c : cases) {
    auto manager = Manager();
    manager->SetSkinName(kInternalName);
    int changes = 0;
    manager->OnAfterChange = [&](TsSkinManager&) { ++changes; };
    host_.Messages.clear();
    host_.Commands.clear();
    const std::vector<uint8_t> block = PushedBlock(c.name, std::string(kPushedSkinDirectorySize, 'D'), c.options);
    ASSERT_TRUE(manager->ReceivePushedSkin(7, block)) << c.what;
    manager->TakePushedSkin();
    EXPECT_EQ(manager->SkinName(), kInternalName) << c.what;
    EXPECT_EQ(manager->SkinDirectory(), "..\\Skins") << c.what;
    EXPECT_EQ(Description(*manager), "internal") << c.what;
    EXPECT_TRUE(manager->SkinInForce()) << c.what;
    EXPECT_TRUE(host_.Commands.empty()) << c.what;
    EXPECT_EQ(changes, 0) << c.what;
    ASSERT_EQ(host_.Messages.size(), 1u) << c.what;
    EXPECT_EQ(host_.Messages[0].Icon, TacMessageIcon::Error) << c.what;
    // Nothing of it is left for the next load.
    manager->SetSkinName(kInternalName);
    EXPECT_EQ(Description(*manager), "internal") << c.what;
  }
}

TEST_F(SkinManagerTest, APushedSkinTakenWhileInactiveIsNotReadByALaterLoad) {
  const std::vector<uint8_t> block = PushedBlock("Pushed", "..\\Skins", OptionsWith("pushed"));
  auto manager = Manager();
  manager->SetSkinName(kInternalName);
  manager->SetActive(false);
  ASSERT_TRUE(manager->ReceivePushedSkin(7, block));
  manager->TakePushedSkin();
  manager->SetActive(true);
  EXPECT_NE(Description(*manager), "pushed");
}

TEST(SkinManagerValues, VersionDensityAndCommandLine) {
  EXPECT_EQ(FormatSkinVersion(10.0), "10");
  EXPECT_EQ(FormatSkinVersion(10.22), "10.22");
  EXPECT_EQ(ScreenDensityClass(0), 0);
  EXPECT_EQ(ScreenDensityClass(119), 0);
  EXPECT_EQ(ScreenDensityClass(120), 1);
  EXPECT_EQ(ScreenDensityClass(143), 1);
  EXPECT_EQ(ScreenDensityClass(144), 2);
  EXPECT_TRUE(AsksForVersion(std::vector<std::string>{"x", "/ACVER"}));
  EXPECT_FALSE(AsksForVersion(std::vector<std::string>{"/acver2"}));
}

}  // namespace
