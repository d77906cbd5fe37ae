// Token replacement for the file list, the registry template and the
// uninstall records.
#include "engine/Tokens.h"

namespace Misc {

namespace {

char UpperAscii(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// The first position at or after `from` where `token` stands in `text`,
// letter case ignored. The tokens hold only ASCII letters, "_" and "§", so
// folding ASCII letters is the whole of the comparison.
std::size_t FindToken(const std::string& text, const std::string& token, std::size_t from) {
  if (token.size() > text.size()) return std::string::npos;
  for (std::size_t p = from; p + token.size() <= text.size(); ++p) {
    std::size_t i = 0;
    while (i < token.size() && UpperAscii(text[p + i]) == UpperAscii(token[i])) ++i;
    if (i == token.size()) return p;
  }
  return std::string::npos;
}

std::string WithoutFinalBackslash(std::string folder) {
  while (!folder.empty() && folder.back() == '\\') folder.pop_back();
  return folder;
}

}  // namespace

std::string DoubleBackslashes(const std::string& text) {
  std::string out;
  out.reserve(text.size() * 2);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\') {
      out += text[i];
    } else if (i + 1 < text.size()) {
      out += "\\\\";
    }
  }
  return out;
}

std::string ReplaceTokens(const std::string& text, bool registryFlag,
                          const TokenValues& values) {
  // The folders of rows 5, 10 and 11 never end in a backslash; in registry
  // mode they are given one so that DoubleBackslashes drops it again.
  const std::string common = WithoutFinalBackslash(values.CommonFilesFolder);
  const std::string fonts = WithoutFinalBackslash(values.FontsFolder);
  const std::string programs = WithoutFinalBackslash(values.ProgramFilesFolder);
  struct Row {
    const std::string& value;
    bool doubled;
    bool folder;
  };
  const std::array<Row, 12> rows = {{{values.OfficeRuntimePath, true, false},
                                     {values.InstallDir, true, false},
                                     {values.AppVersion, false, false},
                                     {values.SoftwareHouseName, false, false},
                                     {common, true, true},
                                     {values.MdwName, false, false},
                                     {values.MdeName, false, false},
                                     {values.SystemDir, true, false},
                                     {values.ApplicationName, false, false},
                                     {fonts, true, true},
                                     {programs, true, true},
                                     {values.WindowsDir, true, false}}};

  std::string work = text;
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const std::string token = kTokens[r];
    std::string value = rows[r].value;
    if (registryFlag && rows[r].doubled) {
      value = DoubleBackslashes(rows[r].folder ? value + "\\" : value);
    }
    std::size_t p = FindToken(work, token, 0);
    while (p != std::string::npos) {
      work.replace(p, token.size(), value);
      // Go on where an occurrence could still reach past the value's end:
      // one found wholly inside the value would be found again for ever.
      const std::size_t end = p + value.size();
      const std::size_t back = token.size() - 1;
      p = FindToken(work, token, end > p + back ? end - back : p);
    }
  }
  return work;
}

}  // namespace Misc
