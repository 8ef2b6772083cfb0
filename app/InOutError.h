#pragma once
// The input/output error of the text-file runtime: it carries the system's
// error code, and its text is what the general error display shows.
#include <stdexcept>
#include <string>

std::string InOutErrorText(int code);

class EInOutError : public std::runtime_error {
 public:
  explicit EInOutError(int code) : std::runtime_error(InOutErrorText(code)), ErrorCode(code) {}
  int ErrorCode;
};
