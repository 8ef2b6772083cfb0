#pragma once
// What the painters read of a loaded skin: the section table, the image
// records and the master bitmap. The skin manager hands one out for its
// active skin; tests build one over a synthetic skin. Lookups return null for
// every index that is not valid, so painters can return early on them.
#include <cstdint>

#include "skin/data/MaskData.h"
#include "skin/data/SectionTable.h"
#include "skin/render/core/PixelBuffer.h"

struct SkinPaintView {
  const TsGeneralDataArray* Sections = nullptr;
  const TsMaskArray* Masks = nullptr;
  const PixelBuffer* MasterBitmap = nullptr;
  bool Active = false;  // a skin is loaded

  // A section of the loaded skin, or null.
  const TsGeneralData* Section(int32_t index) const {
    if (!Active || !Sections || index < 0 || size_t(index) >= Sections->size()) return nullptr;
    return &(*Sections)[size_t(index)];
  }
  // An image record, or null for -1 and every other invalid index.
  const TsMaskData* Mask(int32_t index) const {
    if (!Masks || index < 0 || size_t(index) >= Masks->size()) return nullptr;
    return &(*Masks)[size_t(index)];
  }
  // The picture a record's SourceRect refers to: its own, else the master bitmap (may be empty).
  const PixelBuffer* PictureOf(const TsMaskData& mask) const {
    return mask.Image ? mask.Image.get() : MasterBitmap;
  }
};
