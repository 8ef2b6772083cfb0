#include "skin/windows/sSystemMenu.h"

#include "skin/data/sSkinManager.h"
#include "toolkit/Cp1251.h"

namespace {

// The window's text of a system-menu item split into caption and shortcut at the tab.
void SplitItemText(const std::wstring& text, TMenuItem& item) {
  const size_t tab = text.find(L'\t');
  item.Caption = Cp1251::FromWide(text.substr(0, tab));
  item.ShortCut = tab == std::wstring::npos ? std::string() : Cp1251::FromWide(text.substr(tab + 1));
}

std::wstring MenuText(HMENU menu, UINT item, UINT by) {
  wchar_t buffer[256] = {};
  const int n = GetMenuStringW(menu, item, buffer, int(std::size(buffer)), by);
  return std::wstring(buffer, size_t(std::max(n, 0)));
}

bool IsStandardCommand(UINT command) { return command >= 0xF000 && command <= 0xF1FF; }

std::unique_ptr<TMenuItem> Line(std::string_view name) {
  auto line = std::make_unique<TMenuItem>();
  line->Name = std::string(name);
  line->Caption = "-";
  return line;
}

// A copy of a user item and its sub-items, named with "Copy" appended; the
// copy keeps the source's click handler.
std::unique_ptr<TMenuItem> CopyOf(const TMenuItem& source) {
  auto copy = std::make_unique<TMenuItem>();
  copy->Name = source.Name + std::string(kCopySuffix);
  copy->Caption = source.Caption;
  copy->ShortCut = source.ShortCut;
  copy->Enabled = source.Enabled;
  copy->Visible = source.Visible;
  copy->Checked = source.Checked;
  copy->RadioItem = source.RadioItem;
  copy->Break = source.Break;
  copy->OnClick = source.OnClick;
  for (const auto& child : source.Items) copy->Add(CopyOf(*child));
  return copy;
}

}  // namespace

TsSystemMenu::TsSystemMenu(TCustomForm& form, SystemMenuFacts facts, const TacSysSubMenu& subMenu,
                           TsSkinManager* skins)
    : TsCustomSysMenu(nullptr, facts), form_(form), subMenu_(subMenu), skins_(skins) {
  Name = "acSysMenu" + std::to_string(GetTickCount());
}

void TsSystemMenu::Rebuild() {
  Items.Clear();
  HWND window = form_.WindowHandle();
  if (!window || !facts_.SystemMenu) return;
  HMENU system = GetSystemMenu(window, FALSE);
  const auto states = SystemMenuItems(facts_);
  auto standard = [&](SysItem which) {
    auto item = std::make_unique<TMenuItem>();
    const UINT command = kSysItemCommands[size_t(which)];
    item->Name = std::string(kSysItemNames[size_t(which)]);
    const std::wstring text = system ? MenuText(system, command, MF_BYCOMMAND) : std::wstring();
    if (text.empty()) item->Caption = std::string(kSysItemDefaultCaptions[size_t(which)]);
    else SplitItemText(text, *item);
    item->Visible = states[size_t(which)].Visible;
    item->Enabled = states[size_t(which)].Enabled;
    item->OnClick = [window, command](TObject*) { SendMessageW(window, WM_SYSCOMMAND, command, 0); };
    Items.Add(std::move(item));
  };
  auto windowItem = [&](int position) {
    const UINT command = GetMenuItemID(system, position);
    auto item = std::make_unique<TMenuItem>();
    item->Name = "acCustom" + std::to_string(position);
    SplitItemText(MenuText(system, UINT(position), MF_BYPOSITION), *item);
    item->Enabled = !(GetMenuState(system, UINT(position), MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED));
    item->OnClick = [window, command](TObject*) { PostMessageW(window, WM_SYSCOMMAND, command, 0); };
    Items.Add(std::move(item));
  };
  auto userSubMenu = [&] {
    auto item = std::make_unique<TMenuItem>();
    item->Name = std::string(kSubMenuName);
    item->Caption = subMenu_.Caption;
    for (const auto& source : subMenu_.PopupMenu->Items.Items) item->Add(CopyOf(*source));
    Items.Add(std::move(item));
  };
  // The window's own additions.
  std::vector<int> windowItems;
  const int count = system ? GetMenuItemCount(system) : 0;
  for (int i = 0; i < count; ++i) {
    const UINT command = GetMenuItemID(system, i);
    if (command != UINT(-1) && command != 0 && !IsStandardCommand(command)) windowItems.push_back(i);
  }
  const bool subMenu = !subMenu_.Caption.empty() && subMenu_.PopupMenu;
  if (skins_) AddSkinMenu();
  for (const SysMenuEntry& e : SystemMenuOrder(subMenu, subMenu_.Position, windowItems)) {
    switch (e.Kind) {
      case SysEntryKind::SubMenu: userSubMenu(); break;
      case SysEntryKind::TopDiv: Items.Add(Line(kTopDivName)); break;
      case SysEntryKind::BtmDiv: Items.Add(Line(kBtmDivName)); break;
      case SysEntryKind::Standard: standard(SysItem(e.Index)); break;
      case SysEntryKind::StandardDiv: Items.Add(Line("ac_Div")); break;
      case SysEntryKind::WindowItem: windowItem(e.Index); break;
      case SysEntryKind::WindowDiv: Items.Add(Line("ac_CustomDiv")); break;
    }
  }
}

void TsSystemMenu::AddSkinMenu() {
  std::vector<std::string> names;
  skins_->ListSkins(names, 0);
  auto menu = std::make_unique<TMenuItem>();
  menu->Name = std::string(kSkinSelectName);
  menu->Caption = std::string(kSkinSelectCaption);
  TsSkinManager* manager = skins_;
  for (const SkinMenuItem& s : SkinMenuItems(names, manager->SkinName())) {
    auto item = std::make_unique<TMenuItem>();
    item->Name = s.Name;
    item->Caption = s.Caption;
    item->RadioItem = true;
    item->Checked = s.Checked;
    item->Break = s.Break;
    item->OnClick = [manager, name = SkinNameOfMenuCaption(s.Caption)](TObject*) { manager->SetSkinName(name); };
    menu->Add(std::move(item));
  }
  Items.Add(std::move(menu));
  Items.Add(Line("ac_SkinDiv"));
}

bool TsSystemMenu::Popup(POINT screen) {
  Rebuild();
  return TPopupMenu::Popup(form_.WindowHandle(), screen);
}
