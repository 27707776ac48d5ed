#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace candelor {

// The value of the number at the start of a text. Blanks, tabs and line feeds anywhere are
// skipped; then a sign, digits with at most one ".", and an exponent (E or D) are read up to the
// first other character. 0 when the text does not start with a number; a number too large for a
// double gives an infinity of its sign.
double LeadingValue(std::string_view text);

// True when the whole text, leading and trailing blanks aside, is a number: a sign, digits
// (optionally grouped by "," thousands separators), an optional "." with more digits, and an
// optional exponent (E or e). At least one digit.
bool IsNumberText(std::string_view text);

// A number on its way to thousands separators, typed as far as a group not yet complete ("1,",
// "12,34", "1,000,5"): the number before its first comma, which is all of it typed so far; empty
// for any other text.
std::optional<std::string> GroupingInProgress(std::string_view text);

// The value of a text for which IsNumberText holds, thousands separators ignored.
double NumberFromText(std::string_view text);

// The nearest whole number, ties to the even one.
double RoundHalfEven(double x);

// The nearest whole number as an int16 or int32, ties to even; empty when it does not fit (or
// x is not finite), so that no caller can get a wrapped number.
std::optional<std::int16_t> RoundToInt16(double x);
std::optional<std::int32_t> RoundToInt32(double x);
std::optional<std::int64_t> RoundToInt64(double x);

// A double rounded to single precision; values beyond the single range saturate at the largest
// single, so that no stored quantity is ever infinite.
float ToSingle(double x);

// A derived result rounded to single precision; empty when it overflows single (or is not a
// number), which the calculation treats as an arithmetic fault rather than a saturated value.
std::optional<float> FitSingle(double x);

// Fixed-point text for the patterns "0", "0.0" and "0.00": the single value is taken as its
// 7-significant-digit decimal, then rounded half away from zero to the pattern's decimals.
std::string FormatFixed(float x, std::string_view pattern);

// The text of a single value to 7 significant digits, without trailing zeros ("0.76", "9.3025",
// "1E+07", "1.234568E+07").
std::string SingleText(float x);

// The plain decimal digits of an integer quantity.
std::string IntegerText(std::int64_t x);

// Length of a text in the units a text box counts its positions in (UTF-16 code units).
int TextLength(std::string_view utf8);

}  // namespace candelor
