// What an installation leaves on a machine, written down as data, and the
// one place that reads it back: files (with their contents or sizes where
// they matter), registry values, links, and the text of record files
// (Uninstall.ini, Uninstall.Tmp, Install.Log, wininit.ini). The tests
// compare a machine with such a description through Differences; the
// demo's summary lists a machine through the same readers, so that what it
// shows and what the tests check are read alike. Windows build only.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/LinkReader.h"
#include "tests/support/Registry.h"
#include "toolkit/Win.h"

namespace testsupport {

// ---- Reading what is there.

// A file's size; nullopt when there is no file or folder of that name.
std::optional<uint64_t> FileSize(const std::string& path);

// A file under a folder listed: its name relative to the folder ("Doc\x.txt").
struct FoundFile {
  std::string name;
  uint64_t size = 0;
};
// Every file under folder, each sub-folder's where the listing meets it.
std::vector<FoundFile> FilesUnder(const std::string& folder);

// A link file of a folder, with its fields when it loads as a link.
struct FoundLink {
  std::string path;
  std::optional<linkreader::LinkView> link;
};
// The "*.lnk" files of folder (the system matches the pattern in any case).
std::vector<FoundLink> LinksIn(const std::string& folder);
// One link read back; nullopt when the file does not load as a link. Enters
// a COM apartment for the read when the calling thread has none.
std::optional<linkreader::LinkView> ReadLinkAt(const std::string& path);

// A registry value under a key listed: the key it sits in, its name, its data.
struct FoundValue {
  std::string key, name;
  RegistryValue value;
};
// Every value of root\key and of its sub-keys, the key's own first.
std::vector<FoundValue> ValuesUnder(HKEY root, const std::string& key);

// ---- What must be there.

// A file or folder. With neither bytes nor size only its presence counts.
struct ExpectedFile {
  std::string path{};
  std::optional<std::string> bytes{};  // the whole contents
  std::optional<uint64_t> size{};
  bool absent = false;  // neither a file nor a folder of that name
};

// A registry value's text (up to its first NUL); with text nullopt the
// value must be missing.
struct ExpectedValue {
  HKEY root = HKEY_CURRENT_USER;
  std::string key{}, name{};
  std::optional<std::string> text{};
};

// A link file; each field that is set must match.
struct ExpectedLink {
  std::string path{};
  std::optional<std::string> target{}, arguments{}, workingFolder{}, iconPath{};
  bool targetInAnyCase = false;  // the target compared as Windows lowers it
  bool absent = false;           // no file of that name
};

// Parts of a text file such as Uninstall.ini: its head, lines it holds
// anywhere, pieces it must not hold, and its tail.
struct ExpectedText {
  std::string path{};
  std::string head{};
  std::vector<std::string> holds{};
  std::vector<std::string> lacks{};
  std::string tail{};
};

struct InstalledMachine {
  std::vector<ExpectedFile> files{};
  std::vector<ExpectedValue> values{};
  std::vector<ExpectedLink> links{};
  std::vector<ExpectedText> texts{};
};

// Every way the machine differs from the description, one line each in the
// description's order (what was expected, what was found); "" when it
// matches.
std::string Differences(const InstalledMachine& expected);

}  // namespace testsupport
