// Fuzzes the skin package reader: any bytes unpack or fail with ESkinError.
// The first byte picks the mode:
//   bit 0 clear: the rest is the package itself;
//   bit 0 set:   the rest is packed first (members split at NUL bytes), then
//                damaged at one place given by the next bytes, so that
//                mutations reach the member and stream logic behind the
//                zlib checks instead of stopping at them.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "skin/data/SkinPackage.h"
#include "skin/render/core/SkinError.h"

namespace {

constexpr size_t kMaxInput = 256 << 10;  // bytes; larger inputs teach nothing new
constexpr size_t kDamageHeader = 6;      // cut length (u16), flip position (u16), flip mask, name kind

std::vector<uint8_t> PackAndDamage(const uint8_t* data, size_t size) {
  if (size < kDamageHeader) return {};
  const size_t cut = size_t(data[0]) | size_t(data[1]) << 8;
  const size_t at = size_t(data[2]) | size_t(data[3]) << 8;
  const uint8_t flip = data[4];
  std::vector<TacPackageMember> members;
  TacPackageMember* current = nullptr;
  for (size_t i = kDamageHeader; i < size; ++i) {
    if (!current || data[i] == 0) {
      members.push_back({"M" + std::to_string(members.size()) + (data[5] & 1 ? ".bmp" : ".png"), {}});
      current = &members.back();
      if (data[i] == 0) continue;
    }
    current->Data.push_back(data[i]);
  }
  std::vector<uint8_t> package = WriteSkinPackage(members, 1);
  if (at < package.size()) package[at] ^= flip;
  if (cut < package.size()) package.resize(cut);
  return package;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0 || size > kMaxInput) return -1;
  std::vector<uint8_t> built;
  std::span<const uint8_t> package(data + 1, size - 1);
  if (data[0] & 1) {
    built = PackAndDamage(data + 1, size - 1);
    package = built;
  }
  TacSkinConvertor reader;
  try {
    if (reader.Unpack(package)) (void)reader.FindImage("M0.BMP");
  } catch (const ESkinError&) {
  }
  return 0;
}
