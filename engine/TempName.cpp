#include "engine/TempName.h"

#include <cstdio>

namespace TempName {

std::string MakeTempName(const std::string& name, const ExistsFn& exists) {
  if (!exists) return {};
  const std::size_t from = name.size() > 6 ? name.size() - 6 : 0;
  const std::size_t dot = name.find('.', from);
  const std::string base = dot == std::string::npos ? name + "." : name.substr(0, dot + 1);
  for (int i = 0; i < kMostCandidates; ++i) {
    char counter[16];
    std::snprintf(counter, sizeof counter, "%03d", i);
    std::string candidate = base + counter;
    if (!exists(candidate)) return candidate;
  }
  return {};
}

}  // namespace TempName
