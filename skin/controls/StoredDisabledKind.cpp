#include "skin/controls/StoredDisabledKind.h"

TsDisabledKind ReadDisabledKind(const TStoredReader& r) {
  TsDisabledKind kinds = 0;
  for (const std::string& kind : r.List()) {
    if (kind == "dkBlended") kinds |= dkBlended;
    else if (kind == "dkGrayed") kinds |= dkGrayed;
    else r.Fail("unknown disabled kind");
  }
  return kinds;
}
