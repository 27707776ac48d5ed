#include "core/text.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <limits>

namespace candelor {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsSkipped(char c) {
  return c == ' ' || c == '\t' || c == '\n';
}

// Exponents beyond this cannot change the outcome (the mantissa is at most a few thousand digits
// long), and clamping keeps the arithmetic on them in range.
constexpr std::int64_t kExponentClamp = 1'000'000;

// The value of sign, integer digits, fraction digits and a decimal exponent, parsed without any
// regard to the process locale. Out-of-range magnitudes become infinity or zero of the sign.
double ParseDecimal(bool negative, std::string_view intDigits, std::string_view fracDigits,
                    std::int64_t exponent) {
  std::string buf;
  buf.reserve(intDigits.size() + fracDigits.size() + 16);
  buf.append(intDigits.empty() ? std::string_view("0") : intDigits);
  if (!fracDigits.empty()) {
    buf.push_back('.');
    buf.append(fracDigits);
  }
  buf.push_back('e');
  buf.append(std::to_string(exponent));
  double value = 0.0;
  auto [ptr, ec] = std::from_chars(buf.data(), buf.data() + buf.size(), value);
  if (ec == std::errc::result_out_of_range) {
    // Where does the first significant digit sit? Above the units: too large; below: too small.
    std::int64_t position = 0;
    auto firstInt = intDigits.find_first_not_of('0');
    if (firstInt != std::string_view::npos) {
      position = static_cast<std::int64_t>(intDigits.size() - firstInt);
    } else {
      auto firstFrac = fracDigits.find_first_not_of('0');
      position = firstFrac == std::string_view::npos ? 0 : -static_cast<std::int64_t>(firstFrac);
    }
    value = position + exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  } else if (ec != std::errc()) {
    value = 0.0;
  }
  return negative ? -value : value;
}

// Reads an optional sign and digits of an exponent from text[i..]; returns the clamped value and
// advances i past them only when at least one digit follows.
bool ReadExponent(std::string_view text, std::size_t& i, std::int64_t& exponent, bool skipBlanks) {
  std::size_t j = i;
  auto skip = [&] {
    while (skipBlanks && j < text.size() && IsSkipped(text[j])) ++j;
  };
  skip();
  bool negative = false;
  if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
    negative = text[j] == '-';
    ++j;
  }
  skip();
  std::int64_t value = 0;
  bool any = false;
  while (j < text.size() && (IsDigit(text[j]) || (skipBlanks && IsSkipped(text[j])))) {
    if (IsDigit(text[j])) {
      value = std::min(kExponentClamp, value * 10 + (text[j] - '0'));
      any = true;
    }
    ++j;
  }
  if (!any) return false;
  exponent = negative ? -value : value;
  i = j;
  return true;
}

struct Scientific {
  bool negative = false;
  std::array<char, 7> digits{};  // seven significant digits
  int exponent = 0;              // decimal exponent of the first digit
};

// The single value as its 7-significant-digit decimal (shortest round trip is not wanted here:
// the calculator's texts always carry seven digits before trailing zeros are dropped).
Scientific ToScientific(float x) {
  Scientific s;
  char buf[64];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, static_cast<double>(x),
                                 std::chars_format::scientific, 6);
  (void)ec;
  const char* p = buf;
  if (*p == '-') {
    s.negative = true;
    ++p;
  }
  s.digits[0] = *p++;
  if (*p == '.') ++p;
  for (int k = 1; k < 7; ++k) s.digits[k] = *p++;
  ++p;  // 'e'
  std::from_chars(*p == '+' ? p + 1 : p, end, s.exponent);
  return s;
}

}  // namespace

