#include "skin/controls/HtmlLinkTracker.h"

#include <utility>

void HtmlLinkTracker::SetLinks(std::vector<HtmlLink> links) {
  links_ = std::move(links);
  const auto valid = [this](int32_t index) { return index >= 0 && size_t(index) < links_.size() ? index : -1; };
  hot_ = valid(hot_);
  pressed_ = valid(pressed_);
}

int32_t HtmlLinkTracker::LinkAt(TPoint p) const {
  for (size_t i = 0; i < links_.size(); ++i) {
    const TRect& r = links_[i].Rect;
    if (p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom) return int32_t(i);
  }
  return -1;
}

bool HtmlLinkTracker::Move(TPoint point) {
  const int32_t hot = LinkAt(point);
  if (hot == hot_) return false;
  hot_ = hot;
  return true;
}

bool HtmlLinkTracker::Press() {
  if (hot_ < 0) return false;
  pressed_ = hot_;
  return true;
}

std::optional<std::string> HtmlLinkTracker::Release(bool& repaint) {
  repaint = pressed_ >= 0;
  if (pressed_ < 0) return std::nullopt;
  // Released over another link or beside every link: the press is given up, as with a button.
  const int32_t pressed = std::exchange(pressed_, -1);
  if (hot_ != pressed) return std::nullopt;
  return links_[size_t(pressed)].Target;
}

bool HtmlLinkTracker::Leave() {
  const bool changed = hot_ >= 0 || pressed_ >= 0;
  hot_ = pressed_ = -1;
  return changed;
}
