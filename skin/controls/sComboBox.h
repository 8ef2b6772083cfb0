#pragma once
// TsComboBox: the system combo box painted from the skin. Closed, it shows a
// picture kept in its binding's cache (the section in its state, the current
// item, the drop-down button with its glyph or arrow); every item is drawn by
// the control itself in skin colours, the selected one with the skin's
// "SELECTION" section; the drop-down list gets a list handler (skinned frame
// and scroll bars) when it first asks for its colours. A drop-down list
// without a section of its own is drawn as a button. Windows only; the rules
// of geometry and state are in ComboBoxLayout.
#include <windows.h>

#include <memory>

#include "skin/controls/ComboBoxLayout.h"
#include "skin/controls/ComboBoxPainter.h"
#include "skin/controls/SkinnedControl.h"
#include "skin/controls/TacComboListWnd.h"
#include "skin/controls/sCommonData.h"
#include "skin/controls/BindingHostsWin.h"
#include "skin/render/core/DisabledLook.h"
#include "toolkit/StdCtrls.h"

// Where the pointer is, for the button's look.
enum class TacComboPointer { None = 0, OverButton = 1, ListOpen = 2 };

// Targets of a state change (the fade kinds of a later step).
enum class TacComboTarget { PointerAway = 0, PointerOver = 1, ListOpened = 2, PointerOverButton = 3 };

// The most items a dropped list is asked to show at once.
inline constexpr int kMaxDropDownCount = 100;

class TsComboBox : public TComboBox, private SkinnedControl {
  ControlBindingHost bindingHost_{*this};  // before SkinData, which refers to it

 public:
  explicit TsComboBox(TComponent* owner);
  ~TsComboBox() override;
  std::string ClassName() const override { return "TsComboBox"; }
  void Loaded() override;
  LRESULT WndProc(TMessage& message) override;

  TsCtrlSkinData SkinData{&bindingHost_, true};
  bool ReadOnly = false;  // the user cannot change the selection
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  TVerticalAlignment VerticalAlignment() const { return verticalAlignment_; }
  void SetVerticalAlignment(TVerticalAlignment value);
  TsDisabledKind DisabledKind() const { return disabledKind_; }
  void SetDisabledKind(TsDisabledKind kind);
  // The minimum number of list items shown when the list opens.
  void SetDropDownCount(int count);

  // Drawn from the button section (a drop-down list without a section of its own).
  bool ButtonLook() const;
  bool Dropped() const { return dropped_; }
  TacComboPointer PointerPart() const { return pointer_; }
  ComboLayout Layout() const;
  // The states the closed picture is painted in now.
  ComboStateInput StateInput() const;
  // The drop-down list's window and handler, from its first colour request on.
  HWND ListWindow() const { return listWindow_; }
  TacComboListWnd* ListHandler() const { return listHandler_.get(); }
  // Builds the closed picture; false when the parent is not ready.
  bool BuildCache();

 protected:
  void CreateParams(TCreateParams& params) override;
  void WindowCreated() override;

 private:
  bool Skinned() const { return SkinData.IsSkinned(true); }
  std::string DefaultSectionName() const override { return ButtonLook() ? "BUTTON" : "COMBOBOX"; }
  bool BuildPicture() override { return BuildCache(); }
  void RepaintPicture() override { RedrawPicture(); }
  void PointerLeft() override { Perform(CM_MOUSELEAVE, 0, LPARAM(this)); }
  // Every change of the pointer's or the list's state goes through here: the
  // look changes at once (a fade would start here).
  void ApplyStateChange(TacComboTarget target);
  bool PointerOverButton() const;  // the real cursor within the button grown by 1
  bool CacheReady();
  void PaintClosed(HDC dc);
  void RedrawPicture();
  // What the button and the selection are painted from.
  ComboPaintSkin PaintSkin() const;
  // Composes one item into a picture of rect's size: the current item (editPart) over the closed picture,
  // a list item over the list's colour.
  PixelBuffer ComposeItem(int index, const TRect& rect, UINT itemState, bool editPart);
  void DrawItemUnskinned(const DRAWITEMSTRUCT& item);
  void AttachListHandler(HWND list);
  void DetachListHandler();
  bool ReadOnlySwallows(const TMessage& message);

  LRESULT OnSkinMessage(TMessage& message);
  LRESULT OnPaint(TMessage& message);
  LRESULT OnItemDraw(TMessage& message);
  LRESULT OnCommand(TMessage& message);
  LRESULT OnFocusChange(TMessage& message, bool gained);
  LRESULT OnMouseEnter(TMessage& message);
  LRESULT OnMouseLeave(TMessage& message);
  LRESULT OnMouseMove(TMessage& message);
  LRESULT OnListColors(TMessage& message);
  LRESULT PassOn(TMessage& message);

  TAlignment alignment_ = TAlignment::taLeftJustify;
  TVerticalAlignment verticalAlignment_ = TVerticalAlignment::taAlignTop;
  TsDisabledKind disabledKind_ = dkBlended;
  bool showButton_ = true;
  bool dropped_ = false;
  bool changingFocus_ = false;
  bool attachingList_ = false;
  TacComboPointer pointer_ = TacComboPointer::None;
  int32_t glyphMask_ = -1;  // the section's "GLYPHMASK", -1 when none
  HWND listWindow_ = nullptr;
  std::unique_ptr<TacComboListWnd> listHandler_;
};

// Makes the stored definition's "TsComboBox" entries create skinned combo boxes
// and read their settings above (Alignment and VerticalAlignment as ordinals,
// DisabledKind as a list of "dkBlended", "dkGrayed", DropDownCount, ReadOnly)
// and their binding's "SkinData.CustomColor", "SkinData.CustomFont" and
// "SkinData.SkinSection".
void RegisterComboBoxClass();
