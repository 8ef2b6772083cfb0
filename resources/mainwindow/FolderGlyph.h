#pragma once
// The 20 x 20 folder picture of the file button, drawn by code.
#include "skin/render/core/PixelBuffer.h"

PixelBuffer FolderGlyph();
