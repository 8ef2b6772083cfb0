// The built-in skin as the program stores it: the package built from
// resources/skin/Options.dat and the generated pictures.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "skin/data/SkinLoader.h"
#include "tools/skinpreview/PictureFolder.h"
#include "tools/skinpreview/SkinPreviewLoad.h"

namespace {

const std::string kSkinDir = DR_BUILTIN_SKIN_DIR;

class BuiltinSkin : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    engine_ = new PictureFolder(kSkinDir + "/engine");
    skin_ = new LoadedSkin(LoadPreviewSkin(kSkinDir + "/windows10.asz", *engine_));
  }
  static void TearDownTestSuite() {
    delete skin_;
    delete engine_;
  }
  static const LoadedSkin& Skin() { return *skin_; }

  static int Section(const std::string& name) {
    for (size_t i = 0; i < skin_->Sections.size(); ++i)
      if (skin_->Sections[i].SectionName == name) return int(i);
    return -1;
  }
  static const TsMaskData* Mask(const std::string& section, const std::string& key) {
    return skin_->Images.Mask(skin_->Images.FindMask(skin_->Sections, Section(section), key));
  }

 private:
  static inline PictureFolder* engine_ = nullptr;
  static inline LoadedSkin* skin_ = nullptr;
};

TEST_F(BuiltinSkin, HasItsSectionsInTheStoredOrder) {
  const std::vector<std::string> expected = {
      "GLOBALINFO", "PANEL_LOW", "GAUGE", "MENUITEM", "STATUSBAR", "GROUPBOX", "TRACKBAR", "CHECKBOX", "WEBBUTTON",
      "BARPANEL", "DIVIDER", "GRIPH", "HINT", "MAINMENU", "PROGRESSH", "SCROLLSLIDERH", "MENULINE", "COLHEADER",
      "MENUCAPTION", "DRAGBAR", "ICOLINE", "SLIDER_OFF", "SLIDER_ON", "THUMB_OFF", "THUMB_ON", "RIBBONTAB", "EDIT",
      "SCROLLSLIDERV", "FORMTITLE", "UPDOWNBTN", "SCROLLBAR1H", "SCROLLBAR1V", "SCROLLBAR2H", "SCROLLBAR2V",
      "PAGECONTROL", "RIBBONPAGE", "MENUBTN", "TB_MENUBTN", "DIVIDERV", "FORM", "DIALOG", "BAR", "BARTITLE",
      "EXTRALINE", "PANEL", "TABTOP", "SELECTION", "PAGECONTROLBOTTOM", "PAGECONTROLLEFT", "PAGECONTROLRIGHT",
      "TABRIGHT", "TABLEFT", "TABBOTTOM", "BUTTON_HUGE", "TOOLBAR", "SCROLLBTNBOTTOM", "SCROLLBTNLEFT",
      "SCROLLBTNRIGHT", "SCROLLBTNTOP", "BUTTON_BIG", "COMBOBOX", "ALPHAEDIT", "ALPHACOMBOBOX", "TB_TAB",
      "SPEEDBUTTON", "TOOLBUTTON", "SPLITTER", "SPEEDBUTTON_SMALL", "FORMHEADER", "PROGRESSV", "BUTTON",
      "TRANSPARENT"};  // the last one is appended by the loader
  std::vector<std::string> names;
  for (const TsGeneralData& s : Skin().Sections) names.push_back(s.SectionName);
  EXPECT_EQ(names, expected);
}

TEST_F(BuiltinSkin, GlobalValuesThatTheFrameReliesOn) {
  const TsSkinData& info = Skin().SkinData;
  EXPECT_DOUBLE_EQ(info.Version, 10.0);
  EXPECT_EQ(info.TitleHeight, 30);
  EXPECT_EQ(info.BorderWidth, 1);
  EXPECT_EQ(info.FormOffset, 0);
  EXPECT_EQ(info.BorderMode, 0);
}

// Every image record has its picture, and the picture holds exactly its
// state images (and masks below them).
TEST_F(BuiltinSkin, EveryImageRecordHasAWholePicture) {
  ASSERT_FALSE(Skin().Images.Masks().empty());
  for (const TsMaskData& mask : Skin().Images.Masks()) {
    SCOPED_TRACE(mask.SectionName + "/" + mask.KeyName);
    ASSERT_NE(mask.Image, nullptr);
    EXPECT_GT(mask.Width(), 0);
    EXPECT_GT(mask.Height(), 0);
    EXPECT_EQ(mask.Width() * mask.FrameCount, mask.Image->Width());
    EXPECT_EQ(mask.Height() * (mask.MaskRows + 1), mask.Image->Height());
  }
}

