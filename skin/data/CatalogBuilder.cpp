#include "skin/data/CatalogBuilder.h"

#include <algorithm>

#include "skin/data/ImageValue.h"
#include "skin/data/SkinKeys.h"
#include "skin/data/SkinPackage.h"
#include "skin/data/SkinText.h"
#include "skin/data/sSkinData.h"
#include "skin/render/core/BmpReader.h"
#include "skin/render/core/Blend.h"
#include "skin/render/core/ImageLoader.h"

namespace {

constexpr uint32_t kKeyPixel = 0x00FF00FF;  // magenta with alpha 0
// Skins newer than this carry PNG pictures meant to be premultiplied at load.
constexpr double kPremultipliedPngVersion = 7.45;

// A picture without an alpha channel (which the readers deliver opaque) keeps
// its key-colour pixels transparent.
void ClearKeyPixelsAlpha(PixelBuffer& picture) {
  for (int32_t y = 0; y < picture.Height(); ++y) {
    uint32_t* row = picture.Row(y);
    const int32_t width = picture.Width();
    for (int32_t x = 0; x < width; ++x) {
      // A select rather than a conditional store, so that the loop vectorises.
      row[x] = (row[x] & 0x00FFFFFFu) == kKeyPixel ? kKeyPixel : row[x];
    }
  }
}

struct SkinPicture {
  std::shared_ptr<PixelBuffer> Picture;  // 32-bit; null for an extension that is none of BMP, PNG, JPG, JPEG
  bool AlphaChannel = false;             // decoded with an alpha channel of its own
};

// Decodes an image file by its name's extension into a 32-bit picture.
SkinPicture DecodeSkinPicture(const std::string& name, const std::vector<uint8_t>& bytes, bool premultiplyPng) {
  std::optional<DecodedImage> decoded = DecodeImageByName(name, bytes.data(), bytes.size());
  if (!decoded) return {};
  SkinPicture out{std::make_shared<PixelBuffer>(std::move(decoded->Pixels)), decoded->BitsPerPixel >= 32};
  if (!out.AlphaChannel) {
    ClearKeyPixelsAlpha(*out.Picture);
  } else if (premultiplyPng && ImageKindOfName(name) == ImageFileKind::Png) {
    // Only pictures with an alpha channel: premultiplying opaque pixels would just darken them.
    PremultiplyAlpha(*out.Picture, out.Picture->Bounds());
  }
  return out;
}

class CatalogBuilder {
 public:
  CatalogBuilder(TsImageCatalog& catalog, SkinImageFiles& files, const CatalogLoadRules& rules)
      : catalog_(catalog), files_(files), rules_(rules) {}

  void LoadMasterBitmap(const std::string& upperName) {
    if (upperName.empty()) return;
    const std::vector<uint8_t>* bytes = files_.Find(upperName);
    if (!bytes) return;
    SkinPicture decoded = DecodeSkinPicture(upperName, *bytes, false);
    if (decoded.Picture) catalog_.MasterBitmap = std::move(*decoded.Picture);
  }

  // The picture of an image file, loaded once per name; null when the skin has no such file.
  std::shared_ptr<PixelBuffer> External(const std::string& upperName) {
    for (const TacExtFileData& e : catalog_.ExtImages) {
      if (e.FileName == upperName) return e.Picture;
    }
    const std::vector<uint8_t>* bytes = files_.Find(upperName);
    if (!bytes) return nullptr;
    const bool premultiply = rules_.Version > kPremultipliedPngVersion && rules_.Brightness <= 0;
    SkinPicture decoded = DecodeSkinPicture(upperName, *bytes, premultiply);
    if (!decoded.Picture) return nullptr;
    catalog_.ExtImages.push_back({decoded.Picture, upperName, false, decoded.AlphaChannel});
    return decoded.Picture;
  }

