#pragma once
// The picture of a window as a compositing desktop shows it: the border
// window's per-pixel-alpha frame cache, with the real window's client area
// copied in, laid over a plain desktop colour. Under a desktop that shows
// every non-zero alpha as opaque this is the only faithful view of the shadow.
#include "skin/render/core/Color.h"
#include "skin/render/core/PixelBuffer.h"

// A light desktop: the colour the composed pictures are laid over.
inline constexpr TColor kComposeDesktop = 0x00F4EEE8;  // RGB 232, 238, 244

// The premultiplied picture over the colour, opaque.
PixelBuffer ComposeOverColor(const PixelBuffer& premultiplied, TColor desktop = kComposeDesktop);
