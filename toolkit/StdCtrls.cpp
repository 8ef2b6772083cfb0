#include "toolkit/StdCtrls.h"

#include "toolkit/Cp1251.h"
#include "toolkit/Forms.h"
#include "toolkit/MessageCrackers.h"

namespace {

void ApplyBorder(TCreateParams& params, TBorderStyle style, bool ctl3D) {
  if (style == TBorderStyle::bsNone) return;
  if (ctl3D)
    params.ExStyle |= WS_EX_CLIENTEDGE;
  else
    params.Style |= WS_BORDER;
}

}  // namespace

// ---- TCustomEdit

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
  color_ = clWindow;
  TabStop = true;
}

void TCustomEdit::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SystemClass = L"EDIT";
  params.Style |= ES_AUTOHSCROLL;
  if (ReadOnly) params.Style |= ES_READONLY;
  ApplyBorder(params, BorderStyle, Ctl3D);
}

void TCustomEdit::WindowCreated() {
  SendMessageW(WindowHandle(), EM_LIMITTEXT, WPARAM(MaxLength), 0);
  TWinControl::WindowCreated();
}

void TCustomEdit::SetReadOnly(bool readOnly) {
  ReadOnly = readOnly;
  if (WindowHandle()) SendMessageW(WindowHandle(), EM_SETREADONLY, readOnly, 0);
}

void TCustomEdit::SetMaxLength(int maxLength) {
  MaxLength = maxLength;
  if (WindowHandle()) SendMessageW(WindowHandle(), EM_LIMITTEXT, WPARAM(maxLength), 0);
}

void TCustomEdit::SetText(const std::string& text) {
  if (text == Text()) return;
  settingText_ = true;
  TWinControl::SetText(text);
  settingText_ = false;
  Change();
}

void TCustomEdit::Change() {
  if (!Loading() && OnChange) OnChange(this);
}

LRESULT TCustomEdit::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CN_COMMAND:  return OnCommand(NotifyCodeOf(m));
    case WM_SETFOCUS: return OnSetFocus(m);
    default:          return TWinControl::WndProc(m);
  }
}

LRESULT TCustomEdit::OnCommand(UINT code) {
  if (code == EN_CHANGE && !settingText_) Change();
  return 0;
}

LRESULT TCustomEdit::OnSetFocus(TMessage& m) {
  LRESULT result = TWinControl::WndProc(m);
  if (AutoSelect && !(GetWindowLongW(WindowHandle(), GWL_STYLE) & ES_MULTILINE))
    SendMessageW(WindowHandle(), EM_SETSEL, 0, -1);
  return result;
}

// ---- TMemo

TMemo::TMemo(TComponent* owner) : TCustomEdit(owner) { AutoSelect = false; }

void TMemo::CreateParams(TCreateParams& params) {
  TCustomEdit::CreateParams(params);
  params.Style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
  if (WordWrap) params.Style &= ~DWORD(ES_AUTOHSCROLL);
}

