// The tool bar and size grip handlers on plain windows of the real main
// window, the tool bar's buttons with the real pointer.
#include "skin/handlers/TacSizerWnd.h"
#include "skin/handlers/TacToolBarWnd.h"

#include "tests/handlers/HandlerWindows.h"

namespace {

constexpr uint32_t kBarGrey = 0xF0F0F0;  // the skin's "BAR" colour, as a pixel (RGB)

using BarHandlers = HandlerWindows;

TEST_F(BarHandlers, ToolBarButtonsFollowThePointerOnTheSkinsBar) {
  Make(TOOLBARCLASSNAMEW, TBSTYLE_FLAT | CCS_NORESIZE | CCS_NODIVIDER, {16, 240, 216, 270});
  SendMessageW(window, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  TBADDBITMAP standard{HINST_COMMCTRL, IDB_STD_SMALL_COLOR};
  SendMessageW(window, TB_ADDBITMAP, 0, LPARAM(&standard));
  TBBUTTON buttons[] = {
      {STD_FILEOPEN, 101, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0},
      {0, 0, TBSTATE_ENABLED, BTNS_SEP, {}, 0, 0},
      {STD_DELETE, 102, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0},
      {STD_PROPERTIES, 103, TBSTATE_ENABLED | TBSTATE_CHECKED, BTNS_CHECK, {}, 0, 0},
  };
  SendMessageW(window, TB_ADDBUTTONSW, 4, LPARAM(buttons));
  handler = TacMainWnd::Create<TacToolBarWnd>(window, false, {.DialogMode = true});
  const PixelBuffer normal = Shown();
  KeepPicture(normal, "views-toolbar");
  RECT first{}, checked{};
  SendMessageW(window, TB_GETITEMRECT, 0, LPARAM(&first));
  SendMessageW(window, TB_GETITEMRECT, 3, LPARAM(&checked));
  EXPECT_EQ(Rgb(normal.At(first.left + 1, first.top + 1)), kBarGrey);  // no face in the normal state
  EXPECT_NE(Rgb(normal.At(checked.left + 1, checked.top + 1)), kBarGrey);  // the checked face

  POINT at{(first.left + first.right) / 2, (first.top + first.bottom) / 2};
  ClientToScreen(window, &at);
  ASSERT_TRUE(MoveRealPointer(at));
  ASSERT_TRUE(PumpUntil([&] { return SendMessageW(window, TB_GETHOTITEM, 0, 0) == 0; }));
  const PixelBuffer hot = Shown();
  KeepPicture(hot, "views-toolbar-hot");
  EXPECT_NE(Rgb(hot.At(first.left + 1, first.top + 1)), kBarGrey);
  ASSERT_TRUE(MoveRealPointer({0, 0}));

  RemoveSkin();
  EXPECT_EQ(FindHandler(window), nullptr);
  EXPECT_NE(GetCapture(), window);
}

TEST_F(BarHandlers, SizeGripShowsTheSkinsGripAndGivesItBack) {
  Make(L"SCROLLBAR", SBS_SIZEGRIP, {300, 240, 317, 257});
  const PixelBuffer own = Shown();
  handler = TacMainWnd::Create<TacSizerWnd>(window, false, {.DialogMode = true});
  const PixelBuffer skinned = Shown();
  KeepPicture(skinned, "views-sizegrip");
  const PixelBuffer expected = static_cast<TacSizerWnd&>(*handler).Picture();
  ASSERT_EQ(expected.Width(), skinned.Width());
  EXPECT_EQ(DifferingPixels(skinned, expected), 0);
  RemoveSkin();
  const PixelBuffer back = Shown();
  EXPECT_EQ(DifferingPixels(own, back), 0);
}

}  // namespace
