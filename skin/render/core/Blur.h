#pragma once
// Blurs for soft edges and text shadows, and moving one byte channel of a
// 32-bit buffer into an 8-bit buffer and back.
#include "skin/render/core/GreyBuffer.h"
#include "skin/render/core/PixelBuffer.h"

// Gaussian blur of an 8-bit buffer in place (radius in pixels, up to 16 taps each side).
void GaussianBlur(GreyBuffer& buffer, double radius);

// Three-tap blur of a 32-bit buffer weighted by alpha, rows then columns, in place.
void AlphaBoxBlur(PixelBuffer& buffer);

// Channel 0 blue, 1 green, 2 red, 3 alpha. Extract makes target the size of source;
// Insert writes the part both buffers cover.
void ExtractChannel(const PixelBuffer& source, GreyBuffer& target, int channel);
void InsertChannel(PixelBuffer& target, const GreyBuffer& source, int channel);
