#pragma once
// Plain combo box windows (children of system dialogs, "ComboBoxEx32" boxes):
// the closed box is painted from its section ("COMBOBOX") with the skin's
// button and, while focused, its selection, in the same way as the engine's
// own combo box (ComboBoxPainter); the edit of a drop-down box and the
// drop-down list take the section's colours, and the list gets a list handler
// (skinned frame and bars) when it first asks for them. A "ComboBoxEx32"
// window paints nothing itself: its handler skins the combo box inside it.
#include <windows.h>

#include <memory>

#include "skin/controls/ComboBoxLayout.h"
#include "skin/controls/ComboBoxPainter.h"
#include "skin/controls/TacComboListWnd.h"
#include "skin/controls/TacMainWnd.h"
#include "skin/handlers/ComboWindowRules.h"

// One solid brush that follows the colour asked of it.
class SolidBrush {
 public:
  SolidBrush() = default;
  ~SolidBrush();
  SolidBrush(const SolidBrush&) = delete;
  SolidBrush& operator=(const SolidBrush&) = delete;
  HBRUSH Of(COLORREF color);

 private:
  HBRUSH brush_ = nullptr;
  COLORREF color_ = 0;
};

class TacComboBoxWnd : public TacMainWnd {
 public:
  ~TacComboBoxWnd() override;
  LRESULT HandleMessage(TMessage& message) override;
  // The drop-down list's handler, from the list's first colour request on.
  TacComboListWnd* ListHandler() const { return list_.get(); }
  // The handler of the combo box inside a "ComboBoxEx32" window.
  TacComboBoxWnd* InnerHandler() const { return inner_.get(); }
  ComboLayout Layout() const;
  ComboStateInput StateInput() const;

 protected:
  using TacMainWnd::TacMainWnd;
  std::string DefaultSection() const override { return "COMBOBOX"; }
  void AfterAttach() override;
  void OnDetaching() override;
  void OnDetach() override;
  std::optional<LRESULT> OnSkinCommand(uint16_t command, TMessage& message) override;
  void BuildCache() override;

 private:
  bool Extended() const { return extended_; }
  ComboWindowPaint PaintKind() const;
  ComboPaintSkin PaintSkin() const;
  // The current item into the text rectangle of cache. False when the owner's drawing freed this handler.
  bool PaintCurrentItem(PixelBuffer& cache, const ComboLayout& layout, const ComboStateInput& states);
  void DrawItemText(PixelBuffer& item, const ComboStateInput& states, bool selection);
  bool OwnerDrawsItem(PixelBuffer& item, const ComboStateInput& states);
  // Shows the picture (rebuilt when stale) in dc; a drop-down box leaves its edit to itself.
  void ShowPicture(HDC dc);
  void RepaintNow();
  // Whether the window's own handling of a message may have drawn over the picture.
  static bool MayDrawOver(UINT msg);

  LRESULT OnPaint(TMessage& message);
  LRESULT OnMouseMove(TMessage& message);
  LRESULT OnEditColors(TMessage& message);
  LRESULT OnListColors(TMessage& message);
  void AttachList(HWND list);
  void PointerChanged(bool inside);

  bool extended_ = false;
  bool overButton_ = false;
  bool attachingList_ = false;
  std::unique_ptr<TacComboListWnd> list_;
  std::unique_ptr<TacComboBoxWnd> inner_;
  SolidBrush editBrush_, listBrush_;
};
