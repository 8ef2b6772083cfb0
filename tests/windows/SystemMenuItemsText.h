#pragma once
// The system menu's six items as a short text for table tests.
#include <string>

#include "skin/windows/SystemMenuRules.h"

// Visible and enabled bits per item, in menu order: "VE" per item, '-' for off (an invisible item shows "--").
inline std::string DescribeMenuItems(const std::array<SysItemState, kSysItemCount>& items) {
  std::string out;
  for (const SysItemState& i : items) {
    out += i.Visible ? 'V' : '-';
    out += i.Visible && i.Enabled ? 'E' : '-';
    out += ' ';
  }
  out.pop_back();
  return out;
}
