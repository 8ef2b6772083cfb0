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
