#include "skin/windows/MaximizedDrag.h"

#include <cstdlib>

void MaximizedDrag::Press(TPoint screen) {
  pending_ = true;
  press_ = screen;
}

bool MaximizedDrag::Move(TPoint screen) {
  if (!pending_) return false;
  // 64-bit differences: screen points are the window system's, whatever they are.
  const int64_t dx = std::llabs(int64_t(screen.X) - press_.X), dy = std::llabs(int64_t(screen.Y) - press_.Y);
  if (dx <= kMaximizedDragThreshold && dy <= kMaximizedDragThreshold) return false;
  pending_ = false;
  return true;
}

TPoint RestoredUnderPointer(TPoint pointer, int32_t restoredWidth, int32_t monitorTop) {
  constexpr int32_t kAbovePointer = 8, kNearTop = 24;
  const int32_t top = pointer.Y - monitorTop < kNearTop ? monitorTop - kAbovePointer : pointer.Y - kAbovePointer;
  return {pointer.X - (restoredWidth > 0 ? restoredWidth / 2 : 0), top};
}
