#include "core/fade.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {
std::vector<int32_t> Schedule(int32_t steps) {
  std::vector<int32_t> alphas;
  for (int32_t i = 1; i <= steps; ++i) alphas.push_back(FadeStepAlpha(steps, i));
  return alphas;
}
}  // namespace

TEST(FadeStepAlpha, ThirtyStepsRiseByEightAndAHalf) {
  const std::vector<int32_t> expected = {8,   17,  25,  34,  42,  51,  59,  68,  76,  85,
                                         93,  102, 110, 119, 127, 136, 144, 153, 161, 170,
                                         178, 187, 195, 204, 212, 221, 229, 238, 246, 255};
  EXPECT_EQ(Schedule(30), expected);
}

TEST(FadeStepAlpha, TwentyFiveStepsEndJustShortOfOpaque) {
  // 255.0 / 25 has no exact double; 10.2 * 25 comes out as 254.99999999999997.
  const std::vector<int32_t> alphas = Schedule(25);
  EXPECT_EQ(std::vector<int32_t>(alphas.begin(), alphas.begin() + 6),
            (std::vector<int32_t>{10, 20, 30, 40, 51, 61}));
  EXPECT_EQ(alphas.back(), 254);
}

TEST(FadeStepAlpha, DivisorChangedDuringAFade) {
  EXPECT_EQ(FadeStepAlpha(1, 10), 2550);
  EXPECT_EQ(AlphaByte(FadeStepAlpha(1, 10)), 246);
  EXPECT_EQ(FadeStepAlpha(300, 1), 0);  // 0.85 truncates to 0
}

TEST(FadeStepAlpha, DivisorOfZeroOrLessEndsOpaque) {
  for (int32_t divisor : {0, -1, INT_MIN}) {
    for (int32_t step : {1, 15, 30}) EXPECT_EQ(FadeStepAlpha(divisor, step), 255) << divisor << ' ' << step;
  }
}

TEST(FadeStepAlpha, HugeStepsSaturateInsteadOfOverflowing) {
  EXPECT_EQ(FadeStepAlpha(1, INT_MAX), INT_MAX);
  EXPECT_EQ(FadeStepAlpha(1, INT_MIN), INT_MIN);
}

TEST(AlphaByte, KeepsTheLowEightBits) {
  const struct { int32_t alpha; int expected; } cases[] = {
      {0, 0}, {255, 255}, {256, 0}, {300, 44}, {2550, 246}, {-1, 255}, {INT_MIN, 0}};
  for (const auto& c : cases) EXPECT_EQ(AlphaByte(c.alpha), c.expected) << c.alpha;
}

TEST(DueTimeFor, IsRelativeInHundredNanoseconds) {
  EXPECT_EQ(DueTimeFor(10), -100000);
  EXPECT_EQ(DueTimeFor(1), -10000);
  EXPECT_EQ(DueTimeFor(0), 0);
  EXPECT_EQ(DueTimeFor(INT_MAX), -21474836470000LL);
}
