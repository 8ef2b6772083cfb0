#include "skin/render/core/Inflater.h"

#include "skin/render/core/Adler32.h"

TInflater::TInflater() { started_ = inflateInit(&z_) == Z_OK; }

TInflater::~TInflater() {
  if (started_) inflateEnd(&z_);
}

bool TInflater::Reset() {
  if (!started_ || inflateReset(&z_) != Z_OK || inflateValidate(&z_, 0) != Z_OK) return false;
  z_.next_in = nullptr;
  z_.avail_in = 0;
  adler_ = kAdler32Start;
  return true;
}

int TInflater::Inflate(int flush) {
  uint8_t* before = z_.next_out;
  const int rc = inflate(&z_, flush);
  adler_ = UpdateAdler32(adler_, before, size_t(z_.next_out - before));
  return rc;
}
