#include "wizard/Pages.h"

#include <cstdlib>

namespace Pages {

std::string SummaryText(const std::string& folder, const std::string& group) {
  // Built as the page builds it: the folder part first, the group appended.
  std::string text = "\r\n  Percorso di installazione:\r\n     " + folder;
  text += "\r\n\r\n  Gruppo di programmi:\r\n     " + group;
  return text;
}

int ToggledCheckValue(int value) { return std::abs(value - 1); }

}  // namespace Pages
