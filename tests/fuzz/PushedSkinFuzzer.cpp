// The pushed-skin block as a skin editor sends it: any bytes, any length.
#include <cstddef>
#include <cstdint>
#include <span>

#include "skin/data/PushedSkin.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::span<const uint8_t> bytes(data, size);
  const uint32_t kind = size > 0 ? data[0] % 9 : 7;
  if (!IsPushedSkinMessage(kind, bytes) && !IsPushedSkinMessage(kPushedSkinDataKind, bytes)) return 0;
  PushedSkinBlock block = CopyPushedSkinBlock(bytes);
  if (auto skin = ReadPushedSkin(block))
    if (skin->SkinName.size() > kPushedSkinNameSize || skin->OptionsText.size() > kPushedSkinOptionsSize) __builtin_trap();
  return 0;
}
