#include "skin/data/ParentChain.h"

#include <algorithm>

// Each section's parent links form chains that end at a section without a
// parent or run into a loop. A section on a loop of n sections reaches the
// n - 1 others; any other section reaches one more than its parent does.
std::vector<uint8_t> ParentWalkLengths(std::span<const int32_t> parents) {
  enum : uint8_t { kNew, kOnPath, kDone };
  const size_t n = parents.size();
  std::vector<uint8_t> lengths(n, 0), state(n, kNew);
  std::vector<int32_t> path;
  for (size_t first = 0; first < n; ++first) {
    if (state[first] != kNew) continue;
    path.clear();
    int32_t s = int32_t(first);
    while (s >= 0 && state[size_t(s)] == kNew) {
      state[size_t(s)] = kOnPath;
      path.push_back(s);
      s = parents[size_t(s)];
    }
    size_t rest = path.size();  // the sections of the path not yet given their length
    if (s >= 0 && state[size_t(s)] == kOnPath) {
      // The path ran into itself: the sections from s to its end form a loop.
      const size_t loopStart = size_t(std::find(path.begin(), path.end(), s) - path.begin());
      const uint8_t loopLength = uint8_t(std::min<size_t>(path.size() - loopStart - 1, kMaxParentDepth));
      for (size_t i = loopStart; i < path.size(); ++i) {
        lengths[size_t(path[i])] = loopLength;
        state[size_t(path[i])] = kDone;
      }
      rest = loopStart;
    }
    for (size_t i = rest; i-- > 0;) {
      const int32_t section = path[i], parent = parents[size_t(section)];
      lengths[size_t(section)] = parent < 0 ? 0 : uint8_t(std::min<int32_t>(lengths[size_t(parent)] + 1, kMaxParentDepth));
      state[size_t(section)] = kDone;
    }
  }
  return lengths;
}
