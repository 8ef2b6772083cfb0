#include "skin/paint/Textures.h"

#include <algorithm>

#include "skin/render/core/Blend.h"
#include "skin/render/core/Color.h"
#include "skin/paint/PaintGeometry.h"
#include "skin/render/core/Raster.h"

namespace {

constexpr uint32_t kKeyPixel = 0x00FF00FF;

bool SourceInside(const PixelBuffer& picture, const TRect& r) {
  return r.Left >= 0 && r.Top >= 0 && r.Right <= picture.Width() && r.Bottom <= picture.Height();
}

// Tiles of tw x th with their top-left at area's top-left, cut at the right
// and bottom; wholeRowsOnly drops the cut bottom row.
template <typename Fn>
void ForEachTextureTile(const PixelBuffer& target, const TRect& area, int32_t tw, int32_t th, bool wholeRowsOnly,
                        Fn&& fn) {
  const TileRun rows = TileSpan(area.Top, area.Bottom, th);
  const int32_t rowsEnd = wholeRowsOnly ? rows.RestStart : area.Bottom;
  ForEachTileIn(area.Top, rowsEnd, th, 0, target.Height(), [&](int32_t y, int32_t h) {
    ForEachTileIn(area.Left, area.Right, tw, 0, target.Width(), [&](int32_t x, int32_t w) { fn(x, y, w, h); });
  });
}

// The masked tile rule: the tile at (x, y), w x h of the tile source, mixed
// through the mask maskOffset rows below; key pixels take the background.
void PaintMaskedTile(PixelBuffer& target, const PixelBuffer& picture, int32_t x, int32_t y, int32_t sx, int32_t sy,
                     int32_t w, int32_t h, int32_t maskOffset, const BackgroundInfo& bg) {
  if (x < 0) { sx -= x; w += x; x = 0; }
  if (y < 0) { sy -= y; h += y; y = 0; }
  w = std::min({w, target.Width() - x, picture.Width() - sx});
  h = std::min({h, target.Height() - y, picture.Height() - sy - maskOffset});
  if (w <= 0 || h <= 0 || sx < 0 || sy < 0) return;
  const bool fromPicture = bg.BitmapReady && bg.PlainColor == clFuchsia && bg.Bitmap;
  const bool plainKnown = bg.PlainColor != clFuchsia;
  const uint32_t plain = ExchangeRedBlue(bg.PlainColor) & 0x00FFFFFFu;
  for (int32_t i = 0; i < h; ++i) {
    const uint32_t* s = picture.Row(sy + i) + sx;
    const uint32_t* m = picture.Row(sy + i + maskOffset) + sx;
    uint32_t* d = target.Row(y + i) + x;
    const int32_t by = bg.OriginY + y + i;
    for (int32_t j = 0; j < w; ++j) {
      if (s[j] != kKeyPixel) {
        d[j] = (MaskRule(d[j], s[j], m[j]) & 0x00FFFFFFu) | 0xFF000000u;
      } else if (fromPicture) {
        const int32_t bx = bg.OriginX + x + j;
        if (bx >= bg.Bitmap->Width()) break;  // beyond the picture: the row ends
        if (bx >= 0 && by >= 0 && by < bg.Bitmap->Height()) d[j] = bg.Bitmap->At(bx, by);
      } else if (plainKnown) {
        d[j] = plain;
      }
    }
  }
}

// Fills part of the target from the background: its picture when ready, else its plain colour.
void FillFromBackground(PixelBuffer& target, const TRect& r, const BackgroundInfo& bg) {
  if (r.IsEmpty()) return;
  if (bg.BitmapReady && bg.Bitmap) {
    CopyPixels(target, {r.Left, r.Top}, *bg.Bitmap, MakeRect(r.Left + bg.OriginX, r.Top + bg.OriginY, r.Width(), r.Height()));
  } else if (bg.PlainColor != clFuchsia) {
    FillPixels(target, r, ResolveColor(bg.PlainColor), 255);
  }
}

}  // namespace