double LeadingValue(std::string_view text) {
  std::size_t i = 0;
  auto skip = [&] {
    while (i < text.size() && IsSkipped(text[i])) ++i;
  };
  skip();
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  std::string intDigits, fracDigits;
  bool point = false;
  for (; i < text.size(); ++i) {
    char c = text[i];
    if (IsSkipped(c)) continue;
    if (IsDigit(c)) {
      (point ? fracDigits : intDigits).push_back(c);
    } else if (c == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  if (intDigits.empty() && fracDigits.empty()) return 0.0;
  std::int64_t exponent = 0;
  if (i < text.size()) {
    char c = text[i];
    if (c == 'E' || c == 'e' || c == 'D' || c == 'd') {
      std::size_t j = i + 1;
      ReadExponent(text, j, exponent, true);
    }
  }
  return ParseDecimal(negative, intDigits, fracDigits, exponent);
}

namespace {

struct NumberParts {
  bool negative = false;
  std::string intDigits, fracDigits;
  std::int64_t exponent = 0;
};

std::optional<NumberParts> ParseNumberText(std::string_view text) {
  auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  NumberParts parts;
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    parts.negative = text[i] == '-';
    ++i;
  }
  // Integer digits, optionally grouped in thousands: one to three digits, then "," and exactly
  // three digits per group ("12,345"). "1,5" is a decimal comma, not a number: taking it as 15
  // would be a silent tenfold error.
  int group = 0;
  bool grouped = false;
  while (i < text.size()) {
    if (IsDigit(text[i])) {
      parts.intDigits.push_back(text[i++]);
      ++group;
    } else if (text[i] == ',' && group > 0 && (grouped ? group == 3 : group <= 3)) {
      grouped = true;
      group = 0;
      ++i;
    } else {
      break;
    }
  }
  if (grouped && group != 3) return std::nullopt;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) parts.fracDigits.push_back(text[i++]);
  }
  if (parts.intDigits.empty() && parts.fracDigits.empty()) return std::nullopt;
  if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
    ++i;
    if (!ReadExponent(text, i, parts.exponent, false)) return std::nullopt;
  }
  if (i != text.size()) return std::nullopt;
  return parts;
}

}  // namespace

bool IsNumberText(std::string_view text) {
  return ParseNumberText(text).has_value();
}

std::optional<std::string> GroupingInProgress(std::string_view text) {
  const auto first = text.find_first_not_of(" ");
  const auto last = text.find_last_not_of(" ");
  if (first == std::string_view::npos) return std::nullopt;
  const std::string_view t = text.substr(first, last - first + 1);
  std::size_t at = t[0] == '-' || t[0] == '+' ? 1 : 0;
  auto digits = [&] {
    std::size_t n = 0;
    while (at < t.size() && t[at] >= '0' && t[at] <= '9') ++at, ++n;
    return n;
  };
  const std::size_t lead = digits();
  if (lead < 1 || lead > 3 || at == t.size() || t[at] != ',') return std::nullopt;
  const std::string before(t.substr(0, at));
  for (;;) {
    ++at;  // the comma
    const std::size_t group = digits();
    if (at == t.size()) return group < 3 ? std::optional(before) : std::nullopt;
    if (group != 3 || t[at] != ',') return std::nullopt;
  }
}

double NumberFromText(std::string_view text) {
  auto parts = ParseNumberText(text);
  if (!parts) return 0.0;
  return ParseDecimal(parts->negative, parts->intDigits, parts->fracDigits, parts->exponent);
}

double RoundHalfEven(double x) {
  if (!std::isfinite(x)) return x;
  double r = std::round(x);  // halves away from zero
  if (std::fabs(x - std::trunc(x)) == 0.5) r = 2.0 * std::round(x / 2.0);
  return r;
}

namespace {
template <typename Int>
std::optional<Int> RoundToInt(double x) {
  double r = RoundHalfEven(x);
  // The bounds are exact powers of two (or one less), compared in double without conversion.
  constexpr double lo = static_cast<double>(std::numeric_limits<Int>::min());
  constexpr double hi = -lo;  // one past the largest value
  if (!(r >= lo && r < hi)) return std::nullopt;
  return static_cast<Int>(r);
}
}  // namespace

std::optional<std::int16_t> RoundToInt16(double x) {
  return RoundToInt<std::int16_t>(x);
}
std::optional<std::int32_t> RoundToInt32(double x) {
  return RoundToInt<std::int32_t>(x);
}
std::optional<std::int64_t> RoundToInt64(double x) {
  return RoundToInt<std::int64_t>(x);
}

