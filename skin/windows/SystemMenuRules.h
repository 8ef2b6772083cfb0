#pragma once
// Which items of the skinned system menu a form shows and which of them are
// enabled, from its border icons, border style and window state; the same
// predicates decide whether the maximize and minimize title buttons show.
// Also the order of the menu's groups (with the user submenu where its
// position puts it) and the skin-selection submenu's items.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

enum class MenuBorderStyle { None, Single, Sizeable, Dialog, ToolWindow, SizeToolWin };
enum class MenuWindowState { Normal, Minimized, Maximized };

struct SystemMenuFacts {
  bool SystemMenu = true, Minimize = true, Maximize = true;  // border icons
  MenuBorderStyle Style = MenuBorderStyle::Sizeable;
  MenuWindowState State = MenuWindowState::Normal;
  bool MdiChild = false;
  bool MainForm = true;             // the application's main form
  bool HasCloseItem = true;         // the window's system menu has a close item
  bool CloseGreyed = false;         // ... and it is greyed
};

// The six standard items in menu order, with their system commands.
enum class SysItem { Restore, Move, Size, Minimize, Maximize, Close };
inline constexpr int kSysItemCount = 6;
inline constexpr std::array<uint32_t, kSysItemCount> kSysItemCommands = {0xF120, 0xF010, 0xF000,
                                                                         0xF020, 0xF030, 0xF060};
inline constexpr std::array<std::string_view, kSysItemCount> kSysItemNames = {"acIR", "acIM", "acIS",
                                                                              "acIN", "acIX", "acIC"};
// Captions when the window's own system menu has no text for a command.
inline constexpr std::array<std::string_view, kSysItemCount> kSysItemDefaultCaptions = {
    "Restore", "Move", "Size", "Minimize", "Maximize", "Close"};

struct SysItemState {
  bool Visible = false;
  bool Enabled = false;
};

bool VisibleMax(const SystemMenuFacts& f);
bool VisibleMin(const SystemMenuFacts& f);
bool EnabledMax(const SystemMenuFacts& f);
bool EnabledMin(const SystemMenuFacts& f);
bool EnabledRestore(const SystemMenuFacts& f);

std::array<SysItemState, kSysItemCount> SystemMenuItems(const SystemMenuFacts& f);

// Where the user submenu goes in the system menu.
enum class TacSubMenuPosition { ipTop, ipBottom, ipBeforeClose };

// The system menu from top to bottom. Index: the SysItem of a standard item,
// the position in the window's system menu of a window item, else 0.
enum class SysEntryKind { SubMenu, TopDiv, BtmDiv, Standard, StandardDiv, WindowItem, WindowDiv };
struct SysMenuEntry {
  SysEntryKind Kind;
  int Index = 0;
  bool operator==(const SysMenuEntry&) const = default;
};
// subMenu: the user submenu is shown (caption and popup menu set);
// windowItems: the positions of the window's own items (commands outside 0xF000..0xF1FF).
std::vector<SysMenuEntry> SystemMenuOrder(bool subMenu, TacSubMenuPosition position, const std::vector<int>& windowItems);

// Names of the system menu's own items.
inline constexpr std::string_view kSubMenuName = "ac_SubMenu";
inline constexpr std::string_view kTopDivName = "ac_TopDiv";
inline constexpr std::string_view kBtmDivName = "ac_BtmDiv";
inline constexpr std::string_view kCopySuffix = "Copy";  // appended to a copied item's name

// The skin-selection submenu: one radio item per available skin.
inline constexpr std::string_view kSkinSelectName = "SkinSelectItem";
inline constexpr std::string_view kSkinSelectCaption = "Available styles";
inline constexpr int kSkinMenuColumn = 20;  // items per column
struct SkinMenuItem {
  std::string Name;     // "SkinSelectItem" and the skin's index
  std::string Caption;  // the skin's name
  bool Checked = false; // the skin in force
  bool Break = false;   // starts a new column
  bool operator==(const SkinMenuItem&) const = default;
};
std::vector<SkinMenuItem> SkinMenuItems(const std::vector<std::string>& skins, std::string_view current);
// The skin name a chosen item stands for: its caption without "&" (the menu's
// accelerator marks), cut after "(internal)" when that occurs.
std::string SkinNameOfMenuCaption(std::string_view caption);
