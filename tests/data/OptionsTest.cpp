#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "skin/data/OuterEffects.h"
#include "skin/data/ParentChain.h"
#include "skin/data/SectionTable.h"
#include "skin/data/SkinColors.h"
#include "skin/data/SkinOptions.h"
#include "skin/data/sSkinData.h"
#include "skin/render/core/SkinError.h"

namespace {

// System colours that tell their index: RGB(index, 1, 2).
class IndexedSystemColors final : public SystemColorSource {
 public:
  TColor SystemColor(int index) const override { return RGBColor(uint8_t(index), 1, 2); }
};

class Options : public ::testing::Test {
 protected:
  void SetUp() override { SetSystemColorSource(&colors_); }
  void TearDown() override { SetSystemColorSource(nullptr); }
  static TColor Sys(int index) { return RGBColor(uint8_t(index), 1, 2); }

 private:
  IndexedSystemColors colors_;
};

TacSkinOptions Text(std::string_view text) { return TacSkinOptions::Parse(text); }

const TsGeneralData& Section(const TsGeneralDataArray& table, std::string_view name) {
  const int i = FindSection(table, name);
  EXPECT_GE(i, 0) << name;
  return table.at(size_t(i));
}

TEST_F(Options, LinesSectionsAndKeys) {
  const TacSkinOptions t = Text(
      "BEFORE=1\r\n"
      "  [ FORM ]  \r"
      "; COLOR=5\n"
      "\tCOLOR = 12 \x01\r\n"
      "COLOR=13\n"
      "color=14\n"
      "NOVALUE\n"
      "EMPTY=\n"
      "ABSENT=?\n"
      "A=b=c\n"
      "[Form]\nCOLOR=20\n"
      "[FORM]\nCOLOR=30\nEXTRA=1");
  ASSERT_EQ(t.Sections().size(), 3u);
  EXPECT_EQ(t.Sections()[0].Name, "FORM");
  EXPECT_EQ(t.Value("FORM", "COLOR"), "12");  // first key wins, blanks and control characters trimmed
  EXPECT_EQ(t.Value("FORM", "color"), "14");  // names are case-sensitive
  EXPECT_EQ(t.Value("Form", "COLOR"), "20");
  EXPECT_EQ(t.Value("FORM", "NOVALUE"), "");
  EXPECT_EQ(t.Value("FORM", "EMPTY"), "");
  EXPECT_EQ(t.Value("FORM", "ABSENT"), std::nullopt);  // "?" is the mark of an absent value
  EXPECT_EQ(t.Value("FORM", "A"), "b=c");
  EXPECT_EQ(t.Value("FORM", "EXTRA"), std::nullopt);  // a second section of the name is never looked up
  EXPECT_EQ(t.Value("FORM", "BEFORE"), std::nullopt);
  EXPECT_EQ(t.ReadText("FORM", "ABSENT", "dflt"), "dflt");
  EXPECT_EQ(t.Sections()[2].Keys.size(), 2u);
}

TEST_F(Options, IntegerForms) {
  const struct {
    const char* Text;
    std::optional<int32_t> Value;
  } cases[] = {
      {"255", 255},        {"$FF", 255},       {"0xFF", 255},        {"0XfF", 255},
      {"-1", -1},          {"-2147483648", INT32_MIN},                {"2147483647", INT32_MAX},
      {"$FFFFFFFF", -1},   {"$FF00000F", int32_t(0xFF00000F)},       {"red", std::nullopt},
      {"", std::nullopt},  {"0x", std::nullopt}, {"$", std::nullopt}, {"+5", std::nullopt},
      {"1.5", std::nullopt}, {"2147483648", std::nullopt},          {"$123456789", std::nullopt},
      {"12abc", std::nullopt}, {"0x-1", std::nullopt},               {"--1", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseOptionInteger(c.Text), c.Value) << c.Text;
  EXPECT_EQ(ParseOptionReal("10.00"), 10.0);
  EXPECT_EQ(ParseOptionReal("7.45"), 7.45);
  for (const char* bad : {"", "10,5", "inf", "nan", "0x10", "1.0abc"}) EXPECT_EQ(ParseOptionReal(bad), std::nullopt) << bad;
}

TEST_F(Options, PlainReaders) {
  const TacSkinOptions t = Text("[GLOBALINFO]\nCOLOR=$FF\nBAD=red\nFLAG1=TRUE\nFLAG2=1\nFLAG3=true\nFLAG4=\nV=10.5\n");
  EXPECT_EQ(t.ReadInteger(kGlobalSection, "COLOR", 7), 255);
  EXPECT_EQ(t.ReadInteger(kGlobalSection, "BAD", 7), 7);
  EXPECT_EQ(t.ReadInteger(kGlobalSection, "NONE", 7), 7);
  EXPECT_TRUE(t.ReadFlag(kGlobalSection, "FLAG1", false));
  EXPECT_TRUE(t.ReadFlag(kGlobalSection, "FLAG2", false));
  EXPECT_FALSE(t.ReadFlag(kGlobalSection, "FLAG3", true));
  EXPECT_FALSE(t.ReadFlag(kGlobalSection, "FLAG4", true));
  EXPECT_TRUE(t.ReadFlag(kGlobalSection, "NONE", true));
  EXPECT_EQ(ReadSkinVersion(t), 0.0);
  EXPECT_EQ(t.ReadReal(kGlobalSection, "V"), 10.5);
}

TEST_F(Options, InheritedReaders) {
  const TacSkinOptions t = Text(
      "[BUTTON]\nCOLOR=100\nFONTCOLOR=$FF000005\nGLOW=9\nGIVEOWNFONT=1\nPARENTCLASS=BASE\n"
      "[BASE]\nHOTCOLOR=300\n"
      "[CHILD]\nPARENTCLASS=BUTTON\nGLOW=-1\n"
      "[DIRECT]\nFONTCOLOR=$FF000005\n"
      "[ORPHAN]\nPARENTCLASS=NOSUCH\n"
      "[SELF]\nPARENTCLASS=SELF\n"
      "[ABSENTPARENT]\nPARENTCLASS=?\n"
      "[LOOPA]\nPARENTCLASS=LOOPB\n[LOOPB]\nPARENTCLASS=LOOPC\n[LOOPC]\nPARENTCLASS=LOOPB\nCOLOR=7\n");
  EXPECT_EQ(t.ReadInheritedInteger("CHILD", "COLOR", 1), 100);
  EXPECT_EQ(t.ReadInheritedInteger("CHILD", "GLOW", 0), 9);  // -1 in the section counts as absent
  EXPECT_EQ(t.ReadInheritedInteger("CHILD", "HOTCOLOR", 1), 300);  // two levels up
  EXPECT_EQ(t.ReadInheritedInteger("CHILD", "FONTCOLOR", 1), int32_t(Sys(5)));  // inherited: as RGB
  EXPECT_EQ(t.ReadInheritedInteger("DIRECT", "FONTCOLOR", 1), int32_t(0xFF000005));  // own value: as written
  EXPECT_EQ(t.ReadInheritedInteger("CHILD", "COLOR", 1, 50), 50);
  EXPECT_EQ(t.ReadInheritedInteger("CHILD", "NONE", 4, 3), 3);  // the limit bounds the default too
  EXPECT_TRUE(t.ReadInheritedFlag("CHILD", "GIVEOWNFONT", false));
  EXPECT_EQ(t.ReadInheritedText("CHILD", "GIVEOWNFONT", "x"), "1");
  EXPECT_EQ(t.ReadInheritedText("CHILD", "PARENTCLASS"), "BUTTON");
  for (const char* name : {"ORPHAN", "SELF", "ABSENTPARENT", "NOSECTION"}) {
    EXPECT_EQ(t.ReadInheritedInteger(name, "COLOR", 5), 5) << name;
    EXPECT_FALSE(t.ReadInheritedFlag(name, "GIVEOWNFONT", false)) << name;
    EXPECT_EQ(t.ReadInheritedText(name, "COLOR", "d"), "d") << name;
  }
  // A chain returning to an earlier section stops there instead of looping.
  EXPECT_EQ(t.ReadInheritedInteger("LOOPA", "COLOR", 5), 7);
  EXPECT_EQ(t.ReadInheritedInteger("LOOPA", "GLOW", 5), 5);
  EXPECT_EQ(t.ReadInheritedText("LOOPB", "NONE", "d"), "d");
}

TEST_F(Options, LongParentChainsAreCut) {
  std::string text = "[S0]\nCOLOR=42\n";
  for (int i = 1; i <= 100; ++i) text += "[S" + std::to_string(i) + "]\nPARENTCLASS=S" + std::to_string(i - 1) + "\n";
  const TacSkinOptions t = Text(text);
  EXPECT_EQ(t.ReadInheritedInteger("S" + std::to_string(kMaxParentDepth), "COLOR", 1), 42);
  EXPECT_EQ(t.ReadInheritedInteger("S100", "COLOR", 1), 1);
}

TEST_F(Options, SectionTableStates) {
  const TsGeneralDataArray table = BuildSectionTable(Text(
      "[GLOBALINFO]\nVERSION=10\n"
      "[ONE]\nSTATES=1\nCOLOR=10\nFONTCOLOR=11\n"
      "[TWO]\nSTATES=2\nCOLOR=10\nHOTFONTCOLOR=12\nCOLOR2=99\n"
      "[THREE]\nUSESTATE2=1\nCOLOR=10\nCOLOR2=20\nTCLEFT2=21\n"
      "[TRUESTATE]\nUSESTATE2=TRUE\nCOLOR2=20\n"
      "[LIMITS]\nGLOW=300\nGLOWMARGIN=256\nSTATES=1000\nOUTERMODE=300\nOUTOPACITY=999\nOUTOFFSL=-3\n"
      "[lower]\ncolor=5\n"));
  ASSERT_EQ(table.size(), 7u);
  EXPECT_EQ(table[0].SectionName, "GLOBALINFO");
  const TsGeneralData& one = Section(table, "ONE");
  EXPECT_EQ(one.Props[1].Color, 10u);  // one state: the hot state is the normal one
  EXPECT_EQ(one.Props[1].TextColor, 11u);
  EXPECT_EQ(one.Props[2].Color, 10u);
  const TsGeneralData& two = Section(table, "TWO");
  EXPECT_EQ(two.Props[0].Color, 10u);
  EXPECT_EQ(two.Props[1].Color, clWhite);  // hot defaults are the fixed ones
  EXPECT_EQ(two.Props[1].TextColor, 12u);
  EXPECT_FALSE(two.UseState2);
  EXPECT_EQ(two.Props[2].Color, clWhite);  // a copy of the hot state, "COLOR2" unused
  const TsGeneralData& three = Section(table, "THREE");
  EXPECT_TRUE(three.UseState2);
  EXPECT_EQ(three.Props[2].Color, 20u);
  EXPECT_EQ(three.Props[2].TCLeft, 21u);
  EXPECT_EQ(three.Props[2].TCTop, TColor(-1));
  EXPECT_FALSE(Section(table, "TRUESTATE").UseState2);  // read as an integer
  EXPECT_EQ(Section(table, "TRUESTATE").Props[2].Color, clWhite);
  const TsGeneralData& limits = Section(table, "LIMITS");
  EXPECT_EQ(limits.Glow, 255);
  EXPECT_EQ(limits.GlowMargin, 255);
  EXPECT_EQ(limits.States, 255);
  EXPECT_EQ(limits.OuterMode, 300);
  EXPECT_EQ(limits.OutOpacity, 255);
  EXPECT_EQ(limits.OutOffsL, -3);
  const TsGeneralData& lower = Section(table, "lower");
  EXPECT_EQ(lower.Props[0].Color, clWhite);  // "color" is not "COLOR"
  EXPECT_EQ(lower.States, 3);
  EXPECT_EQ(lower.OutOpacity, 200);
  EXPECT_EQ(lower.OuterMode, 2);
  EXPECT_EQ(lower.BorderIndex, -1);
  EXPECT_EQ(lower.Props[0].PatternIndex, -1);
  EXPECT_EQ(FindSection(table, "LOWER"), -1);
  EXPECT_EQ(FindSection(table, ""), -1);
}

TEST_F(Options, SectionTableInheritance) {
  const TsGeneralDataArray table = BuildSectionTable(Text(
      "[MYBUTTON]\nPARENTCLASS=BUTTON\nHOTCOLOR=-1\nGIVEOWNFONT=true\n"
      "[MINUS]\nPARENTCLASS=BUTTON\nCOLOR=-1\n"
      "[BUTTON]\nCOLOR=123\nHOTCOLOR=$FF00000F\nGLOW=5\nGIVEOWNFONT=1\nRESERVEDBOOLEAN=TRUE\n"
      "[FLAGS]\nGIVEOWNFONT=\n"));
  const TsGeneralData& b = Section(table, "MYBUTTON");
  EXPECT_EQ(b.ParentClass, "BUTTON");
  EXPECT_EQ(b.Props[0].Color, 123u);
  EXPECT_EQ(b.Props[1].Color, Sys(15));  // a system colour taken from the parent, as RGB
  EXPECT_EQ(Section(table, "BUTTON").Props[1].Color, 0xFF00000Fu);
  EXPECT_EQ(b.Glow, 5);
  EXPECT_FALSE(b.GiveOwnFont);  // "true" in lower case is false
  EXPECT_TRUE(b.ReservedBoolean);
  EXPECT_EQ(Section(table, "MINUS").Props[0].Color, 123u);
  EXPECT_TRUE(Section(table, "MINUS").GiveOwnFont);
  EXPECT_FALSE(Section(table, "FLAGS").GiveOwnFont);
}

TEST_F(Options, StateGradients) {
  const TsGeneralDataArray table = BuildSectionTable(Text(
      "[NA]\nGRADIENTPERCENT=40\nGRADIENTDATA=N/A\n"
      "[EMPTY]\nGRADIENTPERCENT=40\nGRADIENTDATA=\n"
      "[SHORT]\nGRADIENTPERCENT=40\nGRADIENTDATA=12\n"
      "[NONE]\nGRADIENTPERCENT=40\n"
      "[TWO]\nGRADIENTPERCENT=40\nGRADIENTDATA=4703574;4635475;97;0;0;4635475;4635475;0;0;0\n"
      "[CHILD]\nPARENTCLASS=TWO\n"));
  EXPECT_EQ(Section(table, "NA").Props[0].GradientShare, 40);  // three characters go to the parser
  EXPECT_TRUE(Section(table, "NA").Props[0].GradientData.empty());
  for (const char* name : {"EMPTY", "SHORT", "NONE"}) {
    EXPECT_EQ(Section(table, name).Props[0].GradientShare, 0) << name;
    EXPECT_TRUE(Section(table, name).Props[0].GradientData.empty()) << name;
  }
  for (const char* name : {"TWO", "CHILD"}) {
    const TsGenState& s = Section(table, name).Props[0];
    EXPECT_EQ(s.GradientShare, 40) << name;
    ASSERT_EQ(s.GradientData.size(), 2u) << name;
    EXPECT_EQ(s.GradientData[0].Color1, 4703574u);
    EXPECT_EQ(s.GradientData[0].Percent, 97);
  }
  // A gradient field that is not a number stops the load.
  EXPECT_THROW(BuildSectionTable(Text("[BAD]\nGRADIENTDATA=1;x;3;4;5\n")), ESkinError);
}

TEST_F(Options, GlobalInformation) {
  TsSkinData d;
  ReadSkinData(Text("[GLOBALINFO]\nTITLEHEIGHT=0\nBORDERWIDTH=abc\nALIGNOFFSET=3\nALIGNOFFSETT=-2\nAEROBLUR=5\n"
                    "VERSION=10.00\nAUTHOR=Someone\nSHADOW1COLOR=$FF0000\n[TABTOP]\nTABSCOVERING=2\n"
                    "[RIBBONTAB]\nTABSCOVERING=4\n"),
               {7}, d);
  EXPECT_EQ(d.TitleHeight, 30);
  EXPECT_EQ(d.MaxHeight, 30);
  EXPECT_EQ(d.BorderWidth, 4);  // not a number: the default
  EXPECT_EQ(d.FormOffset, 7);
  EXPECT_EQ(d.AlignOffsetR, 3);
  EXPECT_EQ(d.AlignOffsetT, -2);
  EXPECT_EQ(d.AlignOffsetB, 3);
  EXPECT_TRUE(d.AeroBlur);
  EXPECT_EQ(d.Version, 10.0);
  EXPECT_EQ(d.Author, "Someone");
  EXPECT_EQ(d.Shadow1Color, 0xFF0000u);
  EXPECT_EQ(d.TabsCovering, 2);
  EXPECT_EQ(d.RibbonTabsCovering, 4);
  EXPECT_FALSE(d.Active);

  TsSkinData heights;
  ReadSkinData(Text("[GLOBALINFO]\nTITLEHEIGHT=24\nMAXHEIGHT=0\n"), {}, heights);
  EXPECT_EQ(heights.MaxHeight, 24);

  TsSkinData empty;
  ReadSkinData(TacSkinOptions(), {4}, empty);
  EXPECT_EQ(empty.Shadow1Blur, -1);
  EXPECT_EQ(empty.ComboMargin, 2);
  EXPECT_EQ(empty.BrightMin, -50);
  EXPECT_EQ(empty.BrightMax, 50);
  EXPECT_EQ(empty.MaxHeight, 30);
  EXPECT_EQ(empty.FormOffset, 4);
}

TEST_F(Options, OuterEffects) {
  TacOutEffArray e;
  ReadOuterEffects(Text("[GLOBALINFO]\nSH_OPACITY=80\nLO_SOURCE=0\n"), e);
  EXPECT_EQ(e[0].ColorL, 16777215);
  EXPECT_EQ(e[0].ColorT, 0);
  EXPECT_EQ(e[0].OffsetB, 4);
  EXPECT_EQ(e[0].Opacity, 200);
  EXPECT_EQ(e[0].Source, 0);
  EXPECT_EQ(e[1].ColorL, 0);
  EXPECT_EQ(e[1].OffsetL, 3);
  EXPECT_EQ(e[1].OffsetB, 5);
  EXPECT_EQ(e[1].WidthT, -1);
  EXPECT_EQ(e[1].Source, 2);
  EXPECT_EQ(e[1].Opacity, 80);
  EXPECT_EQ(e[1].MaskIndex, -1);
}

TsSkinColors Colors(std::string_view text) {
  const TacSkinOptions t = Text(text);
  return DeriveSkinColors(t, BuildSectionTable(t));
}

TEST_F(Options, SkinColorsDefaults) {
  const TsSkinColors c = Colors("[GLOBALINFO]\nEDITTEXT_ALERT=77\n");
  EXPECT_EQ(GlobalColor(c), Sys(15));
  EXPECT_EQ(GlobalFontColor(c), 0u);
  EXPECT_EQ(c[scGlobalBottomText], 16711680u);
  EXPECT_EQ(c[scGlobalTopText], 255u);
  EXPECT_EQ(EditFontColor(c), Sys(8));  // no "EDIT": the system window colours
  EXPECT_EQ(EditColor(c), Sys(5));
  EXPECT_EQ(SelectionColor(c, false), Sys(13));  // neither "SELECTION" nor "MENUITEM"
  EXPECT_EQ(SelectionColor(c, true), Sys(13));
  EXPECT_EQ(SelectionFontColor(c, false), Sys(14));
  EXPECT_EQ(SelectionFontColor(c, true), Sys(14));
  EXPECT_EQ(c[scEditBgInverted], Sys(8));
  EXPECT_EQ(c[scEditTextInverted], Sys(5));
  EXPECT_EQ(c[scEditBgOdd], Sys(5));
  for (int i : {scEditTextAlert, scEditTextAlert2, scEditTextAlert3}) EXPECT_EQ(c[i], 77u) << i;
  EXPECT_EQ(c[scEditBgAlert2], 8755161u);
  EXPECT_EQ(c[scEditBgOk], 7127717u);
  EXPECT_EQ(c[scBorderColor], 0u);
}

TEST_F(Options, SkinColorsFromSections) {
  const TsSkinColors c = Colors(
      "[EDIT]\nCOLOR=$FF000005\nFONTCOLOR=$C8C8C8\n"
      "[SELECTION]\nSTATES=1\nCOLOR=300\nFONTCOLOR=$FF000008\n");
  EXPECT_EQ(EditColor(c), Sys(5));  // converted to RGB
  EXPECT_EQ(EditFontColor(c), 0xC8C8C8u);
  EXPECT_EQ(SelectionColor(c, true), 300u);  // one state: the hot one is the normal one
  EXPECT_EQ(SelectionFontColor(c, true), 0xFF000008u);  // taken as written
  // 0.05 * 200 + 0.95 * 5 = 14.75 -> 15 per channel; 0.05 * 200 + 0.95 * 1 = 10.95 -> 11; ... 2 -> 11.9 -> 12.
  EXPECT_EQ(c[scEditBgEven], RGBColor(15, 11, 12));
}

TEST_F(Options, SelectionFallsBackToMenuItem) {
  const TsSkinColors c = Colors("[MENUITEM]\nHOTCOLOR=500\nHOTFONTCOLOR=$FF000009\n");
  EXPECT_EQ(SelectionColor(c, false), 500u);
  EXPECT_EQ(SelectionColor(c, true), 500u);
  EXPECT_EQ(SelectionFontColor(c, false), Sys(9));
  EXPECT_EQ(SelectionFontColor(c, true), Sys(9));
  const TsSkinColors key = Colors("[SELECTION]\nFONTCOLOR=16711935\n[MENUITEM]\nHOTFONTCOLOR=16711935\n");
  EXPECT_EQ(SelectionFontColor(key, false), clHighlightText);  // the system reference, not RGB
  EXPECT_EQ(SelectionFontColor(key, true), clHighlightText);
  EXPECT_EQ(SelectionColor(key, false), clWhite);
}

TEST_F(Options, TransparentSectionIsAppendedWhenMissing) {
  const TacSkinOptions t = Text("[GLOBALINFO]\nFONTCOLOR=1234\n[FORM]\nCOLOR=1\n");
  TsGeneralDataArray table = BuildSectionTable(t);
  AppendTransparentSection(table, DeriveSkinColors(t, table));
  ASSERT_EQ(table.size(), 3u);
  const TsGeneralData& tr = table.back();
  EXPECT_EQ(tr.SectionName, "TRANSPARENT");
  EXPECT_EQ(tr.ParentClass, "");
  EXPECT_EQ(tr.States, 1);
  EXPECT_EQ(tr.BorderIndex, -1);
  for (const TsGenState& s : tr.Props) {
    EXPECT_EQ(s.Transparency, 100);
    EXPECT_EQ(s.Color, clWhite);
    EXPECT_EQ(s.TextColor, 1234u);
    EXPECT_EQ(s.TCBottom, TColor(-1));
    EXPECT_EQ(s.GradientShare, 0);
    EXPECT_EQ(s.GCol, 0u);
  }
  AppendTransparentSection(table, TsSkinColors{});
  EXPECT_EQ(table.size(), 3u);
}

TEST_F(Options, CommonSectionsMerge) {
  TsGeneralDataArray table = BuildSectionTable(Text("[BUTTON]\nCOLOR=1\nFONTCOLOR=2\nGLOW=3\n"));
  const std::vector<std::string> lines =
      PrepareCommonSections({"[ BUTTON ]", "COLOR = 0xFF", "GIVEOWNFONT = true", "STATES=1", "; keep  blanks",
                             "[MYPANEL]", "PARENTCLASS=button", "HOTCOLOR=$10", "[NEWONE]", "GLOW=999",
                             "[globalinfo]", "COLOR=5"});
  EXPECT_EQ(lines[1], "COLOR=0xFF");
  EXPECT_EQ(lines[4], "; keep  blanks");
  std::string text;
  for (const std::string& l : lines) text += l + "\n";
  MergeCommonSections(table, Text(text));
  ASSERT_EQ(table.size(), 3u);
  const TsGeneralData& b = table[0];
  EXPECT_EQ(b.Props[0].Color, 255u);
  EXPECT_EQ(b.Props[0].TextColor, 2u);  // not given: kept
  EXPECT_EQ(b.Glow, 3);
  EXPECT_TRUE(b.GiveOwnFont);  // flags in any case
  EXPECT_EQ(b.States, 1);
  const TsGeneralData& panel = table[1];
  EXPECT_EQ(panel.SectionName, "MYPANEL");
  EXPECT_EQ(panel.Props[0].Color, 255u);  // copied from "BUTTON" as merged, found without regard to case
  EXPECT_EQ(panel.Props[0].TextColor, 2u);
  EXPECT_EQ(panel.ParentClass, "button");
  EXPECT_EQ(panel.Props[1].Color, 16u);
  EXPECT_EQ(panel.Glow, 3);
  const TsGeneralData& fresh = table[2];
  EXPECT_EQ(fresh.SectionName, "NEWONE");
  EXPECT_EQ(fresh.States, 3);
  EXPECT_EQ(fresh.Glow, 255);
  EXPECT_EQ(fresh.Props[0].Color, clWhite);
}

}  // namespace
