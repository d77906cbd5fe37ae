#include "engine/KnownNames.h"

#include "toolkit/Files.h"
#include "toolkit/Win.h"

namespace Gest_File {
namespace {

// Names compare as the file system compares them: without regard to case.
std::string Upper(std::string text) {
  if (!text.empty()) ::CharUpperBuffA(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

// The folder part and the name of a path, split at its last "\".
std::pair<std::string, std::string> Split(const std::string& path) {
  const size_t slash = path.find_last_of('\\');
  if (slash == std::string::npos) return {std::string(), path};
  return {path.substr(0, slash), path.substr(slash + 1)};
}

}  // namespace

std::set<std::string>& KnownNames::Listed(const std::string& folder) {
  const std::string key = Upper(folder);
  auto found = folders_.find(key);
  if (found != folders_.end()) return found->second;
  std::set<std::string>& names = folders_[key];
  tk::ForEachNameIn(folder, [&](const std::string& name, const std::string& shortName) {
    names.insert(Upper(name));
    if (!shortName.empty()) names.insert(Upper(shortName));
  });
  return names;
}

bool KnownNames::Absent(const std::string& path) {
  const auto [folder, name] = Split(path);
  // A bare name or a drive's root: nothing is assumed.
  if (folder.empty() || folder.back() == ':' || name.empty()) return false;
  return Listed(folder).count(Upper(name)) == 0;
}

void KnownNames::Add(const std::string& path) {
  const auto [folder, name] = Split(path);
  if (folder.empty() || folder.back() == ':' || name.empty()) return;
  Listed(folder).insert(Upper(name));
}

}  // namespace Gest_File
