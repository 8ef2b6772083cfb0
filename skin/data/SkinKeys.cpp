#include "skin/data/SkinKeys.h"

#include "skin/data/SkinElements.h"
#include "skin/data/sSkinData.h"

namespace {

bool IsGlobalImageKey(std::string_view key) { return ListHas(kGlobalImageKeys, key) || ListHas(kWellKnownMaskKeys, key); }

bool IsOuterEffectKey(std::string_view key) {
  for (std::string_view prefix : kOuterEffectPrefixes)
    if (key.starts_with(prefix) && ListHas(kOuterEffectFields, key.substr(prefix.size()))) return true;
  return false;
}

bool IsGlyphGlowKey(std::string_view key) {
  return key.ends_with(kGlyphGlowSuffix) && IsGlobalImageKey(key.substr(0, key.size() - kGlyphGlowSuffix.size()));
}

}  // namespace

bool IsReadSkinKey(std::string_view section, std::string_view key) {
  if (ListHas(kSectionKeys, key) || ListHas(kSectionImageKeys, key)) return true;
  for (const SectionOwnKey& own : kSectionOwnKeys)
    if (own.Section == section && own.Key == key) return true;
  if (section != kGlobalSection) return false;
  return ListHas(kGlobalInfoKeys, key) || IsGlobalImageKey(key) || IsOuterEffectKey(key) || IsGlyphGlowKey(key);
}
