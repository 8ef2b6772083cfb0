#include "skin/windows/FramePainter.h"

#include <algorithm>

#include "skin/data/SkinElements.h"
#include "skin/data/SkinLoader.h"
#include "skin/render/core/Blend.h"
#include "skin/render/paint/GlyphFrame.h"
#include "skin/render/paint/LayeredPainter.h"
#include "skin/render/paint/PaintGeometry.h"
#include "skin/render/core/Raster.h"
#include "skin/render/paint/SectionPainter.h"

namespace {

// The cache itself as the background of what is drawn into it.
BackgroundInfo Itself(const PixelBuffer& cache) {
  BackgroundInfo bg;
  bg.Bitmap = &cache;
  bg.BitmapReady = true;
  return bg;
}

int32_t SectionStateOf(const SkinPaintView& view, int32_t section, bool active) {
  const TsGeneralData* s = view.Section(section);
  return s ? SectionState(active ? 1 : 0, s->States) : 0;
}

// The shadow picture as a nine-part frame over the whole cache: corners
// copied, edges stretched, all four bytes kept (the picture's own alpha is
// the shadow); the centre is the frame's and is left alone.
void PaintShadow(const PixelBuffer& picture, const TBorderWidths& borders, PixelBuffer& cache) {
  if (picture.Empty()) return;
  NineSliceInput in;
  in.Dest = cache.Bounds();
  in.FrameWidth = picture.Width();
  in.FrameHeight = picture.Height();
  in.BorderL = borders.Left;
  in.BorderT = borders.Top;
  in.BorderR = borders.Right;
  in.BorderB = borders.Bottom;
  const NineSlice s = LayoutNineSlice(in);
  if (!s.Valid) return;
  for (int i = 0; i < kBorderPieceCount; ++i) {
    const BorderPiece piece = BorderPiece(i);
    if (piece == BorderPiece::Centre) continue;
    const TRect& src = s.Source[size_t(i)];
    const TRect& dst = s.Dest[size_t(i)];
    if (src.IsEmpty() || dst.IsEmpty()) continue;
    if (src.Width() == dst.Width() && src.Height() == dst.Height())
      CopyPixels(cache, {dst.Left, dst.Top}, picture, src);
    else
      StretchPixels(cache, dst, picture, src);
  }
}

void PaintButton(const FramePaintSkin& skin, const TitleLayout& layout, const FrameLook& look, int i,
                 PixelBuffer& cache) {
  const TRect& r = layout.Buttons[size_t(i)];
  const TsMaskData* glyph = skin.View.Mask(skin.Glyphs[size_t(i)]);
  if (r.IsEmpty() || !glyph) return;
  const int32_t state = std::clamp(look.ButtonStates[size_t(i)], 0, 2);
  // Normal buttons of an inactive or disabled form, and disabled buttons, are half transparent.
  const bool faded = state == 0 && (!look.Active || !look.Enabled || !look.ButtonEnabled[size_t(i)]);
  PaintGlyphFrame(skin.View, cache, {r.Left, r.Top}, state, Itself(cache), *glyph,
                  faded ? kGlyphNormalLook + 1 : kGlyphNormalLook);
}

}  // namespace

TitleGlyphChoice ChooseTitleGlyphs(const TacSkinElements& e, bool bigBorder, bool maxOrMinVisible, bool maximized,
                                   bool minimizedChildForm) {
  TitleGlyphChoice c;
  auto g = [&](std::string_view key) { return e.GlobalMask(key); };
  c.Set = bigBorder || g("SICONCLOSE") < 0 ? GlyphSet::Big : GlyphSet::Small;
  auto& out = c.Glyphs;
  if (c.Set == GlyphSet::Big) {
    const int alone = g("BICLOSEALONE");
    out[size_t(TitleButton::Close)] = !maxOrMinVisible && alone >= 0 ? alone : g("BICONCLOSE");
    out[size_t(TitleButton::Maximize)] = maximized ? g("BICONNORM") : g("BICONMAX");
    out[size_t(TitleButton::Minimize)] = minimizedChildForm ? g("BICONNORM") : g("BICONMIN");
    out[size_t(TitleButton::Help)] = g("BICONHELP");
  } else {
    out[size_t(TitleButton::Close)] = g("SICONCLOSE");
    out[size_t(TitleButton::Maximize)] = maximized ? g("BICONNORM") : g("SICONMAX");
    out[size_t(TitleButton::Minimize)] = g("SICONMIN");
    out[size_t(TitleButton::Help)] = g("SICONHELP") >= 0 ? g("SICONHELP") : g("BICONHELP");
  }
  return c;
}

