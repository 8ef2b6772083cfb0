#pragma once
// Hands a skinned form's frame to its window: the window region, the frame's
// bands in the window's own non-client area, and the form's opacity. Keeps
// the region last set, since setting one repositions the window, which asks
// for the region again. Windows only.
#include <windows.h>

#include <vector>

#include "skin/render/core/PixelBuffer.h"
#include "skin/windows/FrameGeometry.h"
#include "skin/windows/FramePainter.h"

class FrameOutput {
 public:
  // The region for the frame: the client area in extended-border mode, the
  // window less its frame while maximized in-frame, else the window less the
  // skin's transparent corners (the whole window for square corners). Set only when it changes.
  void ApplyRegion(HWND window, const FrameInputs& in, const FrameMeasures& m, const FramePaintSkin& skin);
  // The window's region is the system's again (skin removed).
  void RemoveRegion(HWND window);

  // In-frame mode: the four bands around the client area, from the cache; the client area is never touched.
  static void OutputBands(HWND window, const PixelBuffer& cache, const FrameInputs& in);
  // One area of the cache (a title button) to the same place of the window.
  static void OutputArea(HWND window, const PixelBuffer& cache, const TRect& area);
  // A layered window shown at alpha, or (layered false) the layering taken off again.
  static void ApplyOpacity(HWND window, bool layered, uint8_t alpha);

 private:
  bool regionSet_ = false;
  TRect region_;                      // the window region last set (empty: none)
  std::vector<TRect> regionCorners_;  // the corners cut out of it
};
