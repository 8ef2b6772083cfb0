#pragma once
// Dragging the caption of a maximized window: the press is only remembered;
// the first move that leaves the press point by more than a few pixels
// restores the window under the pointer, from where the ordinary move goes on.
// Portable; the border window feeds it screen points and acts on its answer.
#include "skin/render/core/Geometry.h"

// A move of this many pixels (in x or in y) from the press is still a click.
inline constexpr int32_t kMaximizedDragThreshold = 5;

class MaximizedDrag {
 public:
  // A left press on the caption of a maximized window.
  void Press(TPoint screen);
  // The button was released or the mouse taken away: no drag.
  void Cancel() { pending_ = false; }
  bool Pending() const { return pending_; }
  // A pointer move; true when it is the one that restores the window (the
  // drag is then no longer pending).
  bool Move(TPoint screen);

 private:
  bool pending_ = false;
  TPoint press_;
};

// The restored window's top-left corner: its horizontal centre under the
// pointer and its top 8 pixels above it, or 8 pixels above the monitor's top
// while the pointer is within 24 pixels of that top (the caption stays reachable).
TPoint RestoredUnderPointer(TPoint pointer, int32_t restoredWidth, int32_t monitorTop);
