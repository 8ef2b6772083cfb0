// Gradient option values: parsing, then painting what parsed into a small
// picture, alone and with a texture.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "skin/render/core/Gradient.h"
#include "skin/render/core/SkinError.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 4096) return 0;  // option values are short; longer inputs only slow the search
  TsGradArray gradient;
  try {
    gradient = ParseGradient(std::string_view(reinterpret_cast<const char*>(data), size));
  } catch (const ESkinError&) {
    return 0;
  }
  PixelBuffer target(23, 17), texture(5, 4);
  for (int32_t y = 0; y < texture.Height(); ++y)
    for (int32_t x = 0; x < texture.Width(); ++x) texture.At(x, y) = uint32_t(x * 0x10203 + y);
  const int32_t shift = size > 0 ? int32_t(data[0] % 7) - 3 : 0;  // rectangles that reach past the picture
  const TRect rect{shift, -shift, 23 + shift, 17 - shift};
  PaintGradient(target, rect, gradient);
  PaintGradientWithTexture(target, rect, gradient, 255, size > 1 ? data[1] : 128, {1, 1, 4, 3}, texture);
  return 0;
}
