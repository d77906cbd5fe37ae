// Token replacement for the file list, the registry template and the
// uninstall records.
#include "engine/Tokens.h"

#include <cstddef>

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

// The first occurrence of `token` at or after `from` that holds at least one
// character of the text itself, not only characters that values brought in
// (`inserted` marks those with a non-zero byte, one per character of `text`).
std::size_t FindTokenInText(const std::string& text, const std::string& inserted,
                            const std::string& token, std::size_t from) {
  std::size_t p = FindToken(text, token, from);
  while (p != std::string::npos) {
    std::size_t own = p;
    while (own < inserted.size() && inserted[own] != 0) ++own;
    if (own < p + token.size()) return p;
    // Every occurrence that begins before own + 1 - token.size() lies wholly
    // in inserted characters; own >= p + token.size(), so this moves on.
    p = FindToken(text, token, own + 1 - token.size());
  }
  return p;
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
    // An occurrence made only of inserted values is left alone: a value that
    // holds its token, or two that spell it where they meet, could otherwise
    // be replaced for ever. So every replacement takes away at least one
    // character of the text, and the loop comes to an end. `inserted` holds
    // one flag byte per character of work, kept in step with it.
    std::string inserted(work.size(), '\0');
    const std::size_t back = token.size() - 1;
    std::size_t p = FindTokenInText(work, inserted, token, 0);
    while (p != std::string::npos) {
      work.replace(p, token.size(), value);
      inserted.replace(p, token.size(), value.size(), '\1');
      // Nothing before p matched; an occurrence that now reaches into the
      // value may begin as far back as the token's length less one.
      p = FindTokenInText(work, inserted, token, p > back ? p - back : 0);
    }
  }
  return work;
}

}  // namespace Misc
