// The names the installation's target folders held, each folder listed once
// (Gest_File). Under Wine a name that a folder does not hold is looked for
// through the whole folder, so asking the system about each new file of a
// large folder costs as much as copying it; one listing answers for all.
// Windows build only.
#pragma once

#include <map>
#include <set>
#include <string>

namespace Gest_File {

class KnownNames {
 public:
  // True when the folder of `path` held nothing under its name, long or
  // short, file or folder, when it was listed (at the first question about
  // that folder; a folder that cannot be listed held nothing). A name may
  // have appeared since: whoever acts on the answer must create the file
  // only if nothing is there (tk::OpenNew).
  bool Absent(const std::string& path);
  // `path` names something now (a file the installation put there).
  void Add(const std::string& path);

 private:
  std::set<std::string>& Listed(const std::string& folder);

  std::map<std::string, std::set<std::string>> folders_;  // upper case
};

}  // namespace Gest_File
