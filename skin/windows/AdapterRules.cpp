#include "skin/windows/AdapterRules.h"

#include <array>

#include "skin/data/ThirdPartyList.h"

namespace {

// By list, in TacThirdKind order. A windowed control named in the speed
// button list gets the edit handler: only windowless speed buttons are painted.
constexpr std::array<HandlerClass, kThirdListCount> kHandlerOfList = {
    HandlerClass::TacEditWnd,        HandlerClass::TacBtnWnd,         HandlerClass::TacBitBtnWnd,
    HandlerClass::TacCheckBoxWnd,    HandlerClass::TacComboBoxWnd,    HandlerClass::TacGridWnd,
    HandlerClass::TacGroupBoxWnd,    HandlerClass::TacListViewWnd,    HandlerClass::TacPanelWnd,
    HandlerClass::TacTreeViewWnd,    HandlerClass::TacWWComboBoxWnd,  HandlerClass::TacGridEhWnd,
    HandlerClass::TacVirtualTreeViewWnd, HandlerClass::TacPageControlWnd, HandlerClass::TacTabControlWnd,
    HandlerClass::TacToolBarVCLWnd,  HandlerClass::TacStatusBarWnd,   HandlerClass::TacEditWnd,
    HandlerClass::TacScrollBoxWnd,   HandlerClass::TacSpinWnd,        HandlerClass::TacSBWnd,
    HandlerClass::TacStaticTextWnd,  HandlerClass::TacNativePaint,
};

// Frames, forms and labels are taken unless the events refuse them or keep their font colour.
bool EventsTakeFontColor(const SkinItemEvents& events, TControl* control) {
  TacSkinParams params;
  params.Control = control;
  return AskSkinItem(events, params) && params.UseSkinFontColor;
}

}  // namespace

bool AskSkinItem(const SkinItemEvents& events, TacSkinParams& params) {
  bool canBeAdded = true;
  if (events.OnSkinItem) events.OnSkinItem(params.Control, canBeAdded, params.SkinSection);
  if (canBeAdded && events.OnSkinItemEx) events.OnSkinItemEx(params.Control, canBeAdded, params);
  return canBeAdded;
}

bool Excluded(const CandidateFacts& facts) {
  if (facts.Tag & kAuxiliaryTagBit) return true;
  bool windowed = facts.Kind == CandidateKind::Windowed || facts.Kind == CandidateKind::FrameOrForm;
  if (windowed && !facts.WindowExists) return true;
  return facts.HandlesSkinCommands;
}

bool Supported(const CandidateFacts& facts, const ThirdPartyList& lists, const SkinItemEvents& events,
               TControl* control) {
  if (Excluded(facts)) return false;
  switch (facts.Kind) {
    case CandidateKind::Windowed: return HandlerClassOf(lists, facts.ClassName) != HandlerClass::None;
    case CandidateKind::FrameOrForm:
    case CandidateKind::Label: return EventsTakeFontColor(events, control);
    case CandidateKind::SpeedButton: {
      if (HandlerClassOf(lists, facts.ClassName) == HandlerClass::None) return false;
      TacSkinParams params;
      params.Control = control;
      return AskSkinItem(events, params);
    }
    case CandidateKind::OtherGraphic: return false;
  }
  return false;
}

HandlerClass HandlerClassOf(const ThirdPartyList& lists, std::string_view className) {
  for (int i = 0; i < kThirdListCount; ++i)
    if (lists.Contains(TacThirdKind(i), className)) return kHandlerOfList[size_t(i)];
  return HandlerClass::None;
}

const ThirdPartyList& ListsInForce(const ThirdPartyList& own, const ThirdPartyList& manager) {
  return own.HasNames() ? own : manager;
}

std::string_view SpeedButtonSection(bool flat) { return flat ? "SPEEDBUTTON_SMALL" : "SPEEDBUTTON"; }
