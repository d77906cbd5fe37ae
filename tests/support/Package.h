// Packages for tests: the members' bytes back to back, then the directory
// "name|size;..." and its length as five digits. Written here by hand, not
// with the package writer, so that tests can also make packages that the
// writer refuses (unsafe names, empty members).
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "wizard/StartupTexts.h"

namespace testsupport {

struct Member {
  std::string name;
  std::string bytes;
};

inline std::string BuildPackage(const std::vector<Member>& members) {
  std::string body, directory;
  for (const Member& m : members) {
    body += m.bytes;
    directory += m.name + "|" + std::to_string(m.bytes.size()) + ";";
  }
  char field[16];
  std::snprintf(field, sizeof field, "%05u", static_cast<unsigned>(directory.size()));
  return body + directory + field;
}

// Every setup file the wizard's start-up looks for, each holding "x".
inline std::vector<Member> SetupFileMembers() {
  std::vector<Member> members;
  for (const char* name : StartupTexts::RequiredFiles) members.push_back({name, "x"});
  return members;
}

}  // namespace testsupport
