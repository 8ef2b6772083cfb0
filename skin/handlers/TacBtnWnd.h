#pragma once
// The window handler of push buttons that the program did not create as
// skinned controls: toolkit buttons on adapted forms and "button" windows of
// system dialogs. The whole button (face from the "BUTTON" section, caption,
// focus frame) is built off screen in the binding's picture at every paint and
// copied to the window in one block copy, so the system never draws its face.
//
//   auto ok = TacMainWnd::Create<TacBtnWnd>(buttonWindow, false, {}, manager);
//
// A click can close the dialog and destroy the button with its handler: every
// step after passing a click on checks the handler's life token first.
#include <windows.h>

#include "skin/controls/TacMainWnd.h"
#include "skin/render/core/BackgroundInfo.h"
#include "skin/render/core/Geometry.h"

class TacBtnWnd : public TacMainWnd {
 public:
  LRESULT HandleMessage(TMessage& message) override;

  // The look: 0 normal, 1 hot, 2 pressed, 3 a system window's default button.
  virtual int32_t ButtonState();
  // Builds the button's picture (skin command 23 and every paint).
  void BuildPicture();

 protected:
  using TacMainWnd::TacMainWnd;
  std::string DefaultSection() const override { return "BUTTON"; }
  void AfterAttach() override;
  std::optional<LRESULT> OnSkinCommand(uint16_t command, TMessage& message) override;
  void BuildCache() override { BuildPicture(); }

  // The glyph beside the caption; a plain push button has none.
  virtual void PaintGlyph(PixelBuffer& /*picture*/, const TRect& /*caption*/) {}
  virtual TSize GlyphSize() const { return {}; }
  // Where the caption of the measured size goes.
  virtual TRect CaptionRect(TSize text);
  virtual int32_t CaptionRoom() const;

  // Fades between looks come with the effects layer; until then the new look shows at once.
  void StartStateFade(bool toHot, bool glow, bool fast);
  void StopFade();

  bool Pressed() const;
  TSize ButtonSize() const { return size_; }
  TPoint Position() const { return position_; }
  // What the picture shows over the parent's background bg: the face, the caption and its focus frame.
  virtual void PaintContent(PixelBuffer& picture, const BackgroundInfo& bg);
  std::string CaptionText() const;  // 1251
  HFONT CaptionFont() const;
  // The caption's size as the platform lays it out within width (word-wrapped for multi-line buttons).
  TSize MeasureCaption(PixelBuffer& picture, const std::string& caption, int32_t width) const;
  // Enable, text and push state: the window changes without drawing, then the picture is shown anew.
  LRESULT OnLookChange(TMessage& message, bool stopFade);
  // The dotted focus frame, when the window shows its focus and has a caption.
  void PaintFocusFrame(PixelBuffer& picture, const TRect& frame, bool hasCaption);
  // Leaves out of the window's device context what the picture must not cover.
  virtual void ClipPainting(HDC /*dc*/) {}

 private:
  LRESULT OnMove(TMessage& message);
  LRESULT OnFocusChange(TMessage& message, bool gained);
  LRESULT OnPaint(TMessage& message);
  LRESULT OnLeftUp(TMessage& message);
  LRESULT OnMouseHover(TMessage& message);
  LRESULT OnMouseLeave(TMessage& message);
  LRESULT OnMouseMove(TMessage& message);
  LRESULT OnPointerEntered(TMessage& message);
  LRESULT OnPointerLeft(TMessage& message);

  // Window rectangle, parent, size and position in the parent's client area.
  void TakeGeometry();
  // Passes a message on while the window does not redraw itself, so the
  // system's face never flashes over the skin. May free this handler.
  LRESULT PassOnQuietly(TMessage& message);
  void RedrawNow() const;
  void PaintInto(HDC dc);
  void WriteCaption(PixelBuffer& picture, int32_t state);
  bool CursorInside() const;
  bool HoverAllowed() const;  // a manager that tracks the pointer over buttons

  HWND parent_ = nullptr;
  RECT windowRect_{};
  RECT parentRect_{};
  TPoint position_;
  TSize size_;
};

// A push button with a glyph beside its caption (the toolkit's glyph buttons).
class TacBitBtnWnd : public TacBtnWnd {
 public:
  // Straight-alpha picture; empty: none. Spacing: pixels between glyph and caption.
  void SetGlyph(PixelBuffer glyph);
  int32_t ButtonState() override;

 protected:
  using TacBtnWnd::TacBtnWnd;
  void PaintGlyph(PixelBuffer& picture, const TRect& caption) override;
  TSize GlyphSize() const override { return {glyph_.Width(), glyph_.Height()}; }
  TRect CaptionRect(TSize text) override;

 private:
  static constexpr int32_t kSpacing = 4;
  PixelBuffer glyph_;
  TRect glyphRect_;
};
