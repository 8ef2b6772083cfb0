#pragma once
// Unpacking a skin package into a folder. Member names come from outside:
// only their last component is used (after "/" or "\"), so that no name can
// reach outside the folder, and a name that is empty, "." or "..", holds ":",
// or stands for a link already in the folder is refused.
#include <filesystem>
#include <stdexcept>

#include "skin/data/SkinPackage.h"

class UnpackRefused : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Writes the options text and every image member into folder (created when
// missing); raises UnpackRefused for a member it will not write and
// std::runtime_error when a file cannot be written.
void UnpackPackage(const TacSkinConvertor& package, const std::filesystem::path& folder);
