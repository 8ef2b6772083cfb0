#include "skin/windows/LabelRecolouring.h"

#include <algorithm>

#include "toolkit/StdCtrls.h"

bool LabelRecolouring::Holds(const TLabel& label) const {
  return std::any_of(records_.begin(), records_.end(),
                     [&](const Record& r) { return r.Label == &label && !r.Life.expired(); });
}

void LabelRecolouring::Recolour(TLabel& label, TColor skinColor, bool transparent) {
  // A record of a freed label may share the address of a new one.
  std::erase_if(records_, [](const Record& r) { return r.Life.expired(); });
  if (!Holds(label)) records_.push_back({&label, label.LifeToken(), label.Font.Color, label.ParentFont, label.Transparent});
  if (transparent) label.Transparent = true;
  if (label.Font.Color == skinColor) {
    label.Invalidate();
    return;
  }
  label.Font.Color = skinColor;
  label.Font.Changed();
}

void LabelRecolouring::GiveBack() {
  std::vector<Record> records;
  records.swap(records_);
  for (const Record& r : records) {
    if (r.Life.expired()) continue;
    TLabel& label = *r.Label;
    label.Transparent = r.Transparent;
    if (r.ParentFont && label.Parent()) {
      label.Font.Assign(label.Parent()->Font);
      label.ParentFont = true;
    } else {
      label.Font.Color = r.FontColor;
      label.Font.Changed();
      label.ParentFont = r.ParentFont;
    }
    label.Invalidate();
  }
}
