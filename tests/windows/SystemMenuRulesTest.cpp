// Visibility and enabled state of the system menu's six items as a table.
#include <gtest/gtest.h>

#include "skin/windows/SystemMenuRules.h"
#include "tests/windows/SystemMenuItemsText.h"

namespace {

using S = MenuBorderStyle;
using W = MenuWindowState;

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
  for (const Case& c : cases) EXPECT_EQ(DescribeMenuItems(SystemMenuItems(c.Facts)), c.Items) << c.Name;
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

// The groups from top to bottom, one letter each: S user submenu, T top
// divider, B bottom divider, the standard items by their first letters
// (r m s n x c), - the standard divider, W a window item, w its divider.
std::string Letters(const std::vector<SysMenuEntry>& entries) {
  std::string out;
  for (const SysMenuEntry& e : entries) {
    switch (e.Kind) {
      case SysEntryKind::SubMenu: out += 'S'; break;
      case SysEntryKind::TopDiv: out += 'T'; break;
      case SysEntryKind::BtmDiv: out += 'B'; break;
      case SysEntryKind::Standard: out += "rmsnxc"[e.Index]; break;
      case SysEntryKind::StandardDiv: out += '-'; break;
      case SysEntryKind::WindowItem: out += 'W'; break;
      case SysEntryKind::WindowDiv: out += 'w'; break;
    }
  }
  return out;
}

TEST(SystemMenuRules, OrderOfTheGroupsWithTheUserSubmenuAtEachPosition) {
  using P = TacSubMenuPosition;
  struct Case {
    bool SubMenu;
    P Position;
    std::vector<int> WindowItems;
    const char* Order;
  };
  const Case cases[] = {
      {false, P::ipBeforeClose, {}, "rmsnx-c"},
      {true, P::ipTop, {}, "STrmsnx-c"},
      {true, P::ipBeforeClose, {}, "rmsnx-STc"},
      {true, P::ipBottom, {}, "rmsnx-cBS"},
      {true, P::ipBeforeClose, {7, 8}, "rmsnx-WWwSTc"},
      {false, P::ipTop, {7}, "rmsnx-Wwc"},
  };
  for (const Case& c : cases) {
    const auto order = SystemMenuOrder(c.SubMenu, c.Position, c.WindowItems);
    EXPECT_EQ(Letters(order), c.Order);
    if (!c.WindowItems.empty()) {
      EXPECT_EQ(order[6], (SysMenuEntry{SysEntryKind::WindowItem, c.WindowItems[0]}));
    }
  }
}

TEST(SkinMenu, RadioItemsNamedByIndexWithTheCurrentSkinCheckedAndAColumnEvery20) {
  std::vector<std::string> skins;
  for (int i = 0; i < 45; ++i) skins.push_back("skin " + std::to_string(i));
  skins[0] = "windows 10 (internal)";
  const auto items = SkinMenuItems(skins, "skin 7");
  ASSERT_EQ(items.size(), 45u);
  std::vector<size_t> breaks, checked;
  for (size_t i = 0; i < items.size(); ++i) {
    if (items[i].Break) breaks.push_back(i);
    if (items[i].Checked) checked.push_back(i);
  }
  EXPECT_EQ(breaks, (std::vector<size_t>{20, 40}));  // three columns
  EXPECT_EQ(checked, (std::vector<size_t>{7}));
  EXPECT_EQ(items[0], (SkinMenuItem{"SkinSelectItem0", "windows 10 (internal)", false, false}));
  EXPECT_EQ(items[44].Name, "SkinSelectItem44");
  EXPECT_TRUE(SkinMenuItems({}, "x").empty());
  EXPECT_EQ(SkinMenuItems({"a", "b"}, "c")[1], (SkinMenuItem{"SkinSelectItem1", "b", false, false}));
}

TEST(SkinMenu, TheChosenCaptionLosesItsAmpersandsAndWhatFollowsInternal) {
  struct Case {
    const char* Caption;
    const char* Name;
  };
  const Case cases[] = {
      {"windows 10 (internal)", "windows 10 (internal)"},
      {"&windows 10 (internal)", "windows 10 (internal)"},
      {"win&dows 10 (internal)\tAlt+1", "windows 10 (internal)"},
      {"Dark &&Blue", "Dark Blue"},
      {"Plain", "Plain"},
      {"", ""},
      {"(internal)", "(internal)"},
  };
  for (const Case& c : cases) EXPECT_EQ(SkinNameOfMenuCaption(c.Caption), c.Name) << c.Caption;
}

}  // namespace
