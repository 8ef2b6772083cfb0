#pragma once
// Windows only: the GDI side of a PixelBuffer.
#include <windows.h>

#include "skin/render/core/PixelBuffer.h"

// A memory DC with the buffer's DIB section selected; owned by the buffer, made on first use.
HDC BufferDc(const PixelBuffer& buffer);
HBITMAP BufferBitmap(const PixelBuffer& buffer);
