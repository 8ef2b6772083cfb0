#include "skin/data/SkinPackage.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <fstream>
#include <limits>
#include <system_error>

#include "skin/data/SkinText.h"
#include "skin/render/core/ByteOrder.h"
#include "skin/render/core/Inflater.h"
#include "skin/render/core/SkinError.h"

namespace {

constexpr std::array<uint8_t, 4> kSignature = {'A', 'S', 'z', 'f'};
constexpr size_t kChunkBytes = 65536;               // the inflater reads the package in chunks of this size
constexpr uint64_t kMaxDeflateRatio = 1032;         // deflate cannot expand its input more than this
constexpr size_t kSmallestMemberBytes = 4 + 4 + 8;  // two lengths and the smallest zlib stream
constexpr uint64_t kMaxPackageFileBytes = 256u << 20;
constexpr uint64_t kMaxInflatedBytes = 1u << 30;  // all members together
constexpr size_t kFirstOutputBytes = 65536;
// A member's buffer is allocated at its stated size at once when the rest of
// the package could plausibly hold it (skin pictures deflate by less than
// this) and it is not huge; other sizes grow with what the stream really
// yields, so a lying header costs no more than this bound.
constexpr uint64_t kPlausibleDeflateRatio = 64;
constexpr size_t kMaxUpfrontBytes = 16u << 20;

constexpr char kNoMemoryToUnpack[] = "Not enough memory to unpack the skin package.";

[[noreturn]] void Damaged(const std::string& detail) {
  throw ESkinError("The skin package is damaged: " + detail + ".");
}

[[noreturn]] void MemberDamaged(uint32_t index, std::string_view name, const std::string& detail) {
  Damaged("member " + std::to_string(index + 1) + " (\"" + std::string(name) + "\")" + detail);
}

class ByteReader {
 public:
  explicit ByteReader(std::span<const uint8_t> data) : data_(data) {}
  size_t Position() const { return pos_; }
  size_t Remaining() const { return data_.size() - pos_; }
  void Skip(size_t n) { pos_ += n; }
  std::span<const uint8_t> Rest() const { return data_.subspan(pos_); }

  bool ReadU32(uint32_t& value) {
    if (Remaining() < 4) return false;
    const uint8_t* p = data_.data() + pos_;
    value = LoadLE32(p);
    pos_ += 4;
    return true;
  }
  bool ReadText(size_t length, std::string& text) {
    if (Remaining() < length) return false;
    text.assign(reinterpret_cast<const char*>(data_.data() + pos_), length);
    pos_ += length;
    return true;
  }

 private:
  std::span<const uint8_t> data_;
  size_t pos_ = 0;
};

size_t FirstOutputSize(uint32_t size, size_t remaining) {
  if (size <= kFirstOutputBytes) return size;
  if (size <= kMaxUpfrontBytes && size <= remaining * kPlausibleDeflateRatio) return size;
  return kFirstOutputBytes;
}

// Inflates one zlib stream that starts at the reader's position into exactly
// size bytes, and leaves the position on the first byte after its Adler-32
// trailer.
std::vector<uint8_t> InflateMember(TInflater& inflater, ByteReader& reader, uint32_t size, uint32_t index,
                                   std::string_view name) {
  const std::span<const uint8_t> input = reader.Rest();
  if (!inflater.Reset()) throw ESkinError(kNoMemoryToUnpack);
  z_stream& z = inflater.Stream();
  std::vector<uint8_t> out(FirstOutputSize(size, input.size()));
  size_t fed = 0;      // input bytes handed to the inflater
  size_t written = 0;  // output bytes produced
  uint8_t spill = 0;   // catches a byte beyond the stated size
  for (;;) {
    if (z.avail_in == 0 && fed < input.size()) {
      const size_t n = std::min(kChunkBytes, input.size() - fed);
      z.next_in = const_cast<Bytef*>(input.data() + fed);
      z.avail_in = uInt(n);
      fed += n;
    }
    if (written == out.size() && out.size() < size) out.resize(std::min<size_t>(size, out.size() * 2));
    const bool full = written == out.size();
    z.next_out = full ? &spill : out.data() + written;
    z.avail_out = full ? 1 : uInt(std::min<size_t>(out.size() - written, std::numeric_limits<uInt>::max()));
    const uInt before = z.avail_out;
    // Z_FINISH lets zlib skip copying the output into its window when the
    // stream ends within this call; a call that cannot finish says Z_BUF_ERROR.
    const int rc = inflater.Inflate(Z_FINISH);
    const size_t produced = before - z.avail_out;
    if (full && produced > 0)
      MemberDamaged(index, name, " inflates to more than " + std::to_string(size) + " bytes");
    written += produced;
    if (rc == Z_STREAM_END) break;
    if (rc == Z_MEM_ERROR) throw ESkinError(kNoMemoryToUnpack);
    if (rc == Z_BUF_ERROR && z.avail_out == 0) continue;  // the output is full: it grows, or catches an extra byte
    if (rc == Z_BUF_ERROR && z.avail_in == 0) {
      if (fed == input.size()) MemberDamaged(index, name, " runs past the end of the package");
      continue;  // the next chunk follows
    }
    if (rc != Z_OK) MemberDamaged(index, name, " has a damaged compressed stream");
  }
  // The stream's last four bytes, which zlib has read but not compared: the big-endian Adler-32.
  const size_t consumed = fed - z.avail_in;
  const uint8_t* trailer = input.data() + consumed - 4;
  if (LoadBE32(trailer) != inflater.Adler())
    MemberDamaged(index, name, " has a damaged compressed stream");
  if (written != size)
    MemberDamaged(index, name, " inflates to " + std::to_string(written) + " bytes instead of " + std::to_string(size));
  reader.Skip(consumed);  // the unconsumed rest of the last chunk belongs to the next member
  return out;
}

bool HasBitmapExtension(std::string_view name) {
  constexpr std::string_view kBmp = ".BMP";
  return name.size() >= kBmp.size() && UpperCaseEquals(name.substr(name.size() - kBmp.size()), kBmp);
}

void PutU32(std::vector<uint8_t>& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(uint8_t(v >> (8 * i)));
}

uint32_t CheckedU32(size_t n, const std::string& what) {
  if (n > std::numeric_limits<uint32_t>::max()) throw ESkinError(what + " is too large for a skin package.");
  return uint32_t(n);
}

}  // namespace

