#pragma once
// The skinned system menu of a form: a pop-up menu of the toolkit built from
// the window's own system menu (read only, never changed), with the six
// standard items shown and enabled by the form's border icons, border style
// and window state, the form's own submenu and, on request, a submenu that
// selects the skin. Choosing an item sends its system command to the form.
// Its items are owner-drawn: the skinned menus give it their painter.
// Windows only.
#include <windows.h>

#include "skin/windows/SystemMenuRules.h"
#include "toolkit/Forms.h"
#include "toolkit/Menus.h"

class TsSkinManager;

// The form's own submenu in the system menu: copies of the items of
// PopupMenu (shown when Caption is set too) at Position.
struct TacSysSubMenu {
  std::string Caption;
  TPopupMenu* PopupMenu = nullptr;
  TacSubMenuPosition Position = TacSubMenuPosition::ipBeforeClose;
};

// The predicates the frame and the menu share, in slot order.
class TsCustomSysMenu : public TPopupMenu {
 public:
  TsCustomSysMenu(TComponent* owner, SystemMenuFacts facts) : TPopupMenu(owner), facts_(facts) {}
  virtual bool VisibleClose() const { return SystemMenuItems(facts_)[size_t(SysItem::Close)].Visible; }
  virtual bool VisibleMax() const { return ::VisibleMax(facts_); }
  virtual bool VisibleMin() const { return ::VisibleMin(facts_); }
  virtual bool EnabledMax() const { return ::EnabledMax(facts_); }
  virtual bool EnabledMin() const { return ::EnabledMin(facts_); }
  virtual bool EnabledRestore() const { return ::EnabledRestore(facts_); }

 protected:
  SystemMenuFacts facts_;
};

class TsSystemMenu final : public TsCustomSysMenu {
 public:
  // Made for one pop-up: the facts are those of the form at that moment.
  // skins: the manager whose skins the skin-selection submenu offers, null for none.
  TsSystemMenu(TCustomForm& form, SystemMenuFacts facts, const TacSysSubMenu& subMenu = {},
               TsSkinManager* skins = nullptr);
  std::string ClassName() const override { return "TsSystemMenu"; }

  // The items from the window's system menu: the six standard ones, then the
  // window's other items (commands outside 0xF000..0xF1FF), then Close, with
  // the form's submenu where its position puts it; the skin submenu on top.
  void Rebuild();
  // Pops up at a screen point; the chosen command is sent to the form, which
  // may be freed by it (and this menu with it when it is the form's). True
  // when an item was chosen.
  bool Popup(POINT screen);

 private:
  void AddSkinMenu();

  TCustomForm& form_;
  TacSysSubMenu subMenu_;
  TsSkinManager* skins_;
};
