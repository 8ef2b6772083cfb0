#pragma once
// An internal skin: a skin package stored with the manager's settings.
// Loading uses Name and Data; the other settings are descriptive and are
// carried along when an item is copied.
#include <cstdint>
#include <string>
#include <vector>

#include "skin/render/core/Color.h"

struct TsStoredSkin {
  std::string Name;
  std::vector<uint8_t> Data;  // the package bytes, verbatim (they begin with "ASzf")
  std::string Author;
  std::string Description;
  double Version = 0;
  TColor BorderColor = clFuchsia;
  TColor Shadow1Color = 0;
  int Shadow1Offset = 0;
  int Shadow1Blur = -1;
  int Shadow1Transparency = 0;
  std::vector<uint8_t> MasterBitmap;  // descriptive picture, stored as its file bytes
};

using TsStoredSkins = std::vector<TsStoredSkin>;
