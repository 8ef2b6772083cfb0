#include "tests/gui/FreedMemoryScrub.h"

#include <malloc.h>

#include <cstdlib>
#include <cstring>
#include <new>

namespace {

int scrubPattern = -1;  // none; the window tests run on one thread

}  // namespace

FreedMemoryScrub::FreedMemoryScrub(uint8_t pattern) { scrubPattern = pattern; }
FreedMemoryScrub::~FreedMemoryScrub() { scrubPattern = -1; }

// The program's allocation functions, so that the size of a freed block is known.
void* operator new(std::size_t size) {
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}

void operator delete(void* p) noexcept {
  if (p && scrubPattern >= 0) std::memset(p, scrubPattern, _msize(p));
  std::free(p);
}

void operator delete(void* p, std::size_t) noexcept { operator delete(p); }
