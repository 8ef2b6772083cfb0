#pragma once
// Tiny skins made in the test: an options text and a few pictures, written as
// a package or as a folder, so that both forms can be loaded and compared.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "skin/data/SkinPackage.h"
#include "skin/render/core/PixelBuffer.h"
#include "tests/render/TestPictures.h"
#include "tools/BmpWriter.h"

struct TinySkin {
  std::vector<TacPackageMember> Members;

  TinySkin& Options(const std::string& text);
  TinySkin& File(const std::string& name, std::vector<uint8_t> bytes);

  std::vector<uint8_t> Package() const { return WriteSkinPackage(Members); }
  // Writes every member as a file into `folder` (created).
  void WriteFolder(const std::filesystem::path& folder) const;
};

// A fresh folder under the system's temporary folder, removed at destruction.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  const std::filesystem::path& Path() const { return path_; }
  // The path as text ending with a separator, as the loader wants it.
  std::string Text() const { return path_.string() + "/"; }

 private:
  std::filesystem::path path_;
};
