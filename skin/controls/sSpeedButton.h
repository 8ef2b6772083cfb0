#pragma once
// TsSpeedButton: the windowless push button painted from a skin section into
// the picture its binding keeps, in the normal, hot and pressed states; the
// toolkit's own drawing without a skin. Windows only.
#include <cstdint>
#include <functional>

#include "skin/controls/ButtonGlyph.h"
#include "toolkit/SpeedButtonLayout.h"
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

  // Stored settings. A setter stores a changed value only, and then the picture is built anew.
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  TAlignment TextAlignment() const { return textAlignment_; }
  void SetTextAlignment(TAlignment value);
  int32_t Blend() const { return blend_; }
  void SetBlend(int32_t value);  // percent, clamped to 0..100
  int32_t TextOffset() const { return textOffset_; }
  void SetTextOffset(int32_t value);
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
  // Stores a changed setting and builds the picture anew.
  template <class T>
  void Store(T& setting, T value);

  int32_t paintedState_ = -1;  // the state of the cached picture
  bool paintedDown_ = false;
};

// Makes the stored definition's "TsSpeedButton" entries create skinned buttons
// and read their settings above (DisabledKind as a list of "dkBlended",
// "dkGrayed"; Blend clamped to 0..100) and their binding's "SkinData.CustomColor",
// "SkinData.CustomFont" and "SkinData.SkinSection".
void RegisterSpeedButtonClass();