// Every key of the options text that names a picture file has its record: a
// picture missing from the package would leave the key without one. The text
// is read here with a deliberately plain reader, independent of the loader.
TEST_F(BuiltinSkin, NoKeyRefersToAMissingPicture) {
  std::ifstream text(std::string(DR_SOURCE_DIR) + "/resources/skin/Options.dat");
  ASSERT_TRUE(text);
  std::string section;
  int pictureKeys = 0;
  for (std::string line; std::getline(text, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == ';') continue;
    if (line.front() == '[' && line.back() == ']') {
      section = line.substr(1, line.size() - 2);
      continue;
    }
    const size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    const std::string key = line.substr(0, eq), value = line.substr(eq + 1);
    const bool namesFile = value.find(".BMP") != std::string::npos || value.find(".PNG") != std::string::npos;
    if (!namesFile) continue;
    ++pictureKeys;
    EXPECT_GE(Skin().Images.FindMaskByName(section, key), 0) << section << "/" << key << " = " << value;
  }
  EXPECT_GT(pictureKeys, 50);
}

struct BorderCase {
  const char* Section;
  int Frames;
  int Mode;
  int Width;  // all four sides
};

TEST_F(BuiltinSkin, BorderImagesOfTheControls) {
  const BorderCase cases[] = {
      {"EDIT", 3, 1, 1},          {"COMBOBOX", 3, 1, 1},      {"BUTTON", 4, 5, 2},          {"SPEEDBUTTON", 4, 5, 2},
      {"TOOLBUTTON", 3, 7, 1},    {"SCROLLBTNLEFT", 3, 7, 1}, {"SCROLLBTNTOP", 3, 7, 1},    {"SCROLLBTNRIGHT", 3, 7, 1},
      {"SCROLLBTNBOTTOM", 3, 7, 1}, {"FORM", 2, 1, 1},        {"MAINMENU", 1, 1, 3},
  };
  for (const BorderCase& c : cases) {
    SCOPED_TRACE(c.Section);
    const TsMaskData* mask = Mask(c.Section, "BORDERSMASK");
    ASSERT_NE(mask, nullptr);
    EXPECT_EQ(mask->FrameCount, c.Frames);
    EXPECT_EQ(mask->PaintMode, c.Mode);
    EXPECT_EQ(mask->EffectiveBorders(), (TBorderWidths{c.Width, c.Width, c.Width, c.Width}));
  }
  EXPECT_EQ(Skin().Sections[size_t(Section("BUTTON"))].States, 4);  // the fourth is the default button
}

TEST_F(BuiltinSkin, ShadowAndGlows) {
  const TsMaskData* ex = Mask("GLOBALINFO", "EXBORDER");
  ASSERT_NE(ex, nullptr);
  EXPECT_EQ(ex->FrameCount, 2);
  EXPECT_EQ(ex->ImageKind, 3);
  EXPECT_EQ(ex->EffectiveBorders(), (TBorderWidths{34, 34, 34, 34}));
  for (const char* section : {"EDIT", "BUTTON", "COMBOBOX"}) {
    SCOPED_TRACE(section);
    const TsGeneralData& s = Skin().Sections[size_t(Section(section))];
    EXPECT_EQ(s.Glow, 1);
    EXPECT_EQ(s.GlowMargin, 1);
    const TsMaskData* glow = Mask(section, "GLOW0");
    ASSERT_NE(glow, nullptr);
    EXPECT_EQ(glow->EffectiveBorders(), (TBorderWidths{11, 11, 11, 11}));
  }
}

TEST_F(BuiltinSkin, WellKnownGlyphsArePresent) {
  for (const char* key : {"BOXUNCHECKED", "BOXCHECKED", "BOXGRAYED", "SMALLUNCHECKED", "SMALLCHECKED", "SMALLGRAYED",
                          "RADIOUNCHECKED", "RADIOCHECKED", "CHECK", "GRIPIMAGE", "GRIPHORZ", "GRIPVERT",
                          "BICONCLOSE", "BICLOSEALONE", "BICONMAX", "BICONNORM", "BICONMIN", "BICONHELP", "SICONCLOSE",
                          "SICONMAX", "SICONNORM", "SICONMIN", "SICONHELP", "TITLEBUTTON"}) {
    EXPECT_GE(Skin().Images.FindGlobalMask(Skin().Sections, key), 0) << key;
  }
  EXPECT_GE(Skin().Images.FindMaskByName("COMBOBOX", "GLYPHMASK"), 0);
  // The caption is 30 high with its top frame line; the title buttons fill the rest.
  EXPECT_EQ(Mask("GLOBALINFO", "SICONCLOSE")->Height(), 29);
}

}  // namespace
