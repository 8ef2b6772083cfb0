#pragma once
// The contact sheet of a skin: one labelled picture showing every section in
// each of its states, every other image record frame by frame, two windows
// composed from the frame sections and title glyphs, and the engine's own
// pictures. Everything is painted with the real section painters, so the
// sheet shows what the program will show. The result is opaque.
#include <string_view>
#include <vector>

#include "skin/data/SkinLoader.h"
#include "skin/render/core/PixelBuffer.h"
#include "tools/skinpreview/PictureFolder.h"

PixelBuffer RenderContactSheet(const LoadedSkin& skin, const std::vector<NamedPicture>& enginePictures,
                               std::string_view title);
