#pragma once
// The engine's own pictures read from a folder written by skinimages (the
// names listed in its files.txt), offered to the skin loader by resource name
// ("BLUR5" for "BLUR5.bmp") the way the program offers its resources.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/BuiltinPictures.h"

struct NamedPicture {
  std::string Name;  // resource name: the file name without its extension
  PixelBuffer Picture;
};

class PictureFolder final : public BuiltinPictures {
 public:
  // Reads every picture listed in folder/files.txt; raises ESkinError for a
  // listed file that is missing or cannot be decoded.
  explicit PictureFolder(const std::filesystem::path& folder);

  const PixelBuffer* Picture(std::string_view name) const override;
  const std::vector<NamedPicture>& All() const { return pictures_; }

 private:
  std::vector<NamedPicture> pictures_;
};
