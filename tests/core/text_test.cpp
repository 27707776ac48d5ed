#include "core/text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

namespace candelor {
namespace {

struct LeadingCase {
  const char* text;
  double value;
};

TEST(LeadingValue, ReadsTheNumberAtTheStartOfATextLikeTheCalculator) {
  const LeadingCase cases[] = {
      {"", 0},        {"10", 10},   {"  12", 12},  {"1 2", 12},    {"1\t2\n3", 123},
      {"-5", -5},     {"+5", 5},    {"- 5", -5},   {"2.35", 2.35}, {".5", 0.5},
      {"5.", 5},      {".", 0},     {"-", 0},      {"abc", 0},     {"12abc", 12},
      {"1.2.3", 1.2}, {"1,000", 1}, {"1e3", 1000}, {"1E3", 1000},  {"1D3", 1000},
      {"1d-2", 0.01}, {"1e", 1},    {"1e+", 1},    {"1e-", 1},     {"2E+ 2", 200},
      {"0x10", 0},    {"3 x", 3},   {"--5", 0},    {"1e-400", 0},  {"１２", 0},
  };
  for (const auto& c : cases)
    EXPECT_DOUBLE_EQ(LeadingValue(c.text), c.value) << '"' << c.text << '"';
}

TEST(LeadingValue, TooLargeForADoubleIsInfiniteOfItsSign) {
  EXPECT_EQ(LeadingValue("1e400"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(LeadingValue("-9e9999"), -std::numeric_limits<double>::infinity());
  EXPECT_EQ(LeadingValue(std::string(400, '9')), std::numeric_limits<double>::infinity());
  EXPECT_EQ(LeadingValue("0e99999999999999"), 0.0);
}

struct NumberCase {
  const char* text;
  bool isNumber;
  double value;
};

TEST(NumberText, AcceptsWholeNumbersOnly) {
  const NumberCase cases[] = {
      {"10", true, 10},
      {" 12 ", true, 12},
      {"\t7\t", true, 7},
      {"-3", true, -3},
      {"+3", true, 3},
      {"1,000", true, 1000},
      {"1,000,000.5", true, 1000000.5},
      {"0.5", true, 0.5},
      {".5", true, 0.5},
      {"5.", true, 5},
      {"1e3", true, 1000},
      {"1E-2", true, 0.01},
      {"1e+2", true, 100},
      {"", false, 0},
      {".", false, 0},
      {"-", false, 0},
      {"+", false, 0},
      {"1e", false, 0},
      {"1e+", false, 0},
      {"abc", false, 0},
      {"12a", false, 0},
      {"1 2", false, 0},
      {",5", false, 0},
      {"12,345.5", true, 12345.5},
      {"1,234,567", true, 1234567},
      {"123,456", true, 123456},
      {"-1,000e3", true, -1000000},
      {"1,5", false, 0},
      {"0,5", false, 0},
      {"1,00", false, 0},
      {"12,34,5", false, 0},
      {"1,0000", false, 0},
      {"1234,567", false, 0},
      {"1,,000", false, 0},
      {"5,", false, 0},
      {"1D3", false, 0},
      {"0x10", false, 0},
      {"NaN", false, 0},
      {"inf", false, 0},
      {"１２", false, 0},
      {"1\n", false, 0},
      {"-.", false, 0},
      {"1..2", false, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsNumberText(c.text), c.isNumber) << '"' << c.text << '"';
    if (c.isNumber) {
      EXPECT_DOUBLE_EQ(NumberFromText(c.text), c.value) << '"' << c.text << '"';
    }
  }
  EXPECT_EQ(NumberFromText("9e9999"), std::numeric_limits<double>::infinity());
}

TEST(RoundHalfEven, TiesGoToTheEvenNeighbour) {
  const double cases[][2] = {{2.5, 2}, {3.5, 4},  {-2.5, -2}, {0.5, 0},   {1.5, 2},      {2.4, 2},
                             {2.6, 3}, {-0.4, 0}, {76.5, 76}, {-3.5, -4}, {1e300, 1e300}};
  for (const auto& c : cases) EXPECT_EQ(RoundHalfEven(c[0]), c[1]) << c[0];
}

TEST(RoundToInteger, RefusesWhatDoesNotFit) {
  EXPECT_EQ(RoundToInt16(32767.4), 32767);
  EXPECT_EQ(RoundToInt16(-32768.0), -32768);
  EXPECT_FALSE(RoundToInt16(32767.5).has_value());  // ties to even: 32768
  EXPECT_FALSE(RoundToInt16(-32769.0).has_value());
  EXPECT_EQ(RoundToInt32(2147483647.0), 2147483647);
  EXPECT_FALSE(RoundToInt32(2147483648.0).has_value());
  EXPECT_FALSE(RoundToInt32(std::numeric_limits<double>::infinity()).has_value());
  EXPECT_FALSE(RoundToInt32(std::nan("")).has_value());
  EXPECT_FALSE(RoundToInt64(9.3e18).has_value());
}

TEST(ToSingle, SaturatesInsteadOfBecomingInfinite) {
  EXPECT_EQ(ToSingle(1e39), std::numeric_limits<float>::max());
  EXPECT_EQ(ToSingle(-1e39), -std::numeric_limits<float>::max());
  EXPECT_EQ(ToSingle(2.35), 2.35f);
}

struct FixedCase {
  float x;
  const char* pattern;
  const char* text;
};

TEST(FormatFixed, RoundsTheSevenDigitDecimalHalfAwayFromZero) {
  const FixedCase cases[] = {
      {2.35f, "0.0", "2.4"},
      {2.518257f, "0.0", "2.5"},
      {47.652f, "0", "48"},
      {6.324555f, "0.0", "6.3"},
      {1.054093f, "0.00", "1.05"},
      {0.0f, "0.0", "0.0"},
      {0.0f, "0", "0"},
      {0.05f, "0.0", "0.1"},
      {0.04f, "0.0", "0.0"},
      {9.96f, "0.0", "10.0"},
      {99.5f, "0", "100"},
      {3.048f, "0.00", "3.05"},
      {1.8288f, "0.00", "1.83"},
      {10.009f, "0.0", "10.0"},
      {999999.0f, "0.0", "999999.0"},
      {-2.5f, "0", "-3"},
      {-0.04f, "0.0", "0.0"},
      {-0.0f, "0", "0"},
      {0.00049f, "0.00", "0.00"},
      {12345678.0f, "0", "12345680"},
      {0.125f, "0.00", "0.13"},
      {95.3f, "0", "95"},
      {5.0f, "0.0", "5.0"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FormatFixed(c.x, c.pattern), c.text) << c.x << ' ' << c.pattern;
}

struct SingleCase {
  float x;
  const char* text;
};

TEST(SingleText, SevenSignificantDigitsWithoutTrailingZeros) {
  const SingleCase cases[] = {
      {0.0f, "0"},
      {10.0f, "10"},
      {100.0f, "100"},
      {0.76f, "0.76"},
      {0.77f, "0.77"},
      {4.58f, "4.58"},
      {9.3025f, "9.3025"},
      {1e7f, "1E+07"},
      {12345678.0f, "1.234568E+07"},
      {9999999.0f, "9999999"},
      {0.0001f, "0.0001"},
      {0.00001f, "1E-05"},
      {-3.5f, "-3.5"},
      {0.9f, "0.9"},
      {1.4f, "1.4"},
      {645.858f, "645.858"},
      {161.4645f, "161.4645"},
      {3229.29f, "3229.29"},
      {3.4028235e38f, "3.402823E+38"},
      {-0.0f, "0"},
      {450.0f, "450"},
  };
  for (const auto& c : cases) EXPECT_EQ(SingleText(c.x), c.text) << c.x;
}

TEST(TextHelpers, IgnoreACommaDecimalLocale) {
  const char* previous = std::setlocale(LC_ALL, nullptr);
  std::string saved = previous ? previous : "C";
  if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) {
    GTEST_SKIP() << "de_DE.UTF-8 is not generated on this machine; scripts/test generates it";
  }
  EXPECT_EQ(FormatFixed(2.35f, "0.0"), "2.4");
  EXPECT_EQ(SingleText(2.35f), "2.35");
  EXPECT_DOUBLE_EQ(LeadingValue("2.35"), 2.35);
  EXPECT_DOUBLE_EQ(NumberFromText("2.35"), 2.35);
  EXPECT_TRUE(IsNumberText("2.35"));
  std::setlocale(LC_ALL, saved.c_str());
}

TEST(TextLength, CountsUtf16Units) {
  EXPECT_EQ(TextLength("2850"), 4);
  EXPECT_EQ(TextLength("°C"), 2);
  EXPECT_EQ(TextLength("１２"), 2);
  EXPECT_EQ(TextLength("\xF0\x9F\x92\xA1"), 2);  // a light bulb outside the BMP
}

}  // namespace
}  // namespace candelor
