#pragma once
// The anchor of the load benchmarks: the members of a package inflated by
// zlib alone. The streams are cut out of the package itself, so the anchor
// inflates exactly the bytes the reader does.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <span>
#include <vector>

struct MemberStreams {
  std::vector<std::vector<uint8_t>> Streams;  // each member's zlib stream, as stored
  std::vector<size_t> Sizes;                  // each member's inflated size
  size_t Total = 0;                           // all members inflated
};

// Cuts every member's stream out of a package (found by inflating it once).
MemberStreams CutMemberStreams(std::span<const uint8_t> package);

// The anchor's benchmark loop: zlib's one-call inflate (with its own Adler-32
// check) per member, each into a fresh buffer of the member's size; all
// buffers are kept until the end of an iteration, as the reader keeps every
// member while a skin loads.
void RunZlibInflate(benchmark::State& state, const MemberStreams& members);

// The floor under the anchor: one inflater reset between members and zlib's
// checksum off, fresh buffers kept as above. No reader that checks its data
// can be faster than this.
void RunBareInflate(benchmark::State& state, const MemberStreams& members);
