#include "skin/controls/ScrollBarPainter.h"

#include <algorithm>

#include "skin/data/SkinElements.h"
#include "skin/render/core/Blend.h"
#include "skin/render/core/DisabledLook.h"
#include "skin/render/core/Raster.h"
#include "skin/paint/DrawArrow.h"
#include "skin/paint/GlyphFrame.h"
#include "skin/paint/SectionPainter.h"

namespace {

constexpr size_t kGripImage = 9;  // "GRIPIMAGE" among the skin-wide images
constexpr double kDisabledCornerMix = 0.4;


// A piece [from, to) along a bar, as a rectangle of the bar's picture.
TRect Piece(bool vertical, int32_t from, int32_t to, int32_t thickness) {
  return vertical ? TRect{0, from, thickness, to} : TRect{from, 0, to, thickness};
}

TRect Moved(TRect r, int32_t dx, int32_t dy) { return {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy}; }

struct BarCanvas {
  const ScrollBarSkin& Skin;
  const BackgroundInfo& Bg;
  TPoint Origin;
  PixelBuffer& Picture;

  void Background(int32_t section, int32_t state, const TRect& r) const {
    PaintSectionBackground(Skin.View, section, Bg, state, clFuchsia, -1, -1, Picture,
                           {Origin.X + r.Left, Origin.Y + r.Top}, r);
  }
  // The glyph image centred in r; false when the section has none.
  bool Glyph(int32_t maskIndex, int32_t state, const TRect& r) const {
    const TsMaskData* mask = Skin.View.Mask(maskIndex);
    if (!mask || mask->Width() <= 0) return false;
    const TPoint at{r.Left + (r.Width() - mask->Width()) / 2, r.Top + (r.Height() - mask->Height()) / 2};
    BackgroundInfo under;
    under.Bitmap = &Picture;
    under.BitmapReady = true;
    PaintGlyphFrame(Skin.View, Picture, at, state, under, *mask, kGlyphNormalLook);
    return true;
  }
  void Arrow(int32_t section, int32_t glyph, int32_t state, const TRect& r, int32_t direction, bool vertical) const {
    Background(section, state, r);
    if (Glyph(glyph, state, r)) return;
    const TsGeneralData* s = Skin.View.Section(section);
    const TColor colour = s ? s->Props[size_t(std::min(state, 2))].TextColor : clBlack;
    TRect at = vertical ? r : Moved(r, 0, -1);  // the small arrow sits a pixel high across a horizontal bar
    if (state == 2 && Skin.ShiftContentOnClick) at = Moved(at, 1, 1);
    DrawArrow(Picture, colour, at, direction);
  }
};

int32_t ArrowState(int32_t part, const ScrollBarLook& look) {
  if (look.Pressed == part) return 2;
  return look.Hot == part && look.Enabled ? 1 : 0;
}

}  // namespace

ScrollBarSkin ScrollBarSkinOf(const SkinPaintView& view, const TacSkinElements& e, TColor globalColor,
                              bool shiftContentOnClick) {
  ScrollBarSkin skin;
  skin.View = view;
  skin.GlobalColor = globalColor;
  skin.ShiftContentOnClick = shiftContentOnClick;
  skin.GripMask = e.GlobalMasks[kGripImage];
  const auto bar = [&](bool vertical) {
    const TacConstElementData& first = e.ScrollButtons[size_t(vertical ? TacSide::Top : TacSide::Left)];
    const TacConstElementData& second = e.ScrollButtons[size_t(vertical ? TacSide::Bottom : TacSide::Right)];
    const TacConstElementData& thumb = e.ScrollSliders[vertical ? 1 : 0];
    ScrollBarSections s;
    s.Track1 = e.ScrollBars[vertical ? 1 : 0].SkinIndex;
    s.Track2 = e.ScrollBars[vertical ? 3 : 2].SkinIndex;
    s.Arrow1 = first.SkinIndex;
    s.Arrow1Glyph = first.GlyphIndex;
    s.Arrow2 = second.SkinIndex;
    s.Arrow2Glyph = second.GlyphIndex;
    s.Thumb = thumb.SkinIndex;
    s.ThumbGlyph = thumb.GlyphIndex;
    return s;
  };
  skin.Horz = bar(false);
  skin.Vert = bar(true);
  return skin;
}

