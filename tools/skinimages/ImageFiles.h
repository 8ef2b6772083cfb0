#pragma once
// Turns generated pictures into the bytes of their files.
#include <cstdint>
#include <string>
#include <vector>

#include "skin/render/core/PixelBuffer.h"
#include "tools/skinimages/SkinImages.h"

// The pixels as the file stores them: a masked bitmap is twice as high, with
// its mask below; transparent pixels of bitmaps hold the key colour magenta;
// pictures for PNG keep straight alpha, bitmaps have alpha 255.
PixelBuffer FilePixels(const GeneratedImage& image);

// The whole file of a picture, by its format.
std::vector<uint8_t> EncodeImageFile(const GeneratedImage& image);

// Writes bytes to a file; false when it cannot be written.
bool WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes);
