#pragma once
// What the border window asks of the form it frames: the frame's hit code of
// a screen point and the form's answers to the mouse on its frame. Portable.
#include <cstdint>

#include "skin/render/core/Geometry.h"

class BorderHost {
 public:
  virtual ~BorderHost() = default;
  virtual int32_t FrameHitTest(TPoint screen) const = 0;
  virtual void SetHotButton(int32_t code) = 0;
  virtual bool PressInProgress() const = 0;
  // The border window lost the mouse it took for a press (another window took it): the press ends without action.
  virtual void PressLost() = 0;
  // Each of these may run user code that frees the form, its provider and the
  // border window: nothing may touch either after the call.
  virtual void PressTitleButton(int32_t code) = 0;  // the border window takes the mouse
  virtual void ReleaseTitleButton(int32_t code) = 0;
  virtual void ShowSystemMenu(TPoint screen) = 0;
  virtual void CaptionDoubleClick() = 0;
  virtual void IconDoubleClick() = 0;
  // A double click on a sizing edge (left, right, top or bottom).
  virtual void EdgeDoubleClick(int32_t code) = 0;
  // Caption drags, sizing bands and icon clicks: the form's own handling.
  virtual void FormLeftDown(int32_t code, TPoint screen) = 0;
};
