#pragma once
// An in-memory file system for skin searches: paths are compared as written,
// with "\" separators, as on the machines skins are made for.
#include <set>
#include <string>

#include "skin/data/SkinDirectory.h"

class FakeSkinFiles final : public SkinFileSystem {
 public:
  void AddFile(const std::string& path) {
    files_.insert(path);
    for (size_t at = path.rfind('\\'); at != std::string::npos && at > 0; at = path.rfind('\\', at - 1))
      folders_.insert(path.substr(0, at));
  }
  bool FileExists(const std::string& path) const override { return files_.count(path) != 0; }
  bool DirectoryExists(const std::string& path) const override { return folders_.count(path) != 0; }
  std::vector<Entry> List(const std::string& folder) const override {
    std::set<std::string> seen;
    std::vector<Entry> entries;
    std::string prefix = folder + "\\";
    for (const std::set<std::string>* names : {&files_, &folders_})
      for (const std::string& path : *names) {
        if (!path.starts_with(prefix)) continue;
        std::string rest = path.substr(prefix.size());
        size_t slash = rest.find('\\');
        std::string name = rest.substr(0, slash);
        if (seen.insert(name).second) entries.push_back({name, slash != std::string::npos || names == &folders_});
      }
    return entries;
  }

 private:
  std::set<std::string> files_;
  std::set<std::string> folders_;
};
