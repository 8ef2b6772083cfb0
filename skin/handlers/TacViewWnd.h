#pragma once
// Base of the list and tree view handlers: the edit family's frame from the
// cache and skinned bars, and the view's own background and text colours set
// to the section's through the view's colour messages (given back at detach).
#include <windows.h>

#include "skin/controls/TacEditWnd.h"

// The messages a view reads and sets its colours with (0: none).
struct ViewColorMessages {
  UINT GetBack = 0, SetBack = 0;
  UINT GetText = 0, SetText = 0;
  UINT GetTextBack = 0, SetTextBack = 0;
};

class TacViewWnd : public TacEditWnd {
 protected:
  using TacEditWnd::TacEditWnd;
  virtual ViewColorMessages ColorMessages() const = 0;
  void SaveOwnLook() override;
  void RestoreOwnLook() override;
  void ApplySkinLook() override;

 private:
  struct OwnColors {
    LRESULT Back = 0, Text = 0, TextBack = 0;
  };
  // Sets a colour only when it differs: the view repaints on each change.
  void SetColor(UINT get, UINT set, LRESULT color) const;

  OwnColors own_;
  bool saved_ = false;
};
