#include "tools/skinpreview/PictureFolder.h"

#include <sstream>

#include "skin/data/SkinImageFiles.h"
#include "skin/render/core/ImageLoader.h"
#include "skin/render/core/SkinError.h"

PictureFolder::PictureFolder(const std::filesystem::path& folder) {
  const auto list = ReadWholeFile(folder / "files.txt");
  if (!list) throw ESkinError("No picture list in " + folder.string());
  std::istringstream lines(std::string(list->begin(), list->end()));
  for (std::string name; std::getline(lines, name);) {
    if (!name.empty() && name.back() == '\r') name.pop_back();
    if (name.empty()) continue;
    const auto bytes = ReadWholeFile(folder / name);
    if (!bytes) throw ESkinError("Missing picture " + name);
    auto decoded = DecodeImageByName(name, bytes->data(), bytes->size());
    if (!decoded) throw ESkinError("Unknown picture kind " + name);
    pictures_.push_back({std::filesystem::path(name).stem().string(), std::move(decoded->Pixels)});
  }
}

const PixelBuffer* PictureFolder::Picture(std::string_view name) const {
  for (const NamedPicture& p : pictures_)
    if (p.Name == name) return &p.Picture;
  return nullptr;
}
