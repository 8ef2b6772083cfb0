#include "skin/windows/EdgeStretch.h"

#include <algorithm>
#include <cstdint>

#include "skin/windows/FrameGeometry.h"

namespace {

// One axis of a rectangle: start and end along it.
struct Axis {
  int32_t Start, End;
};

// The axis stretched so that the visible frame spans the work area: the
// visible frame's distances from the window are kept.
Axis Stretched(Axis window, Axis visible, Axis work) {
  const int64_t start = int64_t(work.Start) + (int64_t(window.Start) - visible.Start);
  const int64_t end = int64_t(work.End) + (int64_t(window.End) - visible.End);
  const auto bounded = [](int64_t v) { return int32_t(std::clamp<int64_t>(v, INT32_MIN / 2, INT32_MAX / 2)); };
  return {bounded(start), bounded(std::max(start, end))};
}

}  // namespace

TRect EdgeStretch::DoubleClick(int32_t hitCode, const TRect& window, const TRect& visibleFrame, const TRect& workArea) {
  const bool horizontal = hitCode == kFrameHitLeft || hitCode == kFrameHitRight;
  const bool vertical = hitCode == kFrameHitTop || hitCode == kFrameHitBottom;
  if (!horizontal && !vertical) return window;
  std::optional<Span>& remembered = horizontal ? horizontal_ : vertical_;
  TRect r = window;
  if (remembered) {
    // The second double click: the span from before the stretch.
    (horizontal ? r.Left : r.Top) = remembered->Start;
    (horizontal ? r.Right : r.Bottom) = remembered->Start + remembered->Length;
    remembered.reset();
    return r;
  }
  if (horizontal) {
    remembered = Span{window.Left, window.Width()};
    const Axis a = Stretched({window.Left, window.Right}, {visibleFrame.Left, visibleFrame.Right},
                             {workArea.Left, workArea.Right});
    r.Left = a.Start;
    r.Right = a.End;
  } else {
    remembered = Span{window.Top, window.Height()};
    const Axis a = Stretched({window.Top, window.Bottom}, {visibleFrame.Top, visibleFrame.Bottom},
                             {workArea.Top, workArea.Bottom});
    r.Top = a.Start;
    r.Bottom = a.End;
  }
  return r;
}
