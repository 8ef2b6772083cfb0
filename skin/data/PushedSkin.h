#pragma once
// The block a skin-editing program sends with WM_COPYDATA (data kind 7) to
// push a skin into the running program:
//   u32 marker 0xA400 | 128 name | 512 directory | 30,001 options text
// each text zero-terminated. The block is copied whole when it arrives and
// read on the posted AC_PUSHEDSKIN, after the sender has been released.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

inline constexpr uint32_t kPushedSkinDataKind = 7;
inline constexpr uint32_t kPushedSkinMarker = 41984;  // 0xA400
inline constexpr size_t kPushedSkinNameSize = 128;
inline constexpr size_t kPushedSkinDirectorySize = 512;
inline constexpr size_t kPushedSkinOptionsSize = 30001;
inline constexpr size_t kPushedSkinBlockSize = 4 + kPushedSkinNameSize + kPushedSkinDirectorySize + kPushedSkinOptionsSize;
static_assert(kPushedSkinBlockSize == 30645);

using PushedSkinBlock = std::array<uint8_t, kPushedSkinBlockSize>;

struct PushedSkin {
  std::string SkinName;
  std::string SkinDirectory;
  std::string OptionsText;
};

// Whether a copy-data message carries a pushed skin: kind 7, at least a whole
// block, beginning with the marker.
bool IsPushedSkinMessage(uint32_t dataKind, std::span<const uint8_t> data);

// Copies the block of an accepted message (IsPushedSkinMessage) for later.
PushedSkinBlock CopyPushedSkinBlock(std::span<const uint8_t> data);

// The skin of a copied block, or nothing when its marker is not 0xA400. A text
// without its terminator ends at the end of its field.
std::optional<PushedSkin> ReadPushedSkin(const PushedSkinBlock& block);

// Whether a pushed skin can replace the one in force: it has a name and its
// options text has the skin's global information.
bool IsUsablePushedSkin(const PushedSkin& skin);
