// The pushed-skin block as a skin editor sends it. Inputs are short, so the
// input's first byte picks the data kind and the marker is kept or broken by
// the second; the rest fills the block, which is padded to its full size
// unless the third byte asks for a short message.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "skin/data/PushedSkin.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 3) return 0;
  std::vector<uint8_t> block(data[2] == 0 ? size : kPushedSkinBlockSize, 0);
  std::copy_n(data + 3, std::min(size - 3, block.size()), block.begin());
  if (block.size() >= 4 && data[1] % 2) block[0] = 0x00, block[1] = 0xA4, block[2] = 0, block[3] = 0;
  if (!IsPushedSkinMessage(data[0] % 9, block)) return 0;
  PushedSkinBlock copied = CopyPushedSkinBlock(block);
  if (auto skin = ReadPushedSkin(copied))
    if (skin->SkinName.size() > kPushedSkinNameSize || skin->OptionsText.size() > kPushedSkinOptionsSize) __builtin_trap();
  return 0;
}
