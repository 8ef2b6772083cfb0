#pragma once
// Adler-32 checksum of zlib streams (RFC 1950), with an SSE2 path: the image
// data of a PNG and the members of a skin package are checked here rather
// than inside zlib, which sums one byte at a time.
#include <cstddef>
#include <cstdint>

constexpr uint32_t kAdler32Start = 1;

uint32_t UpdateAdler32(uint32_t adler, const uint8_t* data, size_t size);
