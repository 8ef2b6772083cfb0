#pragma once
// One state of a section painted into a cell the way a control paints itself:
// the size the cell takes and the call into the section painter, over the
// parent's picture already in the target. Shared by the contact sheet, its
// window mock and the paint benchmark, so all of them paint alike.
#include <cstdint>
#include <vector>

#include "skin/data/SkinLoader.h"
#include "skin/render/core/PixelBuffer.h"

// The sections a control can be painted with: all but the global information.
std::vector<int32_t> PaintableSections(const LoadedSkin& skin);

// The states a section paints, at least one.
int32_t SectionStateCount(const TsGeneralData& section);

// The wanted size, except along a side where the section's border picture has
// no middle to stretch (knobs, toggles): there the picture's own size, as the
// controls that use it keep.
TSize SectionCellSize(const LoadedSkin& skin, const TsGeneralData& section, TSize wanted);

// Paints state `state` of section `index` into cell over what target holds there.
void PaintSectionCell(const LoadedSkin& skin, int32_t index, int32_t state, PixelBuffer& target, const TRect& cell);
