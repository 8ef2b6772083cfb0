#include "skin/windows/FramePainter.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "skin/data/SkinElements.h"
#include "skin/data/SkinLoader.h"
#include "skin/render/core/Blend.h"
#include "skin/paint/BorderMask.h"
#include "skin/paint/GlyphFrame.h"
#include "skin/paint/LayeredPainter.h"
#include "skin/paint/PaintGeometry.h"
#include "skin/render/core/PngDraw.h"
#include "skin/render/core/Raster.h"
#include "skin/paint/SectionPainter.h"

namespace {

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

// One state picture of a button's glyph at the button's top-left corner; a
// glyph taller than the button is drawn apart over what lies there, and only
// the button's rows are kept.
void PaintButtonGlyph(const FramePaintSkin& skin, const TitleLayout& layout, const TRect& r, int32_t state,
                      const TsMaskData& glyph, bool faded, PixelBuffer& cache) {
  const int32_t glyphLook = faded ? kGlyphNormalLook + 1 : kGlyphNormalLook;
  const int32_t glyphHeight = std::clamp(glyph.Height(), 0, kMaxSkinCaptionHeight);
  if (layout.GlyphCrop == 0 && glyphHeight <= r.Height()) {
    PaintGlyphFrame(skin.View, cache, {r.Left, r.Top}, state, PictureBackground(cache), glyph, glyphLook);
    return;
  }
  const int32_t top = r.Top - layout.GlyphCrop;
  PixelBuffer part(r.Width(), glyphHeight);
  FillPixels(part, part.Bounds(), clBlack, 0);
  CopyPixels(part, {0, 0}, cache, MakeRect(r.Left, top, r.Width(), glyphHeight));
  PaintGlyphFrame(skin.View, part, {0, 0}, state, PictureBackground(part), glyph, glyphLook);
  CopyPixels(cache, {r.Left, r.Top}, part, MakeRect(0, layout.GlyphCrop, r.Width(), r.Height()));
}

void PaintButton(const FramePaintSkin& skin, const TitleLayout& layout, const FrameLook& look, int i,
                 PixelBuffer& cache) {
  const TRect& r = layout.Buttons[size_t(i)];
  const TsMaskData* glyph = skin.View.Mask(skin.Glyphs[size_t(i)]);
  if (r.IsEmpty() || !glyph) return;
  const int32_t state = std::clamp(look.ButtonStates[size_t(i)], 0, 2);
  // Normal buttons of an inactive or disabled form, and disabled buttons, are half transparent.
  const bool faded = state == 0 && (!look.Active || !look.Enabled || !look.ButtonEnabled[size_t(i)]);
  PaintButtonGlyph(skin, layout, r, state, *glyph, faded, cache);
}

// Straight-alpha pixels of source over the cache at point.
void BlendOver(const PixelBuffer& source, TPoint point, PixelBuffer& cache) {
  for (int32_t y = 0; y < source.Height(); ++y) {
    const int32_t cy = point.Y + y;
    if (cy < 0 || cy >= cache.Height()) continue;
    for (int32_t x = 0; x < source.Width(); ++x) {
      const int32_t cx = point.X + x;
      if (cx < 0 || cx >= cache.Width()) continue;
      const uint32_t s = source.At(x, y), d = cache.At(cx, cy);
      const uint32_t a = s >> 24;
      uint32_t out = std::max(a, d >> 24) << 24;
      for (int shift = 0; shift < 24; shift += 8) {
        const uint32_t sc = (s >> shift) & 0xFF, dc = (d >> shift) & 0xFF;
        out |= ((sc * a + dc * (255 - a) + 127) / 255) << shift;
      }
      cache.At(cx, cy) = out;
    }
  }
}

// A corner of the frame as painted, kept to be laid back over the shadow.
struct SavedCorner {
  TPoint At;
  PixelBuffer Pixels;
};

// The frame's corner pieces: the top ones as big as the title mask's corners
// (without one, the form mask's, at most 8 x 8), the bottom ones as the form mask's.
std::vector<SavedCorner> FrameCorners(const FramePaintSkin& skin, const TRect& frame, const PixelBuffer& cache) {
  auto bordersOf = [&](int32_t section) -> std::optional<TBorderWidths> {
    const TsGeneralData* s = skin.View.Section(section);
    const TsMaskData* mask = s ? skin.View.Mask(s->BorderIndex) : nullptr;
    if (!mask) return std::nullopt;
    TBorderWidths b = mask->EffectiveBorders();
    const int32_t most = kMaxSkinFrameWidth;
    b = {std::clamp(b.Left, 0, most), std::clamp(b.Top, 0, most), std::clamp(b.Right, 0, most), std::clamp(b.Bottom, 0, most)};
    return b;
  };
  const std::optional<TBorderWidths> form = bordersOf(skin.FormSection);
  std::optional<TBorderWidths> top = bordersOf(skin.TitleSection);
  if (!top && form) top = TBorderWidths{std::min(form->Left, 8), std::min(form->Top, 8), std::min(form->Right, 8), 0};
  std::vector<SavedCorner> corners;
  auto keep = [&](int32_t left, int32_t y, int32_t w, int32_t h) {
    if (w <= 0 || h <= 0) return;
    SavedCorner c{{left, y}, PixelBuffer(w, h)};
    FillPixels(c.Pixels, c.Pixels.Bounds(), clBlack, 0);
    CopyPixels(c.Pixels, {0, 0}, cache, MakeRect(left, y, w, h));
    corners.push_back(std::move(c));
  };
  if (top) {
    keep(frame.Left, frame.Top, top->Left, top->Top);
    keep(frame.Right - top->Right, frame.Top, top->Right, top->Top);
  }
  if (form) {
    keep(frame.Left, frame.Bottom - form->Bottom, form->Left, form->Bottom);
    keep(frame.Right - form->Right, frame.Bottom - form->Bottom, form->Right, form->Bottom);
  }
  return corners;
}

// The icon picture (straight alpha) over the icon rectangle, stretched when its size differs.
void PaintIcon(const PixelBuffer& icon, const TRect& rect, PixelBuffer& cache) {
  if (icon.Empty() || rect.IsEmpty()) return;
  PixelBuffer sized;
  const PixelBuffer* source = &icon;
  if (icon.Width() != rect.Width() || icon.Height() != rect.Height()) {
    sized.Resize(rect.Width(), rect.Height());
    StretchPixels(sized, sized.Bounds(), icon, icon.Bounds());
    source = &sized;
  }
  BlendOver(*source, {rect.Left, rect.Top}, cache);
}

// The caption bar: the title section, the header band under it and the
// "TITLEBAR" image behind the title buttons.
void PaintCaptionBar(const FramePaintSkin& skin, const FrameMeasures& m, const FrameInputs& in,
                     const TitleLayout& layout, const FrameLook& look, PixelBuffer& cache) {
  const bool extended = in.Mode == FrameMode::ExtendedBorder;
  auto paint = [&](int32_t section, const TRect& rect) {
    if (rect.IsEmpty()) return;
    const int32_t state = SectionStateOf(skin.View, section, look.Active);
    if (extended) PaintSectionLayered(skin.View, section, state, cache, rect);
    else PaintSection(skin.View, section, PictureBackground(cache), state, rect, {0, 0}, cache);
  };
  if (m.CH > 0) paint(skin.TitleSection, {m.L, m.T, m.Cache.cx - m.R, layout.CaptionBottom});
  // The header takes the client's top rows, inside the frame, so that the caption and frame lines stay.
  const int32_t header = std::clamp(look.HeaderHeight, 0, std::max(0, in.Client.cy));
  if (header > 0 && skin.View.Section(skin.HeaderSection))
    paint(skin.HeaderSection, {m.ClientOrigin.X, std::min(layout.CaptionBottom, m.ClientOrigin.Y),
                               m.ClientOrigin.X + std::max(0, in.Client.cx), m.ClientOrigin.Y + header});
  const TsMaskData* bar = skin.View.Mask(skin.TitleBar);
  if (m.CH > 0 && bar && bar->Width() > 0) {
    const int32_t width = std::clamp(bar->Width(), 0, kMaxSkinCaptionHeight);
    const TRect rect{std::max(m.L, m.Cache.cx - (2 * width + layout.ButtonsWidth)), m.T, m.Cache.cx - m.R,
                     layout.CaptionBottom};
    if (!rect.IsEmpty())
      PaintBorderMask(skin.View, cache, rect, PictureBackground(cache), false, SectionStateOf(skin.View, skin.FormSection, look.Active),
                      *bar, extended ? MaskAlpha::FromMask : MaskAlpha::Opaque);
  }
}

// The user's own glyph as a straight-alpha picture: a glyph without alpha
// loses its bottom-left colour; a faded one keeps half of its opacity.
PixelBuffer UserGlyphPicture(const UserButtonLook& b, bool faded) {
  PixelBuffer picture;
  const PixelBuffer& glyph = *b.Glyph;
  picture.Resize(glyph.Width(), glyph.Height());
  CopyPixels(picture, {0, 0}, glyph, glyph.Bounds());
  const uint32_t key = picture.At(0, picture.Height() - 1) & 0x00FFFFFFu;
  for (int32_t y = 0; y < picture.Height(); ++y)
    for (int32_t x = 0; x < picture.Width(); ++x) {
      uint32_t& p = picture.At(x, y);
      uint32_t alpha = b.GlyphAlpha ? p >> 24 : (p & 0x00FFFFFFu) == key ? 0 : 255;
      if (faded) alpha /= 2;
      // The key colour of the picture drawer is never part of a user's glyph.
      p = alpha == 0 ? 0 : (p & 0x00FFFFFFu) | (alpha << 24);
    }
  return picture;
}

void PaintUserButton(const FramePaintSkin& skin, const TitleLayout& layout, const FrameLook& look, size_t i,
                     PixelBuffer& cache) {
  if (i >= layout.UserButtons.size() || i >= look.UserButtons.size()) return;
  const TRect& r = layout.UserButtons[i];
  const UserButtonLook& b = look.UserButtons[i];
  if (r.IsEmpty()) return;
  const int32_t state = std::clamp(b.State, 0, 2);
  const bool faded = state == 0 && (!look.Active || !look.Enabled || !b.Enabled);
  if (const TsMaskData* background = b.UseSkinData ? skin.View.Mask(skin.UserButtonImage) : nullptr)
    PaintButtonGlyph(skin, layout, r, state, *background, faded, cache);
  if (!b.Glyph || b.Glyph->Empty()) return;
  // Centred, one pixel down and right while pressed.
  const int32_t shift = state == 2 ? 1 : 0;
  const TPoint at{r.Left + (r.Width() - b.Glyph->Width()) / 2 + shift, r.Top + (r.Height() - b.Glyph->Height()) / 2 + shift};
  DrawAlphaPicture(cache, MakeRect(at.X, at.Y, b.Glyph->Width(), b.Glyph->Height()), UserGlyphPicture(b, faded));
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
                                std::string_view titleSection, std::string_view formSection) {
  FramePaintSkin f;
  f.View = {&skin.Sections, &skin.Images.Masks(), &skin.Images.MasterBitmap, true};
  f.FormSection = FindSection(skin.Sections, formSection);
  f.TitleSection = FindSection(skin.Sections, titleSection);
  f.Glyphs = glyphs.Glyphs;
  f.HeaderSection = FindSection(skin.Sections, "FORMHEADER");
  f.TitleBar = skin.Images.FindMaskByName(formSection, "TITLEBAR");
  f.Grip = elements.GlobalMask("GRIPIMAGE");
  f.UserButtonImage = skin.Images.FindGlobalMask(skin.Sections, "TITLEBUTTON");
  f.ShadowActive = borders.Active.Empty() ? nullptr : &borders.Active;
  f.ShadowInactive = borders.Inactive.Empty() ? nullptr : &borders.Inactive;
  if (const TsMaskData* ex = skin.Images.Mask(elements.GlobalMask("EXBORDER"))) {
    f.ShadowBorders = ex->EffectiveBorders();
    f.WholeBorderPicture = skin.SkinData.BorderMode == 1;
  } else {
    // The built-in picture's borders are as wide as the margins it is drawn into.
    f.ShadowBorders = {borders.MarginL, borders.MarginT, borders.MarginR, borders.MarginB};
  }
  return f;
}

void PaintFrame(const FramePaintSkin& skin, const FrameMeasures& m, const FrameInputs& in, const TitleLayout& layout,
                const FrameLook& look, PixelBuffer& cache, PixelBuffer& buttonsBackground,
                const CaptionOutput& caption) {
  if (cache.Width() != m.Cache.cx || cache.Height() != m.Cache.cy) cache.Resize(m.Cache.cx, m.Cache.cy);
  if (cache.Empty() || !skin.View.Section(skin.FormSection)) return;
  const bool extended = in.Mode == FrameMode::ExtendedBorder;
  FillPixels(cache, cache.Bounds(), clBlack, 0);

  // The frame inside the margins; in extended-border mode with meaningful alpha.
  const TRect frame{m.L, m.T, m.Cache.cx - m.R, m.Cache.cy - m.B};
  const int32_t formState = SectionStateOf(skin.View, skin.FormSection, look.Active);
  const int32_t titleState = SectionStateOf(skin.View, skin.TitleSection, look.Active);
  if (extended) {
    PaintSectionLayered(skin.View, skin.FormSection, formState, cache, frame);
  } else {
    FillPixels(cache, frame, clBlack, 255);
    PaintSection(skin.View, skin.FormSection, PictureBackground(cache), formState, frame, {0, 0}, cache);
  }
  if (const TsMaskData* grip = skin.View.Mask(skin.Grip); grip && !m.Grip.IsEmpty())
    PaintGlyphFrame(skin.View, cache, {m.Grip.Left, m.Grip.Top}, 0, PictureBackground(cache), *grip, kGlyphNormalLook);

  const bool barOverPicture = extended && skin.WholeBorderPicture;
  if (!barOverPicture) PaintCaptionBar(skin, m, in, layout, look, cache);
  if (extended) {
    if (const PixelBuffer* shadow = look.Active ? skin.ShadowActive : skin.ShadowInactive) {
      TBorderWidths borders = skin.ShadowBorders;
      // The whole window's picture: its top border no deeper than the caption, which is painted over it.
      if (barOverPicture) borders.Top = std::min(borders.Top, layout.CaptionBottom);
      const std::vector<SavedCorner> corners = barOverPicture ? std::vector<SavedCorner>{} : FrameCorners(skin, frame, cache);
      PaintShadow(*shadow, borders, cache);
      for (const SavedCorner& corner : corners) BlendOver(corner.Pixels, {corner.At.X, corner.At.Y}, cache);
    }
    if (barOverPicture) PaintCaptionBar(skin, m, in, layout, look, cache);
  }
  if (look.Icon && m.CH > 0) PaintIcon(*look.Icon, layout.Icon, cache);

  if (caption && m.CH > 0) caption(cache, layout, titleState);
  const TRect saved = ButtonsBackgroundRect(m, layout);
  buttonsBackground.Resize(saved.Width(), saved.Height());
  CopyPixels(buttonsBackground, {0, 0}, cache, saved);
  for (int i = 0; i < kTitleButtonCount; ++i) PaintButton(skin, layout, look, i, cache);
  for (size_t i = 0; i < layout.UserButtons.size(); ++i) PaintUserButton(skin, layout, look, i, cache);
}

TRect RepaintTitleButton(const FramePaintSkin& skin, const FrameMeasures& m, const TitleLayout& layout,
                         const FrameLook& look, int32_t hitCode, const PixelBuffer& buttonsBackground,
                         PixelBuffer& cache) {
  const TRect r = TitleButtonRect(layout, hitCode);
  if (r.IsEmpty() || cache.Empty()) return {};
  const TRect saved = ButtonsBackgroundRect(m, layout);
  // The button's area of the saved background, clipped to what was saved.
  const TRect area{std::max(r.Left, saved.Left), std::max(r.Top, saved.Top), std::min(r.Right, saved.Right),
                   std::min(r.Bottom, saved.Bottom)};
  if (!area.IsEmpty())
    CopyPixels(cache, {area.Left, area.Top}, buttonsBackground,
               {area.Left - saved.Left, area.Top - saved.Top, area.Right - saved.Left, area.Bottom - saved.Top});
  if (const int32_t user = UserButtonIndexOf(hitCode); user >= 0) PaintUserButton(skin, layout, look, size_t(user), cache);
  else
    for (int i = 0; i < kTitleButtonCount; ++i)
      if (HitCodeOf(TitleButton(i)) == hitCode) PaintButton(skin, layout, look, i, cache);
  return {std::max(r.Left, 0), std::max(r.Top, 0), std::min(r.Right, cache.Width()), std::min(r.Bottom, cache.Height())};
}
