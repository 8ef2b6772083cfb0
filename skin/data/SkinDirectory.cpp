#include "skin/data/SkinDirectory.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace {

bool EndsWithNoCase(std::string_view text, std::string_view ending) {
  if (text.size() < ending.size()) return false;
  return std::equal(ending.begin(), ending.end(), text.end() - ending.size(), [](char a, char b) {
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
    return lower(a) == lower(b);
  });
}

// The folder holding `folder` ("D:\App\Bin" -> "D:\App").
std::string_view ParentOf(std::string_view folder) {
  size_t slash = folder.find_last_of("\\/");
  return slash == std::string_view::npos ? std::string_view() : folder.substr(0, slash);
}

}  // namespace

std::filesystem::path PathFromSkinText(std::string_view text) {
  std::string path(text);
#ifndef _WIN32
  std::replace(path.begin(), path.end(), '\\', '/');
#endif
  return std::filesystem::path(path);
}

std::string SkinTextFromPath(const std::filesystem::path& path) { return path.string(); }

bool StdSkinFileSystem::FileExists(const std::string& path) const {
  std::error_code error;
  return std::filesystem::is_regular_file(toPath_(path), error);
}

bool StdSkinFileSystem::DirectoryExists(const std::string& path) const {
  std::error_code error;
  return std::filesystem::is_directory(toPath_(path), error);
}

std::vector<SkinFileSystem::Entry> StdSkinFileSystem::List(const std::string& folder) const {
  std::vector<Entry> entries;
  std::error_code error;
  for (std::filesystem::directory_iterator it(toPath_(folder), error), end; !error && it != end; it.increment(error)) {
    std::error_code kindError;
    entries.push_back({toText_(it->path().filename()), it->is_directory(kindError)});
  }
  return entries;
}

std::string StripPackageExtension(std::string_view name) {
  if (name.size() > 4 && EndsWithNoCase(name, kSkinPackageExtension)) name.remove_suffix(4);
  return std::string(name);
}

std::string ResolveSkinDirectory(std::string_view dir, std::string_view programFolder) {
  std::string folder(programFolder);
  if (dir.starts_with("..")) {
    std::string rest(dir.substr(std::min<size_t>(3, dir.size())));
    return std::string(ParentOf(folder)) + (rest.empty() ? "" : "\\" + rest);
  }
  if (dir.starts_with(".\\") || dir.starts_with("./")) return folder + "\\" + std::string(dir.substr(2));
  if (dir == ".") return folder;
  if (dir.find(':') == std::string_view::npos && dir.find('\\') == std::string_view::npos) return folder + "\\" + std::string(dir);
  return std::string(dir);
}

std::string ProgramFolderOf(std::string_view programFile) { return std::string(ParentOf(programFile)); }

std::string SkinPackagePath(std::string_view skinDirectory, std::string_view name) {
  std::string path(skinDirectory);
  if (path.empty() || (path.back() != '\\' && path.back() != '/')) path += '\\';
  return path + std::string(name) + std::string(kSkinPackageExtension);
}

std::string ListSkins(const SkinFileSystem& files, const std::vector<std::string>& internalNames,
                      const std::string& fullSkinDirectory, int kind, std::vector<std::string>& list) {
  list = internalNames;
  if (files.DirectoryExists(fullSkinDirectory)) {
    for (const SkinFileSystem::Entry& entry : files.List(fullSkinDirectory)) {
      if (entry.Name.empty() || entry.Name[0] == '.') continue;
      std::string_view name = entry.Name;
      if (entry.IsDirectory) {
        if ((kind == 0 || kind == 2) &&
            files.FileExists(fullSkinDirectory + "\\" + entry.Name + "\\" + std::string(kSkinOptionsFile)))
          list.push_back(entry.Name);
      } else if ((kind >= 0 && kind <= 2) && name.size() > 4 && name.ends_with(kSkinPackageExtension)) {
        list.push_back(std::string(name.substr(0, name.size() - 4)));
      }
    }
  }
  std::string first = list.empty() ? std::string() : list.front();
  std::sort(list.begin(), list.end());
  return first;
}
