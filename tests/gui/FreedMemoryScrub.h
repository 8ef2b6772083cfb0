#pragma once
// While a FreedMemoryScrub lives, every heap block the program frees is first
// filled with a byte pattern. Code that touches an object after something it
// called has freed it then reads the pattern (a null or wild pointer, a false
// flag) and fails at once, instead of reading what happened to be left there
// or what a new object put there.
// Such a failure may happen inside a window procedure, where the system can
// swallow it: the scrub counts the access faults it sees, for the test to check.
//
//   {
//     FreedMemoryScrub scrub(0x00);
//     SendMessageW(window, ...);  // may free the handler that answers it
//     EXPECT_EQ(scrub.Faults(), 0);
//   }
#include <cstdint>

class FreedMemoryScrub {
 public:
  explicit FreedMemoryScrub(uint8_t pattern);
  ~FreedMemoryScrub();
  FreedMemoryScrub(const FreedMemoryScrub&) = delete;
  FreedMemoryScrub& operator=(const FreedMemoryScrub&) = delete;
  // Access faults raised while the scrub lives, whether or not something caught them.
  int Faults() const;

 private:
  void* faultWatch_;
};
