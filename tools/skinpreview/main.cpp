// skinpreview: renders the contact sheet of a skin into a PNG file.
//   skinpreview <package.asz | skin folder> <engine picture folder> <out.png> [title]
// The engine picture folder is the one skinimages writes (with files.txt); it
// supplies the blur picture of the default outer effects and is shown too. A
// skin whose sheet would exceed the size limit (ContactSheet.h) is refused
// with a message and exit status 1, and nothing is written.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "skin/render/core/SkinError.h"
#include "tools/PngWriter.h"
#include "tools/skinpreview/ContactSheet.h"
#include "tools/skinpreview/SkinPreviewLoad.h"

int main(int argc, char** argv) {
  if (argc < 4 || argc > 5) {
    std::fprintf(stderr, "usage: skinpreview <package.asz | skin folder> <engine picture folder> <out.png> [title]\n");
    return 2;
  }
  try {
    const PictureFolder engine{std::filesystem::path(argv[2])};
    const LoadedSkin skin = LoadPreviewSkin(argv[1], engine);
    const std::string title = argc == 5 ? argv[4] : std::filesystem::path(argv[1]).stem().string();
    if (!WritePngFile(argv[3], RenderContactSheet(skin, engine.All(), title))) {
      std::fprintf(stderr, "skinpreview: cannot write %s\n", argv[3]);
      return 1;
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "skinpreview: %s\n", e.what());
    return 1;
  }
  return 0;
}
