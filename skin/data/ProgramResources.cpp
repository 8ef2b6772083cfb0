#include "skin/data/ProgramResources.h"

#include <windows.h>

#include <array>
#include <string>
#include <vector>

#include "skin/data/SkinElements.h"
#include "skin/render/core/Blend.h"
#include "skin/render/core/BmpReader.h"
#include "skin/render/core/acPNG.h"
#include "toolkit/Cp1251.h"

namespace {

std::span<const uint8_t> ResourceBytes(std::string_view name, const wchar_t* type) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceW(module, Cp1251::ToWide(name).c_str(), type);
  HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes) return {};
  return {static_cast<const uint8_t*>(bytes), SizeofResource(module, found)};
}

constexpr std::array<std::string_view, 4> kPngPictures = {kActiveShadowPicture, kInactiveShadowPicture, "acGLOW",
                                                          "acHINT"};

class ResourcePictures final : public BuiltinPictures {
 public:
  ResourcePictures() {
    if (auto bytes = ResourceBytes(kBlurPictureName, RT_BITMAP); !bytes.empty())
      pictures_.push_back({std::string(kBlurPictureName), DecodeBmpResource(bytes.data(), bytes.size()).Pixels});
    for (std::string_view name : kPngPictures) {
      auto bytes = ProgramResourceData(name);
      if (bytes.empty()) continue;
      PixelBuffer picture = DecodePng(bytes.data(), bytes.size()).Pixels;
      // The border window takes premultiplied pixels, where transparent white would add white.
      if (name == kActiveShadowPicture || name == kInactiveShadowPicture) ClearTransparentWhite(picture);
      pictures_.push_back({std::string(name), std::move(picture)});
    }
  }

  const PixelBuffer* Picture(std::string_view name) const override {
    for (const Named& p : pictures_)
      if (p.Name == name) return &p.Picture;
    return nullptr;
  }

 private:
  struct Named {
    std::string Name;
    PixelBuffer Picture;
  };
  std::vector<Named> pictures_;
};

}  // namespace

std::span<const uint8_t> ProgramResourceData(std::string_view name) { return ResourceBytes(name, RT_RCDATA); }

const BuiltinPictures& ProgramPictures() {
  static const ResourcePictures pictures;
  return pictures;
}
