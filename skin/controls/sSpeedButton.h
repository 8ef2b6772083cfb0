#pragma once
// TsSpeedButton: the windowless push button painted from a skin section into
// the picture its binding keeps, in the normal, hot and pressed states; the
// system's face under the same content without a skin. Besides a plain button
// it can be a check button, a drop-down button with a menu, or an empty
// separator or a divider line between other buttons. Windows only.
#include <cstdint>
#include <functional>

#include "skin/controls/BindingHostsWin.h"
#include "skin/controls/ButtonGlyph.h"
#include "skin/controls/sCommonData.h"
#include "skin/render/core/DisabledLook.h"
#include "toolkit/Buttons.h"
#include "toolkit/ImageList.h"
#include "toolkit/Menus.h"
#include "toolkit/SpeedButtonLayout.h"

// A plain button; one that a click keeps down until the next (check); one
// that opens its drop-down menu; an empty gap; a gap with a vertical line.
enum class TToolButtonStyle { tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider };

class TsSpeedButton : public TSpeedButton {
  ControlBindingHost bindingHost_{*this};  // before SkinData, which refers to it

 public:
  explicit TsSpeedButton(TComponent* owner);
  ~TsSpeedButton() override;
  std::string ClassName() const override { return "TsSpeedButton"; }
  void Loaded() override;
  LRESULT WndProc(TMessage& message) override;

  // Stored settings. A setter stores a changed value only, and then the picture is built anew.
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  TAlignment TextAlignment() const { return textAlignment_; }
  void SetTextAlignment(TAlignment value);
  int32_t Blend() const { return blend_; }
  void SetBlend(int32_t value);  // percent, clamped to 0..100
  int32_t TextOffset() const { return textOffset_; }
  void SetTextOffset(int32_t value);  // held to +-kMaxButtonInset
  TsDisabledKind DisabledKind() const { return disabledKind_; }
  void SetDisabledKind(TsDisabledKind value);
  bool Grayed() const { return grayed_; }
  void SetGrayed(bool value);
  TacGrayedMode GrayedMode() const { return grayedMode_; }
  void SetGrayedMode(TacGrayedMode value);
  bool Reflected() const { return reflected_; }
  void SetReflected(bool value);
  bool ShowCaption() const { return showCaption_; }
  void SetShowCaption(bool value);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);
  bool UseEllipsis() const { return useEllipsis_; }
  void SetUseEllipsis(bool value);
  bool DrawOverBorder() const { return drawOverBorder_; }
  void SetDrawOverBorder(bool value);
  // Becoming a drop-down button widens the button by the arrow part, leaving it narrows it (not while loading).
  TToolButtonStyle ButtonStyle() const { return buttonStyle_; }
  void SetButtonStyle(TToolButtonStyle value);
  // Opened by a left press (on the arrow part when OnClick is set); null once the menu is freed.
  TPopupMenu* DropdownMenu() const { return menuAlive_.expired() ? nullptr : dropdownMenu_; }
  void SetDropdownMenu(TPopupMenu* menu);
  // The image ImageIndex of Images replaces Glyph while the index is valid; a change of the list repaints.
  TImageList* Images() const { return imagesLink_.Sender(); }
  void SetImages(TImageList* images);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value);
  bool MenuShowing() const { return menuShowing_; }

  TNotifyEvent OnMouseEnter, OnMouseLeave;  // hot tracking of an enabled button
  // Called with the finished skinned picture, to draw over it.
  std::function<void(TObject* sender, PixelBuffer& picture)> OnPaint;

  TsCtrlSkinData SkinData{&bindingHost_, true};

  // 2 pressed, 1 hot, 0 normal.
  int32_t CurrentState() const;
  // A changed Layout, Margin, Spacing, NumGlyphs or Flat makes the picture stale; Flat also changes the
  // default section.
  void Invalidate() override;

 protected:
  void Paint(HDC dc) override;
  SpeedButtonLayoutInput LayoutInput() const override;
  UINT CaptionFormat() const override;
  void GlyphChanged() override;

 private:
  bool Skinned() const { return SkinData.IsSkinned(true); }
  LRESULT PassOn(TMessage& message);
  LRESULT OnLookChanged(TMessage& message);
  LRESULT OnPointerEntered(TMessage& message);
  LRESULT OnPointerLeft(TMessage& message);
  LRESULT OnSkinMessage(TMessage& message);
  LRESULT OnManagerLeave();
  LRESULT OnResume();
  LRESULT OnSkinChanged(TMessage& message);
  LRESULT OnLeftDown(TMessage& message, TPoint point);
  intptr_t DefaultSectionAnswer() const;
  bool PrepareCache();
  // Caption, glyph and inline or split arrow over a finished face, skinned or not.
  void PaintContent(PixelBuffer& picture, int32_t state);
  void PaintUnskinned(HDC dc);
  // Shows the drop-down menu until it closes.
  void DropDown();
  // The image list's image while ImageIndex is valid, else null.
  const PixelBuffer* ListImage() const;
  bool HasSplitArrow() const { return buttonStyle_ == TToolButtonStyle::tbsDropDown && OnClick != nullptr; }
  bool IsGap() const {
    return buttonStyle_ == TToolButtonStyle::tbsSeparator || buttonStyle_ == TToolButtonStyle::tbsDivider;
  }

  TAlignment alignment_ = TAlignment::taCenter;
  TAlignment textAlignment_ = TAlignment::taCenter;
  int32_t blend_ = 0;
  int32_t textOffset_ = 0;
  TsDisabledKind disabledKind_ = dkBlended;
  bool grayed_ = false;
  TacGrayedMode grayedMode_ = TacGrayedMode::gmInactive;
  bool reflected_ = false;
  bool showCaption_ = true;
  bool wordWrap_ = true;
  bool useEllipsis_ = true;
  bool drawOverBorder_ = true;
  TToolButtonStyle buttonStyle_ = TToolButtonStyle::tbsButton;
  TPopupMenu* dropdownMenu_ = nullptr;
  std::weak_ptr<const void> menuAlive_;
  TChangeLink imagesLink_;
  int imageIndex_ = -1;
  bool menuShowing_ = false;
  // Stores a changed setting and builds the picture anew.
  template <class T>
  void Store(T& setting, T value);

  int32_t paintedState_ = -1;  // the state of the cached picture
  bool paintedDown_ = false;
  // The settings the picture was last invalidated with.
  TButtonLayout seenLayout_ = TButtonLayout::blGlyphLeft;
  int seenMargin_ = -1, seenSpacing_ = 4, seenNumGlyphs_ = 1;
  bool seenFlat_ = false;
};

// Makes the stored definition's "TsSpeedButton" entries create skinned buttons
// and read their settings above (DisabledKind as a list of "dkBlended",
// "dkGrayed"; Blend clamped to 0..100; enumerations by ordinal, an unknown one
// an error) and their binding's "SkinData.CustomColor", "SkinData.CustomFont"
// and "SkinData.SkinSection".
void RegisterSpeedButtonClass();
