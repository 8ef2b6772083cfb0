#pragma once
// A double click on a sizing edge of a sizeable form: the first stretches the
// window along that edge's axis to the monitor's work area, the next on
// either edge of the same axis gives the window its span back. Portable; the
// window side gathers the rectangles and moves the window.
#include <optional>

#include "skin/render/core/Geometry.h"

class EdgeStretch {
 public:
  // The window's rectangle after a double click on the edge of hitCode (left,
  // right, top or bottom; anything else leaves it as it is). window is the real
  // window's screen rectangle, visibleFrame the frame the user sees around it
  // (wider than the window when a border window draws it), so that the
  // visible frame, not the window, fills the work area.
  TRect DoubleClick(int32_t hitCode, const TRect& window, const TRect& visibleFrame, const TRect& workArea);

 private:
  struct Span {
    int32_t Start = 0, Length = 0;  // left and width, or top and height
  };
  std::optional<Span> horizontal_, vertical_;
};
