#pragma once
// A hint: a small pop-up with one line of text in the system's tooltip
// colours, above every window, that never takes the activation or the mouse.
#include <string>

#include "toolkit/WinControl.h"

class THintWindow final : public TWinControl {
 public:
  THintWindow();
  std::string ClassName() const override { return "THintWindow"; }

  // Shows text with the hint's top-left corner at a screen point.
  void ActivateHint(POINT screen, const std::string& text);
  void ReleaseHint();
  LRESULT WndProc(TMessage& m) override;

 protected:
  void CreateParams(TCreateParams& params) override;

 private:
  LRESULT OnPaint();
};
