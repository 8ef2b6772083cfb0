#include "skin/controls/BindingKinds.h"

#include <initializer_list>

namespace {

struct KindRange {
  int32_t First, Last;  // inclusive
};

bool InRanges(int32_t kind, std::initializer_list<KindRange> ranges) {
  for (const KindRange& r : ranges)
    if (kind >= r.First && kind <= r.Last) return true;
  return false;
}

}  // namespace

bool NeverHotByPointer(int32_t kind) { return InRanges(kind, {{19, 19}, {51, 74}, {110, 110}, {141, 161}}); }

bool HotOnlyByFocus(int32_t kind) { return InRanges(kind, {{2, 18}, {76, 85}, {132, 140}, {231, 231}}); }

bool AnswersNormalWhilePointerInside(int32_t kind) {
  return InRanges(kind, {{51, 51}, {54, 54}, {56, 59}, {74, 74}, {110, 110}, {141, 141}, {143, 143}, {151, 151},
                         {161, 161}, {226, 226}});
}

bool KeepsSectionColors(int32_t kind) { return InRanges(kind, {{2, 18}, {76, 84}, {132, 140}, {231, 231}}); }

bool IsSpeedButtonKind(int32_t kind) { return kind >= 92 && kind <= 94; }

DefaultSection DefaultSectionOf(int32_t kind) {
  switch (kind) {
    case 18: return {DefaultSectionSource::Named, "COMBOBOX"};
    case 19: return {DefaultSectionSource::Named, "BAR"};
    case 20: return {DefaultSectionSource::Named, "BARTITLE"};
    case 50:
    case 152: return {DefaultSectionSource::Named, "CHECKBOX"};
    case 56: return {DefaultSectionSource::Named, "DRAGBAR"};
    case 98: return {DefaultSectionSource::Named, "TOOLBUTTON"};
    case kKindTitleItem: return {DefaultSectionSource::Named, "EDIT"};
    default: break;
  }
  if (InRanges(kind, {{2, 10}, {12, 14}, {32, 34}, {51, 51}, {53, 54}, {57, 59}, {74, 76}, {78, 78}, {81, 85},
                      {92, 94}, {132, 141}, {143, 143}, {151, 151}, {161, 161}, {165, 165}, {226, 226}}))
    return {DefaultSectionSource::AskHost, {}};
  return {DefaultSectionSource::ClassName, {}};
}
