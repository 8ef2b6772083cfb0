#pragma once
// A list of equal-sized pictures that buttons show by index, and the link a
// user registers to learn of changes to the list.
#include <functional>
#include <vector>

#include "skin/render/core/PixelBuffer.h"
#include "toolkit/Component.h"

class TImageList;

// Registered with a list: OnChange runs after every change of it. Either side
// may go first: the link leaves the list when destroyed, and a destroyed list
// clears Sender and then runs OnChange, so a user that reads the list through
// its link never holds a dangling one.
class TChangeLink {
 public:
  TChangeLink() = default;
  TChangeLink(const TChangeLink&) = delete;
  TChangeLink& operator=(const TChangeLink&) = delete;
  ~TChangeLink();
  TImageList* Sender() const { return sender_; }
  std::function<void()> OnChange;

 private:
  friend class TImageList;
  TImageList* sender_ = nullptr;
};

class TImageList : public TComponent {
 public:
  TImageList(TComponent* owner, int width = 16, int height = 16);
  ~TImageList() override;
  std::string ClassName() const override { return "TImageList"; }

  int Width() const { return width_; }
  int Height() const { return height_; }
  int Count() const { return int(images_.size()); }
  bool Valid(int index) const { return index >= 0 && index < Count(); }
  // Adds a copy of a picture of the list's size (32 bits, straight alpha) and
  // returns its index; a picture of another size is refused with -1.
  int Add(const PixelBuffer& picture);
  void Clear();
  const PixelBuffer& Image(int index) const { return images_.at(size_t(index)); }

  // A link is registered with one list at a time.
  void RegisterChanges(TChangeLink& link);
  void UnRegisterChanges(TChangeLink& link);

 private:
  void Changed();
  int width_, height_;
  std::vector<PixelBuffer> images_;
  std::vector<TChangeLink*> links_;
};
