#include "skin/paint/BorderMask.h"

#include <algorithm>

#include "skin/render/core/Blend.h"
#include "skin/render/core/Color.h"
#include "skin/paint/PaintGeometry.h"
#include "skin/render/core/Raster.h"
#include "skin/render/core/Resample.h"

namespace {

constexpr uint32_t kKeyPixel = 0x00FF00FF;  // magenta with alpha 0: transparent in skin images
// Stretched pieces need two temporaries of the destination size; a larger
// destination is a caller's mistake and is not painted (pixels).
constexpr int64_t kMaxStretchPixels = int64_t(1) << 26;

uint32_t WithAlpha(uint32_t pixel, uint32_t alpha) { return (pixel & 0x00FFFFFFu) | (alpha << 24); }

// The background pixel under target position (x, y), or null when the
// background has no ready picture there.
const uint32_t* BackgroundPixel(const BackgroundInfo& bg, int32_t x, int32_t y) {
  if (!bg.BitmapReady || !bg.Bitmap) return nullptr;
  const int32_t bx = bg.OriginX + x, by = bg.OriginY + y;
  if (bx < 0 || by < 0 || bx >= bg.Bitmap->Width() || by >= bg.Bitmap->Height()) return nullptr;
  return &bg.Bitmap->Row(by)[bx];
}

// Alpha of a piece pixel of a picture with per-pixel alpha: the mask's
// opacity, never below what is already there.
uint32_t LayeredAlpha(uint32_t current, uint32_t m) {
  if (current == 255) return 255;
  if (current == 0) return 255 - m;
  return std::max(current, 255 - m);
}

// How a piece pixel is laid over the target when the alpha comes from the mask.
struct LayeredMix {
  MaskAlpha Alpha = MaskAlpha::FromMask;
  uint32_t ShadowOpacity = 255;  // 0..255
};

// One pixel of a piece in the layered rule: key pixels show the background
// (or become clear), others are mixed by the mask (a shadow's mask weighted by
// the shadow's opacity) and take their alpha from it.
void MixLayered(uint32_t& d, uint32_t p, uint32_t mask, const BackgroundInfo& bg, int32_t x, int32_t y,
                const LayeredMix& mix) {
  if (p == kKeyPixel) {
    const uint32_t* b = BackgroundPixel(bg, x, y);
    d = b ? *b : (d & 0x00FFFFFFu);
    return;
  }
  const uint32_t m = (mask >> 16) & 0xFF;  // red byte of the mask pixel
  if (mix.Alpha != MaskAlpha::Shadow) {
    d = WithAlpha(MaskRule(d, p, mask), LayeredAlpha(d >> 24, m));
    return;
  }
  const uint32_t g = (mix.ShadowOpacity * (255 - m)) >> 8;
  uint32_t out = 0;
  for (int shift = 0; shift < 24; shift += 8)
    out |= ((((d >> shift) & 0xFF) * (255 - g) + g * ((p >> shift) & 0xFF)) >> 8) << shift;
  d = WithAlpha(out, LayeredAlpha(d >> 24, m));
}

// A source and destination rectangle of equal size, clipped to the target and
// to the image; negative starts move both together.
struct PieceClip {
  int32_t DX = 0, DY = 0, SX = 0, SY = 0, W = 0, H = 0;
};

bool ClipPiece(const PixelBuffer& target, const PixelBuffer& image, const TRect& dest, const TRect& source,
               PieceClip& c) {
  c = {dest.Left, dest.Top, source.Left, source.Top, std::min(dest.Width(), source.Width()),
       std::min(dest.Height(), source.Height())};
  auto moveStart = [](int32_t& a, int32_t& b, int32_t& len) {
    if (a < 0) { b -= a; len += a; a = 0; }
    if (b < 0) { a -= b; len += b; b = 0; }
  };
  moveStart(c.DX, c.SX, c.W);
  moveStart(c.DY, c.SY, c.H);
  c.W = std::min({c.W, target.Width() - c.DX, image.Width() - c.SX});
  c.H = std::min({c.H, target.Height() - c.DY, image.Height() - c.SY});
  return c.W > 0 && c.H > 0;
}

// Masked piece copy in either alpha rule.
void CopyPiece(PixelBuffer& target, const PixelBuffer& image, const TRect& dest, const TRect& source,
               int32_t maskOffset, bool cornerFlag, const BackgroundInfo& bg, const LayeredMix& mix) {
  const MaskAlpha alpha = mix.Alpha;
  PieceClip c;
  if (!ClipPiece(target, image, dest, source, c)) return;
  const uint32_t plain = ExchangeRedBlue(bg.PlainColor) & 0x00FFFFFFu;
  for (int32_t i = 0; i < c.H; ++i) {
    const int32_t y = c.DY + i;
    const uint32_t* src = image.Row(c.SY + i) + c.SX;
    const uint32_t* msk = image.Row(std::min(c.SY + i + maskOffset, image.Height() - 1)) + c.SX;
    uint32_t* dst = target.Row(y) + c.DX;
    for (int32_t j = 0; j < c.W; ++j) {
      const uint32_t p = src[j];
      uint32_t& d = dst[j];
      const int32_t x = c.DX + j;
      if (alpha != MaskAlpha::Opaque) {
        MixLayered(d, p, maskOffset != 0 ? msk[j] : 0, bg, x, y, mix);  // no mask rows: the image pixel is laid down
      } else if (bg.BitmapReady && cornerFlag) {
        d |= 0xFF000000u;
        if (p == kKeyPixel) {
          const uint32_t* b = BackgroundPixel(bg, x, y);
          if (!b) {
            if (bg.Bitmap && bg.OriginX + x >= bg.Bitmap->Width()) break;  // beyond the picture: the row ends
            continue;
          }
          d = *b;
        } else {
          d = MaskRule(d, p, msk[j]);
        }
      } else if (bg.BitmapReady) {
        d = WithAlpha(MaskRule(d, p, msk[j]), 255);
      } else if (p == kKeyPixel) {
        if (cornerFlag) d = plain;
      } else {
        d = MaskRule(d, p, msk[j]);
      }
    }
  }
}

// A copy of the piece in a buffer at least 2 x 2 (a one-pixel row or column doubled), for resampling.
PixelBuffer PieceAtLeastTwo(const PixelBuffer& image, const TRect& piece) {
  PixelBuffer out(std::max(2, piece.Width()), std::max(2, piece.Height()));
  StretchPixels(out, out.Bounds(), image, piece);
  return out;
}

void BringToSize(const PixelBuffer& image, const TRect& piece, PixelBuffer& out, int32_t w, int32_t h, bool smooth) {
  if (smooth) {
    Resample(PieceAtLeastTwo(image, piece), out, w, rfMitchell, h);
  } else {
    out.Resize(w, h);
    StretchPixels(out, out.Bounds(), image, piece);
  }
}

void StretchPiece(PixelBuffer& target, const PixelBuffer& image, const TRect& dest, const TRect& source,
                  int32_t maskOffset, bool centre, const BackgroundInfo& bg, const LayeredMix& mix) {
  const MaskAlpha alpha = mix.Alpha;
  const int32_t x = dest.Left, y = dest.Top, w = dest.Width(), h = dest.Height();
  const int32_t sw = source.Width(), sh = source.Height();
  if (x < 0 || y < 0 || w <= 0 || h <= 0 || target.Width() <= 1 || target.Height() <= 1) return;
  if (sw <= 0 || sh <= 0 || int64_t(w) * h > kMaxStretchPixels) return;
  if (source.Left < 0 || source.Top < 0 || source.Right > image.Width() || source.Bottom > image.Height()) return;
  if (maskOffset == 0 && alpha == MaskAlpha::Opaque) {
    StretchPixels(target, dest, image, source);
    return;
  }
  const TRect maskPiece = {source.Left, source.Top + maskOffset, source.Right, source.Bottom + maskOffset};
  const bool hasMask = maskOffset != 0;
  if (hasMask && maskPiece.Bottom > image.Height()) return;
  const int32_t right = std::min(dest.Right, target.Width()), bottom = std::min(dest.Bottom, target.Height());

  if (centre && sw == 1 && sh == 1 && alpha == MaskAlpha::Opaque) {
    // One pixel over a whole centre: a fill, or one mix with its red mask byte in every channel.
    const uint32_t c = image.At(source.Left, source.Top);
    const uint32_t m = (image.At(maskPiece.Left, maskPiece.Top) >> 16) & 0xFF;
    if (m == 255) return;
    if (m == 0) {
      FillPixels(target, dest, ExchangeRedBlue(c) & 0x00FFFFFFu, 255);
      return;
    }
    const uint32_t mask = m | (m << 8) | (m << 16);
    for (int32_t row = y; row < bottom; ++row) {
      uint32_t* d = target.Row(row);
      for (int32_t col = x; col < right; ++col) d[col] = MaskRule(d[col], c, mask);
    }
    return;
  }

  const bool smooth = w > 1 && h > 1 && (centre || (w < sw && sh == h) || (sw == w && h < sh));
  PixelBuffer img, msk;
  BringToSize(image, source, img, w, h, smooth);
  if (hasMask) BringToSize(image, maskPiece, msk, w, h, smooth);
  if (img.Width() < w || img.Height() < h || (hasMask && (msk.Width() < w || msk.Height() < h))) return;
  for (int32_t row = y; row < bottom; ++row) {
    uint32_t* d = target.Row(row);
    const uint32_t* s = img.Row(row - y);
    if (alpha == MaskAlpha::Opaque) {  // always with a mask here
      MaskRuleRow(d + x, s, msk.Row(row - y), right - x, true);
      continue;
    }
    const uint32_t* m = hasMask ? msk.Row(row - y) : nullptr;
    for (int32_t col = x; col < right; ++col)
      MixLayered(d[col], s[col - x], m ? m[col - x] : 0, bg, col, row, mix);  // no mask: the image pixel is laid down
  }
}

TRect InclusiveOf(const TRect& r) { return {r.Left, r.Top, r.Right - 1, r.Bottom - 1}; }

bool IsCorner(BorderPiece p) {
  return p == BorderPiece::TopLeft || p == BorderPiece::TopRight || p == BorderPiece::BottomLeft ||
         p == BorderPiece::BottomRight;
}

}  // namespace

