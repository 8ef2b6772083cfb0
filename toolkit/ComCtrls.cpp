#include "toolkit/ComCtrls.h"

#include <commctrl.h>

#include "toolkit/Cp1251.h"

void InitCommonControlClasses() {
  static const bool registered = [] {
    INITCOMMONCONTROLSEX init{sizeof(init), ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES | ICC_TAB_CLASSES |
                                                ICC_BAR_CLASSES | ICC_UPDOWN_CLASS};
    return InitCommonControlsEx(&init) != FALSE;
  }();
  (void)registered;
}

void TCommonControl::UseSystemClass(TCreateParams& params, const wchar_t* systemClass) {
  InitCommonControlClasses();
  params.SystemClass = systemClass;
}

// ---- TListView

TListView::TListView(TComponent* owner) : TCommonControl(owner) {
  color_ = clWindow;
  TabStop = true;
}

void TListView::CreateParams(TCreateParams& params) {
  TCommonControl::CreateParams(params);
  UseSystemClass(params, WC_LISTVIEWW);
  params.Style |= LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SINGLESEL;
  params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TListView::WindowCreated() {
  for (size_t i = 0; i < Columns.size(); ++i) {
    std::wstring caption = Cp1251::ToWide(Columns[i].Caption);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = Columns[i].Width;
    column.pszText = caption.data();
    SendMessageW(WindowHandle(), LVM_INSERTCOLUMNW, i, LPARAM(&column));
  }
  for (size_t i = 0; i < items_.size(); ++i) InsertItem(int(i), items_[i]);
  TCommonControl::WindowCreated();
}

void TListView::AddItem(const std::vector<std::string>& cells) {
  items_.push_back(cells);
  if (WindowHandle()) InsertItem(int(items_.size() - 1), cells);
}

void TListView::InsertItem(int index, const std::vector<std::string>& cells) {
  for (size_t cell = 0; cell < cells.size(); ++cell) {
    std::wstring text = Cp1251::ToWide(cells[cell]);
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = index;
    item.iSubItem = int(cell);
    item.pszText = text.data();
    SendMessageW(WindowHandle(), cell == 0 ? LVM_INSERTITEMW : LVM_SETITEMW, 0, LPARAM(&item));
  }
}

// ---- TTreeView

TTreeView::TTreeView(TComponent* owner) : TCommonControl(owner) {
  color_ = clWindow;
  TabStop = true;
}

void TTreeView::CreateParams(TCreateParams& params) {
  TCommonControl::CreateParams(params);
  UseSystemClass(params, WC_TREEVIEWW);
  params.Style |= TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS;
  params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TTreeView::WindowCreated() {
  handles_.assign(nodes_.size(), nullptr);
  for (size_t i = 0; i < nodes_.size(); ++i) InsertNode(i);
  for (void* node : handles_) SendMessageW(WindowHandle(), TVM_EXPAND, TVE_EXPAND, LPARAM(node));
  TCommonControl::WindowCreated();
}

int TTreeView::AddNode(int parent, const std::string& text) {
  // A parent must be an earlier node, so the system's items are made in order.
  if (parent >= int(nodes_.size())) parent = -1;
  nodes_.push_back({parent, text});
  if (WindowHandle()) {
    handles_.resize(nodes_.size(), nullptr);
    InsertNode(nodes_.size() - 1);
  }
  return int(nodes_.size() - 1);
}

void TTreeView::InsertNode(size_t index) {
  std::wstring text = Cp1251::ToWide(nodes_[index].Text);
  TVINSERTSTRUCTW insert{};
  int parent = nodes_[index].Parent;
  insert.hParent = parent < 0 ? TVI_ROOT : HTREEITEM(handles_[size_t(parent)]);
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT;
  insert.item.pszText = text.data();
  handles_[index] = reinterpret_cast<void*>(SendMessageW(WindowHandle(), TVM_INSERTITEMW, 0, LPARAM(&insert)));
}

// ---- TTabControl

void TTabControl::CreateParams(TCreateParams& params) {
  TCommonControl::CreateParams(params);
  UseSystemClass(params, WC_TABCONTROLW);
  params.Style |= WS_CLIPCHILDREN;
}

void TTabControl::WindowCreated() {
  for (size_t i = 0; i < tabs_.size(); ++i) InsertTab(int(i));
  SendMessageW(WindowHandle(), TCM_SETCURSEL, WPARAM(tabIndex_), 0);
  TCommonControl::WindowCreated();
}

void TTabControl::AddTab(const std::string& caption) {
  tabs_.push_back(caption);
  if (WindowHandle()) InsertTab(int(tabs_.size() - 1));
}

void TTabControl::InsertTab(int index) {
  std::wstring text = Cp1251::ToWide(tabs_[size_t(index)]);
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = text.data();
  SendMessageW(WindowHandle(), TCM_INSERTITEMW, WPARAM(index), LPARAM(&item));
}

int TTabControl::TabIndex() const {
  return WindowHandle() ? int(SendMessageW(WindowHandle(), TCM_GETCURSEL, 0, 0)) : tabIndex_;
}

void TTabControl::SetTabIndex(int index) {
  tabIndex_ = index;
  if (WindowHandle()) SendMessageW(WindowHandle(), TCM_SETCURSEL, WPARAM(index), 0);
}

// ---- TToolBar

void TToolBar::CreateParams(TCreateParams& params) {
  TCommonControl::CreateParams(params);
  UseSystemClass(params, TOOLBARCLASSNAMEW);
  // Placed by its bounds like every control, not stretched along its parent's top;
  // opaque, so that it does not depend on how its parent paints behind it.
  params.Style |= TBSTYLE_LIST | CCS_NODIVIDER | CCS_NOPARENTALIGN | CCS_NORESIZE;
}

void TToolBar::WindowCreated() {
  SendMessageW(WindowHandle(), TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  SendMessageW(WindowHandle(), TB_SETBITMAPSIZE, 0, MAKELPARAM(0, 0));
  for (size_t i = 0; i < buttons_.size(); ++i) InsertButton(i);
  TCommonControl::WindowCreated();
}

void TToolBar::AddButton(const std::string& caption) {
  buttons_.push_back(caption);
  if (WindowHandle()) InsertButton(buttons_.size() - 1);
}

void TToolBar::InsertButton(size_t index) {
  std::wstring text = Cp1251::ToWide(buttons_[index]);
  TBBUTTON button{};
  button.iBitmap = I_IMAGENONE;
  button.idCommand = int(index + 1);
  button.fsState = TBSTATE_ENABLED;
  button.fsStyle = text.empty() ? BTNS_SEP : BTNS_BUTTON | BTNS_AUTOSIZE | BTNS_SHOWTEXT;
  button.iString = text.empty() ? 0 : INT_PTR(text.c_str());
  SendMessageW(WindowHandle(), TB_INSERTBUTTONW, index, LPARAM(&button));
}

// ---- TStatusBar

void TStatusBar::CreateParams(TCreateParams& params) {
  TCommonControl::CreateParams(params);
  UseSystemClass(params, STATUSCLASSNAMEW);
  params.Style |= CCS_NOPARENTALIGN | CCS_NORESIZE;
}

void TStatusBar::WindowCreated() {
  std::vector<int> edges;
  int right = 0;
  for (size_t i = 0; i < Panels.size(); ++i) {
    right += Panels[i].Width;
    edges.push_back(i + 1 == Panels.size() ? -1 : right);
  }
  if (!edges.empty()) SendMessageW(WindowHandle(), SB_SETPARTS, edges.size(), LPARAM(edges.data()));
  for (size_t i = 0; i < Panels.size(); ++i)
    SendMessageW(WindowHandle(), SB_SETTEXTW, i, LPARAM(Cp1251::ToWide(Panels[i].Text).c_str()));
  TCommonControl::WindowCreated();
}

// ---- TUpDown, TTrackBar

void TUpDown::CreateParams(TCreateParams& params) {
  TCommonControl::CreateParams(params);
  UseSystemClass(params, UPDOWN_CLASSW);
  params.Style |= UDS_ARROWKEYS;
}

void TUpDown::WindowCreated() {
  SendMessageW(WindowHandle(), UDM_SETRANGE32, WPARAM(Min), LPARAM(Max));
  SendMessageW(WindowHandle(), UDM_SETPOS32, 0, LPARAM(Position));
  TCommonControl::WindowCreated();
}

void TTrackBar::CreateParams(TCreateParams& params) {
  TCommonControl::CreateParams(params);
  UseSystemClass(params, TRACKBAR_CLASSW);
  params.Style |= TBS_AUTOTICKS | TBS_HORZ;
}

void TTrackBar::WindowCreated() {
  SendMessageW(WindowHandle(), TBM_SETRANGEMIN, FALSE, LPARAM(Min));
  SendMessageW(WindowHandle(), TBM_SETRANGEMAX, FALSE, LPARAM(Max));
  SendMessageW(WindowHandle(), TBM_SETPOS, TRUE, LPARAM(Position));
  TCommonControl::WindowCreated();
}
