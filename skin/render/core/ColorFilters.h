#pragma once
// Colour filters over 32-bit pixel values (blue in bits 0-7 ... alpha 24-31):
// brightness, saturation, hue and colour tone. Every filter keeps the alpha byte.
#include <cstdint>

#include "skin/render/core/Color.h"
#include "skin/render/core/PixelBuffer.h"

// Each colour channel c becomes min(255, max(0, c + b)).
uint32_t Brighten(uint32_t pixel, int32_t b);
// With g = (R + G + B) div 3: c becomes clamp(c - s * (g - c) div 255); s > 0 away from grey.
uint32_t Saturate(uint32_t pixel, int32_t s);
// Rotates the hue by h degrees (HSV); grey pixels stay.
uint32_t ShiftHue(uint32_t pixel, int32_t h);
// Takes the hue of tone (an RGB TColor) and keeps the pixel's max(R, G, B) as lightness.
uint32_t ToneColor(uint32_t pixel, TColor tone);

enum class PixelFilter { Brighten, Saturate, ShiftHue, ToneColor };

// Runs the filter over every pixel of the buffer; with key other than clNone,
// pixels equal to ExchangeRedBlue(key) (alpha 0) are skipped. For ToneColor
// the parameter is the tone's RGB TColor.
void ApplyPixelFilter(PixelBuffer& buffer, PixelFilter filter, int32_t parameter, TColor key);

// The filters for single TColor values (applied to the pixel value and
// exchanged back); a parameter of 0 returns the colour unchanged.
TColor SaturateColor(TColor color, int32_t s);
TColor ShiftHueColor(TColor color, int32_t h);
TColor BrightenColor(TColor color, int32_t b);
TColor ToneColorOf(TColor color, TColor tone);
