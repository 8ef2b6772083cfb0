#pragma once
// Loading a whole skin into memory, the same way whatever form it comes in: a
// package file, the package bytes of an internal skin, or a folder. The result
// holds everything the manager keeps of a skin: the global information, outer
// effects, section table, skin-wide colours, master bitmap, external images
// and image catalog. The colour adjustments (hue, saturation, brightness), the
// manager's element table and everything that shows a window are left to the
// manager, which runs them on the result.
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "skin/data/BuiltinPictures.h"
#include "skin/data/ImageCatalog.h"
#include "skin/data/OuterEffects.h"
#include "skin/data/SectionTable.h"
#include "skin/data/SkinColors.h"
#include "skin/data/SkinImageFiles.h"
#include "skin/data/sSkinData.h"

class TsSkinManager;
class SkinClampCollector;

struct SkinSource {
  enum class Kind { PackageFile, PackageBytes, Folder, OptionsText };
  Kind From = Kind::PackageBytes;
  std::string PackageFile;                // PackageFile: the ".asz" file
  std::span<const uint8_t> PackageBytes;  // PackageBytes: borrowed; empty means a skin without options text
  std::string OptionsText;                // OptionsText: a pushed skin's options; its images are in SkinPath
  // The folder in which loose image files are looked up, ending with a
  // separator: the skin directory for a package file, the skin's own folder
  // (which holds "Options.dat") for a folder, empty for an internal skin.
  std::string SkinPath;

  static SkinSource FromPackageFile(std::string packageFile, std::string skinPath);
  static SkinSource FromPackageBytes(std::span<const uint8_t> bytes);
  static SkinSource FromFolder(std::string skinPath);
  static SkinSource FromOptionsText(std::string text, std::string skinPath);
};

struct SkinLoadSettings {
  int Brightness = 0;                       // the manager's Brightness (steers PNG premultiplication)
  std::vector<std::string> CommonSections;  // the manager's extra options lines, blanks already removed
  const BuiltinPictures* Builtins = nullptr;  // the blur picture of the default outer effects
  TsSkinManager* Owner = nullptr;             // stored in every image record
  PathFromText ToPath = PathFromBytes;        // file names are code page text
  int SystemFrameWidth = 4;                   // default "FORMOFFSET": the system's sizing-frame width
  // Called once with the skin's "VERSION" right after it is read, before
  // anything else is loaded (the manager's version check); may be empty.
  std::function<void(double version)> OnVersionRead;
  // Told of every value the load had to limit (SkinValueBounds.h); may be null.
  SkinClampCollector* Clamps = nullptr;
};

enum class SkinLoadStatus {
  Loaded,     // everything below is filled
  NoFile,     // the package file or the folder's "Options.dat" does not exist: nothing to say
  NotPacked,  // the bytes do not start with "ASzf": show kNotPackedSkinMessage
  NoOptions,  // a package without an "Options.dat" member: internal format error of the skin
};

struct LoadedSkin {
  SkinLoadStatus Status = SkinLoadStatus::NoFile;
  bool HasOptions = false;  // false for an internal skin with empty data: defaults are left in place
  TsSkinData SkinData;  // its SkinPath is the source's
  TacOutEffArray OutEffects;
  TsGeneralDataArray Sections;
  TsSkinColors Colors;
  TsImageCatalog Images;
};

// Loads a skin, its numbers limited as SkinValueBounds.h says. Raises
// ESkinError (with the text to show) for a damaged package, a bad number in an
// image value or a picture that cannot be decoded.
LoadedSkin LoadSkin(const SkinSource& source, const SkinLoadSettings& settings);
