#include "platform/dpi.h"

#include <gtest/gtest.h>

TEST(ScaleForDpi, KeepsPixelsAt96AndRoundsLikeMulDivElsewhere) {
  const struct {
    int32_t value, dpi, scaled;
  } cases[] = {
      {561, 96, 561}, {341, 96, 341}, {-3, 96, -3},    // the layout's own pixels
      {561, 144, 842}, {341, 144, 512}, {3, 144, 5},   // 150 %: halves round away from zero
      {-3, 144, -5},   {8, 120, 10},   {7, 120, 9},    // 125 %
      {24, 192, 48},   {0, 192, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(ScaleForDpi(c.value, c.dpi), c.scaled) << c.value << " at " << c.dpi;
}
