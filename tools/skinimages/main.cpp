// skinimages: draws every picture of the built-in skin and the engine's own
// pictures.
//   skinimages <skin image folder> <engine picture folder>
// Skin pictures keep their upper-case names (EDIT.BMP, EXBORDER.PNG, ...);
// engine pictures are written as <resource name>.bmp or .png. Each folder
// also gets "files.txt", the written names one per line, in a fixed order.
#include <cstdio>
#include <filesystem>
#include <string>

#include "tools/skinimages/ImageFiles.h"

namespace {

bool WriteAll(const std::filesystem::path& folder, const std::vector<GeneratedImage>& images, bool addExtension) {
  std::filesystem::create_directories(folder);
  std::string list;
  for (const GeneratedImage& image : images) {
    std::string name = image.FileName;
    if (addExtension) name += image.Format == ImageFormat::Png ? ".png" : ".bmp";
    if (!WriteFileBytes((folder / name).string(), EncodeImageFile(image))) {
      std::fprintf(stderr, "skinimages: cannot write %s\n", (folder / name).string().c_str());
      return false;
    }
    list += name + "\n";
  }
  return WriteFileBytes((folder / "files.txt").string(), {list.begin(), list.end()});
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: skinimages <skin image folder> <engine picture folder>\n");
    return 2;
  }
  const bool ok = WriteAll(argv[1], BuiltinSkinImages(), false) && WriteAll(argv[2], EnginePictures(), true);
  return ok ? 0 : 1;
}
