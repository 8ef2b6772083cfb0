#pragma once
// The skin package: a signature "ASzf", a little-endian 32-bit member count,
// then the members one after the other, each
//   u32 name length L | L name bytes | u32 inflated size S | one zlib stream
// The compressed length is not stored: a member ends right after its stream's
// Adler-32 trailer, so the reader finds each end by inflating.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Shown (error icon, one "OK" button) when data does not start with the signature.
inline constexpr std::string_view kNotPackedSkinMessage = "Loaded data is not a packed Quoravel file";
// The member that holds the options text, compared without regard to case.
inline constexpr std::string_view kOptionsMemberName = "Options.dat";

// One inflated member other than the options file.
struct TacImageItem {
  std::string FileName;       // as stored in the package, code page bytes
  bool IsBitmap = false;      // the name's extension in upper case is ".BMP"
  std::vector<uint8_t> Data;  // the inflated bytes
};

// An unpacked package, kept while one skin is loaded.
class TacSkinConvertor {
 public:
  // Reads the whole file and unpacks it. A missing file yields false and no
  // message; a file that is not a package yields false as well (check
  // NotPacked() to show kNotPackedSkinMessage). Damage raises ESkinError.
  bool LoadFromFile(const std::filesystem::path& path);
  // Unpacks package bytes (an internal skin's data). Returns false, with
  // NotPacked() set, when the signature is wrong; raises ESkinError when the
  // package is truncated or a stream is damaged. Replaces earlier contents.
  bool Unpack(std::span<const uint8_t> package);

  bool NotPacked() const { return notPacked_; }
  // The inflated options text, or null when no member is named "Options.dat".
  const std::vector<uint8_t>* Options() const { return options_ ? &*options_ : nullptr; }
  const std::vector<TacImageItem>& ImageItems() const { return items_; }
  int ImageItemCount() const { return int(items_.size()); }
  // The first image item whose upper-case name equals upperName; null when none.
  const TacImageItem* FindImage(std::string_view upperName) const;
  // Frees every item and the options buffer.
  void Release();

 private:
  std::unique_ptr<std::vector<uint8_t>> options_;
  std::vector<TacImageItem> items_;
  bool notPacked_ = false;
};

// One member to write.
struct TacPackageMember {
  std::string Name;
  std::vector<uint8_t> Data;
};

// Writes a package: every member one self-contained zlib stream, in the given order.
std::vector<uint8_t> WriteSkinPackage(std::span<const TacPackageMember> members, int zlibLevel = 9);
