#pragma once
// Painting a skin section into a rectangle for one state: the background
// layers (colour, gradient, texture) mixed with what lies behind by the
// section's transparency, the corner images and the border mask. Painters
// never fail: an invalid section, an empty rectangle or one outside the
// target paints nothing.
#include <cstdint>

#include "skin/render/core/BackgroundInfo.h"
#include "skin/render/core/Color.h"
#include "skin/render/core/PixelBuffer.h"
#include "skin/paint/SkinPaintView.h"

// Background, corner images and border mask of a section. offset is the
// position of rect inside the area that bg describes; texture indexes below 0
// take the section's own patterns.
void PaintSection(const SkinPaintView& skin, int32_t sectionIndex, const BackgroundInfo& bg, int32_t state,
                  const TRect& rect, TPoint offset, PixelBuffer& target, int32_t normalTexture = -1,
                  int32_t hotTexture = -1);

// The section's four corner images over rect in state, each seeing the
// finished picture behind its key pixels.
void PaintCornerImages(const SkinPaintView& skin, const TsGeneralData& section, int32_t state, const TRect& rect,
                       PixelBuffer& target);

// The background layers only. customColor clFuchsia means none; a custom
// colour replaces colour, transparency, gradient and texture share.
void PaintSectionBackground(const SkinPaintView& skin, int32_t sectionIndex, const BackgroundInfo& bg, int32_t state,
                            TColor customColor, int32_t hotTexture, int32_t normalTexture, PixelBuffer& target,
                            TPoint offset, const TRect& rect);

// What the solid layers of a state are made of.
struct SolidLayers {
  TColor Color = clWhite;            // SC
  int32_t TextureShare = 0;          // I, percent
  int32_t GradientShare = 0;         // G, percent
  const TsGradArray* Gradient = nullptr;
  int32_t Texture = -1;              // mask index of the texture
  uint8_t CombinedAlpha = 255;       // alpha of the combined gradient-and-texture pass
};

// The solid layers of a state: its colour, its texture and gradient shares
// (clamped to percent), the texture (the given one, else the state's pattern)
// and the gradient where their shares ask for them.
SolidLayers SolidLayersOf(const TsGenState& state, int32_t texture = -1);

// Colour, gradient and texture into rect, without any background; textures
// with a mask see bg behind their key pixels.
void PaintSolidLayers(const SkinPaintView& skin, PixelBuffer& target, const TRect& rect, const SolidLayers& layers,
                      const BackgroundInfo& bg);

// True when rect is not empty and lies inside the target.
bool RectInside(const PixelBuffer& target, const TRect& rect);