BackgroundInfo EmptyBackground() {
  BackgroundInfo bg;
  bg.Bitmap = nullptr;
  bg.OriginX = -99;
  bg.OriginY = -99;
  bg.PlainColor = clFuchsia;
  bg.BitmapReady = false;
  return bg;
}

void CopyMaskedPiece(PixelBuffer& target, const PixelBuffer& image, const TRect& dest, const TRect& source,
                     int32_t maskOffset, bool cornerFlag, const BackgroundInfo& bg) {
  CopyPiece(target, image, dest, source, maskOffset, cornerFlag, bg, {MaskAlpha::Opaque});
}

void StretchMaskedPiece(PixelBuffer& target, const PixelBuffer& image, const TRect& dest, const TRect& source,
                        int32_t maskOffset, bool centre) {
  StretchPiece(target, image, dest, source, maskOffset, centre, EmptyBackground(), {MaskAlpha::Opaque});
}

void PaintBorderMask(const SkinPaintView& skin, PixelBuffer& target, const TRect& rect, const BackgroundInfo& bg,
                     bool updateCorners, int32_t state, const TsMaskData& mask, MaskAlpha alpha,
                     int32_t shadowOpacity) {
  const LayeredMix mix{alpha, uint32_t(std::clamp(shadowOpacity, 0, 255))};
  if (state == 0 && (mask.PaintMode & kBorderHotOnly)) return;
  if (rect.Width() < 2 || rect.Height() < 2 || !mask.OwnerManager) return;
  const PixelBuffer* picture = skin.PictureOf(mask);
  if (!picture || picture->Empty() || target.Empty()) return;
  if (rect.Right <= 0 || rect.Bottom <= 0 || rect.Left >= target.Width() || rect.Top >= target.Height()) return;

  const int32_t k = MaskFrame(state, mask.FrameCount);
  NineSliceInput in;
  in.Dest = rect;
  in.FrameWidth = mask.Width();
  in.FrameHeight = mask.Height();
  in.FrameLeft = mask.SourceRect.Left + k * in.FrameWidth;
  in.FrameTop = mask.SourceRect.Top;
  in.BorderL = mask.BorderL;
  in.BorderT = mask.BorderT;
  in.BorderR = mask.BorderR;
  in.BorderB = mask.BorderB;
  const NineSlice slice = LayoutNineSlice(in);
  if (!slice.Valid) return;

  const bool hasMask = mask.MaskRows != 0;
  const int32_t stretchMaskOffset = hasMask ? in.FrameHeight : 0;
  const int32_t copyMaskOffset = hasMask ? mask.SourceRect.Height() / 2 : 0;
  const bool stretch = mask.PaintMode & kBorderStretch;
  const bool cornerFlag = updateCorners && mask.CornerKind > 0;
  const BackgroundInfo empty = EmptyBackground();
  const BackgroundInfo& tileBg = alpha != MaskAlpha::Opaque ? bg : empty;
  const int32_t tW = target.Width(), tH = target.Height();

  for (int p = 0; p < kBorderPieceCount; ++p) {
    const auto piece = BorderPiece(p);
    if (piece == BorderPiece::Centre && !(mask.PaintMode & kBorderPaintCentre)) continue;
    const TRect& src = slice.Source[size_t(p)];
    const TRect& dst = slice.Dest[size_t(p)];
    if (src.IsEmpty() || dst.IsEmpty()) continue;

    if (IsCorner(piece)) {
      if (hasMask || alpha != MaskAlpha::Opaque) {
        CopyPiece(target, *picture, dst, src, copyMaskOffset, cornerFlag, bg, mix);
      } else {
        CopyWithKeyOverBackground(target, *picture, {dst.Left, dst.Top}, InclusiveOf(src), clFuchsia, bg, cornerFlag);
      }
      continue;
    }
    if (stretch) {
      StretchPiece(target, *picture, dst, src, stretchMaskOffset, piece == BorderPiece::Centre, bg, mix);
      continue;
    }
    // Tiling: edges along their length, the centre row by row in both directions.
    const bool alongX = piece == BorderPiece::TopEdge || piece == BorderPiece::BottomEdge || piece == BorderPiece::Centre;
    const bool alongY = !alongX || piece == BorderPiece::Centre;
    auto place = [&](int32_t x, int32_t y, int32_t w, int32_t h) {
      const TRect d = MakeRect(x, y, w, h);
      const TRect s = MakeRect(src.Left, src.Top, w, h);
      if (hasMask || alpha != MaskAlpha::Opaque) {
        CopyPiece(target, *picture, d, s, copyMaskOffset, false, tileBg, mix);
      } else {
        CopyPixels(target, {x, y}, *picture, s);
      }
    };
    if (alongX && alongY) {
      ForEachTileIn(dst.Top, dst.Bottom, src.Height(), 0, tH, [&](int32_t y, int32_t h) {
        ForEachTileIn(dst.Left, dst.Right, src.Width(), 0, tW, [&](int32_t x, int32_t w) { place(x, y, w, h); });
      });
    } else if (alongX) {
      ForEachTileIn(dst.Left, dst.Right, src.Width(), 0, tW, [&](int32_t x, int32_t w) { place(x, dst.Top, w, dst.Height()); });
    } else {
      ForEachTileIn(dst.Top, dst.Bottom, src.Height(), 0, tH, [&](int32_t y, int32_t h) { place(dst.Left, y, dst.Width(), h); });
    }
  }
}
