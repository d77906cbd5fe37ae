// Number reading and formatting in the manner of the classic runtime: the
// locale-blind number reader Val, rounding of halves to the even neighbour,
// checked conversions to 16- and 32-bit integers, whole-number patterns such
// as "#,###", and the text of a single-precision number. Portable: only
// computes; the user's separators are passed in (toolkit/Locale.h reads them).
#pragma once

#include <cstdint>
#include <string>

namespace tk {

// Reads the number at the start of text, as the classic Val does.
// - Blanks, tabs and line feeds are skipped anywhere, even between digits
//   ("1 2 3" reads 123, " - 5" reads -5).
// - A leading "+" or "-"; digits with at most one "." as the decimal point,
//   whatever the user's locale; an exponent introduced by E or D (either
//   case) with an optional sign ("1.5E3" reads 1500, "1.5D3" too).
// - "&H" (hexadecimal) and "&O" (octal), either case: a value that fits in
//   16 bits is read as a signed 16-bit number and one that fits in 32 bits as
//   a signed 32-bit number ("&HFFFF" reads -1, "&H10000" reads 65536,
//   "&HFFFFFFFF" reads -1). No sign is taken before "&".
// - Reading stops at the first character that cannot continue the number
//   ("12abc" reads 12, "6.0.81.69" reads 6, "1,5" reads 1); an empty or
//   non-numeric text, or "&H" without digits, reads 0.
// Overflow, where the classic runtime raised its overflow error: a decimal
// number too large for a double ("1e400") and a hexadecimal or octal number
// beyond 32 bits read as +infinity (-infinity with a leading "-"), which no
// checked conversion below accepts. A decimal number too small for a double
// ("1e-400") reads 0.
double Val(const std::string& text);

// Rounds to the nearest whole number, a half going to the even neighbour
// (0.5 -> 0, 1.5 -> 2, 2.5 -> 2, -2.5 -> -2). Infinities and NaN are
// returned unchanged.
double RoundHalfEven(double value);

// Rounds value with RoundHalfEven and stores it in out when the result fits
// the type; returns false (out untouched) when it does not or value is NaN.
bool ToInt16(double value, int16_t& out);
bool ToInt32(double value, int32_t& out);

// Formats value, rounded half-even to a whole number, by a pattern of digit
// placeholders: "#" shows a digit only where the number has one, "0" always
// shows one; the placeholders from the first "0" on give the least number of
// digits. A "," anywhere in the pattern groups the digits by threes with
// thousandsSep. Other characters are passed over. A negative number gets a
// leading "-" (a value that rounds to 0 gets none).
// "#,###": 1234567 -> "1,234,567", 0 -> "". "###,###,###,##0": 0 -> "0".
// Infinities and NaN give "".
std::string FormatPattern(double value, const std::string& pattern, char thousandsSep);

// The classic text of a single-precision number: at most 7 significant
// digits, no trailing zeros and no trailing separator, decimalSep as the
// decimal separator; E notation ("1.234568E+07", "1E-05") when the decimal
// exponent is below -4 or above 6. Infinities and NaN give "".
std::string SingleToText(float value, char decimalSep);

}  // namespace tk
