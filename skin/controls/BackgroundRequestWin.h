#pragma once
// Windows only: a toolkit control as the parent that answers background requests.
#include <windows.h>

#include "skin/paint/BackgroundRequest.h"

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

// A plain window as the parent: the skin command message to it; a window that
// does not answer prints its client area into the request's device context or
// gives the system face colour.
class TWindowBackgroundSource : public BackgroundSource {
 public:
  explicit TWindowBackgroundSource(HWND parent) : parent_(parent) {}
  void QueryBackground(BackgroundRequest& request) override;
  void PaintBackground(BackgroundRequest& request) override;
  TColor PlainBackgroundColor() override;

 private:
  HWND parent_;
};

void AskBackground(BackgroundRequest& request, HWND parent, bool pleaseDraw);
