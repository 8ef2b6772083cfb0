// Visibility and enabled state of the system menu's six items as a table.
#include <gtest/gtest.h>

#include "skin/windows/SystemMenuRules.h"

namespace {

using S = MenuBorderStyle;
using W = MenuWindowState;

// Visible and enabled bits per item, in menu order: "VE" per item, '-' for off (an invisible item shows "--").
std::string Describe(const std::array<SysItemState, kSysItemCount>& items) {
  std::string out;
  for (const SysItemState& i : items) {
    out += i.Visible ? 'V' : '-';
    out += i.Visible && i.Enabled ? 'E' : '-';
    out += ' ';
  }
  out.pop_back();
  return out;
}

TEST(SystemMenuRules, ItemsOfEveryKindOfForm) {
  struct Case {
    const char* Name;
    SystemMenuFacts Facts;
    const char* Items;  // Restore Move Size Minimize Maximize Close
  };
  SystemMenuFacts dialog;
  dialog.Style = S::Dialog;
  dialog.Minimize = dialog.Maximize = false;
  SystemMenuFacts sizeable;
  SystemMenuFacts maximized;
  maximized.State = W::Maximized;
  SystemMenuFacts minimizedChild;
  minimizedChild.State = W::Minimized;
  minimizedChild.MainForm = false;
  SystemMenuFacts single;
  single.Style = S::Single;
  single.Maximize = false;
  SystemMenuFacts greyedClose = dialog;
  greyedClose.CloseGreyed = true;
  SystemMenuFacts noSystemMenu;
  noSystemMenu.SystemMenu = false;
  const Case cases[] = {
      // The main window: only Move and Close.
      {"dialog", dialog, "-- VE -- -- -- VE"},
      {"sizeable", sizeable, "V- VE VE VE VE VE"},
      {"maximized", maximized, "VE V- VE VE VE VE"},
      {"minimized, not the main form", minimizedChild, "VE VE V- V- VE VE"},
      {"single, no maximize", single, "V- VE V- VE -- VE"},
      {"greyed close", greyedClose, "-- VE -- -- -- V-"},
      {"no system menu", noSystemMenu, "-- VE VE -- -- --"},
  };
  for (const Case& c : cases) EXPECT_EQ(Describe(SystemMenuItems(c.Facts)), c.Items) << c.Name;
}

TEST(SystemMenuRules, TitleButtonPredicates) {
  SystemMenuFacts f;
  EXPECT_TRUE(VisibleMax(f) && VisibleMin(f) && EnabledMax(f) && EnabledMin(f));
  EXPECT_FALSE(EnabledRestore(f));
  f.Style = S::Dialog;
  EXPECT_FALSE(VisibleMax(f) || VisibleMin(f) || EnabledMax(f));
  f.Style = S::Sizeable;
  f.Maximize = false;
  EXPECT_FALSE(VisibleMax(f));
  EXPECT_FALSE(EnabledMax(f));
}

}  // namespace
