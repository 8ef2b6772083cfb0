#pragma once
// Size-grip scroll bar windows: drawn like the corner between two skinned
// scroll bars that is a size grip (ScrollBarPainter), so a dialog's grip
// matches the grips of its skinned lists.
#include "skin/handlers/TacPictureWnd.h"

class TacSizerWnd : public TacPictureWnd {
 public:
  ~TacSizerWnd() override;
  PixelBuffer Picture() override;

 protected:
  using TacPictureWnd::TacPictureWnd;
  std::string DefaultSection() const override { return "CHECKBOX"; }
};
