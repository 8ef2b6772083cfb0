#include "toolkit/Menus.h"

#include <algorithm>

#include "toolkit/Cp1251.h"
#include "toolkit/NonClientFonts.h"

namespace {

// The menu being shown: menus are modal, so at most one is open at a time.
TPopupMenu* g_openMenu = nullptr;

constexpr int kItemPadding = 8;    // pixels left and right of the caption
constexpr int kCheckColumn = 20;   // room for a check mark
constexpr int kShortCutGap = 24;   // between caption and shortcut
constexpr int kLineHeight = 8;     // a separator

HFONT MenuFont() {
  static HFONT font = [] {
    const LOGFONTW menu = NonClientLogFont(NonClientFont::Menu);
    return CreateFontIndirectW(&menu);
  }();
  return font;
}

// Puts the visible items into a system menu, every one owner-drawn, item data = the item.
HMENU BuildSystemMenu(const TMenuItem& parent, std::vector<const TMenuItem*>& byId) {
  HMENU menu = CreatePopupMenu();
  for (const TMenuItem* item : parent.VisibleItems()) {
    UINT flags = MF_OWNERDRAW;
    if (!item->Enabled) flags |= MF_GRAYED;
    if (item->Checked) flags |= MF_CHECKED;
    if (item->Break) flags |= MF_MENUBREAK;
    UINT_PTR id;
    if (item->IsLine()) {
      flags |= MF_SEPARATOR;
      id = 0;
    } else if (!item->Items.empty()) {
      flags |= MF_POPUP;
      id = reinterpret_cast<UINT_PTR>(BuildSystemMenu(*item, byId));
    } else {
      byId.push_back(item);
      id = byId.size();  // 1-based: 0 means nothing chosen
    }
    AppendMenuW(menu, flags, id, reinterpret_cast<LPCWSTR>(item));
  }
  return menu;
}

}  // namespace

TMenuItem& TMenuItem::Add(std::unique_ptr<TMenuItem> item) {
  Items.push_back(std::move(item));
  return *Items.back();
}

TMenuItem* TMenuItem::Find(const std::string& name) {
  for (auto& item : Items) {
    if (item->Name == name) return item.get();
    if (TMenuItem* inner = item->Find(name)) return inner;
  }
  return nullptr;
}

std::vector<const TMenuItem*> TMenuItem::VisibleItems() const {
  std::vector<const TMenuItem*> out;
  for (const auto& item : Items)
    if (item->Visible) out.push_back(item.get());
  return out;
}

SIZE TPlainMenuPainter::Measure(HDC dc, const TMenuItem& item) {
  if (item.IsLine()) return {kCheckColumn, kLineHeight};
  HGDIOBJ old = SelectObject(dc, MenuFont());
  const std::wstring caption = Cp1251::ToWide(item.Caption), shortCut = Cp1251::ToWide(item.ShortCut);
  SIZE text{}, keys{};
  GetTextExtentPoint32W(dc, caption.c_str(), int(caption.size()), &text);
  if (!shortCut.empty()) GetTextExtentPoint32W(dc, shortCut.c_str(), int(shortCut.size()), &keys);
  SelectObject(dc, old);
  const int height = std::max<int>(GetSystemMetrics(SM_CYMENU), text.cy + 4);
  return {kCheckColumn + text.cx + (keys.cx ? kShortCutGap + keys.cx : 0) + kItemPadding, height};
}

void TPlainMenuPainter::Draw(HDC dc, const RECT& rect, const TMenuItem& item, UINT state) {
  const bool selected = state & ODS_SELECTED, greyed = state & (ODS_GRAYED | ODS_DISABLED);
  FillRect(dc, &rect, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
  if (item.IsLine()) {
    RECT line{rect.left + 2, (rect.top + rect.bottom) / 2 - 1, rect.right - 2, (rect.top + rect.bottom) / 2 + 1};
    DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
    return;
  }
  HGDIOBJ old = SelectObject(dc, MenuFont());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(greyed ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
  RECT text{rect.left + kCheckColumn, rect.top, rect.right - kItemPadding, rect.bottom};
  if (item.Checked) {
    RECT mark{rect.left, rect.top, rect.left + kCheckColumn, rect.bottom};
    DrawTextW(dc, item.RadioItem ? L"\x2022" : L"\x221A", 1, &mark, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
  const std::wstring caption = Cp1251::ToWide(item.Caption), shortCut = Cp1251::ToWide(item.ShortCut);
  DrawTextW(dc, caption.c_str(), int(caption.size()), &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
  if (!shortCut.empty()) DrawTextW(dc, shortCut.c_str(), int(shortCut.size()), &text, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
  SelectObject(dc, old);
}

TPopupMenu::TPopupMenu(TComponent* owner) : TComponent(owner) {}

TPopupMenu::~TPopupMenu() {
  if (g_openMenu == this) g_openMenu = nullptr;
}

bool TPopupMenu::Popup(HWND owner, POINT screen) {
  if (g_openMenu) return false;  // one menu at a time
  if (OnPopup) OnPopup(this);
  std::vector<const TMenuItem*> byId;
  HMENU menu = BuildSystemMenu(Items, byId);
  open_ = menu;
  g_openMenu = this;
  const UINT chosen = UINT(TrackPopupMenuEx(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, screen.x, screen.y,
                                            owner, nullptr));
  g_openMenu = nullptr;
  open_ = nullptr;
  DestroyMenu(menu);
  if (chosen == 0 || chosen > byId.size()) return false;
  // A copy runs, and runs last: the click may free this menu with the item that holds the handler.
  const TNotifyEvent click = byId[chosen - 1]->OnClick;
  if (click) click(this);
  return true;
}

bool TPopupMenu::DispatchOwnerDraw(UINT msg, LPARAM lParam, LRESULT& result) {
  if (!g_openMenu) return false;
  if (msg == WM_MEASUREITEM) {
    auto* m = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
    if (m->CtlType != ODT_MENU || !m->itemData) return false;
    HDC dc = GetDC(nullptr);
    const SIZE size = g_openMenu->PainterInUse().Measure(dc, *reinterpret_cast<const TMenuItem*>(m->itemData));
    ReleaseDC(nullptr, dc);
    m->itemWidth = UINT(size.cx);
    m->itemHeight = UINT(size.cy);
    result = TRUE;
    return true;
  }
  if (msg == WM_DRAWITEM) {
    auto* d = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
    if (d->CtlType != ODT_MENU || !d->itemData) return false;
    g_openMenu->PainterInUse().Draw(d->hDC, d->rcItem, *reinterpret_cast<const TMenuItem*>(d->itemData), d->itemState);
    result = TRUE;
    return true;
  }
  return false;
}