std::array<TSize, kTitleButtonCount> GlyphSizes(const SkinPaintView& view,
                                                const std::array<int32_t, kTitleButtonCount>& glyphs) {
  std::array<TSize, kTitleButtonCount> sizes{};
  for (size_t i = 0; i < sizes.size(); ++i)
    if (const TsMaskData* m = view.Mask(glyphs[i]))
      sizes[i] = {std::clamp(m->Width(), 0, kMaxSkinCaptionHeight), std::clamp(m->Height(), 0, kMaxSkinCaptionHeight)};
  return sizes;
}

FramePaintSkin FramePaintSkinOf(const LoadedSkin& skin, const TacSkinElements& elements,
                                const TacBorderImages& borders, const TitleGlyphChoice& glyphs,
                                std::string_view titleSection) {
  FramePaintSkin f;
  f.View = {&skin.Sections, &skin.Images.Masks(), &skin.Images.MasterBitmap, true};
  f.FormSection = FindSection(skin.Sections, "FORM");
  f.TitleSection = FindSection(skin.Sections, titleSection);
  f.Glyphs = glyphs.Glyphs;
  f.ShadowActive = borders.Active.Empty() ? nullptr : &borders.Active;
  f.ShadowInactive = borders.Inactive.Empty() ? nullptr : &borders.Inactive;
  const int offset = skin.SkinData.BorderMode != 0 ? 0 : skin.SkinData.FormOffset;
  f.ShadowBorders = {borders.MarginL + offset, borders.MarginT + offset, borders.MarginR + offset,
                     borders.MarginB + offset};
  if (const TsMaskData* ex = skin.Images.Mask(elements.GlobalMask("EXBORDER"))) f.ShadowBorders = ex->EffectiveBorders();
  return f;
}

void PaintFrame(const FramePaintSkin& skin, const FrameMeasures& m, const FrameInputs& in, const TitleLayout& layout,
                const FrameLook& look, PixelBuffer& cache, PixelBuffer& buttonsBackground,
                const CaptionWriter& caption) {
  if (cache.Width() != m.Cache.cx || cache.Height() != m.Cache.cy) cache.Resize(m.Cache.cx, m.Cache.cy);
  if (cache.Empty() || !skin.View.Section(skin.FormSection)) return;
  const bool extended = in.Mode == FrameMode::ExtendedBorder;
  FillPixels(cache, cache.Bounds(), clBlack, 0);

  // The frame inside the margins; in extended-border mode with meaningful alpha.
  const TRect frame{m.L, m.T, m.Cache.cx - m.R, m.Cache.cy - m.B};
  const TRect captionBar{m.L, m.T, m.Cache.cx - m.R, layout.CaptionBottom};
  const int32_t formState = SectionStateOf(skin.View, skin.FormSection, look.Active);
  const int32_t titleState = SectionStateOf(skin.View, skin.TitleSection, look.Active);
  if (extended) {
    PaintSectionLayered(skin.View, skin.FormSection, formState, cache, frame);
    if (m.CH > 0) PaintSectionLayered(skin.View, skin.TitleSection, titleState, cache, captionBar);
    if (const PixelBuffer* shadow = look.Active ? skin.ShadowActive : skin.ShadowInactive)
      PaintShadow(*shadow, skin.ShadowBorders, cache);
  } else {
    FillPixels(cache, frame, clBlack, 255);
    PaintSection(skin.View, skin.FormSection, Itself(cache), formState, frame, {0, 0}, cache);
    if (m.CH > 0) PaintSection(skin.View, skin.TitleSection, Itself(cache), titleState, captionBar, {0, 0}, cache);
  }

  if (caption && m.CH > 0) caption(cache, layout, titleState);
  const TRect saved = ButtonsBackgroundRect(m, layout);
  buttonsBackground.Resize(saved.Width(), saved.Height());
  CopyPixels(buttonsBackground, {0, 0}, cache, saved);
  for (int i = 0; i < kTitleButtonCount; ++i) PaintButton(skin, layout, look, i, cache);
}

TRect RepaintTitleButton(const FramePaintSkin& skin, const FrameMeasures& m, const TitleLayout& layout,
                         const FrameLook& look, TitleButton button, const PixelBuffer& buttonsBackground,
                         PixelBuffer& cache) {
  const TRect& r = layout.Buttons[size_t(button)];
  if (r.IsEmpty() || cache.Empty()) return {};
  const TRect saved = ButtonsBackgroundRect(m, layout);
  // The button's area of the saved background, clipped to what was saved.
  const TRect area{std::max(r.Left, saved.Left), std::max(r.Top, saved.Top), std::min(r.Right, saved.Right),
                   std::min(r.Bottom, saved.Bottom)};
  if (!area.IsEmpty())
    CopyPixels(cache, {area.Left, area.Top}, buttonsBackground,
               {area.Left - saved.Left, area.Top - saved.Top, area.Right - saved.Left, area.Bottom - saved.Top});
  PaintButton(skin, layout, look, int(button), cache);
  return {std::max(r.Left, 0), std::max(r.Top, 0), std::min(r.Right, cache.Width()), std::min(r.Bottom, cache.Height())};
}
