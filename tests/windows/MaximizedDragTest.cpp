// Dragging a maximized window's caption: the 5-pixel threshold and where the
// restored window lands under the pointer.
#include <gtest/gtest.h>

#include "skin/windows/MaximizedDrag.h"

namespace {

TEST(MaximizedDrag, OnlyAMoveBeyondFivePixelsRestoresAndOnlyOnce) {
  struct Case {
    const char* Name;
    TPoint Move;  // from a press at 100, 50
    bool Restores;
  };
  const Case cases[] = {
      {"no move", {100, 50}, false},  {"five right", {105, 50}, false}, {"five left and five up", {95, 45}, false},
      {"six right", {106, 50}, true}, {"six up", {100, 44}, true},      {"far away", {-30000, 30000}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    MaximizedDrag drag;
    drag.Press({100, 50});
    EXPECT_EQ(drag.Move(c.Move), c.Restores);
    EXPECT_EQ(drag.Pending(), !c.Restores);
    EXPECT_FALSE(drag.Move({400, 400}) && c.Restores) << "a restore happens once per press";
  }
}

TEST(MaximizedDrag, NothingWithoutAPressOrAfterTheRelease) {
  MaximizedDrag drag;
  EXPECT_FALSE(drag.Move({500, 500}));
  drag.Press({10, 10});
  drag.Cancel();
  EXPECT_FALSE(drag.Pending());
  EXPECT_FALSE(drag.Move({500, 500}));
}

TEST(MaximizedDrag, TheRestoredWindowIsCentredUnderThePointerWithItsTopAbove) {
  struct Case {
    const char* Name;
    TPoint Pointer;
    int32_t Width, MonitorTop;
    TPoint Expected;
  };
  const Case cases[] = {
      {"in the middle", {500, 300}, 400, 0, {300, 292}},
      {"odd width", {500, 300}, 401, 0, {300, 292}},
      {"just below the top strip", {500, 24}, 400, 0, {300, 16}},
      {"within 24 pixels of the top", {500, 23}, 400, 0, {300, -8}},
      {"at the top of a monitor lower down", {500, 110}, 400, 100, {300, 92}},
      {"left of the screen: the centre follows", {10, 300}, 400, 0, {-190, 292}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    EXPECT_EQ(RestoredUnderPointer(c.Pointer, c.Width, c.MonitorTop), c.Expected);
  }
}

}  // namespace
