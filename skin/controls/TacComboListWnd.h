#pragma once
// The drop-down list of a combo box: list frame and bars. The list holds the
// capture while it is open, so presses on its bars arrive as client presses
// outside the client area, and the capture stays with the list afterwards.
#include "skin/controls/TacEditWnd.h"

class TacComboListWnd : public TacEditWnd {
 public:
  LRESULT HandleMessage(TMessage& message) override;
  // The list is filled in the section's hot colour whenever the section has one.
  int32_t ColorState() const override;

 protected:
  using TacEditWnd::TacEditWnd;
  bool PassesReleaseOn() const override { return false; }
};
