#pragma once
// Pictures that the program carries itself rather than the skin (the blur
// picture "BLUR5", shadow and glow pictures). The skin loader asks for them by
// name; the program supplies them from its resources, tests from memory.
#include <string_view>

#include "skin/render/core/PixelBuffer.h"

class BuiltinPictures {
 public:
  virtual ~BuiltinPictures() = default;
  // The picture of this name, or null when the program has none.
  virtual const PixelBuffer* Picture(std::string_view name) const = 0;
};

// The blur picture from which the default outer-effect images are made.
inline constexpr std::string_view kBlurPictureName = "BLUR5";
