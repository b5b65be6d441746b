#include "platform/text.h"

#include <gtest/gtest.h>

#include <climits>

TEST(TextToInt, ReadsLikeTheEditBoxesAreMeantToBeRead) {
  const struct {
    const char* text;
    int32_t value;
  } cases[] = {
      {"", 0},          {"abc", 0},        {"-", 0},         {"+", 0},
      {"0", 0},         {"123", 123},      {"-1", -1},       {"+42", 42},
      {"  12x", 12},    {"\t\n 7", 7},     {"12 34", 12},    {"- 5", 0},
      {"--5", 0},       {"007", 7},        {"x12", 0},       {"-0", 0},
      {"2147483647", INT_MAX},             {"-2147483648", INT_MIN},
      {"2147483648", INT_MAX},             {"-2147483649", INT_MIN},
      {"99999999999", INT_MAX},            {"-99999999999999999999999", INT_MIN},
      {"00000000000000000000042", 42},
  };
  for (const auto& c : cases) EXPECT_EQ(TextToInt(c.text), c.value) << '"' << c.text << '"';
}

TEST(IntToText, FormatsAsPercentD) {
  EXPECT_EQ(IntToText(0), "0");
  EXPECT_EQ(IntToText(65890), "65890");
  EXPECT_EQ(IntToText(-5), "-5");
  EXPECT_EQ(IntToText(INT_MIN), "-2147483648");
  EXPECT_EQ(IntToText(INT_MAX), "2147483647");
}

TEST(IntToText, RoundTripsThroughTextToInt) {
  for (int32_t v : {0, 1, -1, 1234, -98765, INT_MAX, INT_MIN, 0x7FFF0000, -0x10000})
    EXPECT_EQ(TextToInt(IntToText(v)), v);
}
