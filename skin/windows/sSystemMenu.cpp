#include "skin/windows/sSystemMenu.h"

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

std::unique_ptr<TMenuItem> Line(const char* name) {
  auto line = std::make_unique<TMenuItem>();
  line->Name = name;
  line->Caption = "-";
  return line;
}

}  // namespace

TsSystemMenu::TsSystemMenu(TCustomForm& form, SystemMenuFacts facts) : TsCustomSysMenu(nullptr, facts), form_(form) {
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
  for (SysItem which : {SysItem::Restore, SysItem::Move, SysItem::Size, SysItem::Minimize, SysItem::Maximize})
    standard(which);
  Items.Add(Line("ac_Div"));
  // The window's own additions.
  bool custom = false;
  const int count = system ? GetMenuItemCount(system) : 0;
  for (int i = 0; i < count; ++i) {
    const UINT command = GetMenuItemID(system, i);
    if (command == UINT(-1) || command == 0 || IsStandardCommand(command)) continue;
    auto item = std::make_unique<TMenuItem>();
    item->Name = "acCustom" + std::to_string(i);
    SplitItemText(MenuText(system, UINT(i), MF_BYPOSITION), *item);
    item->Enabled = !(GetMenuState(system, UINT(i), MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED));
    item->OnClick = [window, command](TObject*) { PostMessageW(window, WM_SYSCOMMAND, command, 0); };
    Items.Add(std::move(item));
    custom = true;
  }
  if (custom) Items.Add(Line("ac_CustomDiv"));
  standard(SysItem::Close);
}

void TsSystemMenu::Popup(POINT screen) {
  Rebuild();
  TPopupMenu::Popup(form_.WindowHandle(), screen);
}
