#pragma once
// How a plain combo box window is painted, from its style: what the handler
// draws itself and what it leaves to the window.
#include <cstdint>

enum class ComboWindowPaint {
  System,          // an always-open list box: its list and edit are children of their own
  FrameAndButton,  // a drop-down box: its edit child shows the text
  Whole,           // a drop-down list: the current item is drawn here too
  WholeByOwner,    // an owner-drawn drop-down list: its owner draws the current item
};

ComboWindowPaint ComboPaintOf(uint32_t style);
