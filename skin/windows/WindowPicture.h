#pragma once
// The picture of a skinned form as a compositing desktop shows it: the frame
// cache (in extended-border mode the border window's per-pixel-alpha picture)
// with the real window's client area, children included, copied in at the
// client origin, laid over a light desktop colour. A desktop that shows every
// non-zero alpha as opaque cannot show the shadow: this picture can, so it is
// what tests and screenshots look at. Windows only.
#include <windows.h>

#include "skin/render/core/PixelBuffer.h"

class TsSkinProvider;

PixelBuffer ComposedWindowPicture(TsSkinProvider& provider);
// The same picture before it is laid over the desktop (premultiplied, the shadow translucent),
// for laying one window over another.
PixelBuffer WindowPictureWithClient(TsSkinProvider& provider);
// The same of any window framed by a frame picture: its client area (client size) copied in at origin.
PixelBuffer WindowPictureWithClient(const PixelBuffer& frame, HWND window, TSize client, TPoint origin);
