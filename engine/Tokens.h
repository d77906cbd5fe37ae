// Tokens (Misc): the twelve placeholders of the package texts and their
// replacement. Only computes; the Windows side gathers the values.
#pragma once

#include <array>
#include <string>

namespace Misc {

// The values of one installation, as the settings and the folder helpers
// give them. The three folders marked "folder" may come with or without a
// final backslash: ReplaceTokens inserts them without it.
struct TokenValues {
  std::string OfficeRuntimePath;   // Program Files folder & "\OfficeRT"
  std::string InstallDir;
  std::string AppVersion;
  std::string SoftwareHouseName;
  std::string CommonFilesFolder;   // folder
  std::string MdwName;
  std::string MdeName;
  std::string SystemDir;           // lower case, no final backslash
  std::string ApplicationName;
  std::string FontsFolder;         // folder
  std::string ProgramFilesFolder;  // folder
  std::string WindowsDir;          // lower case, no final backslash
};

// The tokens in the order ReplaceTokens handles them. "§" is byte 0xA7.
inline constexpr std::array<const char*, 12> kTokens = {
    "§§QX_Off_RT_Path§§",   "§§QX_App_Path§§",       "§§QX_Version§§",
    "§§QX_SH_Name§§",       "§§QX_WIN_SHARED_PRG§§", "§§QX_MDW§§",
    "§§QX_MDE§§",           "§§QX_WIN_SYS_PATH§§",   "§§QX_App_Name§§",
    "§§QX_WIN_FONTS_PATH§§", "§§QX_WIN_PRG§§",       "§§QX_WIN_PATH§§"};

// `text` with every token replaced by its value, the tokens taken one after
// the other in the order of kTokens and matched whatever their letter case.
// A value inserted for one token is searched for the tokens after it, never
// for those before it. With `registryFlag` the path values (OfficeRuntime,
// InstallDir, the three folders, SystemDir, WindowsDir) pass through
// DoubleBackslashes first. After each replacement the search for the same
// token goes on from where an occurrence reaching into the inserted value
// could begin, so a token joined across either end of the value is found;
// an occurrence made only of values inserted for that token (one holding it,
// or two that spell it where they meet) is left as it is, so every text, of
// any length, comes to an end.
std::string ReplaceTokens(const std::string& text, bool registryFlag,
                          const TokenValues& values);

// `text` with every backslash doubled, except a final one, which is dropped
// ("a\b\" gives "a\\b"; "\" gives "").
std::string DoubleBackslashes(const std::string& text);

}  // namespace Misc
