#pragma once
// A 5 x 7 pixel bitmap font for the labels of the contact sheet: upper-case
// letters (lower case is drawn as upper case), digits and a few signs. Unknown
// characters draw as a small box so that nothing is silently dropped.
#include <cstdint>
#include <string_view>

#include "skin/render/core/PixelBuffer.h"

inline constexpr int kTinyGlyphWidth = 5;
inline constexpr int kTinyGlyphHeight = 7;
inline constexpr int kTinyAdvance = 6;  // glyph plus one column of spacing

// Width in pixels of a text drawn with DrawTinyText.
int TinyTextWidth(std::string_view text);

// Draws the text with its top-left corner at (x, y) in one opaque colour
// (a pixel value, blue in the low byte); pixels outside the buffer are skipped.
void DrawTinyText(PixelBuffer& target, int x, int y, std::string_view text, uint32_t pixel);
