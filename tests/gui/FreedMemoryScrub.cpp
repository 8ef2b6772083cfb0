#include "tests/gui/FreedMemoryScrub.h"

#include <malloc.h>
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <iterator>
#include <new>

namespace {

int scrubPattern = -1;  // none; the window tests run on one thread
int faults = 0;
// Blocks freed while the scrub lives are held back until it ends, so that no
// new object takes their place and hides a late read of the old one.
void* heldBack[4096];
size_t heldBackCount = 0;

// Sees every fault first, before any handler that might swallow it.
LONG CALLBACK CountFault(EXCEPTION_POINTERS* e) {
  if (e->ExceptionRecord->ExceptionCode == EXCEPTION_ACCESS_VIOLATION) ++faults;
  return EXCEPTION_CONTINUE_SEARCH;
}

}  // namespace

FreedMemoryScrub::FreedMemoryScrub(uint8_t pattern) : faultWatch_(AddVectoredExceptionHandler(1, CountFault)) {
  scrubPattern = pattern;
  faults = 0;
}

FreedMemoryScrub::~FreedMemoryScrub() {
  scrubPattern = -1;
  for (size_t i = 0; i < heldBackCount; ++i) std::free(heldBack[i]);
  heldBackCount = 0;
  RemoveVectoredExceptionHandler(faultWatch_);
}

int FreedMemoryScrub::Faults() const { return faults; }

// The program's allocation functions, so that the size of a freed block is known.
void* operator new(std::size_t size) {
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}

void operator delete(void* p) noexcept {
  if (p && scrubPattern >= 0) {
    std::memset(p, scrubPattern, _msize(p));
    if (heldBackCount < std::size(heldBack)) {
      heldBack[heldBackCount++] = p;
      return;
    }
  }
  std::free(p);
}

void operator delete(void* p, std::size_t) noexcept { operator delete(p); }
