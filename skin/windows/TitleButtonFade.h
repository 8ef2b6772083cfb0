#pragma once
// The steps of a title button's fade: the fade window's overall opacity rises
// evenly with the step number and is full at the last step, where the fade
// tests whether the pointer is still over the button.
#include <cstdint>

// Opacity at step (1..steps); a single step is full at once.
uint8_t FadeOpacity(int32_t step, int32_t steps);
