#include "engine/PendingRenames.h"

#include <cstddef>
#include <utility>
#include <vector>

namespace PendingRenames {

bool RemoveLastLine(std::string& text, const std::string& line) {
  size_t foundStart = std::string::npos, foundEnd = 0;
  for (size_t start = 0; start < text.size();) {
    size_t end = text.find_first_of("\r\n", start);
    const size_t contentEnd = end == std::string::npos ? text.size() : end;
    if (end == std::string::npos)
      end = text.size();
    else if (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n')
      end += 2;
    else
      end += 1;
    if (text.compare(start, contentEnd - start, line) == 0) {
      foundStart = start;
      foundEnd = end;
    }
    start = end;
  }
  if (foundStart == std::string::npos) return false;
  text.erase(foundStart, foundEnd - foundStart);
  return true;
}

namespace {

// The next NUL-ended text of data from `at` (to the end when no NUL
// follows); `at` moves past its NUL.
std::wstring NextText(const std::wstring& data, size_t& at) {
  const size_t nul = data.find(L'\0', at);
  const size_t end = nul == std::wstring::npos ? data.size() : nul;
  std::wstring text = data.substr(at, end - at);
  at = end + 1;
  return text;
}

}  // namespace

bool RemoveRename(std::wstring& data, const std::wstring& from, const std::wstring& to) {
  std::vector<std::pair<std::wstring, std::wstring>> pairs;
  for (size_t at = 0; at < data.size();) {
    std::wstring source = NextText(data, at);
    if (source.empty()) break;  // the closing NUL
    std::wstring destination = at < data.size() ? NextText(data, at) : std::wstring();
    pairs.emplace_back(std::move(source), std::move(destination));
  }
  for (size_t i = pairs.size(); i-- > 0;) {
    const auto& [source, destination] = pairs[i];
    if (source != from || (destination != to && destination != L"!" + to)) continue;
    pairs.erase(pairs.begin() + static_cast<std::ptrdiff_t>(i));
    data.clear();
    for (const auto& [s, d] : pairs) {
      data += s;
      data += L'\0';
      data += d;
      data += L'\0';
    }
    if (!data.empty()) data += L'\0';
    return true;
  }
  return false;
}

}  // namespace PendingRenames