std::vector<std::string> TMemoLines::Split() const {
  std::string text = memo_.Text();
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find("\r\n", start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

int TMemoLines::Count() const { return int(Split().size()); }

std::string TMemoLines::operator[](int index) const {
  std::vector<std::string> lines = Split();
  return index >= 0 && size_t(index) < lines.size() ? lines[size_t(index)] : std::string();
}

void TMemoLines::Add(const std::string& line) {
  std::string text = memo_.Text();
  bool open = !text.empty() && (text.size() < 2 || text.compare(text.size() - 2, 2, "\r\n") != 0);
  memo_.SetText(text + (open ? "\r\n" : "") + line + "\r\n");
}

void TMemoLines::Clear() { memo_.Clear(); }

// ---- TComboBox

TComboBox::TComboBox(TComponent* owner) : TWinControl(owner) {
  color_ = clWindow;
  TabStop = true;
}

void TComboItems::Add(const std::string& item) {
  items_.push_back(item);
  if (HWND h = combo_.WindowHandle()) SendMessageW(h, CB_ADDSTRING, 0, LPARAM(Cp1251::ToWide(item).c_str()));
}

void TComboItems::Clear() {
  items_.clear();
  combo_.itemIndex_ = -1;
  if (HWND h = combo_.WindowHandle()) SendMessageW(h, CB_RESETCONTENT, 0, 0);
}

void TComboItems::Assign(const std::vector<std::string>& items) {
  Clear();
  for (const std::string& item : items) Add(item);
}

void TComboBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SystemClass = L"COMBOBOX";
  params.Style |= CBS_DROPDOWNLIST | WS_VSCROLL;
  if (Style == TComboBoxStyle::csOwnerDrawFixed) params.Style |= CBS_OWNERDRAWFIXED | CBS_HASSTRINGS;
  // The window's height includes the dropped-down list.
  fieldHeight_ = Height();
  params.Height = Height() + DropDownCount * ItemHeight + 2;
  if (!Ctl3D) params.ExStyle &= ~DWORD(WS_EX_CLIENTEDGE);
}

void TComboBox::WindowCreated() {
  HWND h = WindowHandle();
  for (const std::string& item : Items.items_) SendMessageW(h, CB_ADDSTRING, 0, LPARAM(Cp1251::ToWide(item).c_str()));
  SendMessageW(h, CB_SETITEMHEIGHT, 0, ItemHeight);
  SendMessageW(h, CB_SETCURSEL, WPARAM(itemIndex_), 0);
  TWinControl::WindowCreated();
  KeepFieldHeight();
}

void TComboBox::KeepFieldHeight() {
  HWND h = WindowHandle();
  if (!h) return;
  // The selection field takes the height the layout gives the control, 6 = its frame and padding on
  // most systems; where the system's padding differs, the field makes up the difference.
  SendMessageW(h, CB_SETITEMHEIGHT, WPARAM(-1), fieldHeight_ > 6 ? fieldHeight_ - 6 : ItemHeight);
  if (RECT r; fieldHeight_ > 6 && GetWindowRect(h, &r) && r.bottom - r.top != fieldHeight_)
    SendMessageW(h, CB_SETITEMHEIGHT, WPARAM(-1), 2 * fieldHeight_ - 6 - (r.bottom - r.top));
}

LRESULT TComboBox::OnFontChanged(TMessage& m) {
  const LRESULT result = TWinControl::WndProc(m);
  KeepFieldHeight();
  return result;
}

void TComboBox::BoundsChanged() {
  if (!WindowHandle()) return;
  SetWindowPos(WindowHandle(), nullptr, Left(), Top(), Width(), Height() + DropDownCount * ItemHeight + 2,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

int TComboBox::ItemIndex() const {
  if (HWND h = WindowHandle()) return int(SendMessageW(h, CB_GETCURSEL, 0, 0));
  return itemIndex_;
}

void TComboBox::SetItemIndex(int index) {
  itemIndex_ = index >= 0 && index < Items.Count() ? index : -1;
  if (HWND h = WindowHandle()) SendMessageW(h, CB_SETCURSEL, WPARAM(itemIndex_), 0);
}

std::string TComboBox::Text() const {
  int index = ItemIndex();
  return index >= 0 && index < Items.Count() ? Items[index] : std::string();
}

void TComboBox::DrawItem(const DRAWITEMSTRUCT& item) {
  if (OnDrawItem) {
    OnDrawItem(this, int(item.itemID), item.rcItem, item.itemState, item.hDC);
    return;
  }
  bool selected = item.itemState & ODS_SELECTED;
  FillSolid(item.hDC, item.rcItem, selected ? clHighlight : Color());
  if (int(item.itemID) < 0 || int(item.itemID) >= Items.Count()) return;
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, ColorRef(selected ? clHighlightText : Font.Color));
  RECT r = item.rcItem;
  r.left += 2;
  std::wstring caption = Cp1251::ToWide(Items[int(item.itemID)]);
  DrawTextW(item.hDC, caption.c_str(), int(caption.size()), &r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &item.rcItem);
}

LRESULT TComboBox::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CN_COMMAND:     return OnCommand(NotifyCodeOf(m));
    case CN_DRAWITEM:    return OnOwnerDraw(DrawItemOf(m));
    case CN_MEASUREITEM: return OnOwnerMeasure(MeasureItemOf(m));
    case CM_FONTCHANGED: return OnFontChanged(m);
    default:             return TWinControl::WndProc(m);
  }
}

LRESULT TComboBox::OnCommand(UINT code) {
  if (code == CBN_SELCHANGE && !Loading() && OnChange) OnChange(this);
  return 0;
}

LRESULT TComboBox::OnOwnerDraw(const DRAWITEMSTRUCT& item) {
  DrawItem(item);
  return TRUE;
}

LRESULT TComboBox::OnOwnerMeasure(MEASUREITEMSTRUCT& item) {
  item.itemHeight = UINT(ItemHeight);
  return TRUE;
}

// ---- TButton

TButton::TButton(TComponent* owner) : TWinControl(owner) { TabStop = true; }

void TButton::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SystemClass = L"BUTTON";
  params.Style |= Default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
  if (ModalResult) params.Id = reinterpret_cast<HMENU>(INT_PTR(ModalResult));
}

void TButton::Click() {
  if (TCustomForm* form = GetParentForm(this); form && ModalResult) form->ModalResult = ModalResult;
  TWinControl::Click();
}

LRESULT TButton::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CN_COMMAND:     return OnCommand(NotifyCodeOf(m));
    case CN_CTLCOLORBTN: return LRESULT(GetSysColorBrush(COLOR_BTNFACE));
    default:             return TWinControl::WndProc(m);
  }
}

