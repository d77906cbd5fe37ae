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

std::vector<std::string> SplitCrLf(const std::string& text) {
  std::vector<std::string> pieces;
  if (text.empty()) return pieces;
  size_t from = 0;
  for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", from)) {
    pieces.push_back(text.substr(from, at - from));
    from = at + 2;
  }
  pieces.push_back(text.substr(from));
  return pieces;
}

}  // namespace reg
