#pragma once
// The one rule by which every inherited lookup follows "PARENTCLASS" (option
// values, FindMask, FindPattern): from a section to the section its
// "PARENTCLASS" names, and on up. A walk visits each section at most once and
// follows at most kMaxParentDepth parents; a chain that returns to a section
// already visited, or grows longer, ends there and the value counts as absent.
// Revisiting a section could never find anything new, so the rule only decides
// how far a walk goes. The walk lengths are worked out once per table, so a
// lookup costs at most kMaxParentDepth steps whatever the skin.
#include <cstdint>
#include <span>
#include <vector>

inline constexpr int32_t kMaxParentDepth = 64;

// For every section, the number of parents a lookup from it follows, given the
// parent of each section (-1: none; every other value a valid index). Linear in
// the number of sections.
std::vector<uint8_t> ParentWalkLengths(std::span<const int32_t> parents);

// Visits start and then the parents a lookup from it follows (parentOf(s) gives
// a section's parent, walkLength the value of ParentWalkLengths for start) and
// returns the first section for which found(section) is true; -1 when none.
template <typename ParentOf, typename Found>
int32_t FindInParentChain(int32_t start, int32_t walkLength, ParentOf parentOf, Found found) {
  for (int32_t s = start, followed = 0; s >= 0; s = parentOf(s), ++followed) {
    if (found(s)) return s;
    if (followed == walkLength) break;
  }
  return -1;
}
