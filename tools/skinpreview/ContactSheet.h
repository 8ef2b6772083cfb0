#pragma once
// The contact sheet of a skin: one labelled picture showing every section in
// each of its states, every other image record frame by frame, two windows
// composed from the frame sections and title glyphs, and the engine's own
// pictures. Everything is painted with the real section painters, so the
// sheet shows what the program will show. The result is opaque.
#include <cstdint>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "skin/data/SkinLoader.h"
#include "skin/render/core/PixelBuffer.h"
#include "tools/skinpreview/PictureFolder.h"

// The largest sheet the tool makes: 16384 pixels a side, 2^26 pixels (256 MB)
// in all, about a thousand sections. A skin that needs more is refused before
// anything is allocated for it.
inline constexpr int64_t kMaxSheetSide = 16384;
inline constexpr int64_t kMaxSheetPixels = int64_t(1) << 26;

// Raises SheetTooLarge, naming the size the sheet would have, when it would
// exceed those limits.
PixelBuffer RenderContactSheet(const LoadedSkin& skin, const std::vector<NamedPicture>& enginePictures,
                               std::string_view title);

class SheetTooLarge : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
