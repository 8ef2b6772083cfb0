#pragma once
// Rectangles in test failures as (left, top, right, bottom).
#include <ostream>

#include "skin/render/core/Geometry.h"

inline void PrintTo(const TRect& r, std::ostream* os) {
  *os << "(" << r.Left << ", " << r.Top << ", " << r.Right << ", " << r.Bottom << ")";
}
