#pragma once
// Handlers that show a window's whole client area as one picture they
// compose from the skin (headers, tool bars, size grips): paint and print
// requests show the picture, erasing is left out, and detaching has the
// window paint its own look again.
#include <windows.h>

#include "skin/controls/TacMainWnd.h"
#include "skin/render/core/PixelBuffer.h"

class TacPictureWnd : public TacMainWnd {
 public:
  LRESULT HandleMessage(TMessage& message) override;
  // The client area as it is painted now (empty without a skin).
  virtual PixelBuffer Picture() = 0;

 protected:
  using TacMainWnd::TacMainWnd;
  void OnDetach() override;
  // A picture of the client area's size, empty when the window has none or no skin is in force.
  PixelBuffer ClientPicture() const;
};
