#pragma once
// The pointer over the links of a rendered HTML text: which link is hot,
// which one a left press went down on, and which one a release opens. The
// label feeds it its mouse messages and repaints when a step says so.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "skin/controls/sHtml.h"

class HtmlLinkTracker {
 public:
  // The links of the last rendering; a link that is gone is neither hot nor pressed any more.
  void SetLinks(std::vector<HtmlLink> links);
  const std::vector<HtmlLink>& Links() const { return links_; }
  int32_t Hot() const { return hot_; }          // -1: none
  int32_t Pressed() const { return pressed_; }  // -1: none

  // Each step answers whether the text must be drawn again (a link's look changed).
  bool Move(TPoint point);
  bool Press();
  // The target to open: the pressed link, when the pointer is still over it.
  std::optional<std::string> Release(bool& repaint);
  bool Leave();

 private:
  int32_t LinkAt(TPoint point) const;

  std::vector<HtmlLink> links_;
  int32_t hot_ = -1;
  int32_t pressed_ = -1;
};
