#include "toolkit/Numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace tk {
namespace {

// Walks the text for Val, passing over the characters it ignores.
class ValReader {
 public:
  explicit ValReader(const std::string& text) : text_(text) {}

  // The next character that counts, or '\0' at the end.
  char Peek() {
    while (pos_ < text_.size() && IsIgnored(text_[pos_])) ++pos_;
    return pos_ < text_.size() ? text_[pos_] : '\0';
  }
  void Advance() { ++pos_; }

  // Takes the run of decimal digits that follows.
  std::string Digits() {
    std::string digits;
    for (char c = Peek(); c >= '0' && c <= '9'; c = Peek()) {
      digits += c;
      Advance();
    }
    return digits;
  }

 private:
  static bool IsIgnored(char c) { return c == ' ' || c == '\t' || c == '\n'; }

  const std::string& text_;
  size_t pos_ = 0;
};

int DigitValue(char c, unsigned base) {
  int d = -1;
  if (c >= '0' && c <= '9') d = c - '0';
  else if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
  else if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
  return d >= 0 && static_cast<unsigned>(d) < base ? d : -1;
}

// The digits after "&H" or "&O": 16-bit when the value fits, else 32-bit,
// both read as signed; beyond 32 bits an overflow.
double ReadRadixNumber(ValReader& in, unsigned base) {
  uint64_t value = 0;
  bool overflow = false;
  for (int d = DigitValue(in.Peek(), base); d >= 0; d = DigitValue(in.Peek(), base)) {
    in.Advance();
    if (!overflow) {
      value = value * base + static_cast<unsigned>(d);
      overflow = value > 0xFFFFFFFFu;
    }
  }
  if (overflow) return HUGE_VAL;
  if (value <= 0xFFFFu) return static_cast<int16_t>(static_cast<uint16_t>(value));
  return static_cast<int32_t>(static_cast<uint32_t>(value));
}

// An exponent's digits, held back from running away on absurd inputs.
long ReadExponent(ValReader& in) {
  long sign = 1;
  char c = in.Peek();
  if (c == '+' || c == '-') {
    sign = c == '-' ? -1 : 1;
    in.Advance();
  }
  long value = 0;
  for (const char d : in.Digits()) value = std::min(value * 10 + (d - '0'), 1000000L);
  return sign * value;
}

double ReadDecimalNumber(ValReader& in) {
  bool negative = false;
  char c = in.Peek();
  if (c == '+' || c == '-') {
    negative = c == '-';
    in.Advance();
  }
  const std::string whole = in.Digits();
  std::string fraction;
  if (in.Peek() == '.') {
    in.Advance();
    fraction = in.Digits();
  }
  if (whole.empty() && fraction.empty()) return 0;
  long exponent = 0;
  c = in.Peek();
  if (c == 'E' || c == 'e' || c == 'D' || c == 'd') {
    in.Advance();
    exponent = ReadExponent(in);
  }

  std::string number = whole.empty() ? "0" : whole;
  if (!fraction.empty()) {
    number += '.';
    number += fraction;
  }
  number += 'e';
  number += std::to_string(exponent);
  double value = 0;
  const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    // Too large or too small for a double: tell which by the magnitude,
    // the count of significant whole digits (or of leading fraction zeros).
    const size_t firstSignificant = whole.find_first_not_of('0');
    long magnitude = exponent;
    if (firstSignificant != std::string::npos) {
      magnitude += static_cast<long>(whole.size() - firstSignificant);
    } else {
      magnitude -= static_cast<long>(std::min<size_t>(fraction.find_first_not_of('0'), 1000000));
    }
    value = magnitude > 0 ? HUGE_VAL : 0.0;
  }
  return negative ? -value : value;
}

}  // namespace

double Val(const std::string& text) {
  ValReader in(text);
  if (in.Peek() == '&') {
    in.Advance();
    const char kind = in.Peek();
    if (kind == 'H' || kind == 'h') {
      in.Advance();
      return ReadRadixNumber(in, 16);
    }
    if (kind == 'O' || kind == 'o') {
      in.Advance();
      return ReadRadixNumber(in, 8);
    }
    return 0;
  }
  return ReadDecimalNumber(in);
}

double RoundHalfEven(double value) {
  if (!std::isfinite(value)) return value;
  const double below = std::floor(value);
  const double rest = value - below;
  if (rest < 0.5) return below;
  if (rest > 0.5) return below + 1;
  return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

namespace {
template <typename Int>
bool ToInteger(double value, Int& out) {
  const double rounded = RoundHalfEven(value);
  if (!(rounded >= static_cast<double>(std::numeric_limits<Int>::min()) &&
        rounded <= static_cast<double>(std::numeric_limits<Int>::max()))) {
    return false;
  }
  out = static_cast<Int>(rounded);
  return true;
}
}  // namespace

bool ToInt16(double value, int16_t& out) { return ToInteger(value, out); }
bool ToInt32(double value, int32_t& out) { return ToInteger(value, out); }

std::string FormatPattern(double value, const std::string& pattern, char thousandsSep) {
  if (!std::isfinite(value)) return "";
  const double rounded = RoundHalfEven(value);
  const bool negative = rounded < 0;

  // A double has at most 309 whole digits.
  char buffer[400];
  const auto written = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(rounded),
                                     std::chars_format::fixed, 0);
  std::string digits(buffer, written.ptr);
  if (digits == "0") digits.clear();

  size_t leastDigits = 0;
  bool grouped = false;
  bool zeroSeen = false;
  for (const char c : pattern) {
    if (c == '0') zeroSeen = true;
    if ((c == '0' || c == '#') && zeroSeen) ++leastDigits;
    if (c == ',') grouped = true;
  }
  if (digits.size() < leastDigits) digits.insert(0, leastDigits - digits.size(), '0');
  if (digits.empty()) return "";

  std::string text;
  for (size_t i = 0; i < digits.size(); ++i) {
    if (grouped && i > 0 && (digits.size() - i) % 3 == 0) text += thousandsSep;
    text += digits[i];
  }
  return negative ? "-" + text : text;
}

std::string SingleToText(float value, char decimalSep) {
  if (!std::isfinite(value)) return "";
  if (value == 0) return "0";

  // d.dddddde+XX: the value rounded to 7 significant digits.
  char buffer[32];
  const auto written = std::to_chars(buffer, buffer + sizeof buffer, value,
                                     std::chars_format::scientific, 6);
  const std::string scientific(buffer, written.ptr);
  const bool negative = scientific[0] == '-';
  const size_t mark = scientific.find('e');
  std::string digits;
  for (size_t i = negative ? 1 : 0; i < mark; ++i) {
    if (scientific[i] != '.') digits += scientific[i];
  }
  const int exponent = std::stoi(scientific.substr(mark + 1));
  digits.erase(digits.find_last_not_of('0') + 1);

  std::string text = negative ? "-" : "";
  if (exponent < -4 || exponent > 6) {
    text += digits[0];
    if (digits.size() > 1) text += decimalSep + digits.substr(1);
    const int magnitude = std::abs(exponent);
    text += exponent < 0 ? "E-" : "E+";
    if (magnitude < 10) text += '0';
    text += std::to_string(magnitude);
  } else if (exponent >= 0) {
    const size_t whole = static_cast<size_t>(exponent) + 1;
    if (digits.size() <= whole) {
      text += digits + std::string(whole - digits.size(), '0');
    } else {
      text += digits.substr(0, whole) + decimalSep + digits.substr(whole);
    }
  } else {
    text += std::string("0") + decimalSep + std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
  }
  return text;
}

}  // namespace tk
