#pragma once
// The two outer effects of a skin: record 0 from the "LO_" keys, record 1
// from the "SH_" keys of "GLOBALINFO".
#include <array>
#include <cstdint>

class TacSkinOptions;

struct TacOutEff {
  int32_t ColorL = 0, ColorT = 0, ColorR = 0, ColorB = 0;
  int32_t OffsetL = 0, OffsetT = 0, OffsetR = 0, OffsetB = 0;
  int32_t WidthL = -1, WidthT = -1, WidthR = -1, WidthB = -1;  // -1: taken from the mask
  int32_t MaskIndex = -1;  // set by the image catalog
  int32_t Source = 2;      // 0 none, 1 "^" value of the MASK key, 2 generated from the blur picture
  int32_t Opacity = 0;
};
using TacOutEffArray = std::array<TacOutEff, 2>;

// Reads both records plainly from "GLOBALINFO"; MaskIndex stays -1.
void ReadOuterEffects(const TacSkinOptions& text, TacOutEffArray& effects);
