#pragma once
// TLZ77Decoder: the inflate stream behind a PNG's image data. One zlib stream
// may be split over many "IDAT" chunks; the decoder pulls the pieces from an
// InflateSource as it needs them and fills exact byte counts.
//
// The inflater is kept between pictures and only reset, so decoding many
// small pictures costs no allocations here.
#include <cstddef>
#include <cstdint>
#include <memory>

// The error texts of the PNG image data, shared with the decoder's own checks.
extern const char kPngCompressionError[];
extern const char kPngExtraDataError[];

class TInflater;

class InflateSource {
 public:
  virtual ~InflateSource() = default;
  // Hands out the next piece of the compressed stream; false when none is left.
  virtual bool NextPiece(const uint8_t*& data, size_t& size) = 0;
};

class TLZ77Decoder {
 public:
  TLZ77Decoder();  // throws ESkinError "LZ77 decompression error." when zlib cannot start
  ~TLZ77Decoder();
  TLZ77Decoder(const TLZ77Decoder&) = delete;
  TLZ77Decoder& operator=(const TLZ77Decoder&) = delete;

  // Starts a new stream read from source (which must outlive the reading).
  void Start(InflateSource& source);
  // Fills exactly size bytes. Throws the compression error when the stream is
  // corrupt or ends (or its pieces run out) first.
  void Read(uint8_t* out, size_t size);
  // Called after the last needed byte: throws the extra-data error when the
  // stream would give more bytes or compressed data follows its end.
  void Finish();

 private:
  bool FetchInput();  // false when the source has no further piece
  void Inflate();  // one inflate call, summing what it wrote; notes the stream end
  void CheckTrailer() const;

  struct Piece {
    const uint8_t* data = nullptr;
    size_t size = 0;
  };
  std::unique_ptr<TInflater> inflater_;
  InflateSource* source_ = nullptr;
  bool ended_ = false;
  // The latest pieces, newest first: the 4-byte trailer may straddle them.
  Piece recent_[4];
};
