#include "tests/bench/MemberInflate.h"

#include <zlib.h>

#include <stdexcept>

#include "skin/render/core/ByteOrder.h"

namespace {

uint32_t Read32(std::span<const uint8_t> p, size_t at) {
  if (at + 4 > p.size()) throw std::runtime_error("package cut short");
  return LoadLE32(p.data() + at);
}

}  // namespace

MemberStreams CutMemberStreams(std::span<const uint8_t> package) {
  MemberStreams out;
  const uint32_t count = Read32(package, 4);
  size_t at = 8;
  for (uint32_t i = 0; i < count; ++i) {
    at += 4 + Read32(package, at);
    const uint32_t size = Read32(package, at);
    at += 4;
    std::vector<uint8_t> data(size);
    z_stream z{};
    inflateInit(&z);
    z.next_in = const_cast<Bytef*>(package.data() + at);
    z.avail_in = uInt(package.size() - at);
    z.next_out = data.data();
    z.avail_out = uInt(size);
    const int rc = inflate(&z, Z_FINISH);
    const size_t used = package.size() - at - z.avail_in;
    inflateEnd(&z);
    if (rc != Z_STREAM_END) throw std::runtime_error("damaged member");
    out.Streams.emplace_back(package.begin() + std::ptrdiff_t(at), package.begin() + std::ptrdiff_t(at + used));
    out.Sizes.push_back(size);
    out.Total += size;
    at += used;
  }
  return out;
}

void RunZlibInflate(benchmark::State& state, const MemberStreams& members) {
  for (auto _ : state) {
    std::vector<std::vector<uint8_t>> outputs;
    outputs.reserve(members.Streams.size());
    for (size_t i = 0; i < members.Streams.size(); ++i) {
      std::vector<uint8_t>& out = outputs.emplace_back(members.Sizes[i]);
      uLongf size = uLongf(out.size());
      uncompress(out.data(), &size, members.Streams[i].data(), uLong(members.Streams[i].size()));
      benchmark::DoNotOptimize(out.data());
    }
  }
}

void RunBareInflate(benchmark::State& state, const MemberStreams& members) {
  z_stream z{};
  inflateInit(&z);
  for (auto _ : state) {
    std::vector<std::vector<uint8_t>> outputs;
    outputs.reserve(members.Streams.size());
    for (size_t i = 0; i < members.Streams.size(); ++i) {
      std::vector<uint8_t>& out = outputs.emplace_back(members.Sizes[i]);
      inflateReset(&z);
      inflateValidate(&z, 0);
      z.next_in = const_cast<Bytef*>(members.Streams[i].data());
      z.avail_in = uInt(members.Streams[i].size());
      z.next_out = out.data();
      z.avail_out = uInt(out.size());
      inflate(&z, Z_FINISH);
      benchmark::DoNotOptimize(out.data());
    }
  }
  inflateEnd(&z);
}
