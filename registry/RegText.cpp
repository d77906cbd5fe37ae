#include "registry/RegText.h"

#include <algorithm>

namespace reg {

std::string TrimBlanks(const std::string& text) {
  size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return std::string();
  size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

std::string WithoutChar(const std::string& text, char c) {
  std::string result = text;
  result.erase(std::remove(result.begin(), result.end(), c), result.end());
  return result;
}

std::string ReplaceChar(std::string text, char from, char to) {
  std::replace(text.begin(), text.end(), from, to);
  return text;
}

std::string LowerAscii(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  if (text.empty()) return lines;
  for (size_t from = 0;;) {
    const size_t lf = text.find('\n', from);
    size_t end = lf == std::string::npos ? text.size() : lf;
    while (end > from && text[end - 1] == '\r') --end;
    lines.push_back(text.substr(from, end - from));
    if (lf == std::string::npos) return lines;
    from = lf + 1;
  }
}

}  // namespace reg
