#pragma once
// The window handler of check boxes and radio buttons ("button" windows of
// those styles): the box or radio glyph from the skin's well-known images in
// the look of the pointer and the press, the caption beside it, over the
// "CHECKBOX" section (transparent in most skins: the parent shows through).
// Hover, focus and press follow the push button's handling.
#include <windows.h>

#include "skin/handlers/TacBtnWnd.h"

class TacCheckBoxWnd : public TacBtnWnd {
 public:
  LRESULT HandleMessage(TMessage& message) override;

 protected:
  using TacBtnWnd::TacBtnWnd;
  std::string DefaultSection() const override { return "CHECKBOX"; }
  void PaintContent(PixelBuffer& picture, const BackgroundInfo& bg) override;
};
