#include "skin/paint/SectionPainter.h"

#include <algorithm>

#include "skin/render/core/Blend.h"
#include "skin/paint/BorderMask.h"
#include "skin/paint/GlyphFrame.h"
#include "skin/render/core/Gradient.h"
#include "skin/paint/PaintGeometry.h"
#include "skin/render/core/Raster.h"
#include "skin/paint/Textures.h"

namespace {

int32_t Percent(int32_t v) { return std::clamp(v, 0, 100); }

// round(percent * 2.55) with ties to even, in integers: 2.55 has no exact
// binary form, and 50 percent must give 128.
int BlendWeight(int32_t percent) {
  const int32_t scaled = percent * 255;
  int32_t k = scaled / 100;
  const int32_t rest = scaled % 100;
  if (rest > 50 || (rest == 50 && k % 2 == 1)) ++k;
  return k;
}

bool BackgroundKnown(const BackgroundInfo& bg) { return bg.BitmapReady || bg.PlainColor != clFuchsia; }

BackgroundInfo Moved(BackgroundInfo bg, TPoint by) {
  bg.OriginX += by.X;
  bg.OriginY += by.Y;
  return bg;
}

void Fill(PixelBuffer& target, const TRect& r, TColor color) { FillPixels(target, r, ResolveColor(color), 255); }

// A gradient, or the section colour in its place when the gradient has no steps.
void PaintGradientOrColor(PixelBuffer& target, const TRect& r, const SolidLayers& layers) {
  if (layers.Gradient && !layers.Gradient->empty()) {
    PaintGradient(target, r, *layers.Gradient);
  } else {
    Fill(target, r, layers.Color);
  }
}

// A parent with a plain inside whose border frame lies in its picture.
void PaintFramedBackground(PixelBuffer& target, const TRect& rect, const BackgroundInfo& bg, TPoint offset) {
  FramedBackgroundInput in;
  in.Dest = rect;
  in.Offset = offset;
  in.Origin = {bg.OriginX, bg.OriginY};
  in.Picture = {bg.Bitmap->Width(), bg.Bitmap->Height()};
  in.FrameL = bg.FrameWidths.Left;
  in.FrameT = bg.FrameWidths.Top;
  in.FrameR = bg.FrameWidths.Right;
  in.FrameB = bg.FrameWidths.Bottom;
  const FramedBackground f = LayoutFramedBackground(in);
  for (const StripCopy& s : f.Strips) {
    if (s.Width > 0 && s.Height > 0)
      CopyPixels(target, {s.DestX, s.DestY}, *bg.Bitmap, MakeRect(s.SourceX, s.SourceY, s.Width, s.Height));
  }
  Fill(target, f.Fill, bg.PlainColor);
}

// Puts what lies behind into rect: the parent's picture, its framed plain
// colour (framed only when asked) or its plain colour.
void PutBackground(PixelBuffer& target, const TRect& rect, const BackgroundInfo& bg, TPoint offset, bool framed) {
  if (bg.BitmapReady && bg.Bitmap) {
    if (bg.Bitmap == &target) return;  // the target already holds it
    CopyPixels(target, {rect.Left, rect.Top}, *bg.Bitmap,
               MakeRect(bg.OriginX + offset.X, bg.OriginY + offset.Y, rect.Width(), rect.Height()));
  } else if (framed && bg.Bitmap && !bg.BitmapReady && bg.PlainColor != clFuchsia) {
    PaintFramedBackground(target, rect, bg, offset);
  } else if (bg.PlainColor != clFuchsia) {
    Fill(target, rect, bg.PlainColor);
  }
}

}  // namespace

bool RectInside(const PixelBuffer& target, const TRect& rect) {
  return !rect.IsEmpty() && rect.Left >= 0 && rect.Top >= 0 && rect.Right <= target.Width() &&
         rect.Bottom <= target.Height();
}

void PaintSolidLayers(const SkinPaintView& skin, PixelBuffer& target, const TRect& rect, const SolidLayers& layers,
                      const BackgroundInfo& bg) {
  const int32_t i = layers.TextureShare, g = layers.GradientShare;
  const TsMaskData* texture = skin.Mask(layers.Texture);
  const PixelBuffer* texturePicture = texture ? skin.PictureOf(*texture) : nullptr;

  // Gradient and texture in one pass when they share the whole area.
  const bool gradientUsable = layers.Gradient && !layers.Gradient->empty() &&
                              ((*layers.Gradient)[0].Mode == 0 || (*layers.Gradient)[0].Mode == 1);
  if (i + g == 100 && g >= 1 && g <= 99 && texture && texturePicture && texture->PaintMode == 0 && gradientUsable) {
    PaintGradientWithTexture(target, rect, *layers.Gradient, layers.CombinedAlpha, i * 255 / 100, texture->SourceRect,
                             *texturePicture);
    return;
  }

  const bool texturePainted = i > 0 && texture;
  if (texturePainted) {
    TRect remainder = rect;
    if (texture->MaskRows != 0) {
      if (PaintMaskedTexture(skin, target, rect, bg, texture->PaintMode, *texture)) remainder = kNothingRemains;
    } else {
      remainder = PaintTexture(skin, target, rect, *texture, texture->PaintMode);
    }
    if (remainder != kNothingRemains) Fill(target, remainder, layers.Color);
  }

  if (g > 0) {
    if (texturePainted) {
      // The texture keeps I percent under the gradient.
      PixelBuffer temp = CreatePixelBuffer(rect);
      PaintGradientOrColor(temp, temp.Bounds(), layers);
      BlendBuffers(target, temp, std::clamp(i * 255 / 100, 0, 255), {rect.Left, rect.Top}, temp.Bounds());
    } else {
      PaintGradientOrColor(target, rect, layers);
    }
  } else if (!texturePainted) {
    Fill(target, rect, layers.Color);
  }
  if (i + g >= 1 && i + g <= 99) FadeToColor(target, rect, i + g, ResolveColor(layers.Color));
}

