#pragma once
// Golden pictures of tests: a rendered picture compared pixel for pixel
// (colour only) with a PNG under tests/golden/. With DR_UPDATE_GOLDEN set in
// the environment the golden picture is written instead. On a mismatch the
// rendered picture and a diff picture (differing pixels red over a faded copy
// of the golden one) are written next to the test program as
// <name>.actual.png and <name>.diff.png.
#include <string>

#include "skin/render/core/PixelBuffer.h"

struct GoldenResult {
  bool Updated = false;  // DR_UPDATE_GOLDEN: the golden picture was written
  bool Missing = false;  // no golden picture yet
  int Differing = 0;     // pixels that differ (size differences count every pixel outside the overlap)
  std::string Message;   // what to tell the reader when something is wrong
};

// goldenPath: the full path of the PNG; name: the stem for failure dumps.
GoldenResult CompareWithGolden(const PixelBuffer& picture, const std::string& goldenPath, const std::string& name);
