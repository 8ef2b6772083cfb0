// The fade window's opacity per step.
#include <gtest/gtest.h>

#include "skin/windows/TitleButtonFade.h"

namespace {

TEST(TitleButtonFade, OpacityRisesEvenlyAndIsFullAtTheLastStep) {
  struct Case {
    int32_t Step, Steps;
    int Opacity;
  };
  const Case cases[] = {
      {10, 10, 255}, {9, 10, 229}, {1, 10, 25}, {5, 10, 127},  // ten steps with animation
      {1, 1, 255},                                              // a press, or no animation
      {1, 3, 85},    {2, 3, 170},  {3, 3, 255},
      {7, 7, 255},   {0, 10, 0},   {11, 10, 255}, {-1, 10, 0},  // out of range steps are held at the ends
      {1, 0, 255},
  };
  for (const Case& c : cases) EXPECT_EQ(FadeOpacity(c.Step, c.Steps), c.Opacity) << c.Step << "/" << c.Steps;
}

}  // namespace
