#pragma once
// Where a skin of a given name is found: a package file "<name>.asz" in the
// skin directory, a folder "<name>" holding "Options.dat", or an internal skin
// stored with the manager. Paths are code page text with "\" separators, as
// the manager's settings hold them; the file system is reached through
// SkinFileSystem so that the search is the same on every platform.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// A path from code page text; outside Windows "\" is read as "/". The
// Windows program converts from code page 1251 instead.
std::filesystem::path PathFromSkinText(std::string_view text);
// The code page text of a file name (the inverse of PathFromSkinText).
std::string SkinTextFromPath(const std::filesystem::path& path);

class SkinFileSystem {
 public:
  virtual ~SkinFileSystem() = default;
  virtual bool FileExists(const std::string& path) const = 0;
  virtual bool DirectoryExists(const std::string& path) const = 0;
  struct Entry {
    std::string Name;
    bool IsDirectory = false;
  };
  // The entries of a folder, in no particular order; empty when it cannot be read.
  virtual std::vector<Entry> List(const std::string& folder) const = 0;
};

// The real file system. Relative paths are taken from the process's current
// directory; outside Windows "\" is read as "/".
class StdSkinFileSystem final : public SkinFileSystem {
 public:
  using Converter = std::filesystem::path (*)(std::string_view text);
  using BackConverter = std::string (*)(const std::filesystem::path& path);
  explicit StdSkinFileSystem(Converter toPath = PathFromSkinText, BackConverter toText = SkinTextFromPath)
      : toPath_(toPath), toText_(toText) {}
  bool FileExists(const std::string& path) const override;
  bool DirectoryExists(const std::string& path) const override;
  std::vector<Entry> List(const std::string& folder) const override;

 private:
  Converter toPath_;
  BackConverter toText_;
};

inline constexpr std::string_view kDefaultSkinDirectory = "c:\\Skins";
inline constexpr std::string_view kSkinPackageExtension = ".asz";
inline constexpr std::string_view kSkinOptionsFile = "Options.dat";

// A name longer than 4 characters loses an ending ".asz" in any letter case.
std::string StripPackageExtension(std::string_view name);

// The skin directory with its relative forms resolved against the folder of
// the program file (without a trailing separator): "..\X" is X beside that
// folder, ".\X" and "./X" are X inside it, "." is the folder itself, a name
// without ":" and "\" lies inside it; anything else is kept. No separator is
// added at the end.
std::string ResolveSkinDirectory(std::string_view skinDirectory, std::string_view programFolder);

// The folder part of a program file's path ("D:\App\Bin\x.exe" -> "D:\App\Bin").
std::string ProgramFolderOf(std::string_view programFile);

// The package file for a name: the directory as written (a trailing "\" added
// when missing) + name + ".asz".
std::string SkinPackagePath(std::string_view skinDirectory, std::string_view name);

// The names of available skins, sorted: every internal skin, then, when the
// resolved directory exists, every folder holding "Options.dat" (kinds 0 and
// 2) and every file ending exactly in ".asz" without that ending (kinds 0, 1
// and 2); entries beginning with "." are skipped. Returns the first name
// added (internal skins first), or empty.
std::string ListSkins(const SkinFileSystem& files, const std::vector<std::string>& internalNames,
                      const std::string& fullSkinDirectory, int kind, std::vector<std::string>& list);
