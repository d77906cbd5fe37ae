// Small text helpers of the registry object: blanks (the space character
// only) and the pieces of registry text files.
#pragma once

#include <string>
#include <vector>

namespace reg {

// Text without leading and trailing blanks.
std::string TrimBlanks(const std::string& text);

// Text with every occurrence of the character c removed.
std::string WithoutChar(const std::string& text, char c);

// Text with every from replaced by to.
std::string ReplaceChar(std::string text, char from, char to);

// ASCII letters in lower case.
std::string LowerAscii(std::string text);

// The value of a hexadecimal digit, letters of either case; -1 for any
// other character.
int HexDigitValue(char c);

// The lines of text: each LF ends a line, and the CRs right before a line's
// end (its LF or the end of the text) are no part of it, so that LF, CR LF
// and CR CR LF end lines alike; a CR anywhere else stays. An empty text has
// no lines.
std::vector<std::string> SplitLines(const std::string& text);

}  // namespace reg
