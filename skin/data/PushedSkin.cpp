#include "skin/data/PushedSkin.h"

#include <algorithm>
#include <cstring>

#include "skin/data/SkinOptions.h"
#include "skin/render/core/ByteOrder.h"

namespace {

uint32_t ReadMarker(std::span<const uint8_t> data) { return LoadLE32(data.data()); }

std::string ReadField(const PushedSkinBlock& block, size_t offset, size_t size) {
  const char* start = reinterpret_cast<const char*>(block.data() + offset);
  return std::string(start, strnlen(start, size));
}

}  // namespace

bool IsPushedSkinMessage(uint32_t dataKind, std::span<const uint8_t> data) {
  return dataKind == kPushedSkinDataKind && data.size() >= kPushedSkinBlockSize && ReadMarker(data) == kPushedSkinMarker;
}

PushedSkinBlock CopyPushedSkinBlock(std::span<const uint8_t> data) {
  PushedSkinBlock block{};
  std::copy_n(data.begin(), std::min(data.size(), block.size()), block.begin());
  return block;
}

std::optional<PushedSkin> ReadPushedSkin(const PushedSkinBlock& block) {
  if (ReadMarker(block) != kPushedSkinMarker) return std::nullopt;
  constexpr size_t kNameAt = 4, kDirectoryAt = kNameAt + kPushedSkinNameSize,
                   kOptionsAt = kDirectoryAt + kPushedSkinDirectorySize;
  return PushedSkin{ReadField(block, kNameAt, kPushedSkinNameSize),
                    ReadField(block, kDirectoryAt, kPushedSkinDirectorySize),
                    ReadField(block, kOptionsAt, kPushedSkinOptionsSize)};
}

bool IsUsablePushedSkin(const PushedSkin& skin) {
  return !skin.SkinName.empty() && TacSkinOptions::Parse(skin.OptionsText).HasSection("GLOBALINFO");
}
