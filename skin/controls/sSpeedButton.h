#pragma once
// TsSpeedButton: the windowless push button painted from a skin section into
// the picture its binding keeps, in the normal, hot and pressed states; the
// toolkit's own drawing without a skin. Windows only.
#include <cstdint>
#include <functional>

#include "skin/controls/ButtonGlyph.h"
#include "skin/controls/SpeedButtonLayout.h"
#include "skin/controls/sCommonData.h"
#include "skin/controls/sCommonDataWin.h"
#include "skin/render/core/DisabledLook.h"
#include "toolkit/Buttons.h"

class TsSpeedButton : public TSpeedButton {
 public:
  explicit TsSpeedButton(TComponent* owner);
  ~TsSpeedButton() override;
  std::string ClassName() const override { return "TsSpeedButton"; }
  void Loaded() override;
  LRESULT WndProc(TMessage& message) override;

  // Stored settings; set while loading (a later change needs SkinData.RepaintHost).
  TAlignment Alignment = TAlignment::taCenter;
  TAlignment TextAlignment = TAlignment::taCenter;
  int32_t Blend = 0;  // percent, clamped when painted
  int32_t TextOffset = 0;
  TsDisabledKind DisabledKind = dkBlended;
  bool Grayed = false;
  TacGrayedMode GrayedMode = TacGrayedMode::gmInactive;
  bool Reflected = false;
  bool ShowCaption = true;
  bool WordWrap = true;
  bool UseEllipsis = true;
  bool DrawOverBorder = true;

  TNotifyEvent OnMouseEnter, OnMouseLeave;  // hot tracking of an enabled button
  // Called with the finished skinned picture, to draw over it.
  std::function<void(TObject* sender, PixelBuffer& picture)> OnPaint;

  TControlBindingHost BindingHost{*this};
  TsCtrlSkinData SkinData{&BindingHost, true};

  // 2 pressed, 1 hot, 0 normal.
  int32_t CurrentState() const;
  // Where caption and glyph go, for painting (pressed content shifted when the skin says so).
  SpeedButtonLayout PaintLayout() const;

 protected:
  void Paint(HDC dc) override;

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
  intptr_t DefaultSectionAnswer() const;
  bool PrepareCache();

  int32_t paintedState_ = -1;  // the state of the cached picture
  bool paintedDown_ = false;
};

// Makes the stored definition's "TsSpeedButton" entries create skinned buttons
// and read their settings above (DisabledKind as a list of "dkBlended",
// "dkGrayed"; Blend clamped to 0..100) and their binding's "SkinData.CustomColor",
// "SkinData.CustomFont" and "SkinData.SkinSection".
void RegisterSpeedButtonClass();
