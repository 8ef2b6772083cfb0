// Options text with everything built from it at a load: global information,
// outer effects, section table, common-section merge, skin-wide colours.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "skin/data/OuterEffects.h"
#include "skin/data/SectionTable.h"
#include "skin/data/SkinColors.h"
#include "skin/data/SkinOptions.h"
#include "skin/data/sSkinData.h"
#include "skin/render/core/SkinError.h"

namespace {
constexpr size_t kMaxInput = 64 << 10;  // bytes; an options text is a few tens of kilobytes
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > kMaxInput) return -1;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  // Text after the first NUL byte is read as the common sections.
  const size_t split = bytes.find('\0');
  const TacSkinOptions text = TacSkinOptions::Parse(bytes.substr(0, split));
  const TacSkinOptions common =
      TacSkinOptions::Parse(split == std::string_view::npos ? std::string_view() : bytes.substr(split + 1));
  TsSkinData skin;
  ReadSkinData(text, {}, skin);
  TacOutEffArray effects;
  ReadOuterEffects(text, effects);
  try {
    TsGeneralDataArray sections = BuildSectionTable(text);
    MergeCommonSections(sections, common);
    AppendTransparentSection(sections, DeriveSkinColors(text, sections));
  } catch (const ESkinError&) {  // a gradient with a field that is not a number
  }
  return 0;
}
