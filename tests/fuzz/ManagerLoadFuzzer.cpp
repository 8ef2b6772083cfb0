// Skin loading through the manager from arbitrary package bytes stored as its
// internal skin: every outcome must be a loaded skin or a message, never a crash.
#include <cstddef>
#include <cstdint>

#include "skin/data/sSkinManager.h"

namespace {

class QuietHost final : public SkinManagerHost {
 public:
  void ShowMessage(const std::string&, const std::string&, TacMessageIcon) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static QuietHost host;
  TsSkinManager manager(nullptr, &host);
  manager.SetSkinDirectory("fuzz-no-such-folder");
  TsStoredSkin stored;
  stored.Name = "fuzz";
  stored.Data.assign(data, data + size);
  manager.SetInternalSkins({stored});
  manager.SetBrightness(size % 2 ? 30 : 0);
  manager.SetSkinName("fuzz");
  manager.SetHueOffset(40);
  return 0;
}
