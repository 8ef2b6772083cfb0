// The list and tree view handlers on plain views of the real main window,
// with the real pointer over the list view's header.
#include "skin/handlers/TacListViewWnd.h"
#include "skin/handlers/TacTreeViewWnd.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include "skin/data/SkinCommands.h"
#include "tests/gui/GuiDriver.h"

namespace {

uint32_t Rgb(uint32_t pixel) { return pixel & 0xFFFFFF; }
constexpr COLORREF kSkinWhite = RGB(255, 255, 255);  // the skin's "EDIT" colour

class ViewHandlers : public testing::Test {
 protected:
  void SetUp() override {
    InitCommonControls();
    driver = std::make_unique<GuiDriver>();
    SetForegroundWindow(F().WindowHandle());
    MoveRealPointer({0, 0});
    driver->Pump();
  }
  void TearDown() override {
    handler.reset();
    if (view) DestroyWindow(view);
    driver.reset();
  }
  TForm1& F() { return driver->Form(); }
  HWND Make(const wchar_t* className, DWORD style) {
    HWND made = CreateWindowExW(WS_EX_CLIENTEDGE, className, L"", WS_CHILD | WS_VISIBLE | style, 16, 16, 220, 140,
                                F().WindowHandle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    SetWindowPos(made, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    return made;
  }
  void Settle() {
    RedrawWindow(view, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    driver->Pump();
  }
  void RemoveSkin() { SendMessageW(view, kSkinMessage, SkinCommandParam(AC_REMOVESKIN), LPARAM(handler->Manager())); }

  std::unique_ptr<GuiDriver> driver;
  HWND view = nullptr;
  std::unique_ptr<TacEditWnd> handler;
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
  view = Make(WC_LISTVIEWW, LVS_REPORT);
  const HWND header = MakeReport(view);
  SendMessageW(view, LVM_SETBKCOLOR, 0, RGB(200, 210, 220));
  Settle();
  auto* list = TacMainWnd::Create<TacListViewWnd>(view, true, {.DialogMode = true}).release();
  handler.reset(list);
  Settle();
  KeepPicture(CaptureWindow(view), "views-listview");
  EXPECT_EQ(COLORREF(SendMessageW(view, LVM_GETBKCOLOR, 0, 0)), kSkinWhite);
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
  EXPECT_EQ(COLORREF(SendMessageW(view, LVM_GETBKCOLOR, 0, 0)), RGB(200, 210, 220));
  EXPECT_NE(GetCapture(), view);
  EXPECT_FALSE(KillTimer(view, kScrollHoverTimer));
}

TEST_F(ViewHandlers, TreeViewTakesTheSkinsColoursAndGivesThemBack) {
  view = Make(WC_TREEVIEWW, TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT);
  TVINSERTSTRUCTW insert{};
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT;
  insert.item.pszText = const_cast<wchar_t*>(L"Документы");
  const LRESULT root = SendMessageW(view, TVM_INSERTITEMW, 0, LPARAM(&insert));
  insert.hParent = reinterpret_cast<HTREEITEM>(root);
  insert.item.pszText = const_cast<wchar_t*>(L"Портфолио");
  SendMessageW(view, TVM_INSERTITEMW, 0, LPARAM(&insert));
  SendMessageW(view, TVM_EXPAND, TVE_EXPAND, root);
  const LRESULT own = SendMessageW(view, TVM_GETBKCOLOR, 0, 0);
  handler = TacMainWnd::Create<TacTreeViewWnd>(view, true, {.DialogMode = true});
  Settle();
  KeepPicture(CaptureWindow(view), "views-treeview");
  EXPECT_EQ(COLORREF(SendMessageW(view, TVM_GETBKCOLOR, 0, 0)), kSkinWhite);
  EXPECT_EQ(COLORREF(SendMessageW(view, TVM_GETTEXTCOLOR, 0, 0)), RGB(0, 0, 0));
  RemoveSkin();
  EXPECT_EQ(SendMessageW(view, TVM_GETBKCOLOR, 0, 0), own);
}

}  // namespace
