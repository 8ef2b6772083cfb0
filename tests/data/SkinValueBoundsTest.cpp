// Skin numbers are limited after a load: values inside the ranges stay as
// written, values outside end at the bound, and each change is reported.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/data/SkinLoader.h"
#include "skin/data/SkinValueBounds.h"
#include "tests/data/TinySkin.h"

namespace {

struct Report final : SkinClampCollector {
  void Clamped(const SkinValueClamp& c) override {
    Lines.push_back(std::string(c.Section) + "/" + std::string(c.Key) + (c.Field.empty() ? "" : "." + std::string(c.Field)) +
                    " " + std::to_string(c.Raw) + "->" + std::to_string(c.Bound));
  }
  std::vector<std::string> Lines;
};

LoadedSkin Load(const std::string& options, SkinClampCollector* report = nullptr) {
  SkinLoadSettings settings;
  settings.Clamps = report;
  return LoadSkin(SkinSource::FromPackageBytes(TinySkin().Options(options).Package()), settings);
}

}  // namespace

TEST(SkinValueBounds, KeepsValuesInsideAndLimitsTheRestWithAReport) {
  Report report;
  const LoadedSkin skin = Load(
      "[GLOBALINFO]\nBORDERWIDTH=1024\nTITLEHEIGHT=-1024\nMAXHEIGHT=2147483647\nFORMOFFSET=$80000000\n"
      "BISPACE=-1025\nLO_OPACITY=300\nSH_WIDTHL=-2147483648\n"
      "BICONCLOSE=!NONE.PNG!1\nEXBORDER=^0000^0000^9999^-999^9999^0000^0000^0000^9^0^0^0\n"
      "[BUTTON]\nSTATES=-4\nGLOW=-5000\nGSIZE=1025\nHGSIZE=99999\nOUTOPACITY=-2\n"
      "[EDIT]\nSTATES=1\nGSIZE=2000\n",
      &report);
  const TsSkinData& d = skin.SkinData;
  EXPECT_EQ(d.BorderWidth, 1024);
  EXPECT_EQ(d.TitleHeight, -1024);
  EXPECT_EQ(d.MaxHeight, 1024);
  EXPECT_EQ(d.FormOffset, -1024);
  EXPECT_EQ(d.BISpace, -1024);
  EXPECT_EQ(skin.OutEffects[0].Opacity, 255);
  EXPECT_EQ(skin.OutEffects[1].WidthL, -1024);
  const TsGeneralData& button = skin.Sections[size_t(FindSection(skin.Sections, "BUTTON"))];
  EXPECT_EQ(button.States, 0);
  EXPECT_EQ(button.Glow, -1024);
  EXPECT_EQ(button.Props[0].GSize, 1024);
  EXPECT_EQ(button.OutOpacity, 0);
  const TsMaskData* exBorder = skin.Images.Mask(skin.Images.FindGlobalMask(skin.Sections, "EXBORDER"));
  ASSERT_NE(exBorder, nullptr);
  EXPECT_EQ(exBorder->SourceRect, (TRect{0, 0, 9999, -999}));  // the fixed columns cannot leave the range
  EXPECT_EQ(exBorder->FrameCount, 9);

  // Inside the ranges nothing is reported; the hot state of a one-state section is its normal state, reported once.
  EXPECT_EQ(report.Lines, (std::vector<std::string>{
                              "GLOBALINFO/MAXHEIGHT 2147483647->1024",
                              "GLOBALINFO/FORMOFFSET -2147483648->-1024",
                              "GLOBALINFO/BISPACE -1025->-1024",
                              "GLOBALINFO/LO_OPACITY 300->255",
                              "GLOBALINFO/SH_WIDTHL -2147483648->-1024",
                              "BUTTON/STATES -4->0",
                              "BUTTON/GLOW -5000->-1024",
                              "BUTTON/OUTOPACITY -2->0",
                              "BUTTON/GSIZE 1025->1024",
                              "EDIT/GSIZE 2000->1024",
                          }));
}

TEST(SkinValueBounds, ImageRecordsAndGradientsAreLimited) {
  Report report;
  std::string steps;
  for (int i = 0; i < 300; ++i) steps += "255;65280;1;0;0;";
  const LoadedSkin skin = Load("[GLOBALINFO]\n[BUTTON]\nGRADIENTPERCENT=50\nGRADIENTDATA=" + steps + "\n", &report);
  const TsGeneralData& button = skin.Sections[size_t(FindSection(skin.Sections, "BUTTON"))];
  EXPECT_EQ(button.Props[0].GradientData.size(), size_t(kMaxSkinCount));
  EXPECT_EQ(report.Lines, std::vector<std::string>{"BUTTON/GRADIENTDATA 300->255"});
}
