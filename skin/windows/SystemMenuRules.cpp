#include "skin/windows/SystemMenuRules.h"

namespace {

bool SingleOrSizeable(MenuBorderStyle s) { return s == MenuBorderStyle::Single || s == MenuBorderStyle::Sizeable; }
bool Iconic(const SystemMenuFacts& f) { return f.State == MenuWindowState::Minimized; }

bool VisibleBox(const SystemMenuFacts& f, bool box) {
  return f.SystemMenu && (Iconic(f) || f.MdiChild || (SingleOrSizeable(f.Style) && box));
}

}  // namespace

bool VisibleMax(const SystemMenuFacts& f) { return VisibleBox(f, f.Maximize); }
bool VisibleMin(const SystemMenuFacts& f) { return VisibleBox(f, f.Minimize); }
bool EnabledMax(const SystemMenuFacts& f) { return f.Maximize && (f.MdiChild || SingleOrSizeable(f.Style)); }
bool EnabledMin(const SystemMenuFacts& f) { return f.Minimize && !(Iconic(f) && !f.MainForm); }
bool EnabledRestore(const SystemMenuFacts& f) {
  return (f.Maximize && f.State != MenuWindowState::Normal) || Iconic(f);
}

std::array<SysItemState, kSysItemCount> SystemMenuItems(const SystemMenuFacts& f) {
  std::array<SysItemState, kSysItemCount> items{};
  const bool noSizing = f.Style == MenuBorderStyle::None || f.Style == MenuBorderStyle::Dialog ||
                        f.Style == MenuBorderStyle::ToolWindow;
  items[size_t(SysItem::Restore)] = {f.SystemMenu && (f.MdiChild || SingleOrSizeable(f.Style)), EnabledRestore(f)};
  items[size_t(SysItem::Move)] = {true, f.State != MenuWindowState::Maximized};
  items[size_t(SysItem::Size)] = {f.MdiChild || !noSizing, f.Style != MenuBorderStyle::Single && !Iconic(f)};
  items[size_t(SysItem::Minimize)] = {VisibleMin(f), EnabledMin(f)};
  items[size_t(SysItem::Maximize)] = {VisibleMax(f), EnabledMax(f)};
  items[size_t(SysItem::Close)] = {f.SystemMenu && f.HasCloseItem, !f.CloseGreyed};
  return items;
}

std::vector<SysMenuEntry> SystemMenuOrder(bool subMenu, TacSubMenuPosition position, const std::vector<int>& windowItems) {
  std::vector<SysMenuEntry> out;
  auto userSubMenu = [&](TacSubMenuPosition at) {
    if (!subMenu || position != at) return;
    if (at == TacSubMenuPosition::ipBottom) out.push_back({SysEntryKind::BtmDiv});
    out.push_back({SysEntryKind::SubMenu});
    if (at != TacSubMenuPosition::ipBottom) out.push_back({SysEntryKind::TopDiv});
  };
  userSubMenu(TacSubMenuPosition::ipTop);
  for (SysItem which : {SysItem::Restore, SysItem::Move, SysItem::Size, SysItem::Minimize, SysItem::Maximize})
    out.push_back({SysEntryKind::Standard, int(which)});
  out.push_back({SysEntryKind::StandardDiv});
  for (int position : windowItems) out.push_back({SysEntryKind::WindowItem, position});
  if (!windowItems.empty()) out.push_back({SysEntryKind::WindowDiv});
  userSubMenu(TacSubMenuPosition::ipBeforeClose);
  out.push_back({SysEntryKind::Standard, int(SysItem::Close)});
  userSubMenu(TacSubMenuPosition::ipBottom);
  return out;
}

std::vector<SkinMenuItem> SkinMenuItems(const std::vector<std::string>& skins, std::string_view current) {
  std::vector<SkinMenuItem> out;
  out.reserve(skins.size());
  for (size_t i = 0; i < skins.size(); ++i)
    out.push_back({std::string(kSkinSelectName) + std::to_string(i), skins[i], skins[i] == current,
                   i > 0 && i % kSkinMenuColumn == 0});
  return out;
}

std::string SkinNameOfMenuCaption(std::string_view caption) {
  std::string name;
  for (char c : caption)
    if (c != '&') name += c;
  constexpr std::string_view kInternal = "(internal)";
  if (const size_t at = name.find(kInternal); at != std::string::npos) name.resize(at + kInternal.size());
  return name;
}
