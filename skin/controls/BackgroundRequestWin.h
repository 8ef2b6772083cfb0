#pragma once
// Windows only: a toolkit control as the parent that answers background requests.
#include "skin/render/paint/BackgroundRequest.h"

class TControl;

// Sends the skin command AC_GETBG to the parent's window, or dispatches it directly to
// a windowless parent; a parent that does not answer paints itself into the
// request's device context or gives its colour.
class TControlBackgroundSource : public BackgroundSource {
 public:
  explicit TControlBackgroundSource(TControl& parent) : parent_(parent) {}
  void QueryBackground(BackgroundRequest& request) override;
  void PaintBackground(BackgroundRequest& request) override;
  TColor PlainBackgroundColor() override;

 private:
  TControl& parent_;
};

// AskBackground with a toolkit control as the parent.
void AskBackground(BackgroundRequest& request, TControl& parent, bool pleaseDraw);
