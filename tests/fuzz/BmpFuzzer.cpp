// Fuzzes the BMP reader.
#include <cstddef>
#include <cstdint>

#include "skin/render/core/BmpReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 64 * 1024) return 0;
  try {
    DecodedImage image = DecodeBmp(data, size);
    if (!image.Pixels.Empty()) {
      volatile uint32_t sink = image.Pixels.At(image.Pixels.Width() - 1, image.Pixels.Height() - 1);
      (void)sink;
    }
  } catch (const ESkinError&) {
  }
  return 0;
}
