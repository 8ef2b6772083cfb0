#pragma once
// The window handler of group boxes: the "GROUPBOX" section's frame through the
// middle of the caption's line, left out behind the caption. Only the frame
// band is painted, so the controls inside keep their own pixels.
#include <windows.h>

#include "skin/handlers/TacBtnWnd.h"

class TacGroupBoxWnd : public TacBtnWnd {
 protected:
  using TacBtnWnd::TacBtnWnd;
  std::string DefaultSection() const override { return "GROUPBOX"; }
  void PaintContent(PixelBuffer& picture, const BackgroundInfo& bg) override;
  void ClipPainting(HDC dc) override;

 private:
  int32_t captionHeight_ = 0;
};
