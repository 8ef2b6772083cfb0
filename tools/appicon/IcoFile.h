#pragma once
// Writes Windows icon files (.ico) from pictures with straight alpha.
#include <cstdint>
#include <vector>

#include "skin/render/core/PixelBuffer.h"

// One icon file holding every picture (square, 1 to 256 pixels, BGRA with
// straight alpha). Pictures of 256 pixels are stored as PNG, as Windows
// expects for that size; smaller ones as 32-bit bitmaps with the one-bit mask
// that older readers use, set where a pixel is fully transparent.
std::vector<uint8_t> EncodeIco(const std::vector<PixelBuffer>& pictures);
