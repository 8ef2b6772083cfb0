#include "skin/paint/LayeredPainter.h"

#include <algorithm>
#include <cmath>

#include "skin/render/core/Blend.h"
#include "skin/paint/BorderMask.h"
#include "skin/paint/PaintGeometry.h"
#include "skin/render/core/Raster.h"
#include "skin/paint/SectionPainter.h"

namespace {

constexpr uint32_t kKeyPixel = 0x00FF00FF;

// A plain colour area over what the target holds: its alpha follows the
// content already there (its first pixel), so a fresh clear target gets the
// section's own opacity.
void PaintLayeredColor(PixelBuffer& target, const TRect& rect, TColor color, int32_t t) {
  const uint32_t first = target.At(rect.Left, rect.Top);
  const int32_t share = 100 - t;  // percent of the colour
  const uint8_t ownAlpha = uint8_t(share * 255 / 100);
  if (first == 0) {
    FillPixels(target, rect, ResolveColor(color), ownAlpha);
    return;
  }
  if (t == 0) {
    FillPixels(target, rect, ResolveColor(color), 255);
    return;
  }
  const uint32_t c = ExchangeRedBlue(ResolveColor(color));
  const uint32_t alpha = std::max<uint32_t>(first >> 24, ownAlpha);
  for (int32_t y = rect.Top; y < rect.Bottom; ++y) {
    uint32_t* row = target.Row(y);
    for (int32_t x = rect.Left; x < rect.Right; ++x) {
      uint32_t out = alpha << 24;
      for (int shift = 0; shift < 24; shift += 8) {
        const int32_t ch = int32_t((row[x] >> shift) & 0xFF), to = int32_t((c >> shift) & 0xFF);
        out |= uint32_t(ch - share * (ch - to) / 100) << shift;
      }
      row[x] = out;
    }
  }
}

}  // namespace

void PaintSectionLayered(const SkinPaintView& skin, int32_t sectionIndex, int32_t state, PixelBuffer& target,
                         const TRect& rect) {
  const TsGeneralData* section = skin.Section(sectionIndex);
  if (target.Empty() || !section || !RectInside(target, rect)) return;
  state = SectionState(state, section->States);
  const TsGenState& p = section->Props[size_t(std::min(state, 2))];
  const bool whole = rect == target.Bounds();

  // What the area held, as the border's background (one pixel more on the right and bottom).
  PixelBuffer before(rect.Width() + 1, rect.Height() + 1);
  FillPixels(before, before.Bounds(), clBlack, 0);
  CopyPixels(before, {0, 0}, target, MakeRect(rect.Left, rect.Top, before.Width(), before.Height()));

  const int32_t t = std::clamp(p.Transparency, 0, 100);
  if (t == 100) {
    if (whole) FillPixels(target, rect, clBlack, 0);
  } else {
    SolidLayers layers = SolidLayersOf(p);
    layers.CombinedAlpha = uint8_t(255 * std::nearbyint(1.0 - t / 100.0));  // ties to even: 50 and above give 0
    if (layers.TextureShare + layers.GradientShare == 0) {
      PaintLayeredColor(target, rect, p.Color, t);
    } else {
      PaintSolidLayers(skin, target, rect, layers, EmptyBackground());
    }
  }

  if (const TsMaskData* border = skin.Mask(section->BorderIndex)) {
    BackgroundInfo bg;
    bg.Bitmap = &before;
    bg.OriginX = -rect.Left;
    bg.OriginY = -rect.Top;
    bg.BitmapReady = true;
    PaintBorderMask(skin, target, rect, bg, true, state, *border, MaskAlpha::FromMask);
  }
  if (whole) PremultiplyAlpha(target, rect);
}

void PatchCorners(const SkinPaintView& skin, PixelBuffer& picture, TSize host, const TsMaskData* border,
                  int32_t state, int32_t corners, const BackgroundRequest& answer) {
  if (!border || !border->OwnerManager || picture.Empty()) return;
  const PixelBuffer* image = skin.PictureOf(*border);
  if (!image || image->Empty()) return;

  // A picture of its own without a frame count holds three state images over a mask.
  TsMaskData m = *border;
  if (m.Image && m.FrameCount == 0) {
    m.MaskRows = 1;
    m.FrameCount = 3;
    m.SourceRect = image->Bounds();
  }
  const int32_t k = MaskFrame(state, m.FrameCount);
  const int32_t fw = m.Width(), fh = m.Height();
  const int32_t sx = m.SourceRect.Left + k * fw, sy = m.SourceRect.Top;
  const int32_t wl = m.BorderL, wt = m.BorderT, wr = m.BorderR, wb = m.BorderB;
  const bool fromPicture = answer.AnswerKind == kAnswerPicture && answer.Bitmap;
  if (!fromPicture && m.MaskRows == 0 && answer.Color == clFuchsia) return;
  const uint32_t plain = ExchangeRedBlue(ResolveColor(answer.Color));

  struct Area {
    int32_t bit;
    TRect source;
    TPoint place;
  } const areas[] = {
      {kCornerTopLeft, MakeRect(sx, sy, wl, wt), {0, 0}},
      {kCornerBottomLeft, MakeRect(sx, sy + fh - wb, wl, wb), {0, host.cy - wb}},
      {kCornerTopRight, MakeRect(sx + fw - wr, sy, wr, wt), {host.cx - wr, 0}},
      {kCornerBottomRight, MakeRect(sx + fw - wr, sy + fh - wb, wr, wb), {host.cx - wr, host.cy - wb}},
  };
  for (const Area& a : areas) {
    if (!(corners & a.bit)) continue;
    for (int32_t i = 0; i < a.source.Height(); ++i) {
      const int32_t srcY = a.source.Top + i, y = a.place.Y + i;
      if (srcY < 0 || srcY >= image->Height() || y < 0 || y >= picture.Height()) continue;
      for (int32_t j = 0; j < a.source.Width(); ++j) {
        const int32_t srcX = a.source.Left + j, x = a.place.X + j;
        if (srcX < 0 || srcX >= image->Width() || x < 0 || x >= picture.Width()) continue;
        if (image->At(srcX, srcY) != kKeyPixel) continue;
        if (!fromPicture) {
          picture.At(x, y) = plain;
          continue;
        }
        const int32_t bx = x + answer.OffsetX, by = y + answer.OffsetY;
        if (bx >= 0 && by >= 0 && bx < answer.Bitmap->Width() && by < answer.Bitmap->Height())
          picture.At(x, y) = answer.Bitmap->At(bx, by);
      }
    }
  }
}
