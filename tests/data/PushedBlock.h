#pragma once
// A pushed-skin block as a skin editor sends it: the marker and the three
// texts at their offsets, each terminated unless it fills its field. A text
// longer than its field runs on into the next one, as a careless sender's
// would; `size` cuts the block short or makes it longer.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "skin/data/PushedSkin.h"

inline std::vector<uint8_t> PushedBlock(const std::string& name, const std::string& directory,
                                        const std::string& options, uint32_t marker = kPushedSkinMarker,
                                        size_t size = kPushedSkinBlockSize) {
  constexpr size_t kNameAt = 4, kDirectoryAt = kNameAt + kPushedSkinNameSize,
                   kOptionsAt = kDirectoryAt + kPushedSkinDirectorySize;
  std::vector<uint8_t> block(std::max(size, kOptionsAt + options.size()), 0);
  for (size_t i = 0; i < 4; ++i) block[i] = uint8_t(marker >> (8 * i));
  std::copy(name.begin(), name.end(), block.begin() + kNameAt);
  std::copy(directory.begin(), directory.end(), block.begin() + kDirectoryAt);
  std::copy(options.begin(), options.end(), block.begin() + kOptionsAt);
  block.resize(size);
  return block;
}
