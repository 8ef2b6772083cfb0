#pragma once
// The transparent corners of an in-frame window: the key-colour pixels in the
// corners of the frame's border masks, as rectangles in window coordinates,
// so that the window region can cut them away. Portable; the window side only
// turns the rectangles into a region.
#include <vector>

#include "skin/data/MaskData.h"
#include "skin/render/core/Geometry.h"
#include "skin/paint/SkinPaintView.h"
#include "skin/windows/FrameGeometry.h"

// The key-colour runs of the form mask's four corners (the bottom ones at the
// window's bottom less the mask's bottom border) and of the title mask's two
// top corners, one rectangle per run of a row, in the first state picture.
// Either mask may be null; nothing outside the window is returned.
std::vector<TRect> TransparentCornerRects(const SkinPaintView& skin, const TsMaskData* formMask,
                                          const TsMaskData* titleMask, TSize window);

// Where the system blurs behind the border window (cache coordinates): the
// rectangle inside the margins grown by one pixel, less the black pixels of
// its four corner squares of formOffset (FORMOFFSET, at most kMaxBlurCorner) pixels.
struct BlurShape {
  TRect Outer;             // empty: nowhere
  std::vector<TRect> Cut;  // one rectangle per run of a row
};
inline constexpr int32_t kMaxBlurCorner = 64;
BlurShape BlurBehindShape(const PixelBuffer& cache, const FrameMeasures& m, int32_t formOffset);