SolidLayers SolidLayersOf(const TsGenState& state, int32_t texture) {
  SolidLayers layers;
  layers.Color = state.Color;
  layers.TextureShare = Percent(state.TextureShare);
  layers.GradientShare = Percent(state.GradientShare);
  if (layers.TextureShare > 0) layers.Texture = texture >= 0 ? texture : state.PatternIndex;
  if (layers.GradientShare != 0) layers.Gradient = &state.GradientData;
  return layers;
}

void PaintSectionBackground(const SkinPaintView& skin, int32_t sectionIndex, const BackgroundInfo& bg, int32_t state,
                            TColor customColor, int32_t hotTexture, int32_t normalTexture, PixelBuffer& target,
                            TPoint offset, const TRect& rect) {
  const TsGeneralData* section = skin.Section(sectionIndex);
  if (!section || !RectInside(target, rect)) return;
  const TsGenState& p = section->Props[size_t(PropsIndex(state, section->States))];

  // A custom colour, or a state that shows only what lies behind, has the colour alone.
  SolidLayers layers;
  int32_t t = 0;
  if (customColor != clFuchsia) {
    layers.Color = customColor;
  } else if (t = Percent(p.Transparency); t != 100) {
    layers = SolidLayersOf(p, normalTexture);
  } else {
    layers.Color = p.Color;
  }
  const int32_t shares = layers.TextureShare + layers.GradientShare;
  const BackgroundInfo movedBg = Moved(bg, offset);

  if (!BackgroundKnown(bg) || t == 0) {
    PaintSolidLayers(skin, target, rect, layers, movedBg);  // no background known: the section is opaque
  } else if (t == 100) {
    PutBackground(target, rect, bg, offset, true);
  } else if (bg.BitmapReady || shares != 0) {
    // The layers are mixed over the background; the target keeps T percent of it.
    PixelBuffer temp = CreatePixelBuffer(rect);
    PaintSolidLayers(skin, temp, temp.Bounds(), layers, EmptyBackground());
    PutBackground(target, rect, bg, offset, false);
    BlendBuffers(target, temp, BlendWeight(t), {rect.Left, rect.Top}, temp.Bounds());
  } else {
    Fill(target, rect, LerpColor(ResolveColor(bg.PlainColor), ResolveColor(layers.Color), t / 100.0));
  }

  // The overlay texture: a masked pattern laid over everything in whole rows.
  const int32_t overlay = state == 0 ? (normalTexture < 0 ? p.PatternIndex : normalTexture) : hotTexture;
  const TsMaskData* overlayMask = skin.Mask(overlay);
  if (overlayMask && overlayMask->MaskRows > 0 && overlayMask->PaintMode == kTextureWholeRows)
    PaintMaskedTexture(skin, target, rect, movedBg, kTextureWholeRows, *overlayMask);
}

void PaintCornerImages(const SkinPaintView& skin, const TsGeneralData& section, int32_t state, const TRect& rect,
                       PixelBuffer& target) {
  // Corner images over the finished background, which they see behind their key pixels.
  BackgroundInfo self;
  self.Bitmap = &target;
  self.BitmapReady = true;
  struct Corner {
    int32_t index;
    bool right, bottom;
  } const corners[] = {{section.ImgTopLeft, false, false},
                       {section.ImgTopRight, true, false},
                       {section.ImgBottomLeft, false, true},
                       {section.ImgBottomRight, true, true}};
  for (const Corner& c : corners) {
    const TsMaskData* mask = skin.Mask(c.index);
    if (!mask) continue;
    const TPoint at{c.right ? rect.Right - mask->Width() : rect.Left, c.bottom ? rect.Bottom - mask->Height() : rect.Top};
    PaintGlyphFrame(skin, target, at, state, self, *mask, kGlyphNormalLook);
  }
}

void PaintSection(const SkinPaintView& skin, int32_t sectionIndex, const BackgroundInfo& bg, int32_t state,
                  const TRect& rect, TPoint offset, PixelBuffer& target, int32_t normalTexture, int32_t hotTexture) {
  const TsGeneralData* section = skin.Section(sectionIndex);
  if (target.Empty() || !section || !RectInside(target, rect)) return;
  state = SectionState(state, section->States);
  PaintSectionBackground(skin, sectionIndex, bg, state, clFuchsia, hotTexture, normalTexture, target, offset, rect);

  PaintCornerImages(skin, *section, state, rect, target);

  if (const TsMaskData* border = skin.Mask(section->BorderIndex))
    PaintBorderMask(skin, target, rect, Moved(bg, offset), true, state, *border);
}
