#include "skin/data/SkinElements.h"

#include <algorithm>

#include "skin/data/BuiltinPictures.h"
#include "skin/data/SkinKeys.h"
#include "skin/data/SkinLoader.h"

namespace {

template <size_t N>
int IndexIn(const std::array<std::string_view, N>& names, std::string_view name) {
  auto it = std::find(names.begin(), names.end(), name);
  return it == names.end() ? -1 : int(it - names.begin());
}

TacConstElementData ElementOf(const LoadedSkin& skin, std::string_view name) {
  TacConstElementData element;
  element.SkinIndex = FindSection(skin.Sections, name);
  if (element.SkinIndex < 0) return element;
  element.SectionName = std::string(name);
  const auto mask = [&](SectionImageKey key) { return skin.Images.FindMask(skin.Sections, element.SkinIndex, key); };
  element.MaskIndex = mask("BORDERSMASK");
  element.GlyphIndex = mask("GLYPHMASK");
  element.PatternIndex = mask("PATTERN");
  element.HotPatternIndex = mask("HOTPATTERN");
  return element;
}

// The first of the names whose section exists (an empty record when none does).
TacConstElementData FirstElementOf(const LoadedSkin& skin, std::initializer_list<std::string_view> names) {
  for (std::string_view name : names) {
    TacConstElementData element = ElementOf(skin, name);
    if (element.SkinIndex >= 0) return element;
  }
  return {};
}

// One state image of a record, copied out of its picture (clipped to it).
PixelBuffer StateImage(const TsImageCatalog& images, const TsMaskData& mask, int state) {
  const PixelBuffer& picture = images.PictureOf(mask);
  const int32_t w = mask.Width(), h = mask.Height();
  const int32_t left = mask.SourceRect.Left + state * w, top = mask.SourceRect.Top;
  const int32_t x0 = std::clamp(left, 0, picture.Width()), x1 = std::clamp(left + w, 0, picture.Width());
  const int32_t y0 = std::clamp(top, 0, picture.Height()), y1 = std::clamp(top + h, 0, picture.Height());
  PixelBuffer image(x1 - x0, y1 - y0);
  for (int32_t y = y0; y < y1; ++y) std::copy(picture.Row(y) + x0, picture.Row(y) + x1, image.Row(y - y0));
  return image;
}

}  // namespace

int TacSkinElements::GlobalMask(std::string_view key) const {
  int at = IndexIn(kWellKnownMaskKeys, key);
  return at < 0 ? -1 : GlobalMasks[size_t(at)];
}

int TacSkinElements::Section(std::string_view name) const {
  int at = IndexIn(kWellKnownSections, name);
  return at < 0 ? -1 : Sections[size_t(at)];
}

namespace {

// Record is TacConstElementData, const or not, as Elements is.
template <typename Record, typename Elements>
std::array<Record*, kElementSections.size()> RecordsOf(Elements& e) {
  std::array<Record*, kElementSections.size()> records;
  auto out = records.begin();
  *out++ = &e.MenuItem;
  *out++ = &e.ComboBtn;
  for (Record& slider : e.ScrollSliders) *out++ = &slider;
  for (auto& group : e.Tabs)
    for (Record& tab : group) *out++ = &tab;
  for (Record& button : e.ScrollButtons) *out++ = &button;
  for (Record& bar : e.ScrollBars) *out++ = &bar;
  for (Record& button : e.UpDownButtons) *out++ = &button;
  return records;
}

}  // namespace

std::array<TacConstElementData*, kElementSections.size()> ElementRecords(TacSkinElements& elements) {
  return RecordsOf<TacConstElementData>(elements);
}

std::array<const TacConstElementData*, kElementSections.size()> ElementRecords(const TacSkinElements& elements) {
  return RecordsOf<const TacConstElementData>(elements);
}

TacSkinElements ComputeSkinElements(const LoadedSkin* skin) {
  TacSkinElements elements;
  if (!skin) return elements;
  for (size_t i = 0; i < kWellKnownMaskKeys.size(); ++i)
    elements.GlobalMasks[i] = skin->Images.FindGlobalMask(skin->Sections, kWellKnownMaskKeys[i]);
  elements.ComboBoxGlyph = skin->Images.FindMaskByName("COMBOBOX", SectionImageKey("GLYPHMASK"));
  const auto records = ElementRecords(elements);
  constexpr size_t kFirstUpDown = kElementSections.size() - 4;
  for (size_t i = 0; i < kElementSections.size(); ++i)
    *records[i] = i < kFirstUpDown ? ElementOf(*skin, kElementSections[i])
                                   : FirstElementOf(*skin, {kElementSections[i], "UPDOWNBTN", "BUTTON"});
  for (size_t i = 0; i < kWellKnownSections.size(); ++i)
    elements.Sections[i] = FindSection(skin->Sections, kWellKnownSections[i]);
  elements.GlobalInfo = FindSection(skin->Sections, "GLOBALINFO");
  return elements;
}

TacBorderImages PrepareBorderImages(const LoadedSkin* skin, const TacSkinElements& elements, bool extendedBorders,
                                    const BuiltinPictures* builtins) {
  TacBorderImages border;
  if (!extendedBorders || !skin) return border;
  if (const TsMaskData* exBorder = skin->Images.Mask(elements.GlobalMask("EXBORDER"))) {
    border.Active = StateImage(skin->Images, *exBorder, 0);
    border.Inactive = StateImage(skin->Images, *exBorder, exBorder->FrameCount > 1 ? 1 : 0);
    const int offset = skin->SkinData.FormOffset;
    if (skin->SkinData.BorderMode != 0) {
      border.MarginL = border.MarginT = border.MarginR = border.MarginB = offset;
    } else {
      border.MarginL = exBorder->BorderL - offset;
      border.MarginT = exBorder->BorderT - offset;
      border.MarginR = exBorder->BorderR - offset;
      border.MarginB = exBorder->BorderB - offset;
    }
    return border;
  }
  if (builtins) {
    if (const PixelBuffer* active = builtins->Picture(kActiveShadowPicture)) border.Active = active->Clone();
    if (const PixelBuffer* inactive = builtins->Picture(kInactiveShadowPicture)) border.Inactive = inactive->Clone();
  }
  border.MarginL = border.MarginT = border.MarginR = border.MarginB = kBuiltinShadowMargin;
  return border;
}
