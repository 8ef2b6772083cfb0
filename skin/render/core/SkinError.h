#pragma once
// The one error type of skin loading and decoding. Its text is what the user
// is shown, exactly as the engine words it.
#include <stdexcept>
#include <string>

class ESkinError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
