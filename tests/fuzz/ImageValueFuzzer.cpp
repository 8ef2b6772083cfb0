// Image values straight from an options text: any bytes must parse or raise
// ESkinError, and the derived sizes of what parses must never fault.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "skin/data/ImageValue.h"
#include "skin/render/core/SkinError.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 4096) return 0;  // values are one line of text
  const std::string_view value(reinterpret_cast<const char*>(data), size);
  try {
    ImageValue v = ParseImageValue(value, "SECTION", "KEY");
    // Fit to a picture whose size comes from the input as well.
    const int32_t w = size > 0 ? int32_t(data[0]) * 97 - 3000 : 0;
    const int32_t h = size > 1 ? int32_t(data[1]) * 89 - 3000 : 0;
    FitToPicture(v, w, h);
    volatile int32_t sink = v.Record.Width() + v.Record.Height();
    const TBorderWidths b = v.Record.EffectiveBorders();
    sink = sink + b.Left + b.Top + b.Right + b.Bottom;
    (void)sink;
    ImageValue bordered = ParseBorderedValue(value, "GLOBALINFO", "LO_MASK");
    (void)bordered;
  } catch (const ESkinError&) {
  }
  return 0;
}
