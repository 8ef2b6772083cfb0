#include "skin/controls/BindingPaint.h"

#include <algorithm>

#include "skin/render/paint/BorderMask.h"
#include "skin/render/paint/SectionPainter.h"

namespace {

TColor CustomColorOf(const TsCommonData& binding) {
  const TacBindingHost* host = binding.Host();
  return binding.CustomColor() && host ? ResolveColor(host->Color()) : clFuchsia;
}

BackgroundInfo Moved(BackgroundInfo bg, TPoint offset) {
  bg.OriginX += offset.X;
  bg.OriginY += offset.Y;
  return bg;
}

// The border mask over rect (its frame alone on request); false when the section has none for the state.
bool PaintBorderOf(const TsCommonData& binding, const SkinPaintView& view, PixelBuffer& picture,
                   const BackgroundInfo& bg, TPoint offset, const TRect& rect, int32_t state, bool updateCorners,
                   bool frameOnly = false) {
  const TsMaskData* border = view.Mask(binding.BorderIndex);
  if (!border || (state == 0 && (border->PaintMode & kBorderHotOnly))) return false;
  TsMaskData mask = *border;
  if (frameOnly) mask.PaintMode &= int16_t(~kBorderPaintCentre);
  PaintBorderMask(view, picture, rect, Moved(bg, offset), updateCorners, state, mask);
  return true;
}

}  // namespace

void PaintBindingBackground(const TsCommonData& binding, PixelBuffer& picture, const BackgroundInfo& bg,
                            TPoint offset, const TRect& rect, int32_t state) {
  const TsGeneralData* s = binding.Section();
  if (!s) return;
  state = std::clamp(state, 0, std::max(0, s->States - 1));
  PaintSectionBackground(binding.PaintView(), binding.SectionIndex, bg, state, CustomColorOf(binding),
                         binding.HotPattern, binding.NormalPattern, picture, offset, rect);
}

void PaintBindingSection(const TsCommonData& binding, PixelBuffer& picture, const BackgroundInfo& bg, TPoint offset,
                         const TRect& rect, int32_t state, bool updateCorners) {
  const TsGeneralData* s = binding.Section();
  if (!s || picture.Empty() || !RectInside(picture, rect)) return;
  state = std::clamp(state, 0, std::max(0, s->States - 1));
  const SkinPaintView view = binding.PaintView();
  PaintSectionBackground(view, binding.SectionIndex, bg, state, CustomColorOf(binding), binding.HotPattern,
                         binding.NormalPattern, picture, offset, rect);
  PaintCornerImages(view, *s, state, rect, picture);
  const bool borderPainted = PaintBorderOf(binding, view, picture, bg, offset, rect, state, updateCorners);
  const TsGenState& p = s->Props[size_t(std::min(state, 2))];
  if (borderPainted || p.Transparency <= 0) binding.ApplyColorFilters(picture, false);
}

void PaintBindingBorderFrame(const TsCommonData& binding, PixelBuffer& picture, const BackgroundInfo& bg,
                             TPoint offset, const TRect& rect, int32_t state) {
  const TsGeneralData* s = binding.Section();
  if (!s || picture.Empty() || !RectInside(picture, rect)) return;
  PaintBorderOf(binding, binding.PaintView(), picture, bg, offset, rect, std::clamp(state, 0, std::max(0, s->States - 1)),
                true, true);
}
