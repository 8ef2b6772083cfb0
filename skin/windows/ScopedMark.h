#pragma once
// Holds a mark (busy, scanning) for a scope: no early return or exception can leave it set.
class ScopedMark {
 public:
  explicit ScopedMark(bool& mark) : mark_(mark) { mark_ = true; }
  ~ScopedMark() { mark_ = false; }
  ScopedMark(const ScopedMark&) = delete;
  ScopedMark& operator=(const ScopedMark&) = delete;

 private:
  bool& mark_;
};
