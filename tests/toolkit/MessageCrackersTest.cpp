// The crackers keep signs where the system packs signed values (points, wheel
// steps) and widths where it packs unsigned ones (sizes, ids).
#include <gtest/gtest.h>

#include "toolkit/MessageCrackers.h"

namespace {

TEST(MessageCrackersTest, PointsAndWheelStepsKeepTheirSign) {
  struct Case {
    TMessage message;
    TPoint point;
  };
  const Case cases[] = {
      {{WM_MOUSEMOVE, 0, MAKELPARAM(-5, -32768)}, {-5, -32768}},  // left of and above the window
      {{WM_NCHITTEST, 0, MAKELPARAM(1919, 32767)}, {1919, 32767}},
      {{WM_CONTEXTMENU, 0, LPARAM(-1)}, {-1, -1}},                // sign-extended: opened from the keyboard
  };
  for (const Case& c : cases) EXPECT_EQ(PointOf(c.message), c.point) << c.message.Msg;

  TMessage wheel{WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL | MK_LBUTTON, WORD(-2 * WHEEL_DELTA)), MAKELPARAM(-300, 20)};
  EXPECT_EQ(WheelDeltaOf(wheel), -2 * WHEEL_DELTA);
  EXPECT_EQ(MouseKeysOf(wheel), UINT(MK_CONTROL | MK_LBUTTON));
  EXPECT_EQ(PointOf(wheel), (TPoint{-300, 20}));
}

TEST(MessageCrackersTest, SizesIdsAndCommandsAreUnsigned) {
  EXPECT_EQ(ClientSizeOf({WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(40000, 3)}), (TSize{40000, 3}));
  TMessage command{WM_COMMAND, MAKEWPARAM(0xFFF0, EN_CHANGE), 0};
  EXPECT_EQ(CommandIdOf(command), 0xFFF0u);
  EXPECT_EQ(NotifyCodeOf(command), UINT(EN_CHANGE));
  EXPECT_EQ(CommandWindowOf(command), nullptr);
  EXPECT_EQ(SysCommandOf({WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0}), UINT(SC_MOVE));  // a caption drag
}

TEST(MessageCrackersTest, ButtonsOfClientAndFrameMessages) {
  struct Case {
    UINT msg;
    TMouseButton button;
    bool down, up;
  };
  const Case cases[] = {
      {WM_LBUTTONDBLCLK, TMouseButton::mbLeft, true, false},
      {WM_RBUTTONUP, TMouseButton::mbRight, false, true},
      {WM_MBUTTONDOWN, TMouseButton::mbMiddle, true, false},
      {WM_NCRBUTTONDOWN, TMouseButton::mbRight, false, false},  // the frame's are not client presses
      {WM_NCMBUTTONUP, TMouseButton::mbMiddle, false, false},
      {WM_MOUSEMOVE, TMouseButton::mbLeft, false, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ButtonOf(c.msg), c.button) << std::hex << c.msg;
    EXPECT_EQ(IsButtonDown(c.msg), c.down) << std::hex << c.msg;
    EXPECT_EQ(IsButtonUp(c.msg), c.up) << std::hex << c.msg;
  }
}

}  // namespace
