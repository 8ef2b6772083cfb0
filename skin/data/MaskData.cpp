#include "skin/data/MaskData.h"

#include <algorithm>

// Counts below the meaningful range (a negative frame count, fewer than -1 mask
// rows) come only from hand-edited values; they give an empty state image
// instead of a negative size.
int32_t TsMaskData::Width() const {
  const int32_t w = std::max(0, SourceRect.Width());
  if (FrameCount <= 0) return 0;
  return w / FrameCount;
}

int32_t TsMaskData::Height() const {
  const int32_t h = std::max(0, SourceRect.Height());
  if (MaskRows < 0) return 0;
  return h / (MaskRows + 1);
}

TBorderWidths TsMaskData::EffectiveBorders() const {
  // A frame count of 0 counts as one frame here, so that the border is the whole image.
  const int32_t w = FrameCount == 0 ? std::max(0, SourceRect.Width()) : Width();
  const int32_t h = Height();
  auto side = [this](int16_t own, int32_t whole) -> int32_t {
    if (own > 0) return own;
    if (UniformWidth > 0) return UniformWidth;
    return whole;
  };
  return {side(BorderL, w), side(BorderT, h), side(BorderR, w), side(BorderB, h)};
}
