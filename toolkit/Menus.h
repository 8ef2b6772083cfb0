#pragma once
// Pop-up menus with owner-drawn items. A menu is a tree of TMenuItem; when it
// pops up, every item becomes an owner-drawn system menu item whose measuring
// and drawing go to the menu's painter, so that a skinned painter can take
// over the look without touching how menus are built or chosen from.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "toolkit/Component.h"
#include "toolkit/Control.h"

class TMenuItem {
 public:
  std::string Name;
  std::string Caption;   // 1251; "-" is a separator
  std::string ShortCut;  // shown right-aligned after the caption ("Alt+F4")
  bool Enabled = true;
  bool Visible = true;
  bool Checked = false;
  bool RadioItem = false;
  bool Break = false;  // starts a new column
  TNotifyEvent OnClick;
  std::vector<std::unique_ptr<TMenuItem>> Items;

  bool IsLine() const { return Caption == "-"; }
  TMenuItem& Add(std::unique_ptr<TMenuItem> item);
  void Clear() { Items.clear(); }
  TMenuItem* Find(const std::string& name);
  // The visible items, in order.
  std::vector<const TMenuItem*> VisibleItems() const;
};

// How a menu's items look: measured and drawn for the system's menu window.
class TMenuPainter {
 public:
  virtual ~TMenuPainter() = default;
  virtual SIZE Measure(HDC dc, const TMenuItem& item) = 0;
  // state: ODS_ bits of the item (selected, greyed, checked).
  virtual void Draw(HDC dc, const RECT& rect, const TMenuItem& item, UINT state) = 0;
};

// The plain look: system menu colours and font.
class TPlainMenuPainter final : public TMenuPainter {
 public:
  SIZE Measure(HDC dc, const TMenuItem& item) override;
  void Draw(HDC dc, const RECT& rect, const TMenuItem& item, UINT state) override;
};

class TPopupMenu : public TComponent {
 public:
  explicit TPopupMenu(TComponent* owner);
  ~TPopupMenu() override;
  std::string ClassName() const override { return "TPopupMenu"; }

  TMenuItem Items;                    // the root; its children are the menu's items
  TMenuPainter* Painter = nullptr;    // not owned; null: the plain look
  TNotifyEvent OnPopup;               // before the items are put into the system menu

  // Shows the menu at a screen point for the owner window, runs the chosen
  // item's OnClick after the menu has closed and tells whether an item was
  // chosen. The click may free the menu and its items: the caller must not
  // use them afterwards unchecked.
  bool Popup(HWND owner, POINT screen);
  bool IsOpen() const { return open_ != nullptr; }

  // The owner window's owner-draw messages for menu items of the open menu;
  // true when the message was a menu's (the toolkit's windows call it).
  static bool DispatchOwnerDraw(UINT msg, LPARAM lParam, LRESULT& result);

 private:
  HMENU open_ = nullptr;
  TPlainMenuPainter plain_;
  TMenuPainter& PainterInUse() { return Painter ? *Painter : plain_; }
};
