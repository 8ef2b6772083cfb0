#include "skin/data/SkinAdjustments.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "skin/data/SkinElements.h"
#include "skin/data/SkinKeys.h"
#include "skin/data/SkinLoader.h"
#include "skin/render/core/Blend.h"
#include "skin/render/core/ColorFilters.h"

namespace {

constexpr double kLastPlainPngVersion = 7.45;  // later skins keep PNG pictures premultiplied

using ColorFilter = std::function<TColor(TColor)>;

// Skin-wide colours that follow the skin's hue and saturation: 0, 1, 2, 4..13 and 27.
bool IsAdjustedSkinColor(int index) { return index <= 2 || (index >= 4 && index <= 13) || index == 27; }

// The state colours and gradient points of every section; gradients only of
// states that use them when onlyUsedGradients is set.
void FilterStateColors(LoadedSkin& skin, const ColorFilter& filter, bool onlyUsedGradients) {
  for (TsGeneralData& section : skin.Sections)
    for (TsGenState& state : section.Props) {
      for (TColor* color : {&state.Color, &state.GCol, &state.TextColor, &state.TCLeft, &state.TCTop, &state.TCRight,
                            &state.TCBottom})
        *color = filter(*color);
      if (onlyUsedGradients && state.GradientShare <= 0) continue;
      for (TsGradPoint& point : state.GradientData) {
        point.Color1 = filter(point.Color1);
        point.Color2 = filter(point.Color2);
      }
    }
}

void FilterSkinWideColors(LoadedSkin& skin, const ColorFilter& filter) {
  skin.SkinData.Shadow1Color = filter(skin.SkinData.Shadow1Color);
  for (int i = 0; i < kSkinColorCount; ++i)
    if (IsAdjustedSkinColor(i)) skin.Colors[i] = filter(skin.Colors[i]);
}

void FilterPictures(LoadedSkin& skin, PixelFilter filter, int parameter) {
  ApplyPixelFilter(skin.Images.MasterBitmap, filter, parameter, clFuchsia);
  for (TacExtFileData& image : skin.Images.ExtImages)
    if (image.Picture) ApplyPixelFilter(*image.Picture, filter, parameter, clFuchsia);
}

// Copies of areas of pictures that a filter must leave as they were.
class KeptAreas {
 public:
  void Keep(PixelBuffer& picture, const TRect& area) {
    TRect clipped{std::max(area.Left, 0), std::max(area.Top, 0), std::min(area.Right, picture.Width()),
                  std::min(area.Bottom, picture.Height())};
    if (clipped.IsEmpty()) return;
    Area kept{&picture, clipped, {}};
    for (int32_t y = clipped.Top; y < clipped.Bottom; ++y)
      kept.Pixels.insert(kept.Pixels.end(), picture.Row(y) + clipped.Left, picture.Row(y) + clipped.Right);
    areas_.push_back(std::move(kept));
  }
  void Restore() {
    for (const Area& area : areas_) {
      const uint32_t* source = area.Pixels.data();
      for (int32_t y = area.Rect.Top; y < area.Rect.Bottom; ++y, source += area.Rect.Width())
        std::copy_n(source, area.Rect.Width(), area.Picture->Row(y) + area.Rect.Left);
    }
  }

 private:
  struct Area {
    PixelBuffer* Picture;
    TRect Rect;
    std::vector<uint32_t> Pixels;
  };
  std::vector<Area> areas_;
};

PixelBuffer& PictureOf(LoadedSkin& skin, const TsMaskData& mask) {
  return mask.Image ? *mask.Image : skin.Images.MasterBitmap;
}

// The title-bar glyphs that keep their own colours under a hue change.
KeptAreas KeepTitleGlyphs(LoadedSkin& skin) {
  KeptAreas kept;
  const int keepHue = skin.SkinData.BIKeepHue;
  if (keepHue < 1) return kept;
  std::vector<WellKnownMaskKey> keys = {"BICONCLOSE", "BICLOSEALONE", "SICONCLOSE"};
  if (keepHue == 1)
    keys.insert(keys.end(), {"BICONMAX", "BICONMIN", "BICONNORM", "BICONHELP", "SICONMAX", "SICONMIN", "SICONNORM"});
  for (const WellKnownMaskKey key : keys)
    for (const std::string& name : {std::string(key.Name()), std::string(key.Name()) + std::string(kGlyphGlowSuffix)})
      if (const TsMaskData* mask = skin.Images.Mask(skin.Images.FindGlobalMask(skin.Sections, name)))
        kept.Keep(PictureOf(skin, *mask), mask->SourceRect);
  return kept;
}

// The mask halves (lower halves) of the master bitmap's two-row records.
KeptAreas KeepMaskHalves(LoadedSkin& skin) {
  KeptAreas kept;
  for (const TsMaskData& mask : skin.Images.Masks())
    if (!mask.Image && mask.MaskRows == 1) {
      TRect half = mask.SourceRect;
      half.Top += mask.SourceRect.Height() / 2;
      kept.Keep(skin.Images.MasterBitmap, half);
    }
  return kept;
}

bool IsPngName(const std::string& name) { return name.size() >= 4 && name.ends_with(".PNG"); }

}  // namespace

void ApplySkinAdjustments(LoadedSkin& skin, const SkinAdjustments& adjustments) {
  if (const int hue = adjustments.HueOffset; hue != 0) {
    KeptAreas glyphs = KeepTitleGlyphs(skin);
    FilterPictures(skin, PixelFilter::ShiftHue, hue);
    glyphs.Restore();
    ColorFilter filter = [hue](TColor c) { return ShiftHueColor(c, hue); };
    FilterStateColors(skin, filter, true);
    FilterSkinWideColors(skin, filter);
  }
  if (adjustments.Saturation != 0) {
    const int amount = std::clamp(int(std::nearbyint(adjustments.Saturation * 2.55)), -255, 255);
    FilterPictures(skin, PixelFilter::Saturate, amount);
    ColorFilter filter = [amount](TColor c) { return SaturateColor(c, amount); };
    FilterStateColors(skin, filter, false);
    FilterSkinWideColors(skin, filter);
  }
  if (const int brightness = adjustments.Brightness; brightness != 0) {
    KeptAreas masks = KeepMaskHalves(skin);
    FilterPictures(skin, PixelFilter::Brighten, brightness);
    masks.Restore();
    FilterStateColors(skin, [brightness](TColor c) { return BrightenColor(c, brightness); }, false);
    if (brightness > 0)
      for (TacExtFileData& image : skin.Images.ExtImages) {
        // As at load: opaque pictures would only lose a level, and their key colour.
        if (!image.Picture || !image.AlphaChannel || !IsPngName(image.FileName)) continue;
        if (skin.SkinData.Version > kLastPlainPngVersion)
          PremultiplyAlpha(*image.Picture);
        else
          ClearTransparentWhite(*image.Picture);
      }
  }
}
