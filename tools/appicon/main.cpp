// appicon: draws the program's icon and writes it as one .ico file with
// every size of kAppIconSizes.
//   appicon <icon file>
#include <cstdio>

#include "tools/appicon/AppIcon.h"
#include "tools/appicon/IcoFile.h"
#include "tools/skinimages/ImageFiles.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: appicon <icon file>\n");
    return 2;
  }
  std::vector<PixelBuffer> pictures;
  for (int size : kAppIconSizes) pictures.push_back(FilePixels({"", ImageFormat::Png, DrawAppIcon(size)}));
  if (!WriteFileBytes(argv[1], EncodeIco(pictures))) {
    std::fprintf(stderr, "appicon: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
