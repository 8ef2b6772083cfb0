#pragma once
// A small window composed the way the frame painter composes a form in
// extended-border mode: the shadow picture around it, the form and caption
// sections, the title glyphs and a few controls, with per-pixel alpha.
#include "skin/data/SkinLoader.h"
#include "skin/render/core/PixelBuffer.h"

// The window's picture (premultiplied alpha) for the active or inactive look;
// in the active one the close button is hot and the edit has the focus.
PixelBuffer PaintWindowMock(const LoadedSkin& skin, bool active);
// The size of that picture, known without painting it.
TSize WindowMockSize(const LoadedSkin& skin);
