#include "skin/windows/AdapterRules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/data/ThirdPartyList.h"

namespace {

ThirdPartyList ManagerLists() {
  ThirdPartyList lists;
  lists.ReadTexts();
  return lists;
}

TControl* const kControl = reinterpret_cast<TControl*>(0x1000);

CandidateFacts Windowed(std::string className, int tag = 0) {
  return {CandidateKind::Windowed, std::move(className), tag, true, false};
}

TEST(AdapterRules, SupportedTestOfTheManagersLists) {
  const ThirdPartyList lists = ManagerLists();
  struct Case {
    const char* name;
    CandidateFacts facts;
    bool supported;
  } cases[] = {
      {"listed edit", Windowed("TEdit"), true},
      {"engine edit answers command 7", {CandidateKind::Windowed, "TEdit", 0, true, true}, false},
      {"no window yet", {CandidateKind::Windowed, "TEdit", 0, false, false}, false},
      {"auxiliary tag", Windowed("TEdit", 256), false},
      {"auxiliary bit among others", Windowed("TEdit", 257), false},
      {"other tag bits", Windowed("TEdit", 512 | 255), true},
      {"derived class with its own name", Windowed("TMyEdit"), false},
      {"names are case-sensitive", Windowed("tedit"), false},
      {"no class name", Windowed(""), false},
      {"blank name", Windowed(" "), false},
      {"plain label", {CandidateKind::Label, "TLabel", 0, false, false}, true},
      {"label with the auxiliary tag", {CandidateKind::Label, "TLabel", 256, false, false}, false},
      {"listed speed button", {CandidateKind::SpeedButton, "TSpeedButton", 0, false, false}, true},
      {"engine speed button", {CandidateKind::SpeedButton, "TSpeedButton", 0, false, true}, false},
      {"unlisted speed button class", {CandidateKind::SpeedButton, "TMySpeedButton", 0, false, false}, false},
      {"other windowless control", {CandidateKind::OtherGraphic, "TImage", 0, false, false}, false},
      {"form", {CandidateKind::FrameOrForm, "TMyForm", 0, true, false}, true},
      {"form without its window", {CandidateKind::FrameOrForm, "TMyForm", 0, false, false}, false},
  };
  for (const Case& c : cases) EXPECT_EQ(Supported(c.facts, lists, {}, kControl), c.supported) << c.name;
}

TEST(AdapterRules, EventsDecideFormsLabelsAndSpeedButtons) {
  const ThirdPartyList lists = ManagerLists();
  SkinItemEvents refuse{[](TControl*, bool& add, std::string&) { add = false; }, {}};
  SkinItemEvents ownFontColor{{}, [](TControl*, bool&, TacSkinParams& p) { p.UseSkinFontColor = false; }};
  CandidateFacts label{CandidateKind::Label, "TLabel", 0, false, false};
  CandidateFacts form{CandidateKind::FrameOrForm, "TMyForm", 0, true, false};
  CandidateFacts speed{CandidateKind::SpeedButton, "TSpeedButton", 0, false, false};

  for (const CandidateFacts& facts : {label, form, speed}) EXPECT_FALSE(Supported(facts, lists, refuse, kControl));
  EXPECT_FALSE(Supported(label, lists, ownFontColor, kControl));
  EXPECT_FALSE(Supported(form, lists, ownFontColor, kControl));
  EXPECT_TRUE(Supported(speed, lists, ownFontColor, kControl));  // a speed button's font colour is its section's
  // A listed windowed control is supported by its name alone; the events decide when it is added.
  EXPECT_TRUE(Supported(Windowed("TEdit"), lists, refuse, kControl));
}

TEST(AdapterRules, OnSkinItemRunsFirstAndOnSkinItemExOnlyWhenItAgreed) {
  std::vector<std::string> calls;
  TControl* seen = nullptr;
  SkinItemEvents events{
      [&](TControl* control, bool& add, std::string& section) {
        calls.push_back("item");
        seen = control;
        EXPECT_TRUE(add);
        section = "PANEL_LOW";
      },
      [&](TControl*, bool& add, TacSkinParams& params) {
        calls.push_back("item ex " + params.SkinSection);
        EXPECT_TRUE(add);
      }};
  TacSkinParams params;
  params.Control = kControl;
  EXPECT_TRUE(AskSkinItem(events, params));
  EXPECT_EQ(params.SkinSection, "PANEL_LOW");
  EXPECT_EQ(seen, kControl);
  EXPECT_EQ(calls, (std::vector<std::string>{"item", "item ex PANEL_LOW"}));

  calls.clear();
  events.OnSkinItem = [&](TControl*, bool& add, std::string&) { calls.push_back("item"); add = false; };
  TacSkinParams refused;
  EXPECT_FALSE(AskSkinItem(events, refused));
  EXPECT_EQ(calls, (std::vector<std::string>{"item"}));

  events.OnSkinItem = {};
  events.OnSkinItemEx = [](TControl*, bool& add, TacSkinParams&) { add = false; };
  EXPECT_FALSE(AskSkinItem(events, refused));
  EXPECT_TRUE(AskSkinItem({}, refused));
}

TEST(AdapterRules, HandlerClassOfTheLowestListHoldingTheName) {
  const ThirdPartyList lists = ManagerLists();
  struct Case {
    const char* className;
    HandlerClass handler;
  } cases[] = {
      {"TEdit", HandlerClass::TacEditWnd},           {"TListBox", HandlerClass::TacEditWnd},
      {"TButton", HandlerClass::TacBtnWnd},          {"TRadioButton", HandlerClass::TacCheckBoxWnd},
      {"TGroupBox", HandlerClass::TacGroupBoxWnd},   {"TPanel", HandlerClass::TacPanelWnd},
      {"TListView", HandlerClass::TacListViewWnd},   {"TTreeView", HandlerClass::TacTreeViewWnd},
      {"TPageControl", HandlerClass::TacPageControlWnd}, {"TTabControl", HandlerClass::TacTabControlWnd},
      {"TToolBar", HandlerClass::TacToolBarVCLWnd},  {"TStatusBar", HandlerClass::TacStatusBarWnd},
      {"TSpeedButton", HandlerClass::TacEditWnd},    {"TScrollBox", HandlerClass::TacScrollBoxWnd},
      {"TUpDown", HandlerClass::TacSpinWnd},         {"TScrollBar", HandlerClass::TacSBWnd},
      {"TStaticText", HandlerClass::TacStaticTextWnd}, {"TTrackBar", HandlerClass::None},
  };
  for (const Case& c : cases) EXPECT_EQ(HandlerClassOf(lists, c.className), c.handler) << c.className;

  ThirdPartyList own;
  own.Text(TacThirdKind::ThirdPanels) = "TFancy";
  own.Text(TacThirdKind::ThirdEdits) = "TOther\r\nTFancy";
  own.ReadTexts(ThirdPartyList::Defaults::None);
  EXPECT_EQ(HandlerClassOf(own, "TFancy"), HandlerClass::TacEditWnd);
}

TEST(AdapterRules, ProviderListsAreInForceOnlyWhenOneNamesAClass) {
  const ThirdPartyList manager = ManagerLists();
  ThirdPartyList own;
  for (int i = 0; i < kThirdListCount; ++i) own.Text(TacThirdKind(i)) = " \r\n";
  own.ReadTexts(ThirdPartyList::Defaults::None);
  EXPECT_EQ(&ListsInForce(own, manager), &manager);

  own.Text(TacThirdKind::ThirdStaticText) = "TCaption";
  own.ReadTexts(ThirdPartyList::Defaults::None);
  const ThirdPartyList& inForce = ListsInForce(own, manager);
  ASSERT_EQ(&inForce, &own);
  // The provider's lists replace the manager's wholly: TEdit is no longer listed.
  EXPECT_EQ(HandlerClassOf(inForce, "TCaption"), HandlerClass::TacStaticTextWnd);
  EXPECT_FALSE(Supported(Windowed("TEdit"), inForce, {}, kControl));
}

TEST(AdapterRules, SpeedButtonSectionFollowsFlat) {
  EXPECT_EQ(SpeedButtonSection(true), "SPEEDBUTTON_SMALL");
  EXPECT_EQ(SpeedButtonSection(false), "SPEEDBUTTON");
}

}  // namespace
