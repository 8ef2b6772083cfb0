#include "skin/windows/TitleButtonFade.h"

#include <algorithm>

uint8_t FadeOpacity(int32_t step, int32_t steps) {
  if (steps < 1) return 255;
  // Multiplied before dividing: 255 / steps x step would stop short of 255 at the last step.
  return uint8_t(255 * int64_t(std::clamp(step, 0, steps)) / steps);
}
