// The readings of a version resource that only compute: the number of its
// "FileVersion" text and the key of its string table.
#pragma once

#include <cstdint>
#include <string>

namespace VersionText {

// The number at the start of a "FileVersion" text: blanks are skipped
// anywhere, digits are read with at most one "." as the decimal point
// (whatever the user's locale), and reading stops at the first character
// that cannot continue the number. "6.0.81.69" reads 6, "5.1.2600.0" 5.1,
// "1, 0, 0, 1" 1, "4.71.3110.0" 4.71; "" and non-numeric texts read 0.
double ReadFileVersion(const std::string& text);

// The string table's key of a translation entry: language * 65536 + code
// page in eight upper-case hexadecimal digits (0x0409 and 1200 give
// "040904B0"). Both words are unsigned, so a code page of 0x8000 or above
// leaves the language part as it is.
std::string TranslationKey(uint16_t language, uint16_t codePage);

}  // namespace VersionText
