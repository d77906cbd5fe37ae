#include "tests/support/InstalledMachine.h"

#include "tests/support/Driver.h"
#include "toolkit/Owners.h"

namespace testsupport {
namespace {

// A text as a C string literal shows it, cut short when long.
std::string Quoted(const std::string& text) {
  constexpr size_t kShown = 160;
  std::string out = "\"";
  for (size_t i = 0; i < text.size() && i < kShown; ++i) {
    const char c = text[i];
    if (c == '\r') out += "\\r";
    else if (c == '\n') out += "\\n";
    else if (c == '"') out += "\\\"";
    else out += c;
  }
  out += "\"";
  if (text.size() > kShown) out += "... (" + std::to_string(text.size()) + " bytes)";
  return out;
}

void Add(std::string& report, const std::string& what, const std::string& expected, const std::string& found) {
  report += what + ": expected " + expected + ", found " + found + "\n";
}

void CheckFile(const ExpectedFile& file, std::string& report) {
  const auto size = FileSize(file.path);
  if (file.absent) {
    if (size) Add(report, file.path, "nothing", "a file or folder");
    return;
  }
  if (!size) {
    Add(report, file.path, "a file or folder", "nothing");
    return;
  }
  if (file.size && *size != *file.size)
    Add(report, file.path, std::to_string(*file.size) + " bytes", std::to_string(*size) + " bytes");
  if (file.bytes) {
    const auto bytes = ReadFileBytes(file.path);
    if (!bytes) Add(report, file.path, Quoted(*file.bytes), "a file that cannot be read");
    else if (*bytes != *file.bytes) Add(report, file.path, Quoted(*file.bytes), Quoted(*bytes));
  }
}

std::string RootName(HKEY root) {
  if (root == HKEY_CURRENT_USER) return "HKCU";
  if (root == HKEY_LOCAL_MACHINE) return "HKLM";
  if (root == HKEY_CLASSES_ROOT) return "HKCR";
  return "HKU";
}

void CheckValue(const ExpectedValue& value, std::string& report) {
  const auto found = ReadRegistryValue(value.root, value.key, value.name);
  const std::string what = RootName(value.root) + "\\" + value.key + " \"" + value.name + "\"";
  const std::string shown = found ? Quoted(found->text) : "no value";
  if (!value.text) {
    if (found) Add(report, what, "no value", shown);
  } else if (!found || found->text != *value.text) {
    Add(report, what, Quoted(*value.text), shown);
  }
}

void CheckField(const std::string& what, const std::optional<std::string>& expected, const std::string& found,
                std::string& report) {
  if (expected && *expected != found) Add(report, what, Quoted(*expected), Quoted(found));
}

void CheckLink(const ExpectedLink& expected, std::string& report) {
  const auto link = ReadLinkAt(expected.path);
  if (expected.absent) {
    if (FileSize(expected.path)) Add(report, expected.path, "no link", "a file");
    return;
  }
  if (!link) {
    Add(report, expected.path, "a link", FileSize(expected.path) ? "a file that is no link" : "nothing");
    return;
  }
  if (expected.targetInAnyCase && expected.target) {
    if (Lower(*expected.target) != Lower(link->target))
      Add(report, expected.path + " target (in any case)", Quoted(*expected.target), Quoted(link->target));
  } else {
    CheckField(expected.path + " target", expected.target, link->target, report);
  }
  CheckField(expected.path + " arguments", expected.arguments, link->arguments, report);
  CheckField(expected.path + " working folder", expected.workingFolder, link->workingFolder, report);
  CheckField(expected.path + " icon", expected.iconPath, link->iconPath, report);
}

void CheckText(const ExpectedText& expected, std::string& report) {
  const auto text = ReadFileBytes(expected.path);
  if (!text) {
    Add(report, expected.path, "a text file", "nothing");
    return;
  }
  if (!text->starts_with(expected.head)) Add(report, expected.path + " head", Quoted(expected.head), Quoted(*text));
  for (const std::string& piece : expected.holds)
    if (text->find(piece) == std::string::npos) Add(report, expected.path, "to hold " + Quoted(piece), Quoted(*text));
  for (const std::string& piece : expected.lacks)
    if (text->find(piece) != std::string::npos) Add(report, expected.path, "to lack " + Quoted(piece), Quoted(*text));
  if (!text->ends_with(expected.tail))
    Add(report, expected.path + " tail", Quoted(expected.tail),
        Quoted(text->substr(text->size() > expected.tail.size() ? text->size() - expected.tail.size() : 0)));
}

void ListFiles(const std::string& folder, const std::string& relative, std::vector<FoundFile>& out) {
  for (const std::string& name : ListNames(folder + "\\*")) {
    const std::string path = folder + "\\" + name;
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) continue;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
      ListFiles(path, relative + name + "\\", out);
    else
      out.push_back({relative + name, (uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow});
  }
}

void ListValues(HKEY root, const std::string& key, std::vector<FoundValue>& out) {
  tk::RegKey opened;
  if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, opened.out()) != ERROR_SUCCESS) return;
  for (DWORD i = 0;; ++i) {
    char name[256];
    DWORD nameSize = sizeof name;
    if (RegEnumValueA(opened.get(), i, name, &nameSize, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    if (const auto value = ReadRegistryValue(root, key, name)) out.push_back({key, name, *value});
  }
  std::vector<std::string> subkeys;
  for (DWORD i = 0;; ++i) {
    char name[256];
    DWORD nameSize = sizeof name;
    if (RegEnumKeyExA(opened.get(), i, name, &nameSize, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    subkeys.push_back(name);
  }
  opened.reset();
  for (const auto& sub : subkeys) ListValues(root, key + "\\" + sub, out);
}

}  // namespace

std::optional<uint64_t> FileSize(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
  return (uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
}

std::vector<FoundFile> FilesUnder(const std::string& folder) {
  std::vector<FoundFile> files;
  ListFiles(folder, "", files);
  return files;
}

std::optional<linkreader::LinkView> ReadLinkAt(const std::string& path) {
  const tk::ComApartment com;
  return linkreader::ReadLink(path);
}

std::vector<FoundLink> LinksIn(const std::string& folder) {
  std::vector<FoundLink> links;
  for (const std::string& name : ListNames(folder + "\\*.lnk")) {
    const std::string path = folder + "\\" + name;
    links.push_back({path, ReadLinkAt(path)});
  }
  return links;
}

std::vector<FoundValue> ValuesUnder(HKEY root, const std::string& key) {
  std::vector<FoundValue> values;
  ListValues(root, key, values);
  return values;
}

std::string Differences(const InstalledMachine& expected) {
  std::string report;
  for (const ExpectedFile& file : expected.files) CheckFile(file, report);
  for (const ExpectedValue& value : expected.values) CheckValue(value, report);
  for (const ExpectedLink& link : expected.links) CheckLink(link, report);
  for (const ExpectedText& text : expected.texts) CheckText(text, report);
  return report;
}

}  // namespace testsupport
