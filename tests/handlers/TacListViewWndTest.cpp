// The list and tree view handlers on plain views of the real main window,
// with the real pointer over the list view's header.
#include "skin/handlers/TacListViewWnd.h"
#include "skin/handlers/TacTreeViewWnd.h"

#include "tests/handlers/HandlerWindows.h"

namespace {

constexpr COLORREF kSkinWhite = RGB(255, 255, 255);  // the skin's "EDIT" colour

class ViewHandlers : public HandlerWindows {
 protected:
  void MakeView(const wchar_t* className, DWORD style) { Make(className, style, {16, 16, 236, 156}, WS_EX_CLIENTEDGE); }
};

HWND MakeReport(HWND list) {
  const wchar_t* names[] = {L"Имя", L"Размер", L"Тип"};
  for (int i = 0; i < 3; ++i) {
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.fmt = i == 1 ? LVCFMT_RIGHT : LVCFMT_LEFT;
    column.cx = 60;
    column.pszText = const_cast<wchar_t*>(names[i]);
    SendMessageW(list, LVM_INSERTCOLUMNW, WPARAM(i), LPARAM(&column));
  }
  for (int i = 0; i < 30; ++i) {
    const std::wstring text = L"файл " + std::to_wstring(i) + L".pdf";
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = i;
    item.pszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(list, LVM_INSERTITEMW, 0, LPARAM(&item));
  }
  return reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
}

TEST_F(ViewHandlers, ListViewTakesTheSkinsColoursBarsAndHeaderAndGivesThemBack) {
  MakeView(WC_LISTVIEWW, LVS_REPORT);
  const HWND header = MakeReport(window);
  SendMessageW(window, LVM_SETBKCOLOR, 0, RGB(200, 210, 220));
  Shown();
  auto* list = TacMainWnd::Create<TacListViewWnd>(window, true, {.DialogMode = true}).release();
  handler.reset(list);
  Shown();
  KeepPicture(CaptureWindow(window), "views-listview");
  EXPECT_EQ(COLORREF(SendMessageW(window, LVM_GETBKCOLOR, 0, 0)), kSkinWhite);
  EXPECT_TRUE(list->Frame().VertVisible);  // thirty rows do not fit: the skinned bar is there
  ASSERT_NE(list->HeaderHandler(), nullptr);
  EXPECT_EQ(FindHandler(header), list->HeaderHandler());

  // The pointer over the second column makes it hot, and only it.
  RECT second{};
  SendMessageW(header, HDM_GETITEMRECT, 1, LPARAM(&second));
  POINT at{(second.left + second.right) / 2, (second.top + second.bottom) / 2};
  ClientToScreen(header, &at);
  ASSERT_TRUE(MoveRealPointer(at));
  ASSERT_TRUE(PumpUntil([&] { return list->HeaderHandler()->Look().Hot == 1; }));
  RedrawWindow(header, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  const PixelBuffer hot = CaptureWindow(header);
  KeepPicture(hot, "views-listview-header-hot");
  EXPECT_NE(Rgb(hot.At(second.left + 3, 3)), Rgb(hot.At(3, 3)));
  ASSERT_TRUE(MoveRealPointer({0, 0}));
  EXPECT_TRUE(PumpUntil([&] { return list->HeaderHandler()->Look().Hot == -1; }));
  RedrawWindow(header, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  const PixelBuffer normal = CaptureWindow(header);
  EXPECT_EQ(Rgb(normal.At(second.left + 3, 3)), Rgb(normal.At(3, 3)));

  RemoveSkin();
  EXPECT_TRUE(list->Detached());
  EXPECT_EQ(FindHandler(header), nullptr);
  EXPECT_EQ(COLORREF(SendMessageW(window, LVM_GETBKCOLOR, 0, 0)), RGB(200, 210, 220));
  EXPECT_NE(GetCapture(), window);
  EXPECT_FALSE(KillTimer(window, kScrollHoverTimer));
}

TEST_F(ViewHandlers, TreeViewTakesTheSkinsColoursAndGivesThemBack) {
  MakeView(WC_TREEVIEWW, TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT);
  TVINSERTSTRUCTW insert{};
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT;
  insert.item.pszText = const_cast<wchar_t*>(L"Документы");
  const LRESULT root = SendMessageW(window, TVM_INSERTITEMW, 0, LPARAM(&insert));
  insert.hParent = reinterpret_cast<HTREEITEM>(root);
  insert.item.pszText = const_cast<wchar_t*>(L"Портфолио");
  SendMessageW(window, TVM_INSERTITEMW, 0, LPARAM(&insert));
  SendMessageW(window, TVM_EXPAND, TVE_EXPAND, root);
  const LRESULT own = SendMessageW(window, TVM_GETBKCOLOR, 0, 0);
  handler = TacMainWnd::Create<TacTreeViewWnd>(window, true, {.DialogMode = true});
  Shown();
  KeepPicture(CaptureWindow(window), "views-treeview");
  EXPECT_EQ(COLORREF(SendMessageW(window, TVM_GETBKCOLOR, 0, 0)), kSkinWhite);
  EXPECT_EQ(COLORREF(SendMessageW(window, TVM_GETTEXTCOLOR, 0, 0)), RGB(0, 0, 0));
  RemoveSkin();
  EXPECT_EQ(SendMessageW(window, TVM_GETBKCOLOR, 0, 0), own);
}

}  // namespace
