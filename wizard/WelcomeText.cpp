#include "wizard/WelcomeText.h"

namespace WelcomeText {

namespace {

std::string TrimBlanksRight(const std::string& s) {
  const size_t last = s.find_last_not_of(' ');
  return last == std::string::npos ? std::string() : s.substr(0, last + 1);
}

std::string TrimBlanks(const std::string& s) {
  const size_t first = s.find_first_not_of(' ');
  return first == std::string::npos ? std::string() : TrimBlanksRight(s.substr(first));
}

}  // namespace

std::string InsertAppName(const std::string& text, const std::string& appName) {
  std::string result = text;
  size_t searchFrom = 0;
  for (size_t at = result.find('@'); at != std::string::npos; at = result.find('@', searchFrom)) {
    std::string head = TrimBlanks(result.substr(0, at)) + " " + appName;
    searchFrom = head.size();
    result = head + TrimBlanksRight(result.substr(at + 1));
  }
  return result;
}

}  // namespace WelcomeText
