#pragma once
// The speed button: a windowless push button that never takes the focus.
#include "skin/render/core/PixelBuffer.h"
#include "toolkit/ButtonLayout.h"
#include "toolkit/Control.h"

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
  bool Down() const { return down_; }

  LRESULT WndProc(TMessage& message) override;

 protected:
  void Paint(HDC dc) override;

 private:
  LRESULT OnLeftDown(TMessage& message);
  LRESULT OnMouseMove(TMessage& message, TPoint point);
  LRESULT OnLeftUp(TMessage& message);
  LRESULT OnLookChanged(TMessage& message);

  bool down_ = false;     // shown pressed
  bool tracking_ = false;  // the left button went down on us and is still held
};
