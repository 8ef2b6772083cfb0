#include "skin/data/SkinImageFiles.h"

#include <fstream>
#include <system_error>

#include "skin/data/SkinPackage.h"
#include "skin/data/SkinText.h"

std::filesystem::path PathFromBytes(std::string_view text) { return std::filesystem::path(std::string(text)); }

std::optional<std::vector<uint8_t>> ReadWholeFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) return std::nullopt;
  const std::streamoff size = in.tellg();
  if (size < 0) return std::nullopt;
  std::vector<uint8_t> bytes(static_cast<size_t>(size));
  in.seekg(0);
  if (!in.read(reinterpret_cast<char*>(bytes.data()), size)) return std::nullopt;
  return bytes;
}

const std::vector<uint8_t>* PackageImageFiles::Find(const std::string& upperName) {
  const TacImageItem* item = package_.FindImage(upperName);
  return item ? &item->Data : nullptr;
}

namespace {

// The entry of `folder` whose name equals `fileName` without regard to ASCII
// case. Windows file systems ignore case themselves.
std::optional<std::filesystem::path> FindIgnoringCase(const std::filesystem::path& folder, const std::string& fileName) {
#ifdef _WIN32
  (void)folder;
  (void)fileName;
  return std::nullopt;
#else
  std::error_code ec;
  std::filesystem::directory_iterator it(folder, ec);
  if (ec) return std::nullopt;
  const std::string wanted = AnsiUpperCase(fileName);
  for (const auto& entry : it) {
    if (AnsiUpperCase(entry.path().filename().string()) == wanted) return entry.path();
  }
  return std::nullopt;
#endif
}

}  // namespace

const std::vector<uint8_t>* FolderImageFiles::Find(const std::string& upperName) {
  const bool fullPath = upperName.find(':') != std::string::npos;
  const std::filesystem::path path = toPath_(fullPath ? upperName : skinPath_ + upperName);
  std::error_code ec;
  std::optional<std::filesystem::path> found;
  if (std::filesystem::is_regular_file(path, ec)) {
    found = path;
  } else {
    found = FindIgnoringCase(path.parent_path(), path.filename().string());
  }
  if (!found) return nullptr;
  auto bytes = ReadWholeFile(*found);
  if (!bytes) return nullptr;
  bytes_ = std::move(*bytes);
  return &bytes_;
}
