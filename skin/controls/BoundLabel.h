#pragma once
// The label a control can carry beside it (its caption on the parent): the
// stored settings and where the label goes for each layout. Creating the
// label control is the host's (it needs the toolkit's label).
#include <cstdint>
#include <string>

#include "skin/render/core/Geometry.h"

enum class TsCaptionLayout {
  sclLeft, sclTopLeft, sclTopCenter, sclTopRight, sclLeftTop, sclBottomLeft, sclBottomCenter, sclBottomRight
};

struct TsBoundLabel {
  bool Active = false;
  bool AllowClick = false;
  std::string Caption;  // empty: the host's name
  bool EnabledAlways = false;
  int32_t Indent = 0;
  TsCaptionLayout Layout = TsCaptionLayout::sclLeft;
  int32_t MaxWidth = 0;  // 0: no limit (9999)
  bool UseHTML = false;
  bool UseSkinColor = true;
};

// The label's top-left corner for a host with these bounds and a label of this size.
TPoint BoundLabelPosition(TsCaptionLayout layout, const TRect& host, TSize label, int32_t indent);
// The width the label wraps within.
inline int32_t BoundLabelWrapWidth(const TsBoundLabel& label) { return label.MaxWidth > 0 ? label.MaxWidth : 9999; }
