#include "engine/TempName.h"

#include <algorithm>
#include <cstdio>

namespace TempName {

std::string MakeTempName(const std::string& name, const ExistsFn& exists) {
  if (!exists) return {};
  // Only a dot of the file's own name counts, never one of its folder's.
  const std::size_t separator = name.find_last_of("\\/:");
  const std::size_t ownName = separator == std::string::npos ? 0 : separator + 1;
  const std::size_t from = std::max(name.size() > 6 ? name.size() - 6 : 0, ownName);
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
