#pragma once
// The control adapter's decisions, apart from any window: which controls of a
// form it may skin, what the provider's events say about one, and which
// window handler class serves a class name. The facts about a control are
// gathered by the window side into CandidateFacts. Portable.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

class TControl;
class ThirdPartyList;

// The window handler classes the adapter attaches, one per class-name list
// (TacThirdKind order); None: the class has no handler.
enum class HandlerClass : uint8_t {
  None, TacEditWnd, TacBtnWnd, TacBitBtnWnd, TacCheckBoxWnd, TacComboBoxWnd, TacGridWnd,
  TacGroupBoxWnd, TacListViewWnd, TacPanelWnd, TacTreeViewWnd, TacWWComboBoxWnd, TacGridEhWnd,
  TacVirtualTreeViewWnd, TacPageControlWnd, TacTabControlWnd, TacToolBarVCLWnd, TacStatusBarWnd,
  TacScrollBoxWnd, TacSpinWnd, TacSBWnd, TacStaticTextWnd, TacNativePaint,
};

// How a control is to be skinned: handed to OnSkinItemEx and to the handler.
struct TacSkinParams {
  std::string SkinSection;        // empty: the handler's default
  bool UseSkinFontColor = true;
  bool UseSkinColor = true;
  int VertScrollWidth = -1;       // bar thickness and arrow length; -1: the skin's
  int HorzScrollWidth = -1;
  int VertScrollBtnSize = -1;
  int HorzScrollBtnSize = -1;
  TControl* Control = nullptr;
};

// The provider's events, asked about every control before it is skinned;
// both start with canBeAdded true.
using TSkinItemEvent = std::function<void(TControl* control, bool& canBeAdded, std::string& section)>;
using TSkinItemExEvent = std::function<void(TControl* control, bool& canBeAdded, TacSkinParams& params)>;
struct SkinItemEvents {
  TSkinItemEvent OnSkinItem;
  TSkinItemExEvent OnSkinItemEx;
};

// OnSkinItem first (it may change the section), OnSkinItemEx only when the
// first left the control addable. Returns whether the control may be skinned.
bool AskSkinItem(const SkinItemEvents& events, TacSkinParams& params);

enum class CandidateKind {
  Windowed,      // a windowed control, or a non-visual component
  FrameOrForm,
  Label,         // the toolkit's label family
  SpeedButton,   // the toolkit's speed button family
  OtherGraphic,  // any other windowless control
};

struct CandidateFacts {
  CandidateKind Kind = CandidateKind::Windowed;
  std::string ClassName;             // exact, no parent classes
  int Tag = 0;
  bool WindowExists = false;         // windowed controls only
  bool HandlesSkinCommands = false;  // answers skin command 7: an engine control
};

// The tag bit that every auxiliary window of the engine carries.
inline constexpr int kAuxiliaryTagBit = 256;

// Never skinned by the adapter: an auxiliary window, a windowed control
// without its window yet, or an engine control.
bool Excluded(const CandidateFacts& facts);

// The adapter may skin the control (the events are asked where it depends on them).
bool Supported(const CandidateFacts& facts, const ThirdPartyList& lists, const SkinItemEvents& events,
               TControl* control);

// The handler class of the first (lowest) list holding the class name.
HandlerClass HandlerClassOf(const ThirdPartyList& lists, std::string_view className);

// The provider's own lists when one of them names a class, else the manager's.
const ThirdPartyList& ListsInForce(const ThirdPartyList& own, const ThirdPartyList& manager);

// A plain speed button's section.
std::string_view SpeedButtonSection(bool flat);
