// The frame mode of a skinned form as a table of facts.
#include <gtest/gtest.h>

#include "skin/windows/FrameModeRules.h"

namespace {

TEST(FrameModeRules, ExtendedBordersNeedEverySwitchAndGiveWayToNativeBordersWhileMaximized) {
  FrameModeFacts on;
  on.ManagerExtendedBorders = true;
  struct Case {
    const char* Name;
    FrameModeFacts Facts;
    bool Extended;
  };
  auto with = [&](auto change) {
    FrameModeFacts f = on;
    change(f);
    return f;
  };
  const Case cases[] = {
      {"all on", on, true},
      {"manager off", with([](FrameModeFacts& f) { f.ManagerExtendedBorders = false; }), false},
      {"provider disallows", with([](FrameModeFacts& f) { f.AllowExtBorders = false; }), false},
      {"system frame", with([](FrameModeFacts& f) { f.DrawNonClientArea = false; }), false},
      {"borderless", with([](FrameModeFacts& f) { f.HasBorder = false; }), false},
      {"child window", with([](FrameModeFacts& f) { f.ChildWindow = true; }), false},
      {"MDI child", with([](FrameModeFacts& f) { f.MdiChild = true; }), false},
      {"maximized", with([](FrameModeFacts& f) { f.Maximized = true; }), true},
      {"native borders, not maximized", with([](FrameModeFacts& f) { f.NativeBordersMaximized = true; }), true},
      {"native borders, maximized", with([](FrameModeFacts& f) { f.NativeBordersMaximized = f.Maximized = true; }),
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    EXPECT_EQ(ExtendedBordersWanted(c.Facts), c.Extended);
  }
}

}  // namespace
