#pragma once
// One zlib inflater used stream after stream (package members, the image
// data of many PNG pictures): reset between streams, so its state and its
// 32 KiB window are allocated once. zlib's own Adler-32 check is switched off;
// the sum of what each call produces is kept here with the vector sum, a
// byte at a time being the slow part of zlib's check, and the caller compares
// it with the stream's big-endian trailer, which zlib then reads but ignores.
#include <zlib.h>

#include <cstdint>

class TInflater {
 public:
  TInflater();
  ~TInflater();
  TInflater(const TInflater&) = delete;
  TInflater& operator=(const TInflater&) = delete;

  // Starts a new stream with no input; false when zlib could not start or reset.
  bool Reset();
  // The stream's input and output fields, set by the caller before Inflate.
  z_stream& Stream() { return z_; }
  // One inflate call; what it wrote is added to the running sum.
  int Inflate(int flush);
  // The Adler-32 of everything produced since Reset.
  uint32_t Adler() const { return adler_; }

 private:
  z_stream z_{};
  bool started_ = false;
  uint32_t adler_ = 1;
};
