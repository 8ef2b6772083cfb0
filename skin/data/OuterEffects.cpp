#include "skin/data/OuterEffects.h"

#include <string>

#include "skin/data/SkinKeys.h"
#include "skin/data/SkinOptions.h"
#include "skin/data/sSkinData.h"

namespace {

// Defaults of record 0 ("LO_", the light outline) and record 1 ("SH_", the shadow).
constexpr TacOutEff kDefaults[2] = {
    {16777215, 0, 16777215, 16777215, 2, 2, 2, 4, -1, -1, -1, -1, -1, 2, 200},
    {0, 0, 0, 0, 3, 2, 3, 5, -1, -1, -1, -1, -1, 2, 60},
};

}  // namespace

void ReadOuterEffects(const TacSkinOptions& text, TacOutEffArray& effects) {
  for (int i = 0; i < 2; ++i) {
    const std::string_view prefix = kOuterEffectPrefixes[size_t(i)];
    const TacOutEff& d = kDefaults[i];
    const auto read = [&](OuterEffectField field, int32_t def) {
      return text.ReadInteger(kGlobalSection, std::string(prefix) + std::string(field.Name()), def);
    };
    TacOutEff& e = effects[size_t(i)];
    e.ColorL = read("COLORL", d.ColorL);
    e.ColorT = read("COLORT", d.ColorT);
    e.ColorR = read("COLORR", d.ColorR);
    e.ColorB = read("COLORB", d.ColorB);
    e.OffsetL = read("OFFSETL", d.OffsetL);
    e.OffsetT = read("OFFSETT", d.OffsetT);
    e.OffsetR = read("OFFSETR", d.OffsetR);
    e.OffsetB = read("OFFSETB", d.OffsetB);
    e.WidthL = read("WIDTHL", d.WidthL);
    e.WidthT = read("WIDTHT", d.WidthT);
    e.WidthR = read("WIDTHR", d.WidthR);
    e.WidthB = read("WIDTHB", d.WidthB);
    e.MaskIndex = -1;
    e.Source = read("SOURCE", d.Source);
    e.Opacity = read("OPACITY", d.Opacity);
  }
}