  void AddValue(uint32_t sectionIndex, std::string_view section, std::string_view key, std::string_view value) {
    ImageValue v = ParseImageValue(value, section, key);
    if (v.Form == ImageValueForm::NotAnImage) return;
    TsMaskData& r = v.Record;
    if (!v.FileName.empty()) {
      r.Image = External(v.FileName);
      if (!r.Image) return;  // a missing file gives no record
      if (v.Form != ImageValueForm::Pattern) {
        if (r.Image->Width() <= 0) return;
        FitToPicture(v, r.Image->Width(), r.Image->Height());
      }
    }
    r.SectionName = section;
    r.KeyName = key;
    r.SectionIndex = sectionIndex;
    r.OwnerManager = rules_.Owner;
    if (r.ImageKind == kBorderedImage) r.CornerKind = ComputeCornerKind(catalog_, r);
    catalog_.AddMask(std::move(r));
  }

 private:
  TsImageCatalog& catalog_;
  SkinImageFiles& files_;
  const CatalogLoadRules& rules_;
};

// Whether a key-colour pixel lies in the area (left, top, width, height), clipped to the picture.
bool HasKeyPixel(const PixelBuffer& picture, int64_t left, int64_t top, int64_t width, int64_t height) {
  const int64_t x0 = std::max<int64_t>(left, 0), x1 = std::min<int64_t>(left + width, picture.Width());
  const int64_t y0 = std::max<int64_t>(top, 0), y1 = std::min<int64_t>(top + height, picture.Height());
  for (int64_t y = y0; y < y1; ++y) {
    const uint32_t* row = picture.Row(int32_t(y));
    for (int64_t x = x0; x < x1; ++x) {
      if (row[x] == kKeyPixel) return true;
    }
  }
  return false;
}

// The plain value of a key of "GLOBALINFO", or empty.
std::string GlobalValue(const TacSkinOptions& text, std::string_view key) {
  return std::string(text.Value(kGlobalSection, key).value_or(std::string_view()));
}

// The picture of a generated outer-effect image, w x 2w: above, the square
// painted in the four edge colours (each pixel takes the colour of its nearest
// edge); below, the blur picture, which the painter reads as the mask.
std::shared_ptr<PixelBuffer> OuterEffectPicture(const PixelBuffer& blur, const TacOutEff& effect) {
  const int32_t w = blur.Width();
  auto picture = std::make_shared<PixelBuffer>(w, 2 * w);
  const uint32_t colours[4] = {ExchangeRedBlue(ResolveColor(TColor(effect.ColorL))) | 0xFF000000u,
                               ExchangeRedBlue(ResolveColor(TColor(effect.ColorT))) | 0xFF000000u,
                               ExchangeRedBlue(ResolveColor(TColor(effect.ColorR))) | 0xFF000000u,
                               ExchangeRedBlue(ResolveColor(TColor(effect.ColorB))) | 0xFF000000u};
  for (int32_t y = 0; y < w; ++y) {
    uint32_t* row = picture->Row(y);
    for (int32_t x = 0; x < w; ++x) {
      const int32_t distances[4] = {x, y, w - 1 - x, w - 1 - y};
      row[x] = colours[std::min_element(distances, distances + 4) - distances];
    }
  }
  for (int32_t y = 0; y < w; ++y) {
    uint32_t* row = picture->Row(w + y);
    for (int32_t x = 0; x < w; ++x) {
      // Where the blur picture is smaller than its square, the mask is white: no shadow.
      row[x] = y < blur.Height() ? blur.At(x, y) : 0xFFFFFFFFu;
    }
  }
  return picture;
}

int OuterEffectMask(TsImageCatalog& catalog, TacOutEff& effect, std::string_view key, const TacSkinOptions& text,
                    const BuiltinPictures* builtins, TsSkinManager* owner) {
  TsMaskData r;
  switch (effect.Source) {
    case 1: {
      const std::string value = GlobalValue(text, key);
      if (value.empty()) return -1;
      r = ParseBorderedValue(value, kGlobalSection, key).Record;
      break;
    }
    case 2: {
      const PixelBuffer* blur = builtins ? builtins->Picture(kBlurPictureName) : nullptr;
      if (!blur || blur->Empty()) return -1;
      const int32_t w = blur->Width();
      const int16_t half = int16_t(std::min<int32_t>(w / 2, INT16_MAX));
      r.Image = OuterEffectPicture(*blur, effect);
      r.SourceRect = {0, 0, w, 2 * w};
      r.FrameCount = 1;
      r.MaskRows = 1;
      r.PaintMode = 1;
      r.UniformWidth = r.BorderL = r.BorderT = r.BorderR = r.BorderB = half;
      for (int32_t* width : {&effect.WidthL, &effect.WidthT, &effect.WidthR, &effect.WidthB}) {
        if (*width == -1) *width = half;
      }
      break;
    }
    default:  // 0, and sources this loader does not know: no image
      return -1;
  }
  r.SectionName = std::string(kGlobalSection);
  r.KeyName = std::string(key);
  r.SectionIndex = uint32_t(text.SectionIndex(kGlobalSection));
  r.ImageKind = kBorderedImage;
  r.CornerKind = kCornersOpaque;
  r.OwnerManager = owner;
  return catalog.AddMask(std::move(r));
}

}  // namespace

