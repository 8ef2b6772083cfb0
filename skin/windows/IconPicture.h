#pragma once
// A window icon as a 32-bit picture with straight alpha, for the portable
// frame painter. Windows only.
#include <windows.h>

#include "skin/render/core/PixelBuffer.h"

// The icon drawn at width x height (the system picks the nearest of its
// images); empty for no icon or an empty size.
PixelBuffer IconPicture(HICON icon, int32_t width, int32_t height);
