#include "wizard/TargetPathText.h"

namespace TargetPathText {

std::string Clean(const std::string& path) {
  const size_t first = path.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  std::string cleaned = path.substr(first, path.find_last_not_of(' ') - first + 1);
  while (!cleaned.empty() && cleaned.back() == '\\') cleaned.pop_back();
  return cleaned;
}

Syntax CheckSyntax(const std::string& cleaned) {
  if (cleaned.find(':') != 1) return Syntax::BadDrive;
  // The drive letter and its colon are not examined.
  if (cleaned.find_first_of("/:*?\"<>|", 2) != std::string::npos) return Syntax::ForbiddenCharacter;
  if (cleaned.find("\\\\") != std::string::npos) return Syntax::NetworkPath;
  // "C:Name" is a folder under drive C's current folder, not one of the drive.
  if (cleaned.size() > 2 && cleaned[2] != '\\') return Syntax::BadDrive;
  return Syntax::Ok;
}

const char* SyntaxMessage(Syntax syntax) {
  switch (syntax) {
    case Syntax::BadDrive: return kBadDrive;
    case Syntax::ForbiddenCharacter: return kForbiddenCharacter;
    case Syntax::NetworkPath: return kNetworkPath;
    case Syntax::Ok: break;
  }
  return "";
}

}  // namespace TargetPathText
