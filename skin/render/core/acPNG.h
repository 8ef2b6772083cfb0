#pragma once
// PNG decoder for skin pictures: every colour type and bit depth, Adam7
// interlacing, CRC checks, "gAMA", "bKGD" and "tRNS". Decodes into a 32-bit
// BGRA picture (see DecodedImage.h for how each colour type is delivered).
//
// Colour type -> BitsPerPixel of the result:
//   0 grey        1 (depth 1), 4 (depths 2, 4), 8 (depths 8, 16)
//   2 RGB         24
//   3 palette     1, 4 (depths 2, 4) or 8
//   4 grey+alpha  8, alpha dropped
//   6 RGBA        32, alpha kept, colours not premultiplied
// 16-bit samples are reduced as sample * 255 / 65535.
#include <cstddef>
#include <cstdint>
#include <functional>

#include "skin/render/core/DecodedImage.h"
#include "skin/render/core/SkinError.h"

// Told the stage of a decode: "Preparing..." at the start, "Transfering..."
// before the image data, "" when the picture is complete.
using PngProgress = std::function<void(const char* stage)>;

// Decodes one PNG file held in memory. Throws ESkinError with the user-facing
// text on any fault (bad signature or header, CRC mismatch, unknown critical
// chunk, inflate errors, sizes beyond kMaxImagePixels).
DecodedImage DecodePng(const uint8_t* data, size_t size, const PngProgress& progress = {});

// True when the bytes start with the PNG signature.
bool IsPngSignature(const uint8_t* data, size_t size);
