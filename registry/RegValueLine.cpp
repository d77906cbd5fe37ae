#include "registry/RegValueLine.h"

#include "registry/RegText.h"

namespace reg {
namespace {
// The "=" that ends a quoted name, or npos.
size_t EqualsAfterQuotedName(const std::string& line) {
  if (line.empty() || line[0] != '"') return std::string::npos;
  for (size_t quote = line.find('"', 1); quote != std::string::npos; quote = line.find('"', quote + 1)) {
    const size_t next = line.find_first_not_of(' ', quote + 1);
    if (next != std::string::npos && line[next] == '=') return next;
  }
  return std::string::npos;
}

// A line as a continuation of hex data: without double quotes and tabs,
// trimmed of blanks.
std::string HexContinuation(const std::string& line) {
  return TrimBlanks(WithoutChar(WithoutChar(line, '"'), '\t'));
}

// True for a continuation of nothing but hexadecimal digits, commas and
// blanks, maybe ending with a backslash.
bool ContinuesHex(std::string text) {
  if (text.empty()) return false;
  if (text.back() == '\\') text.pop_back();
  for (char c : text) {
    if (HexDigitValue(c) < 0 && c != ',' && c != ' ') return false;
  }
  return true;
}
}  // namespace

bool SplitValueLine(const std::string& line, ValueLine& value) {
  size_t equals = EqualsAfterQuotedName(line);
  if (equals == std::string::npos) equals = line.find('=');
  if (equals == std::string::npos) return false;
  value.name = WithoutChar(line.substr(0, equals), '"');
  value.data = WithoutChar(line.substr(equals + 1), '"');
  const size_t first = line.find_first_not_of(' ', equals + 1);
  value.quotedData = first != std::string::npos && line[first] == '"';
  return true;
}

bool ReadHexDword(const std::string& text, int32_t& number) {
  uint64_t value = 0;
  for (char c : text) {
    const int digit = HexDigitValue(c);
    if (digit < 0) break;
    value = value * 16 + static_cast<uint64_t>(digit);
    if (value > 0xFFFFFFFFull) return false;
  }
  number = static_cast<int32_t>(static_cast<uint32_t>(value));
  return true;
}

bool ParseHexData(const std::string& data, uint32_t& type, std::string& bytes) {
  const std::string start = LowerAscii(data.substr(0, 4));
  if (start == "hex:") {
    type = 3;
    bytes = data.substr(4);
    return true;
  }
  if (start != "hex(") return false;
  const size_t close = data.find("):", 4);
  if (close == std::string::npos || close == 4 || close > 4 + 8) return false;
  const std::string digits = data.substr(4, close - 4);
  for (char c : digits) {
    if (HexDigitValue(c) < 0) return false;
  }
  int32_t number = 0;
  ReadHexDword(digits, number);
  type = static_cast<uint32_t>(number);
  bytes = data.substr(close + 2);
  return true;
}

std::string JoinContinuedHex(std::string bytes, const std::vector<std::string>& lines, size_t& next) {
  while (!bytes.empty() && bytes.back() == '\\') {
    bytes.pop_back();
    std::string text;
    for (; next < lines.size(); ++next) {
      text = HexContinuation(lines[next]);
      if (!text.empty() && text[0] != ';') break;
    }
    if (!ContinuesHex(text)) break;
    bytes += text;
    ++next;
  }
  return bytes;
}

}  // namespace reg
