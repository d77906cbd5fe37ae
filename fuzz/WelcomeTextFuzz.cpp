// Arbitrary bytes as a package Welcome.txt and an application name (split
// at the first NUL byte). Aborts when a text without "@" comes back changed,
// or when a name without "@" and without blanks is not inserted once for
// every "@", leaves an "@" behind, or the text grows by more than the names.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "wizard/WelcomeText.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

size_t Occurrences(const std::string& text, const std::string& part) {
  size_t count = 0;
  for (size_t p = text.find(part); p != std::string::npos; p = text.find(part, p + part.size())) ++count;
  return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const size_t nul = input.find('\0');
  const std::string text = input.substr(0, nul);
  const std::string name = nul == std::string::npos ? "Demo" : input.substr(nul + 1);
  const std::string result = WelcomeText::InsertAppName(text, name);

  const size_t ats = Occurrences(text, "@");
  if (ats == 0) {
    Check(result == text);
    return 0;
  }
  // Every "@" becomes a blank and the name; blanks only go.
  Check(result.size() <= text.size() + ats * name.size());
  if (name.find_first_of("@ ") != std::string::npos) return 0;
  Check(result.find('@') == std::string::npos);
  if (!name.empty()) {
    Check(Occurrences(result, name) >= ats);
    Check(result.back() != ' ');
  }
  return 0;
}
