#include "skin/controls/BindingPaint.h"

#include <algorithm>
#include <optional>

#include "skin/data/SkinLoader.h"
#include "skin/data/sSkinManager.h"
#include "skin/render/core/Raster.h"
#include "skin/paint/BorderMask.h"
#include "skin/paint/SectionPainter.h"

namespace {

TColor CustomColorOf(const TsCommonData& binding) {
  const BindingHost* host = binding.Host();
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

// The shadow image of a section, how far it reaches out on each side, and its opacity.
struct OuterLook {
  int32_t MaskIndex = -1;
  int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
  int32_t Opacity = 0;  // 0..255
};

int32_t OuterOffset(int32_t value) { return std::clamp(value, 0, kMaxOuterOffset); }

// The section's own shadow, else the skin-wide one its outer mode names (1 or 2).
std::optional<OuterLook> OuterLookOf(const TsGeneralData& s, const TacOutEffArray& skinWide) {
  if (s.OuterMaskIndex >= 0)
    return OuterLook{s.OuterMaskIndex, OuterOffset(s.OutOffsL), OuterOffset(s.OutOffsT), OuterOffset(s.OutOffsR),
                     OuterOffset(s.OutOffsB), std::clamp(s.OutOpacity, 0, 255)};
  if (s.OuterMode < 1 || size_t(s.OuterMode) > skinWide.size()) return std::nullopt;
  const TacOutEff& e = skinWide[size_t(s.OuterMode - 1)];
  if (e.Source == 0 || e.MaskIndex < 0) return std::nullopt;
  return OuterLook{e.MaskIndex, OuterOffset(e.OffsetL), OuterOffset(e.OffsetT), OuterOffset(e.OffsetR),
                   OuterOffset(e.OffsetB), std::clamp(e.Opacity, 0, 255)};
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

void PaintBindingOuterEffect(TsCommonData& binding, const TacOuterPaintRequest& request) {
  PixelBuffer* picture = request.Picture;
  const TsGeneralData* s = binding.Section();
  const BindingHost* host = binding.Host();
  const TsSkinManager* m = binding.Manager();
  if (!picture || picture->Empty() || !s || !host || !m || !m->Skin() || !binding.IsSkinned() ||
      binding.OuterEffects.Visibility != TacOuterVisibility::ovAlways)
    return;
  const std::optional<OuterLook> look = OuterLookOf(*s, m->Skin()->OutEffects);
  const SkinPaintView view = binding.PaintView();
  const TsMaskData* mask = look ? view.Mask(look->MaskIndex) : nullptr;
  if (!mask) return;
  const TPoint at = host->PositionInParent();
  const TSize size = host->Size();
  const int64_t left = int64_t(at.X) + request.Offset.X - look->Left;
  const int64_t top = int64_t(at.Y) + request.Offset.Y - look->Top;
  const int64_t width = int64_t(size.cx) + look->Left + look->Right;
  const int64_t height = int64_t(size.cy) + look->Top + look->Bottom;
  // Beyond the picture on any side (or sizes no picture can have): nothing of it would show.
  if (width <= 0 || height <= 0 || left >= picture->Width() || top >= picture->Height() || left + width <= 0 ||
      top + height <= 0 || width > picture->Width() + 2 * int64_t(kMaxOuterOffset) ||
      height > picture->Height() + 2 * int64_t(kMaxOuterOffset))
    return;
  const TRect area = MakeRect(int32_t(left), int32_t(top), int32_t(width), int32_t(height));

  std::unique_ptr<PixelBuffer>& kept = binding.OuterPicture;
  const bool fromKept = (request.Flags & kOuterFromKeptBackground) && kept && kept->Width() == area.Width() &&
                        kept->Height() == area.Height();
  if (!fromKept) {
    kept = std::make_unique<PixelBuffer>(area.Width(), area.Height());
    CopyPixels(*kept, {0, 0}, *picture, area);
  }
  BackgroundInfo under;
  under.Bitmap = kept.get();
  under.BitmapReady = true;
  if (fromKept) {
    PixelBuffer shadowed = kept->Clone();
    PaintBorderMask(view, shadowed, shadowed.Bounds(), under, false, 0, *mask, MaskAlpha::Shadow, look->Opacity);
    CopyPixels(*picture, {area.Left, area.Top}, shadowed, shadowed.Bounds());
    return;
  }
  under.OriginX = -area.Left;
  under.OriginY = -area.Top;
  PaintBorderMask(view, *picture, area, under, false, 0, *mask, MaskAlpha::Shadow, look->Opacity);
}
