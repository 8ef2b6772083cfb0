#pragma once
// One record per skin image: a border mask, glyph, texture pattern or external
// picture, cut from the master bitmap or from a picture of its own. Painters
// read only these records and the pictures they point to.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "skin/render/core/Geometry.h"
#include "skin/render/core/PixelBuffer.h"

class TsSkinManager;

// Border widths of the four sides of a record, in pixels.
struct TBorderWidths {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Right = 0;
  int32_t Bottom = 0;
  friend bool operator==(const TBorderWidths&, const TBorderWidths&) = default;
};

// What a record is (`ImageKind`).
constexpr uint8_t kBorderedImage = 0;  // "^" form: a nine-slice border mask
constexpr uint8_t kPatternImage = 1;   // "~" form or a whole image file
constexpr uint8_t kGlyphImage = 2;     // "@" form
constexpr uint8_t kMaxImageKind = 4;   // "!" form may give 3 or 4; larger values are cut to 4

// `CornerKind` values.
constexpr int32_t kCornersOpaque = 0;    // no key-colour pixel in the corners of the first state image
constexpr int32_t kCornersKeyed = 1;     // at least one key-colour pixel there
constexpr int32_t kCornersHugeButton = 2;  // the one record of "BUTTON_HUGE" / "BORDERSMASK"

struct TsMaskData {
  // The picture SourceRect refers to; none means the master bitmap. Shared with
  // the external image list, or owned by this record alone (generated pictures).
  std::shared_ptr<PixelBuffer> Image;
  std::string SectionName;
  std::string KeyName;    // as written in the options text
  TRect SourceRect;       // all state images of the element
  int16_t FrameCount = 0;  // state images side by side
  int16_t MaskRows = 0;    // mask images stacked below each state image
  int16_t UniformWidth = 0;  // one border width for all sides, used when the side widths are 0
  int16_t PaintMode = 0;
  uint8_t ImageKind = kBorderedImage;
  TsSkinManager* OwnerManager = nullptr;
  int16_t BorderL = 0;
  int16_t BorderT = 0;
  int16_t BorderR = 0;
  int16_t BorderB = 0;
  int32_t CornerKind = kCornersOpaque;
  uint32_t SectionIndex = 0;  // position of SectionName in the section table

  // Size of one state image: 0 for a frame count of 0 (or below) and for a mask-row count of -1 (or below).
  int32_t Width() const;
  int32_t Height() const;
  // Side widths, falling back to UniformWidth and then to the whole state image.
  TBorderWidths EffectiveBorders() const;
};

using TsMaskArray = std::vector<TsMaskData>;
