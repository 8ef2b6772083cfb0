#pragma once
// The speed button: a windowless push button that never takes the focus.
#include <cstdint>

#include "skin/render/core/PixelBuffer.h"
#include "toolkit/ButtonLayout.h"
#include "toolkit/Control.h"
#include "toolkit/SpeedButtonLayout.h"
#include "toolkit/SpeedButtonState.h"

// Bounds of the pixel settings, so that stored or set values keep the layout's sums small.
constexpr int kMaxButtonInset = 1000;
// A strip holds at most one image per base state (up, disabled, down, exclusive).
constexpr int kMaxNumGlyphs = 4;

class TSpeedButton : public TGraphicControl {
 public:
  explicit TSpeedButton(TComponent* owner);
  std::string ClassName() const override { return "TSpeedButton"; }

  // Each setter stores a changed value only, and then repaints.
  bool Flat() const { return flat_; }
  void SetFlat(bool value);
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout value);
  int Margin() const { return margin_; }
  void SetMargin(int value);  // below 0: glyph and caption centred; held to -1..kMaxButtonInset
  int Spacing() const { return spacing_; }
  void SetSpacing(int value);  // pixels between glyph and caption; held to +-kMaxButtonInset
  int NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(int value);  // images side by side in Glyph; held to 1..kMaxNumGlyphs
  bool Transparent = true;
  // 32 bits per pixel with straight alpha; empty: no glyph. Set it through SetGlyph to repaint.
  PixelBuffer Glyph;
  void SetGlyph(PixelBuffer glyph);
  // Buttons of one group on one parent stay down one at a time (see SpeedButtonState.h).
  bool Down() const { return status_.Down; }
  void SetDown(bool down);
  int GroupIndex() const { return group_.GroupIndex; }
  void SetGroupIndex(int index);
  bool AllowAllUp() const { return group_.AllowAllUp; }
  void SetAllowAllUp(bool allow);  // shared by the group
  TButtonState State() const { return status_.State; }
  // A check button outside a group stays down after one click and comes up after the next.
  bool Check() const { return group_.Check; }
  void SetCheck(bool check);

  // Where caption, glyph and drop-down arrow go, with the caption measured in the button's font.
  SpeedButtonLayout ContentLayout() const;

  LRESULT WndProc(TMessage& message) override;

 protected:
  void Paint(HDC dc) override;
  // The pointer left: a held press shows up again.
  void PointerLeft();
  // The layout's inputs other than the measured caption; descendants add their own settings.
  virtual SpeedButtonLayoutInput LayoutInput() const;
  // The text format of the caption (DT_ flags), for measuring and drawing.
  virtual UINT CaptionFormat() const;
  // The base state as painted: disabled while the button is.
  TButtonState PaintedState() const { return PaintedSpeedButtonState(status_, Enabled()); }
  // Glyph was replaced.
  virtual void GlyphChanged() { Invalidate(); }
  // The system's face of the button in a base state: frame or fill.
  void PaintFace(HDC dc, TButtonState state);

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
  template <class T>
  void Store(T& setting, T value);
  void PaintGlyph(HDC dc, const TRect& rect, TButtonState state);

  bool flat_ = false;
  TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
  int margin_ = -1;
  int spacing_ = 4;
  int numGlyphs_ = 1;
  SpeedButtonStatus status_;
  SpeedButtonGroup group_;
};
