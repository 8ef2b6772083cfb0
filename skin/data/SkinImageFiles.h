#pragma once
// Where the image files of a skin come from: the members of an unpacked
// package, or the files of a folder. Names are asked for in upper case, as the
// options values are converted before they are parsed.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TacSkinConvertor;

// Turns code page text into a file system path. Natively the bytes are taken
// as they are; the Windows build passes a converter from code page 1251.
using PathFromText = std::filesystem::path (*)(std::string_view text);
std::filesystem::path PathFromBytes(std::string_view text);

// The whole file, or nothing when it cannot be opened.
std::optional<std::vector<uint8_t>> ReadWholeFile(const std::filesystem::path& path);

class SkinImageFiles {
 public:
  virtual ~SkinImageFiles() = default;
  // The bytes of the image file of this upper-case name, or null when the
  // skin has none. The bytes stay valid until the next call.
  virtual const std::vector<uint8_t>* Find(const std::string& upperName) = 0;
};

// Image members of a package, first match wins.
class PackageImageFiles final : public SkinImageFiles {
 public:
  explicit PackageImageFiles(const TacSkinConvertor& package) : package_(package) {}
  const std::vector<uint8_t>* Find(const std::string& upperName) override;

 private:
  const TacSkinConvertor& package_;
};

// Files in the folder `skinPath` (which ends with a separator); a name holding
// ":" is a full path of its own. A name whose letter case differs from the
// file's is found as well, as on the file systems skins are made for.
class FolderImageFiles final : public SkinImageFiles {
 public:
  FolderImageFiles(std::string skinPath, PathFromText toPath) : skinPath_(std::move(skinPath)), toPath_(toPath) {}
  const std::vector<uint8_t>* Find(const std::string& upperName) override;

 private:
  std::string skinPath_;
  PathFromText toPath_;
  std::vector<uint8_t> bytes_;
};
