#pragma once
// The speed button: a windowless push button that never takes the focus.
#include "skin/render/core/PixelBuffer.h"
#include "toolkit/ButtonLayout.h"
#include "toolkit/Control.h"
#include "toolkit/SpeedButtonState.h"

class TSpeedButton : public TGraphicControl {
 public:
  explicit TSpeedButton(TComponent* owner);
  std::string ClassName() const override { return "TSpeedButton"; }

  bool Flat = false;
  bool Transparent = true;
  TButtonLayout Layout = TButtonLayout::blGlyphLeft;
  int Margin = -1;   // below 0: glyph and caption centred
  int Spacing = 4;   // pixels between glyph and caption
  int NumGlyphs = 1;  // images side by side in Glyph
  // 32 bits per pixel with straight alpha; empty: no glyph.
  PixelBuffer Glyph;
  // Buttons of one group on one parent stay down one at a time (see SpeedButtonState.h).
  bool Down() const { return status_.Down; }
  void SetDown(bool down);
  int GroupIndex() const { return group_.GroupIndex; }
  void SetGroupIndex(int index);
  bool AllowAllUp() const { return group_.AllowAllUp; }
  void SetAllowAllUp(bool allow);  // shared by the group
  TButtonState State() const { return status_.State; }

  LRESULT WndProc(TMessage& message) override;

 protected:
  void Paint(HDC dc) override;
  // The pointer left: a held press shows up again.
  void PointerLeft();

 private:
  LRESULT OnLeftDown(TMessage& message);
  LRESULT OnMouseMove(TMessage& message, TPoint point);
  LRESULT OnLeftUp(TMessage& message);
  LRESULT OnLookChanged(TMessage& message);
  LRESULT OnGroupPressed(TMessage& message, int groupIndex, const TSpeedButton* sender);
  LRESULT OnMouseLeave(TMessage& message);
  // Takes the new status; repaints and tells the group as the step asks. True: click.
  bool Take(const SpeedButtonStep& step);
  void TellGroup();

  SpeedButtonStatus status_;
  SpeedButtonGroup group_;
};