TRect PaintTexture(const SkinPaintView& skin, PixelBuffer& target, const TRect& area, const TsMaskData& mask,
                   int32_t mode) {
  const PixelBuffer* picture = skin.PictureOf(mask);
  const TRect& src = mask.SourceRect;
  const int32_t tw = src.Width(), th = src.Height();
  if (area.IsEmpty() || target.Empty() || !picture || tw <= 0 || th <= 0 || !SourceInside(*picture, src)) return area;

  auto tile = [&](const TRect& where, bool wholeRowsOnly) {
    ForEachTextureTile(target, where, tw, th, wholeRowsOnly, [&](int32_t x, int32_t y, int32_t w, int32_t h) {
      CopyPixels(target, {x, y}, *picture, MakeRect(src.Left, src.Top, w, h));
    });
  };
  // Stretched rows keep the tile's height and stretched columns its width;
  // where the area ends inside one, the tile is cut rather than squeezed.
  auto stretchRow = [&](const TRect& where) {
    StretchPixels(target, where, *picture, {src.Left, src.Top, src.Right, src.Top + std::min(th, where.Height())});
  };
  auto stretchColumn = [&](const TRect& where) {
    StretchPixels(target, where, *picture, {src.Left, src.Top, src.Left + std::min(tw, where.Width()), src.Bottom});
  };
  const TRect& a = area;
  switch (mode) {
    case 0: tile(a, false); return kNothingRemains;
    case 2: tile(a, false); return {a.Left, a.Top + th, a.Right, a.Bottom};
    case 3: tile(a, false); return {a.Left + tw, a.Top, a.Right, a.Bottom};
    case 6: tile({a.Left, a.Bottom - th, a.Right, a.Bottom}, false); return {a.Left, a.Top, a.Right, a.Bottom - th};
    case 7: tile(a, false); return {a.Left, a.Top, a.Right - tw, a.Bottom};
    case 10: tile(a, true); return kNothingRemains;
    case 1: StretchPixels(target, a, *picture, src); return kNothingRemains;
    case 4: stretchRow({a.Left, a.Top, a.Right, std::min(a.Bottom, a.Top + th)}); return {a.Left, a.Top + th, a.Right, a.Bottom};
    case 5: stretchColumn({a.Left, a.Top, std::min(a.Right, a.Left + tw), a.Bottom}); return {a.Left + tw, a.Top, a.Right, a.Bottom};
    case 11:
      ForEachTileIn(a.Top, a.Bottom, th, 0, target.Height(),
                    [&](int32_t y, int32_t h) { stretchRow({a.Left, y, a.Right, y + h}); });
      return kNothingRemains;
    case 12:
      ForEachTileIn(a.Left, a.Right, tw, 0, target.Width(),
                    [&](int32_t x, int32_t w) { stretchColumn({x, a.Top, x + w, a.Bottom}); });
      return kNothingRemains;
    default: return area;
  }
}

bool PaintMaskedTexture(const SkinPaintView& skin, PixelBuffer& target, const TRect& area, const BackgroundInfo& bg,
                        int32_t mode, const TsMaskData& mask) {
  if (mode != kTextureTiled && mode != kTextureWholeRows) return false;
  const PixelBuffer* picture = skin.PictureOf(mask);
  const TRect& src = mask.SourceRect;
  const int32_t tw = src.Width(), th = src.Height() / 2;
  if (area.IsEmpty() || target.Empty() || !picture || tw <= 0 || th <= 0 || !SourceInside(*picture, src)) return false;

  const TileRun cols = TileSpan(area.Left, area.Right, tw);
  const TileRun rows = TileSpan(area.Top, area.Bottom, th);
  const int32_t colsEnd = mode == kTextureTiled ? area.Right : cols.RestStart;
  ForEachTileIn(area.Top, rows.RestStart, th, 0, target.Height(), [&](int32_t y, int32_t h) {
    ForEachTileIn(area.Left, colsEnd, tw, 0, target.Width(), [&](int32_t x, int32_t w) {
      PaintMaskedTile(target, *picture, x, y, src.Left, src.Top, w, h, th, bg);
    });
  });
  if (mode == kTextureWholeRows) {
    // Strips no whole tile covers: below the last row (all of the area when no column fitted) and right of the last column.
    const int32_t below = cols.WholeCount > 0 ? rows.RestStart : area.Top;
    FillFromBackground(target, {area.Left, below, area.Right, area.Bottom}, bg);
    FillFromBackground(target, {cols.RestStart, area.Top, area.Right, below}, bg);
  }
  return true;
}
