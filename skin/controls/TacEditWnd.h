#pragma once
// The edit family of window handlers: edit and list-box windows, edits and
// memos. Their frame comes from the binding's picture, their colours from the
// skin, their scroll bars are skinned.
#include <windows.h>

#include "skin/controls/TacScrollWnd.h"

// Copies the ring of the given width along the picture's edges to the same place of a window's device context.
void CopyFrameRing(HDC windowDc, const PixelBuffer& picture, int32_t width);

// Base of the edit family: the picture is rebuilt on a skin refresh and a
// size change, the frame repainted on enable and redraw, the bars after scrolling.
class TacBaseWnd : public TacScrollWnd {
 public:
  LRESULT HandleMessage(TMessage& message) override;

 protected:
  using TacScrollWnd::TacScrollWnd;
};

class TacEditWnd : public TacBaseWnd {
 public:
  ~TacEditWnd() override;
  LRESULT HandleMessage(TMessage& message) override;
  // The state the colours are taken for: 1 when active and the section has more than one state.
  virtual int32_t ColorState() const;
  TColor FillColor() const { return fillColor_; }

 protected:
  using TacBaseWnd::TacBaseWnd;
  std::string DefaultSection() const override { return "EDIT"; }
  bool SwitchesThemeOff() const override;
  void SaveOwnLook() override;
  void RestoreOwnLook() override;
  void ApplySkinLook() override;
  void OnDetach() override;
  std::optional<LRESULT> OnSkinCommand(uint16_t command, TMessage& message) override;
  bool OwnNonClientPaint() const override { return true; }
  void PaintFrameRing(HDC windowDc) override;
  // The frame ring's width: the non-client border, or a flat edit's border the system drew inside.
  int32_t RingWidth() const;

  TColor fillColor_ = clWindow;

 private:
  LRESULT OnFocusChange(TMessage& message, bool gained);
  LRESULT OnPaint(TMessage& message);
  LRESULT OnEraseBackground(TMessage& message);
  LRESULT OnLookChange(TMessage& message);
  std::optional<LRESULT> OnBackgroundQuery(TMessage& message);

  TColor ownColor_ = clWindow;
  TColor ownFontColor_ = clWindowText;
};
