// The current user's number separators, and the number texts that the
// classic runtime writes with them. Windows only.
#pragma once

#include <string>

namespace tk {

// The user's thousands and decimal separators (their first character);
// ',' and '.' when the locale cannot be read or gives an empty separator.
char UserThousandsSeparator();
char UserDecimalSeparator();

// FormatPattern (toolkit/Numbers.h) with the user's thousands separator.
std::string Format(double value, const std::string& pattern);

// SingleToText (toolkit/Numbers.h) with the user's decimal separator: the
// classic CStr of a single-precision number.
std::string CStrSingle(float value);

}  // namespace tk
