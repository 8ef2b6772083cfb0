// Loading a skin from bytes and painting all of it: every section in every
// state at a few sizes, every image record frame by frame. The first byte
// chooses what the rest is: 0 a whole package; anything else an options text,
// packed with the pictures of the hostile-skin corpus so that the painters
// see real images. Every outcome must be a painted skin or a skin error.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "skin/render/core/SkinError.h"
#include "tests/hostile/HostileSkins.h"
#include "tests/hostile/PaintEverything.h"

namespace {

constexpr size_t kMaxInput = 256 << 10;  // larger than the built-in skin's package
char owner;  // painters draw only records that belong to a manager

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1 || size > kMaxInput) return 0;
  std::vector<uint8_t> package;
  if (data[0] == 0) {
    package.assign(data + 1, data + size);
  } else {
    package = PackageWithCorpusPictures(std::string_view(reinterpret_cast<const char*>(data + 1), size - 1));
  }
  SkinLoadSettings settings;
  settings.Owner = reinterpret_cast<TsSkinManager*>(&owner);
  try {
    const LoadedSkin skin = LoadSkin(SkinSource::FromPackageBytes(package), settings);
    if (skin.Status == SkinLoadStatus::Loaded) PaintEverything(skin);
  } catch (const ESkinError&) {
  }
  return 0;
}
