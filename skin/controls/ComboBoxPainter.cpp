#include "skin/controls/ComboBoxPainter.h"

#include <algorithm>

#include "skin/controls/ComboBoxLayout.h"
#include "skin/paint/DrawArrow.h"
#include "skin/paint/GlyphFrame.h"
#include "skin/paint/SectionPainter.h"
#include "skin/render/core/Raster.h"

void PaintComboButton(const ComboPaintSkin& skin, bool buttonLook, const TRect& button, int32_t controlHeight,
                      int32_t state, PixelBuffer& cache) {
  if (button.IsEmpty() || !RectInside(cache, button)) return;
  const TsGeneralData* arrowSection = skin.View.Section(skin.Section);
  if (!buttonLook) {
    if (const TsGeneralData* face = skin.View.Section(skin.ComboButton)) {
      const PixelBuffer under = cache.Clone();
      PaintSection(skin.View, skin.ComboButton, PictureBackground(under), state, button, {button.Left, button.Top}, cache);
      arrowSection = face;
    }
  }
  const TsMaskData* glyph = skin.View.Mask(skin.Glyph);
  if (!glyph || (arrowSection && arrowSection->GiveOwnFont)) {
    const TColor colour = arrowSection ? arrowSection->Props[size_t(std::clamp(state, 0, 2))].TextColor
                                       : TColor(clWindowText);
    DrawArrow(cache, colour, button, kArrowDown);
    return;
  }
  const TPoint at = ComboGlyphPosition(button, controlHeight, {glyph->Width(), glyph->Height()});
  PaintGlyphFrame(skin.View, cache, at, state, PictureBackground(cache), *glyph, kGlyphNormalLook);
}

bool PaintComboSelection(const ComboPaintSkin& skin, TColor fallback, PixelBuffer& item) {
  if (item.Empty()) return false;
  if (!skin.View.Section(skin.Selection)) {
    SolidFill(item, item.Bounds(), ResolveColor(fallback));
    return false;
  }
  const PixelBuffer under = item.Clone();
  PaintSection(skin.View, skin.Selection, PictureBackground(under), 1, item.Bounds(), {0, 0}, item);
  return true;
}
