// The pieces of one value line of a "REGEDIT4" file as the registry object
// reads it: name and data, the number of "dword:" data, and hex data with
// its type and its continuation lines.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace reg {

// A value line cut in two: its name and its data, every double quote
// removed from both; quotedData tells that the data began with a quote.
struct ValueLine {
  std::string name;
  std::string data;
  bool quotedData = false;
};

// Cuts a value line in two at the "=" that follows its name: for a name in
// quotes, the first "=" that comes right after a quote (blanks between
// aside), so that an "=" inside the name or the data stays there; for any
// other line, the first "=". Blanks next to the "=" stay with the parts.
// line must come trimmed of blanks. False when the line holds no "=".
bool SplitValueLine(const std::string& line, ValueLine& value);

// The number the leading hexadecimal digits of text give (0 when there are
// none), as a 32-bit number in two's complement: "FFFFFFFF" is -1. False
// when the digits give more than 32 bits.
bool ReadHexDword(const std::string& text, int32_t& number);

// Hex data: "hex:" (a binary value, type 3) or "hex(N):" with the value's
// type N in one to eight hexadecimal digits, in any letter case. True for
// such data, with its type and the text after the colon (the byte list).
bool ParseHexData(const std::string& data, uint32_t& type, std::string& bytes);

// A byte list with the lines that continue it, as the registry editor reads
// them: while it ends with a backslash, the backslash is dropped, empty lines
// and ";" comment lines are passed over, and the next line, when it holds
// nothing but hexadecimal digits, commas, blanks and tabs (and maybe a
// backslash of its own), is appended without its tabs and outer blanks.
// next moves past every line taken or passed over.
std::string JoinContinuedHex(std::string bytes, const std::vector<std::string>& lines, size_t& next);

}  // namespace reg