LRESULT TButton::OnCommand(UINT code) {
  if (code == BN_CLICKED) Click();
  return 0;
}

// ---- TLabel

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {}

void TLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

LRESULT TLabel::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED: return OnLookChanged(m);
    default:             return TGraphicControl::WndProc(m);
  }
}

// Text and font decide the size of an auto-sized label.
LRESULT TLabel::OnLookChanged(TMessage& m) {
  LRESULT result = TGraphicControl::WndProc(m);
  AdjustBounds();
  return result;
}

void TLabel::AdjustBounds() {
  if (!AutoSize || WordWrap || Loading()) return;
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, Font.Handle());
  std::wstring caption = Cp1251::ToWide(Caption());
  RECT r{0, 0, 0, 0};
  DrawTextW(dc, caption.empty() ? L" " : caption.c_str(), caption.empty() ? 1 : int(caption.size()), &r,
            DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  SetBounds(Left(), Top(), r.right, r.bottom);
}

TColor TLabel::TextColor() const { return Enabled() ? Font.Color : clGrayText; }

void TLabel::Paint(HDC dc) {
  RECT r{0, 0, Width(), Height()};
  if (!Transparent) FillSolid(dc, r, Parent() ? Parent()->Color() : Color());
  HGDIOBJ oldFont = SelectObject(dc, Font.Handle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorRef(TextColor()));
  std::wstring caption = Cp1251::ToWide(Caption());
  DrawTextW(dc, caption.c_str(), int(caption.size()), &r, DT_LEFT | DT_NOPREFIX | (WordWrap ? DT_WORDBREAK : DT_SINGLELINE));
  SelectObject(dc, oldFont);
}

// ---- TButtonControl, TCheckBox, TRadioButton

TButtonControl::TButtonControl(TComponent* owner) : TWinControl(owner) { TabStop = true; }

bool TButtonControl::Checked() const {
  if (!WindowHandle()) return checked_;
  return SendMessageW(WindowHandle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TButtonControl::SetChecked(bool checked) {
  checked_ = checked;
  if (WindowHandle()) SendMessageW(WindowHandle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TButtonControl::WindowCreated() {
  SetChecked(checked_);
  TWinControl::WindowCreated();
}

void TCheckBox::CreateParams(TCreateParams& params) {
  TButtonControl::CreateParams(params);
  params.SystemClass = L"BUTTON";
  params.Style |= BS_AUTOCHECKBOX;
}

void TRadioButton::CreateParams(TCreateParams& params) {
  TButtonControl::CreateParams(params);
  params.SystemClass = L"BUTTON";
  params.Style |= BS_AUTORADIOBUTTON;
}

// ---- TGroupBox, TStaticText

void TGroupBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SystemClass = L"BUTTON";
  params.Style |= BS_GROUPBOX;
}

void TStaticText::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SystemClass = L"STATIC";
  params.Style |= SS_LEFT | SS_NOPREFIX | SS_NOTIFY;
  if (BorderStyle == TStaticBorderStyle::sbsSingle) params.Style |= WS_BORDER;
  if (BorderStyle == TStaticBorderStyle::sbsSunken) params.Style |= SS_SUNKEN;
}

// ---- TListBox

TListBox::TListBox(TComponent* owner) : TWinControl(owner) {
  color_ = clWindow;
  TabStop = true;
}

void TListBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SystemClass = L"LISTBOX";
  params.Style |= WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
  params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TListBox::WindowCreated() {
  for (const std::string& item : items_)
    SendMessageW(WindowHandle(), LB_ADDSTRING, 0, LPARAM(Cp1251::ToWide(item).c_str()));
  TWinControl::WindowCreated();
}

void TListBox::AddItem(const std::string& item) {
  items_.push_back(item);
  if (WindowHandle()) SendMessageW(WindowHandle(), LB_ADDSTRING, 0, LPARAM(Cp1251::ToWide(item).c_str()));
}

// ---- TScrollBar

void TScrollBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SystemClass = L"SCROLLBAR";
  params.Style |= Kind == TScrollBarKind::sbVertical ? SBS_VERT : SBS_HORZ;
}

void TScrollBar::WindowCreated() {
  ApplyRange();
  TWinControl::WindowCreated();
}

int TScrollBar::Position() const {
  return WindowHandle() ? GetScrollPos(WindowHandle(), SB_CTL) : position_;
}

void TScrollBar::SetPosition(int position) {
  position_ = position;
  ApplyRange();
}

void TScrollBar::ApplyRange() {
  if (!WindowHandle()) return;
  SCROLLINFO info{sizeof(info), SIF_RANGE | SIF_PAGE | SIF_POS, Min, Max, UINT(PageSize), position_, 0};
  SetScrollInfo(WindowHandle(), SB_CTL, &info, TRUE);
}
