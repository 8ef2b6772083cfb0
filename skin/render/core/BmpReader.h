#pragma once
// Reader of Windows bitmap files (".BMP"): 1, 4, 8, 24 and 32 bits per pixel,
// uncompressed (32 bits also with the standard bit-field masks), bottom-up
// and top-down. 32-bit files keep their fourth byte as alpha.
#include <cstddef>
#include <cstdint>

#include "skin/render/core/DecodedImage.h"
#include "skin/render/core/SkinError.h"

// Decodes one BMP file held in memory (starting with the "BM" file header).
// Throws ESkinError on any malformed or unsupported file.
DecodedImage DecodeBmp(const uint8_t* data, size_t size);

// Decodes a bitmap resource: a BMP file without its 14-byte file header, the
// pixels following the info header, bit-field masks and colour table.
// Throws ESkinError as DecodeBmp does.
DecodedImage DecodeBmpResource(const uint8_t* data, size_t size);
