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
  const TsMaskData* border = view.Mask(binding.BorderIndex);
  const bool borderPainted = border && !(state == 0 && (border->PaintMode & kBorderHotOnly));
  if (borderPainted) PaintBorderMask(view, picture, rect, Moved(bg, offset), updateCorners, state, *border);
  const TsGenState& p = s->Props[size_t(std::min(state, 2))];
  if (borderPainted || p.Transparency <= 0) binding.ApplyColorFilters(picture, false);
}
