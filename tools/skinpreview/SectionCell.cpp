#include "tools/skinpreview/SectionCell.h"

#include <algorithm>

#include "skin/paint/SectionPainter.h"
#include "tools/skinpreview/SheetDrawing.h"

std::vector<int32_t> PaintableSections(const LoadedSkin& skin) {
  std::vector<int32_t> sections;
  for (size_t i = 0; i < skin.Sections.size(); ++i)
    if (skin.Sections[i].SectionName != "GLOBALINFO") sections.push_back(int32_t(i));
  return sections;
}

int32_t SectionStateCount(const TsGeneralData& section) { return std::max(section.States, 1); }

TSize SectionCellSize(const LoadedSkin& skin, const TsGeneralData& section, TSize wanted) {
  if (const TsMaskData* border = skin.Images.Mask(section.BorderIndex)) {
    const TBorderWidths b = border->EffectiveBorders();
    if (border->Width() - b.Left - b.Right <= 0) wanted.cx = border->Width();
    if (border->Height() - b.Top - b.Bottom <= 0) wanted.cy = border->Height();
  }
  return wanted;
}

void PaintSectionCell(const LoadedSkin& skin, int32_t index, int32_t state, PixelBuffer& target, const TRect& cell) {
  PaintSection(PaintViewOf(skin), index, InPlaceBackground(target, cell), state, cell, {0, 0}, target);
}
