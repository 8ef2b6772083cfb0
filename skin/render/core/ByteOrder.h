#pragma once
// Unsigned integers read from bytes in a stated order: skin packages, BMP
// files and pushed-skin blocks are little-endian, PNG chunks big-endian.
#include <cstdint>

inline uint32_t LoadLE16(const uint8_t* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8; }
inline uint32_t LoadLE32(const uint8_t* p) { return LoadLE16(p) | LoadLE16(p + 2) << 16; }
inline uint32_t LoadBE16(const uint8_t* p) { return uint32_t(p[0]) << 8 | p[1]; }
inline uint32_t LoadBE32(const uint8_t* p) { return LoadBE16(p) << 16 | LoadBE16(p + 2); }
