#include "skin/data/ImageCatalog.h"

#include <algorithm>

#include "skin/data/ParentChain.h"
#include "skin/data/SkinKeys.h"
#include "skin/data/sSkinData.h"

namespace {

bool ValidIndex(const TsGeneralDataArray& sections, int index) { return index >= 0 && size_t(index) < sections.size(); }

// Walks the linked parents of a section by the rule of ParentChain.h and
// returns the first result >= 0 of own(section); -1 when none.
template <typename Own>
int FindUpParents(const TsGeneralDataArray& sections, int start, Own own) {
  int found = -1;
  const auto parentOf = [&sections](int32_t s) {
    const int32_t p = sections[size_t(s)].ParentIndex;
    return ValidIndex(sections, p) ? p : -1;
  };
  FindInParentChain(start, sections[size_t(start)].ParentWalk, parentOf, [&](int32_t s) {
    found = own(s);
    return found >= 0;
  });
  return found;
}

}  // namespace

const TsMaskData* TsImageCatalog::Mask(int index) const {
  return index >= 0 && size_t(index) < masks_.size() ? &masks_[size_t(index)] : nullptr;
}

void TsImageCatalog::Append(Chain& chain, int index, std::vector<int>& next) {
  if (chain.Last >= 0) {
    next[size_t(chain.Last)] = index;
  } else {
    chain.First = index;
  }
  chain.Last = index;
  next.push_back(-1);
}

int TsImageCatalog::AddMask(TsMaskData mask) {
  const int index = int(masks_.size());
  Append(bySectionIndex_[mask.SectionIndex], index, nextOfIndex_);
  Append(bySectionName_.try_emplace(mask.SectionName).first->second, index, nextOfName_);
  if (!keys_.contains(mask.KeyName)) keys_.insert(mask.KeyName);
  masks_.push_back(std::move(mask));
  return index;
}

int TsImageCatalog::OwnMask(int sectionIndex, std::string_view key) const {
  const auto it = bySectionIndex_.find(uint32_t(sectionIndex));
  if (it == bySectionIndex_.end()) return -1;
  for (int i = it->second.First; i >= 0; i = nextOfIndex_[size_t(i)]) {
    if (masks_[size_t(i)].KeyName == key) return i;
  }
  return -1;
}

int TsImageCatalog::OwnPattern(std::string_view sectionName, std::string_view key) const {
  const auto it = bySectionName_.find(sectionName);
  if (it == bySectionName_.end()) return -1;
  for (int i = it->second.First; i >= 0; i = nextOfName_[size_t(i)]) {
    const TsMaskData& m = masks_[size_t(i)];
    if (m.ImageKind == kPatternImage && m.KeyName == key) return i;
  }
  return -1;
}

int TsImageCatalog::FindMask(const TsGeneralDataArray& sections, int sectionIndex, std::string_view key) const {
  if (!ValidIndex(sections, sectionIndex) || keys_.find(key) == keys_.end()) return -1;
  return FindUpParents(sections, sectionIndex, [&](int32_t s) { return OwnMask(s, key); });
}

int TsImageCatalog::FindMaskByName(std::string_view sectionName, std::string_view key) const {
  const auto it = bySectionName_.find(sectionName);
  if (it == bySectionName_.end()) return -1;
  for (int i = it->second.First; i >= 0; i = nextOfName_[size_t(i)]) {
    if (masks_[size_t(i)].KeyName == key) return i;
  }
  return -1;
}

int TsImageCatalog::FindPattern(const TsGeneralDataArray& sections, int sectionIndex, std::string_view sectionName,
                                std::string_view key) const {
  if (keys_.find(key) == keys_.end()) return -1;
  const int own = OwnPattern(sectionName, key);
  if (own >= 0 || !ValidIndex(sections, sectionIndex)) return own;
  // The section itself was searched under the name given; its parents under their own names.
  return FindUpParents(sections, sectionIndex, [&](int32_t s) {
    return s == sectionIndex ? -1 : OwnPattern(sections[size_t(s)].SectionName, key);
  });
}

int TsImageCatalog::FindPattern(const TsGeneralDataArray& sections, int sectionIndex, std::string_view key) const {
  if (!ValidIndex(sections, sectionIndex)) return -1;
  return FindPattern(sections, sectionIndex, sections[size_t(sectionIndex)].SectionName, key);
}

int TsImageCatalog::FindGlobalMask(const TsGeneralDataArray& sections, std::string_view key) const {
  return FindMask(sections, FindSection(sections, kGlobalSection), key);
}

PixelBuffer* TsImageCatalog::FindExternalImage(std::string_view fileName) const {
  for (const TacExtFileData& e : ExtImages) {
    if (e.FileName == fileName) return e.Picture.get();
  }
  return nullptr;
}

void TsImageCatalog::Clear() {
  masks_.clear();
  bySectionIndex_.clear();
  bySectionName_.clear();
  nextOfIndex_.clear();
  nextOfName_.clear();
  keys_.clear();
  ExtImages.clear();
  MasterBitmap = PixelBuffer();
}

void ResolveSectionIndexes(TsGeneralDataArray& sections, const TsImageCatalog& catalog) {
  auto mask = [&](int index, SectionImageKey key) { return catalog.FindMask(sections, index, key); };
  auto pattern = [&](int index, SectionImageKey key) { return catalog.FindPattern(sections, index, key); };
  for (size_t i = 0; i < sections.size(); ++i) {
    TsGeneralData& s = sections[i];
    if (s.SectionName == kGlobalSection) continue;
    const int index = int(i);
    s.BorderIndex = mask(index, "BORDERSMASK");
    s.OuterMaskIndex = mask(index, "OUTERMASK");
    s.ImgTopLeft = mask(index, "IMGTOPLEFT");
    s.ImgTopRight = mask(index, "IMGTOPRIGHT");
    s.ImgBottomLeft = mask(index, "IMGBTMLEFT");
    s.ImgBottomRight = mask(index, "IMGBTMRIGHT");

    s.Props[0].PatternIndex = pattern(index, "PATTERN");
    if (s.States > 1) s.Props[1].PatternIndex = pattern(index, "HOTPATTERN");
    s.Props[2].PatternIndex = s.States > 2 && s.UseState2 ? pattern(index, "PATTERN2")
                                                          : s.Props[1].PatternIndex;

    const TsMaskData* border = catalog.Mask(s.BorderIndex);
    if (!border) {
      s.EditBorderKind = -2;
    } else if ((s.SectionName == "EDIT" || s.SectionName == "ALPHAEDIT") && border->BorderL == 1 &&
               border->BorderT == 1 && border->BorderR == 1 && border->BorderB == 1) {
      s.EditBorderKind = -1;
    } else {
      s.EditBorderKind = 0;
    }
  }
}
