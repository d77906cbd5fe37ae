#include "wizard/TargetPathText.h"

#include <algorithm>

#include "engine/FileList.h"

namespace TargetPathText {

bool HoldsForbiddenCharacter(const std::string& text, size_t from) {
  return text.find_first_of(kForbiddenCharacters, from) != std::string::npos;
}

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
  if (HoldsForbiddenCharacter(cleaned, 2)) return Syntax::ForbiddenCharacter;
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

namespace {

bool StartsWithNoCase(const std::string& text, const std::string& head) {
  return text.size() >= head.size() &&
         std::equal(head.begin(), head.end(), text.begin(), [](char a, char b) {
           const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
           return lower(a) == lower(b);
         });
}

}  // namespace

size_t LongestPathBelow(const std::string& folder, const std::vector<std::string>& fileList,
                        Misc::TokenValues values) {
  values.InstallDir = folder;
  const std::string below = folder + "\\";
  size_t longest = below.size() + std::char_traits<char>::length(kRecordName);
  for (const std::string& line : fileList) {
    const auto entry = Gest_File::ParseFileListLine(Misc::ReplaceTokens(line, false, values), folder.substr(0, 2));
    if (entry && StartsWithNoCase(entry->Target, below)) longest = std::max(longest, entry->Target.size());
  }
  return longest;
}

}  // namespace TargetPathText
