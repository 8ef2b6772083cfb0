#pragma once
// Which items of the skinned system menu a form shows and which of them are
// enabled, from its border icons, border style and window state; the same
// predicates decide whether the maximize and minimize title buttons show.
#include <array>
#include <cstdint>
#include <string_view>

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
