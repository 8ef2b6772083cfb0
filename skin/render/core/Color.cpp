#include "skin/render/core/Color.h"

#include <array>

namespace {

// The classic Windows scheme, used where no system can be asked.
class ClassicSystemColors final : public SystemColorSource {
 public:
  TColor SystemColor(int index) const override {
    static constexpr std::array<TColor, 31> kClassic = {
        RGBColor(212, 208, 200), RGBColor(58, 110, 165),  RGBColor(10, 36, 106),   RGBColor(128, 128, 128),
        RGBColor(212, 208, 200), RGBColor(255, 255, 255), RGBColor(0, 0, 0),       RGBColor(0, 0, 0),
        RGBColor(0, 0, 0),       RGBColor(255, 255, 255), RGBColor(212, 208, 200), RGBColor(212, 208, 200),
        RGBColor(128, 128, 128), RGBColor(10, 36, 106),   RGBColor(255, 255, 255), RGBColor(212, 208, 200),
        RGBColor(128, 128, 128), RGBColor(128, 128, 128), RGBColor(0, 0, 0),       RGBColor(212, 208, 200),
        RGBColor(255, 255, 255), RGBColor(64, 64, 64),    RGBColor(212, 208, 200), RGBColor(0, 0, 0),
        RGBColor(255, 255, 225), RGBColor(181, 181, 181), RGBColor(0, 0, 128),     RGBColor(166, 202, 240),
        RGBColor(192, 192, 192), RGBColor(49, 106, 197),  RGBColor(236, 233, 216)};
    return index >= 0 && index < int(kClassic.size()) ? kClassic[index] : clBlack;
  }
};

const ClassicSystemColors kClassicColors;
const SystemColorSource* gSource = &kClassicColors;

}  // namespace

const SystemColorSource& CurrentSystemColors() { return *gSource; }

void SetSystemColorSource(const SystemColorSource* source) { gSource = source ? source : &kClassicColors; }

TColor ResolveColor(TColor c) {
  if ((c & 0xFF000000u) != clSystemColor) return c;
  return gSource->SystemColor(int(c & 0xFF));
}