void PaintScrollBar(const ScrollBarSkin& skin, const ScrollBarLook& look, const BackgroundInfo& bg, TPoint origin,
                    PixelBuffer& picture) {
  const bool v = look.Vertical;
  const int32_t length = v ? picture.Height() : picture.Width();
  const int32_t thickness = v ? picture.Width() : picture.Height();
  if (length <= 1 || thickness <= 0) return;
  const ScrollBarSections& s = skin.Of(v);
  const BarCanvas canvas{skin, bg, origin, picture};
  const BarPieces pieces = LayoutBarPieces(look.Thumb, look.ThumbStart);

  canvas.Background(s.Track1, look.Pressed == kPartPageUp ? 2 : 0, Piece(v, 0, pieces.TrackSplit, thickness));
  canvas.Background(s.Track2, look.Pressed == kPartPageDown ? 2 : 0, Piece(v, pieces.TrackSplit, length, thickness));
  canvas.Arrow(s.Arrow1, s.Arrow1Glyph, ArrowState(kPartLineUp, look), Piece(v, 0, pieces.Arrow1End, thickness),
               v ? kArrowUp : kArrowLeft, v);
  canvas.Arrow(s.Arrow2, s.Arrow2Glyph, ArrowState(kPartLineDown, look),
               Piece(v, pieces.Arrow2Start, length, thickness), v ? kArrowDown : kArrowRight, v);
  if (look.Enabled && pieces.ShowThumb) {
    const int32_t state = look.ThumbDragged ? 2 : (look.Hot == kPartThumb ? 1 : 0);
    const TRect r = Piece(v, look.ThumbStart, look.ThumbStart + look.Thumb.Length, thickness);
    canvas.Background(s.Thumb, state, r);
    canvas.Glyph(s.ThumbGlyph, state, r);
  }
  if (!look.Enabled)
    ApplyDisabledLook(picture, dkBlended, origin, bg, bg.PlainColor != clFuchsia ? bg.PlainColor : skin.GlobalColor);
}

void PaintScrollCorner(const ScrollBarSkin& skin, const ScrollCornerLook& look, const BackgroundInfo& bg,
                       TPoint origin, PixelBuffer& picture) {
  if (picture.Empty()) return;
  const TsGeneralData* track = skin.View.Section(skin.Horz.Track1);
  const size_t state = size_t(std::clamp(look.State, 0, track ? std::max(track->States, 1) - 1 : 0));
  if (track && track->Props[state].Transparency < 100) {
    const TsGenState& props = track->Props[state];
    TColor colour = props.Color == clNone ? skin.GlobalColor : props.Color;
    if (look.EitherDisabled) colour = LerpColor(colour, props.TextColor, kDisabledCornerMix);
    SolidFill(picture, picture.Bounds(), ResolveColor(colour));
  } else if (bg.Bitmap && bg.BitmapReady) {
    SolidFill(picture, picture.Bounds(), ResolveColor(skin.GlobalColor));  // where the picture does not reach
    CopyPixels(picture, {0, 0}, *bg.Bitmap,
               {bg.OriginX + origin.X, bg.OriginY + origin.Y, bg.OriginX + origin.X + picture.Width(),
                bg.OriginY + origin.Y + picture.Height()});
  } else {
    SolidFill(picture, picture.Bounds(), ResolveColor(skin.GlobalColor));
  }
  if (!look.Grip) return;
  const TsMaskData* grip = skin.View.Mask(skin.GripMask);
  if (!grip || grip->Width() <= 0) return;
  BackgroundInfo under;
  under.Bitmap = &picture;
  under.BitmapReady = true;
  PaintGlyphFrame(skin.View, picture, {picture.Width() - grip->Width(), picture.Height() - grip->Height()}, 0, under,
                  *grip, kGlyphNormalLook);
}