std::optional<float> FitSingle(double x) {
  // From half an ulp above the largest single on, rounding gives infinity.
  constexpr double kOverflow = 0x1.ffffffp+127;
  if (!(std::fabs(x) < kOverflow)) return std::nullopt;
  return static_cast<float>(x);
}

float ToSingle(double x) {
  if (std::isnan(x)) return 0.0f;
  if (x > FLT_MAX) return FLT_MAX;
  if (x < -FLT_MAX) return -FLT_MAX;
  return static_cast<float>(x);
}

std::string FormatFixed(float x, std::string_view pattern) {
  if (!std::isfinite(x)) return "--";
  auto point = pattern.find('.');
  int decimals = point == std::string_view::npos ? 0 : static_cast<int>(pattern.size() - point - 1);
  if (x == 0.0f) return decimals == 0 ? "0" : "0." + std::string(decimals, '0');

  Scientific s = ToScientific(x);
  // Lay the seven digits out around the decimal point.
  std::string digits(s.digits.begin(), s.digits.end());
  int intCount = s.exponent + 1;
  if (intCount < 0) {
    digits.insert(0, static_cast<std::size_t>(-intCount), '0');
    intCount = 0;
  }
  if (intCount > static_cast<int>(digits.size())) digits.append(intCount - digits.size(), '0');
  std::string intPart = digits.substr(0, intCount);
  std::string frac = digits.substr(intCount);
  if (static_cast<int>(frac.size()) < decimals + 1) frac.append(decimals + 1 - frac.size(), '0');
  bool roundUp = frac[decimals] >= '5';
  std::string kept = intPart + frac.substr(0, decimals);
  if (kept.empty()) kept = "0";
  if (roundUp) {
    int k = static_cast<int>(kept.size()) - 1;
    while (k >= 0 && kept[k] == '9') kept[k--] = '0';
    if (k >= 0) {
      ++kept[k];
    } else {
      kept.insert(kept.begin(), '1');
      ++intCount;
    }
  }
  int keptInt = static_cast<int>(kept.size()) - decimals;
  std::string whole = kept.substr(0, keptInt);
  auto nz = whole.find_first_not_of('0');
  whole = nz == std::string::npos ? "0" : whole.substr(nz);
  std::string result = whole;
  if (decimals > 0) result += "." + kept.substr(keptInt);
  bool isZero = result.find_first_not_of("0.") == std::string::npos;
  return (s.negative && !isZero) ? "-" + result : result;
}

std::string SingleText(float x) {
  if (!std::isfinite(x)) return "--";
  if (x == 0.0f) return "0";
  Scientific s = ToScientific(x);
  std::string d(s.digits.begin(), s.digits.end());
  d.erase(d.find_last_not_of('0') + 1);
  std::string result = s.negative ? "-" : "";
  int e = s.exponent;
  if (e >= 7 || e < -4) {
    result += d.substr(0, 1);
    if (d.size() > 1) result += "." + d.substr(1);
    result += e < 0 ? "E-" : "E+";
    int ae = e < 0 ? -e : e;
    if (ae < 10) result += '0';
    result += std::to_string(ae);
  } else if (e >= 0) {
    std::string whole = d.substr(0, std::min<std::size_t>(d.size(), e + 1));
    whole.append(e + 1 - whole.size(), '0');
    result += whole;
    if (d.size() > static_cast<std::size_t>(e + 1)) result += "." + d.substr(e + 1);
  } else {
    result += "0." + std::string(-e - 1, '0') + d;
  }
  return result;
}

std::string IntegerText(std::int64_t x) {
  return std::to_string(x);
}

int TextLength(std::string_view utf8) {
  int units = 0;
  for (unsigned char c : utf8) {
    if ((c & 0xC0) == 0x80) continue;  // continuation byte
    units += c >= 0xF0 ? 2 : 1;        // four-byte sequences are surrogate pairs in UTF-16
  }
  return units;
}

}  // namespace candelor
