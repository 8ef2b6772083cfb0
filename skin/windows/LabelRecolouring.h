#pragma once
// The plain labels of a form wear the skin's font colour while the form is
// skinned. Each label's own colour, parent-font flag and transparency are
// remembered when it is first recoloured and given back when the skin goes.
#include <memory>
#include <vector>

#include "skin/render/core/Color.h"

class TLabel;

class LabelRecolouring {
 public:
  LabelRecolouring() = default;
  LabelRecolouring(const LabelRecolouring&) = delete;
  LabelRecolouring& operator=(const LabelRecolouring&) = delete;

  // Writes the label in `skinColor`; `transparent`: it stops painting its own background.
  void Recolour(TLabel& label, TColor skinColor, bool transparent);
  // Every recoloured label that still exists gets its own look back; the records are dropped.
  void GiveBack();
  bool Holds(const TLabel& label) const;

 private:
  struct Record {
    TLabel* Label;
    std::weak_ptr<const void> Life;
    TColor FontColor;
    bool ParentFont;
    bool Transparent;
  };
  std::vector<Record> records_;
};
