#pragma once
// What the image readers (PNG, BMP, JPEG) hand back: the picture as 32-bit
// BGRA pixels, together with the facts about the source format that the skin
// loader needs (whether it carries alpha, its transparent and background
// colours).
#include <array>
#include <cstdint>

#include "skin/render/core/Color.h"
#include "skin/render/core/PixelBuffer.h"

// Largest picture any reader accepts (pixels): 64 Mpixel = 256 MiB of BGRA,
// far beyond any skin image, small enough that a lying header cannot make us
// allocate without bound.
constexpr int64_t kMaxImagePixels = int64_t(1) << 26;
constexpr int32_t kMaxImageSide = 1 << 16;

struct DecodedImage {
  // Width x Height pixels, row 0 at the top. Colours are never multiplied by
  // alpha. Pictures whose format has no alpha (BitsPerPixel below 32) get
  // alpha 255 in every pixel.
  PixelBuffer Pixels;
  // Pixel format of the bitmap the file stands for: 1, 4 or 8 (indexed or
  // grey), 24 (RGB) or 32 (RGB with alpha). Only 32 carries alpha.
  int BitsPerPixel = 32;
  // Colour drawn transparently (from a PNG "tRNS" chunk of a grey or RGB
  // picture), clNone when there is none.
  TColor TransparentColor = clNone;
  // Background colour (from a PNG "bKGD" chunk); white when the file names none.
  TColor BackgroundColor = clWhite;
  // Alpha per palette entry of a PNG palette picture (from "tRNS"; missing
  // entries 255). The pixels themselves stay opaque, as an indexed bitmap has
  // no alpha.
  std::array<uint8_t, 256> PaletteAlpha{};
  bool HasPaletteAlpha = false;
};
