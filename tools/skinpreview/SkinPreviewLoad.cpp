#include "tools/skinpreview/SkinPreviewLoad.h"

#include <filesystem>

#include "skin/render/core/SkinError.h"

namespace {

// Painters draw only records that belong to a manager; the preview has none,
// so the address of this marker stands in (it is never used as a manager).
char previewOwner;

}  // namespace

LoadedSkin LoadPreviewSkin(const std::string& packageOrFolder, const PictureFolder& enginePictures) {
  SkinLoadSettings settings;
  settings.Builtins = &enginePictures;
  settings.Owner = reinterpret_cast<TsSkinManager*>(&previewOwner);
  const std::filesystem::path path(packageOrFolder);
  const bool package = path.extension() == ".asz" || path.extension() == ".ASZ";
  const SkinSource source = package ? SkinSource::FromPackageFile(packageOrFolder, path.parent_path().string() + "/")
                                    : SkinSource::FromFolder((path / "").string());
  LoadedSkin skin = LoadSkin(source, settings);
  if (skin.Status != SkinLoadStatus::Loaded) throw ESkinError("Cannot load the skin " + packageOrFolder);
  return skin;
}
