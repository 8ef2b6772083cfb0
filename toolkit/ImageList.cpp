#include "toolkit/ImageList.h"

#include <algorithm>

TChangeLink::~TChangeLink() {
  if (sender_) sender_->UnRegisterChanges(*this);
}

TImageList::TImageList(TComponent* owner, int width, int height)
    : TComponent(owner), width_(std::max(width, 1)), height_(std::max(height, 1)) {}

// A freed list is a change too: its users go back to their own pictures. One
// link at a time, as a handler may free another link (which then leaves).
TImageList::~TImageList() {
  while (!links_.empty()) {
    TChangeLink* link = links_.back();
    links_.pop_back();
    link->sender_ = nullptr;
    if (link->OnChange) link->OnChange();
  }
}

int TImageList::Add(const PixelBuffer& picture) {
  if (picture.Width() != width_ || picture.Height() != height_) return -1;
  images_.push_back(picture.Clone());
  Changed();
  return Count() - 1;
}

void TImageList::Clear() {
  if (images_.empty()) return;
  images_.clear();
  Changed();
}

void TImageList::RegisterChanges(TChangeLink& link) {
  if (link.sender_ == this) return;
  if (link.sender_) link.sender_->UnRegisterChanges(link);
  link.sender_ = this;
  links_.push_back(&link);
}

void TImageList::UnRegisterChanges(TChangeLink& link) {
  if (link.sender_ != this) return;
  link.sender_ = nullptr;
  std::erase(links_, &link);
}

// The list is copied, as a handler may register or unregister links; a link
// that left meanwhile is skipped.
void TImageList::Changed() {
  const std::vector<TChangeLink*> links = links_;
  for (TChangeLink* link : links)
    if (std::find(links_.begin(), links_.end(), link) != links_.end() && link->OnChange) link->OnChange();
}
