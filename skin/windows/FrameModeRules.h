#pragma once
// Which frame a skinned form gets: its extended borders (the border window
// with the shadow) or its own non-client area. A portable rule of plain facts.

// What decides the frame mode, gathered from the manager, the provider and the window.
struct FrameModeFacts {
  bool ManagerExtendedBorders = false;  // the manager's ExtendedBorders
  bool AllowExtBorders = true;          // the provider's
  bool DrawNonClientArea = true;        // the provider's
  bool HasBorder = true;                // any border style but none
  bool ChildWindow = false;             // the window has a parent window
  bool MdiChild = false;
  bool Maximized = false;
  bool NativeBordersMaximized = false;  // the manager's Options.NativeBordersMaximized
};

// Extended borders: all of the manager's and the provider's switches on, a
// bordered top-level window, and not a maximized one whose manager wants
// the window's own frame while maximized.
bool ExtendedBordersWanted(const FrameModeFacts& facts);