int32_t ComputeCornerKind(const TsImageCatalog& catalog, const TsMaskData& m) {
  if (m.SectionName == "BUTTON_HUGE" && m.KeyName == "BORDERSMASK") return kCornersHugeButton;
  if (m.SourceRect.Height() <= 0) return kCornersOpaque;
  const PixelBuffer& picture = catalog.PictureOf(m);
  const int64_t left = m.SourceRect.Left, top = m.SourceRect.Top;
  const int64_t w = m.Width(), h = m.Height();
  const bool keyed = HasKeyPixel(picture, left, top, m.BorderL, m.BorderT) ||
                     HasKeyPixel(picture, left + w - m.BorderR, top, m.BorderR, m.BorderT) ||
                     HasKeyPixel(picture, left, top + h - m.BorderB, m.BorderL, m.BorderB) ||
                     HasKeyPixel(picture, left + w - m.BorderR, top + h - m.BorderB, m.BorderR, m.BorderB);
  return keyed ? kCornersKeyed : kCornersOpaque;
}

void BuildImageCatalog(TsImageCatalog& catalog, const TacSkinOptions& text, SkinImageFiles& files,
                       const CatalogLoadRules& rules) {
  catalog.Clear();
  CatalogBuilder builder(catalog, files, rules);
  builder.LoadMasterBitmap(AnsiUpperCase(GlobalValue(text, GlobalImageKey("MASTERBITMAP"))));
  const auto& sections = text.Sections();
  for (size_t i = 0; i < sections.size(); ++i) {
    const TacOptionsSection& section = sections[i];
    const bool global = section.Name == kGlobalSection;
    for (const TacOptionsKey& key : section.Keys) {
      if ((global && key.Name == "MASTERBITMAP") || key.Value == "?") continue;
      builder.AddValue(uint32_t(i), section.Name, key.Name, key.Value);
    }
  }
}

void BuildOuterEffectImages(TsImageCatalog& catalog, TacOutEffArray& effects, const TacSkinOptions& text,
                            const BuiltinPictures* builtins, TsSkinManager* owner) {
  effects[0].MaskIndex = OuterEffectMask(catalog, effects[0], "LO_MASK", text, builtins, owner);
  effects[1].MaskIndex = OuterEffectMask(catalog, effects[1], "SH_MASK", text, builtins, owner);
}

void AddCommonSectionImages(TsImageCatalog& catalog, const TacSkinOptions& commonSections, SkinImageFiles& folder,
                            TsSkinManager* owner) {
  for (const TacOptionsSection& section : commonSections.Sections()) {
    if (AnsiUpperCase(section.Name) == kGlobalSection) continue;
    for (const TacOptionsKey& key : section.Keys) {
      const std::string name = AnsiUpperCase(key.Value);
      if (name.find(".BMP") == std::string::npos) continue;
      const std::vector<uint8_t>* bytes = folder.Find(name);
      if (!bytes) continue;
      DecodedImage decoded = DecodeBmp(bytes->data(), bytes->size());
      if (decoded.Pixels.Width() < 1) continue;
      TsMaskData r;
      r.Image = std::make_shared<PixelBuffer>(std::move(decoded.Pixels));
      if (decoded.BitsPerPixel < 32) ClearKeyPixelsAlpha(*r.Image);
      r.SectionName = AnsiUpperCase(section.Name);
      r.KeyName = AnsiUpperCase(key.Name);
      r.OwnerManager = owner;
      catalog.AddMask(std::move(r));
    }
  }
}
