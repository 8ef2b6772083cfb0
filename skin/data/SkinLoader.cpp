#include "skin/data/SkinLoader.h"

#include <memory>
#include <optional>

#include "skin/data/CatalogBuilder.h"
#include "skin/data/SkinPackage.h"
#include "skin/data/SkinValueBounds.h"

SkinSource SkinSource::FromPackageFile(std::string packageFile, std::string skinPath) {
  SkinSource s;
  s.From = Kind::PackageFile;
  s.PackageFile = std::move(packageFile);
  s.SkinPath = std::move(skinPath);
  return s;
}

SkinSource SkinSource::FromPackageBytes(std::span<const uint8_t> bytes) {
  SkinSource s;
  s.From = Kind::PackageBytes;
  s.PackageBytes = bytes;
  return s;
}

SkinSource SkinSource::FromFolder(std::string skinPath) {
  SkinSource s;
  s.From = Kind::Folder;
  s.SkinPath = std::move(skinPath);
  return s;
}

SkinSource SkinSource::FromOptionsText(std::string text, std::string skinPath) {
  SkinSource s;
  s.From = Kind::OptionsText;
  s.OptionsText = std::move(text);
  s.SkinPath = std::move(skinPath);
  return s;
}

namespace {

// The options text and image files of a skin, whatever form it comes in.
struct OpenedSkin {
  SkinLoadStatus Status = SkinLoadStatus::Loaded;
  TacSkinConvertor Package;
  std::vector<uint8_t> FolderOptions;
  std::optional<std::string_view> Options;  // none: no options text
  std::unique_ptr<SkinImageFiles> Files;
};

void OpenPackage(OpenedSkin& skin) {
  const std::vector<uint8_t>* options = skin.Package.Options();
  if (!options) {
    skin.Status = SkinLoadStatus::NoOptions;
    return;
  }
  skin.Options = std::string_view(reinterpret_cast<const char*>(options->data()), options->size());
  skin.Files = std::make_unique<PackageImageFiles>(skin.Package);
}

void Open(const SkinSource& source, const SkinLoadSettings& settings, OpenedSkin& skin) {
  switch (source.From) {
    case SkinSource::Kind::PackageFile:
      if (!skin.Package.LoadFromFile(settings.ToPath(source.PackageFile))) {
        skin.Status = skin.Package.NotPacked() ? SkinLoadStatus::NotPacked : SkinLoadStatus::NoFile;
        return;
      }
      OpenPackage(skin);
      return;
    case SkinSource::Kind::PackageBytes:
      if (source.PackageBytes.empty()) return;  // no options text: defaults stay in place
      if (!skin.Package.Unpack(source.PackageBytes)) {
        skin.Status = SkinLoadStatus::NotPacked;
        return;
      }
      OpenPackage(skin);
      return;
    case SkinSource::Kind::Folder: {
      auto bytes = ReadWholeFile(settings.ToPath(source.SkinPath + std::string(kOptionsMemberName)));
      if (!bytes) {
        skin.Status = SkinLoadStatus::NoFile;
        return;
      }
      skin.FolderOptions = std::move(*bytes);
      skin.Options = std::string_view(reinterpret_cast<const char*>(skin.FolderOptions.data()), skin.FolderOptions.size());
      skin.Files = std::make_unique<FolderImageFiles>(source.SkinPath, settings.ToPath);
      return;
    }
    case SkinSource::Kind::OptionsText:
      skin.Options = std::string_view(source.OptionsText);
      skin.Files = std::make_unique<FolderImageFiles>(source.SkinPath, settings.ToPath);
      return;
  }
}

}  // namespace

LoadedSkin LoadSkin(const SkinSource& source, const SkinLoadSettings& settings) {
  LoadedSkin out;
  OpenedSkin opened;
  Open(source, settings, opened);
  out.Status = opened.Status;
  if (out.Status != SkinLoadStatus::Loaded) return out;
  out.HasOptions = opened.Options.has_value();

  const TacSkinOptions text = out.HasOptions ? TacSkinOptions::Parse(*opened.Options) : TacSkinOptions();
  std::string commonText;
  for (const std::string& line : settings.CommonSections) commonText += line + "\n";
  const TacSkinOptions common = TacSkinOptions::Parse(commonText);
  const double version = text.ReadReal("GLOBALINFO", "VERSION");
  if (settings.OnVersionRead) settings.OnVersionRead(version);

  if (out.HasOptions) {
    BuildImageCatalog(out.Images, text, *opened.Files, {version, settings.Brightness, settings.Owner});
  }
  // Common-section bitmaps are loose files of the skin directory, whatever the skin's own form.
  FolderImageFiles looseFiles(source.SkinPath, settings.ToPath);
  AddCommonSectionImages(out.Images, common, looseFiles, settings.Owner);

  TsGlobalPartOptions global;
  global.SystemFrameWidth = settings.SystemFrameWidth;
  ReadSkinData(text, global, out.SkinData);
  out.SkinData.SkinPath = source.SkinPath;
  ReadOuterEffects(text, out.OutEffects);
  BuildOuterEffectImages(out.Images, out.OutEffects, text, settings.Builtins, settings.Owner);
  out.Sections = BuildSectionTable(text);
  MergeCommonSections(out.Sections, common);
  ResolveSectionIndexes(out.Sections, out.Images);
  out.Colors = DeriveSkinColors(text, out.Sections);
  AppendTransparentSection(out.Sections, out.Colors);
  BoundSkinValues(out, settings.Clamps);
  return out;
}