bool TacSkinConvertor::LoadFromFile(const std::filesystem::path& path) {
  Release();
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return false;
  const uintmax_t size = std::filesystem::file_size(path, ec);
  if (ec) throw ESkinError("The skin package cannot be read.");
  if (size > kMaxPackageFileBytes) throw ESkinError("The skin package is too large.");
  std::vector<uint8_t> bytes(static_cast<size_t>(size));
  std::ifstream in(path, std::ios::binary);
  if (!in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(bytes.size())))
    throw ESkinError("The skin package cannot be read.");
  return Unpack(bytes);
}

bool TacSkinConvertor::Unpack(std::span<const uint8_t> package) {
  Release();
  if (package.size() < kSignature.size() || !std::equal(kSignature.begin(), kSignature.end(), package.begin())) {
    notPacked_ = true;
    return false;
  }
  ByteReader reader(package);
  reader.Skip(kSignature.size());
  uint32_t count = 0;
  if (!reader.ReadU32(count)) Damaged("its header is cut short");
  if (count > reader.Remaining() / kSmallestMemberBytes)
    Damaged("it names " + std::to_string(count) + " members, more than its data can hold");
  uint64_t inflatedTotal = 0;
  TInflater inflater;
  for (uint32_t i = 0; i < count; ++i) {
    uint32_t nameLength = 0, size = 0;
    std::string name;
    if (!reader.ReadU32(nameLength) || !reader.ReadText(nameLength, name) || !reader.ReadU32(size))
      Damaged("it ends inside the header of member " + std::to_string(i + 1));
    if (size > reader.Remaining() * kMaxDeflateRatio + kMaxDeflateRatio)
      MemberDamaged(i, name, " claims " + std::to_string(size) + " bytes, more than its data can hold");
    inflatedTotal += size;
    if (inflatedTotal > kMaxInflatedBytes) throw ESkinError("The skin package is too large.");
    std::vector<uint8_t> data = InflateMember(inflater, reader, size, i, name);
    if (SameTextIgnoringCase(name, kOptionsMemberName)) {
      // A second options member is ignored: the first match wins, as for images.
      if (!options_) options_ = std::make_unique<std::vector<uint8_t>>(std::move(data));
      continue;
    }
    const bool isBitmap = HasBitmapExtension(name);
    items_.push_back({std::move(name), isBitmap, std::move(data)});
  }
  return true;
}

const TacImageItem* TacSkinConvertor::FindImage(std::string_view upperName) const {
  for (const TacImageItem& item : items_)
    if (UpperCaseEquals(item.FileName, upperName)) return &item;
  return nullptr;
}

void TacSkinConvertor::Release() {
  options_.reset();
  items_.clear();
  notPacked_ = false;
}

std::vector<uint8_t> WriteSkinPackage(std::span<const TacPackageMember> members, int zlibLevel) {
  std::vector<uint8_t> out(kSignature.begin(), kSignature.end());
  PutU32(out, CheckedU32(members.size(), "The member list"));
  for (const TacPackageMember& m : members) {
    const std::string label = "Member \"" + m.Name + "\"";
    PutU32(out, CheckedU32(m.Name.size(), label + "'s name"));
    out.insert(out.end(), m.Name.begin(), m.Name.end());
    PutU32(out, CheckedU32(m.Data.size(), label));
    uLongf length = compressBound(uLong(m.Data.size()));
    const size_t at = out.size();
    out.resize(at + length);
    if (compress2(out.data() + at, &length, m.Data.data(), uLong(m.Data.size()), zlibLevel) != Z_OK)
      throw ESkinError(label + " cannot be compressed.");
    out.resize(at + length);
  }
  return out;
}
