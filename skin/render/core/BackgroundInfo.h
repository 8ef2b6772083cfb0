#pragma once
// What lies under an area that is about to be painted: the parent's picture
// and where the area sits in it, or a plain colour, or both for a parent whose
// inside is plain but whose border frame lies in the picture.
#include <cstdint>

#include "skin/render/core/Color.h"
#include "skin/render/core/Geometry.h"
#include "skin/render/core/PixelBuffer.h"

struct BackgroundInfo {
  const PixelBuffer* Bitmap = nullptr;  // not owned; none when null
  int32_t OriginX = 0;                  // where the area's origin lies inside Bitmap
  int32_t OriginY = 0;
  TColor PlainColor = clFuchsia;  // clFuchsia: no colour known
  TRect FrameWidths;              // Left, Top, Right, Bottom border widths of a plain parent's frame in Bitmap
  bool BitmapReady = false;       // Bitmap holds the parent's finished picture
};

// A finished picture as the background of what is painted into it (or over a copy of it).
inline BackgroundInfo PictureBackground(const PixelBuffer& picture) {
  BackgroundInfo bg;
  bg.Bitmap = &picture;
  bg.BitmapReady = true;
  return bg;
}
