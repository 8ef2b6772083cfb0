#pragma once
// Drawing a decoded PNG picture into a canvas: 32-bit pictures are composed
// over what the canvas already shows, with their own alpha; others are
// copied like ordinary bitmaps.
#include "skin/render/core/DecodedImage.h"
#include "skin/render/core/Geometry.h"
#include "skin/render/core/PixelBuffer.h"

// Lays picture over rect of canvas (stretched nearest-pixel when the sizes
// differ). Per pixel: a picture pixel equal to the key 0x00FF00FF is
// skipped; otherwise, with w the picture's alpha, every colour channel
// becomes ((picture - canvas) * w + canvas * 256) >> 8. The canvas keeps its
// alpha bytes. Parts of rect outside the canvas are clipped.
void DrawAlphaPicture(PixelBuffer& canvas, const TRect& rect, const PixelBuffer& picture);

// DrawAlphaPicture for 32-bit pictures, a plain (stretched) copy for the rest.
void DrawPicture(PixelBuffer& canvas, const TRect& rect, const DecodedImage& image);
