#pragma once
// Which windows the default manager skins when they appear, and how a system
// dialog's frame looks: its kind, glyph set, title section, title buttons and
// system menu items. Portable rules of plain facts; the window side gathers
// the facts from the system and the toolkit.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "skin/windows/FrameGeometry.h"
#include "skin/windows/SystemMenuRules.h"

// Window style bits the rules read (the system's values).
namespace WindowStyle {
inline constexpr uint32_t Popup = 0x80000000u;
inline constexpr uint32_t Child = 0x40000000u;
inline constexpr uint32_t Caption = 0x00C00000u;
inline constexpr uint32_t Border = 0x00800000u;
inline constexpr uint32_t DialogFrame = 0x00400000u;
inline constexpr uint32_t SystemMenu = 0x00080000u;
inline constexpr uint32_t SizingFrame = 0x00040000u;
inline constexpr uint32_t MinimizeBox = 0x00020000u;
inline constexpr uint32_t MaximizeBox = 0x00010000u;
inline constexpr uint32_t ModalFrame = 0x00000080u;  // the dialog template's modal-frame bit
inline constexpr uint32_t ExContextHelp = 0x00000400u;
inline constexpr uint32_t ExStaticEdge = 0x00020000u;
}  // namespace WindowStyle

// How many skinned system dialogs may be visible at once; file dialogs are skinned beyond it.
inline constexpr int32_t kVisibleSkinnedDialogLimit = 2;

// What the default manager knows of a window that appears or is activated.
struct ConsiderFacts {
  bool DefaultManager = true;       // there is a default manager
  bool ApplicationLives = true;     // the application object exists and is not being destroyed
  bool HandlesSkinCommands = false; // the window answers AC_CTRLHANDLED: it is skinned already
  bool Watched = false;             // the window is on the watched list
  bool Popup = false;               // popup style
  bool HasBorder = true;            // any of the border, dialog-frame or sizing-frame style bits
  // A window of one of the toolkit's forms (or of an MDI child of one).
  bool ToolkitForm = false;
  bool MdiChild = false;
  bool FormLoading = false;         // the form is still reading its stored settings
  int32_t Tag = 0;                  // the form's Tag
  std::string ClassName;            // the form's class name, else the window class name
  bool HasParent = false;           // other windows: a parent window
  uint8_t SkinningRules = 0;        // the manager's srStdForms / srStdDialogs / srThirdParty
  int32_t VisibleSkinnedDialogs = 0;
};

enum class ConsiderResult {
  Ignore,
  FormProvider,  // a toolkit form gets an automatic skin provider
  SystemDialog,  // a system dialog is attached (the manager's OnSysDlgInit may still refuse it)
};

// The decision for one window. hasToolbarDescendant is only asked when the
// visible-dialog limit is reached: searching every child is the costly part.
ConsiderResult Consider(const ConsiderFacts& facts, const std::function<bool()>& hasToolbarDescendant);

// True for the toolkit form classes that never get an automatic provider (their popups draw themselves).
bool ExcludedFormClass(std::string_view className);

// A system dialog's kind, from its saved style: 0 modal frame, 2 captionless
// popup, 3 any other (sizing frame included). 1, 4 and 5 are the kinds of
// windows this program does not meet (maximizable dialogs, tool windows); the
// predicates below still answer them.
int32_t DialogKindOf(uint32_t style);
bool ToolWindowKind(int32_t kind);  // kinds 4 and 5: the small system caption

// Kinds 1 and 3 take the big title-button glyphs; the others the small set
// unless the skin has no small close glyph.
GlyphSet DialogGlyphSet(int32_t kind, bool skinHasSmallClose);
// Kinds 1 and 3 show "FORMTITLE"; the others "DIALOGTITLE" when the skin has it.
std::string_view DialogTitleSection(int32_t kind, bool skinHasDialogTitle);

// A dialog's frame facts from the styles saved when it was attached, and its live window state.
struct DialogFacts {
  uint32_t Style = 0;    // saved style (the system-menu bit is taken off the live window)
  uint32_t ExStyle = 0;
  int32_t Kind = 3;
  bool Zoomed = false;
  bool Iconic = false;
  bool CloseForbidden = false;  // the window class has the no-close class style
};

// The title buttons a dialog shows, counted from the right.
bool DialogShowsClose(const DialogFacts& f);
bool DialogShowsMaxMin(const DialogFacts& f);  // maximize and minimize show together, as the system does
bool DialogShowsHelp(const DialogFacts& f);
// Whether a pressed button acts; a disabled maximize or minimize answers the caption code.
bool DialogMaximizable(const DialogFacts& f);  // maximize box, a maximizable kind, not zoomed
bool DialogMaxEnabled(const DialogFacts& f);  // maximizable, or restorable
bool DialogMinEnabled(const DialogFacts& f);
bool DialogRestoreEnabled(const DialogFacts& f);
// The hit code of a title button of a dialog without border window: the
// button's own code when it acts, the caption code for a disabled maximize or
// minimize, 0 (the system decides) for a close the class forbids.
int32_t DialogButtonHit(const DialogFacts& f, TitleButton button);

// The dialog's skinned system menu: the six items, visible and enabled, in menu order.
std::array<SysItemState, kSysItemCount> DialogMenuItems(const DialogFacts& f);
