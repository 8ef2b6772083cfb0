#pragma once
// JPEG loading (".JPG", ".JPEG") through libjpeg, into a 24-bit picture
// (BitsPerPixel 24, alpha 255). libjpeg's errors become ESkinError; they never
// end the process.
#include <cstddef>
#include <cstdint>

#include "skin/render/core/DecodedImage.h"
#include "skin/render/core/SkinError.h"

// Decodes one JPEG file held in memory. Throws ESkinError on any fault.
DecodedImage DecodeJpeg(const uint8_t* data, size_t size);
