#include "skin/render/core/LZ77Decoder.h"

#include "skin/render/core/Inflater.h"
#include "skin/render/core/SkinError.h"

const char kPngCompressionError[] = "Cannot load image. Compression error found in PNG file.";
const char kPngExtraDataError[] = "Cannot load image. Extra compressed data found in PNG file.";

namespace {
const char kLZ77Error[] = "LZ77 decompression error.";
}  // namespace

TLZ77Decoder::TLZ77Decoder() : inflater_(std::make_unique<TInflater>()) {
  if (!inflater_->Reset()) throw ESkinError(kLZ77Error);
}

TLZ77Decoder::~TLZ77Decoder() = default;

void TLZ77Decoder::Start(InflateSource& source) {
  if (!inflater_->Reset()) throw ESkinError(kLZ77Error);
  source_ = &source;
  ended_ = false;
  for (Piece& p : recent_) p = {};
}

bool TLZ77Decoder::FetchInput() {
  const uint8_t* data = nullptr;
  size_t size = 0;
  do {
    if (!source_->NextPiece(data, size)) return false;
  } while (size == 0);
  z_stream& z = inflater_->Stream();
  z.next_in = const_cast<Bytef*>(data);
  z.avail_in = uInt(size);  // pieces are chunk payloads, below 2^31
  for (int i = 3; i > 0; --i) recent_[i] = recent_[i - 1];
  recent_[0] = {data, size};
  return true;
}

void TLZ77Decoder::Inflate() {
  const int ret = inflater_->Inflate(Z_NO_FLUSH);
  if (ret == Z_STREAM_END) {
    ended_ = true;
    CheckTrailer();
  } else if (ret != Z_OK && !(ret == Z_BUF_ERROR && inflater_->Stream().avail_in == 0)) {
    throw ESkinError(kPngCompressionError);
  }
}

// The trailer is the 4 bytes (big-endian Adler-32) just before next_in.
void TLZ77Decoder::CheckTrailer() const {
  uint32_t stored = 0;
  int have = 0, shift = 0;
  for (int i = 0; i < 4 && have < 4; ++i) {
    const Piece& p = recent_[i];
    size_t end = i == 0 ? size_t(inflater_->Stream().next_in - p.data) : p.size;
    for (; end > 0 && have < 4; --end, ++have, shift += 8) stored |= uint32_t(p.data[end - 1]) << shift;
  }
  if (have < 4 || stored != inflater_->Adler()) throw ESkinError(kPngCompressionError);
}

void TLZ77Decoder::Read(uint8_t* out, size_t size) {
  z_stream& z = inflater_->Stream();
  z.next_out = out;
  while (size > 0) {
    if (ended_) throw ESkinError(kPngCompressionError);
    if (z.avail_in == 0 && !FetchInput()) throw ESkinError(kPngCompressionError);
    const uInt step = size > (1u << 30) ? (1u << 30) : uInt(size);
    z.avail_out = step;
    Inflate();
    size -= step - z.avail_out;
  }
}

void TLZ77Decoder::Finish() {
  z_stream& z = inflater_->Stream();
  uint8_t probe[16];
  while (!ended_) {
    if (z.avail_in == 0 && !FetchInput()) return;  // stream stops without its trailer: all rows are in
    z.next_out = probe;
    z.avail_out = sizeof probe;
    Inflate();
    if (z.avail_out != sizeof probe) throw ESkinError(kPngExtraDataError);
  }
  if (z.avail_in > 0 || FetchInput()) throw ESkinError(kPngExtraDataError);
}
