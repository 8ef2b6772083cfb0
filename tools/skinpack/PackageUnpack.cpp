#include "tools/skinpack/PackageUnpack.h"

#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace fs = std::filesystem;

namespace {

// The file name a member is written under inside the folder.
fs::path MemberFile(const fs::path& folder, std::string_view name) {
  const size_t slash = name.find_last_of("/\\");
  const std::string_view last = slash == std::string_view::npos ? name : name.substr(slash + 1);
  if (last.empty() || last == "." || last == ".." || last.find(':') != std::string_view::npos)
    throw UnpackRefused("member name \"" + std::string(name) + "\" is not a file name");
  const fs::path file = folder / fs::path(std::string(last));
  if (fs::is_symlink(fs::symlink_status(file)))
    throw UnpackRefused("member \"" + std::string(name) + "\" would be written through the link " + file.string());
  return file;
}

void WriteFile(const fs::path& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace

void UnpackPackage(const TacSkinConvertor& package, const fs::path& folder) {
  fs::create_directories(folder);
  // Every name is checked before the first file is written.
  std::vector<std::pair<fs::path, const std::vector<uint8_t>*>> files;
  if (package.Options()) files.emplace_back(MemberFile(folder, kOptionsMemberName), package.Options());
  for (const TacImageItem& item : package.ImageItems()) files.emplace_back(MemberFile(folder, item.FileName), &item.Data);
  for (const auto& [path, bytes] : files) WriteFile(path, *bytes);
}
