#include "skin/controls/BoundLabel.h"

TPoint BoundLabelPosition(TsCaptionLayout layout, const TRect& host, TSize label, int32_t indent) {
  const int32_t beside = host.Left - label.cx - indent - 4;
  const int32_t above = host.Top - label.cy - indent;
  const int32_t below = host.Bottom + indent;
  const int32_t centre = host.Left + (host.Width() - label.cx) / 2;
  const int32_t right = host.Right - label.cx;
  switch (layout) {
    case TsCaptionLayout::sclLeft: return {beside, host.Top + (host.Height() - label.cy) / 2 - 1};
    case TsCaptionLayout::sclTopLeft: return {host.Left, above};
    case TsCaptionLayout::sclTopCenter: return {centre, above};
    case TsCaptionLayout::sclTopRight: return {right, above};
    case TsCaptionLayout::sclLeftTop: return {beside, host.Top + 3};
    case TsCaptionLayout::sclBottomLeft: return {host.Left, below};
    case TsCaptionLayout::sclBottomCenter: return {centre, below};
    case TsCaptionLayout::sclBottomRight: return {right, below};
  }
  return {beside, host.Top};
}
