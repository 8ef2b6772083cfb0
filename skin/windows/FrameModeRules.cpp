#include "skin/windows/FrameModeRules.h"

bool ExtendedBordersWanted(const FrameModeFacts& f) {
  return f.ManagerExtendedBorders && f.AllowExtBorders && f.DrawNonClientArea && f.HasBorder && !f.ChildWindow &&
         !f.MdiChild && !(f.Maximized && f.NativeBordersMaximized);
}
