#include "launcher/Archive.h"

#include "toolkit/Numbers.h"

#include <cmath>
#include <utility>

namespace {

constexpr std::string_view kSetupFileNames[] = {
    "installer.exe", "licence.txt", "welcome.txt",  "qx_shell.dll",  "msvbvm50.dll",
    "settings.lrk",  "setup.dip",   "setup.ftc",    "appremove.dll",
};

// Names Windows opens as devices in any folder, with or without an extension.
// The ports take the digits 0 to 9 and the code page 1252 superscripts one,
// two and three (bytes B9, B2, B3).
constexpr std::string_view kDeviceNames[] = {
    "CON",  "PRN",  "AUX",  "NUL",  "CONIN$", "CONOUT$",
    "COM0", "COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7", "COM8", "COM9", "COM\xB9", "COM\xB2", "COM\xB3",
    "LPT0", "LPT1", "LPT2", "LPT3", "LPT4", "LPT5", "LPT6", "LPT7", "LPT8", "LPT9", "LPT\xB9", "LPT\xB2", "LPT\xB3",
};

// Lower case of one code page 1252 character, done here rather than through
// the user's locale so that the nine names match on every system.
char LowerCp1252(char c) {
  const auto u = static_cast<unsigned char>(c);
  if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7)) return static_cast<char>(u + 0x20);
  switch (u) {
    case 0x8A: return static_cast<char>(0x9A);  // S caron
    case 0x8C: return static_cast<char>(0x9C);  // OE ligature
    case 0x8E: return static_cast<char>(0x9E);  // Z caron
    case 0x9F: return static_cast<char>(0xFF);  // Y diaeresis
    default: return c;
  }
}

char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 0x20) : c; }

bool IsDeviceName(std::string_view name) {
  std::string_view base = name.substr(0, name.find('.'));
  while (!base.empty() && base.back() == ' ') base.remove_suffix(1);
  for (std::string_view device : kDeviceNames) {
    if (base.size() != device.size()) continue;
    bool same = true;
    for (size_t i = 0; i < base.size() && same; ++i) same = UpperAscii(base[i]) == device[i];
    if (same) return true;
  }
  return false;
}

// The entry that starts at the 0-based position start of the directory.
ArchiveEntry ReadEntryAt(const std::string& directory, size_t start) {
  ArchiveEntry entry;
  if (start >= directory.size()) return entry;
  const size_t bar = directory.find('|', start);
  if (bar == std::string::npos) {
    entry.status = ArchiveEntryStatus::MissingBar;
    return entry;
  }
  // The size ends at the first ";" after the entry's first character; one
  // that comes before the "|" leaves no size text, which is a failure too.
  const size_t semicolon = directory.find(';', start + 1);
  if (semicolon == std::string::npos || semicolon < bar) {
    entry.status = ArchiveEntryStatus::MissingSemicolon;
    return entry;
  }
  int32_t size = 0;
  if (!ReadArchiveNumber(std::string_view(directory).substr(bar + 1, semicolon - bar - 1), size)) {
    entry.status = ArchiveEntryStatus::SizeOverflow;
    return entry;
  }
  entry.status = ArchiveEntryStatus::Ok;
  entry.name = directory.substr(start, bar - start);
  entry.size = size;
  return entry;
}

// A walk that reached the package's end: only whole when the members fill
// the member area exactly.
ArchiveEnd EndOfWalk(ArchiveEnd end, int64_t membersEnd, int64_t directoryStart) {
  return membersEnd == directoryStart ? end : ArchiveEnd::ShortOfDirectory;
}

}  // namespace

bool ReadArchiveNumber(std::string_view text, int32_t& value) {
  value = 0;
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  int64_t number = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    number = number * 10 + (text[i] - '0');
    if (number > INT32_MAX) return false;
  }
  value = static_cast<int32_t>(number);
  return true;
}

ArchiveLengthStatus ReadArchiveDirectoryLength(int64_t packageLength, std::string_view lengthField,
                                               int32_t& directoryLength) {
  directoryLength = 0;
  if (packageLength < kArchiveLengthFieldSize || lengthField.size() < kArchiveLengthFieldSize)
    return ArchiveLengthStatus::TooShort;
  if (packageLength > kArchiveMaxPackageLength) return ArchiveLengthStatus::TooLarge;
  int32_t n = 0;
  ReadArchiveNumber(lengthField.substr(0, kArchiveLengthFieldSize), n);  // 5 digits always fit
  if (n > kArchiveMaxDirectoryLength) return ArchiveLengthStatus::OutOfRange;
  if (n + kArchiveLengthFieldSize > packageLength) return ArchiveLengthStatus::DoesNotFit;
  directoryLength = n;
  return ArchiveLengthStatus::Ok;
}

ArchiveEntry ReadArchiveEntry(int16_t index, const std::string& directory) {
  if (index < 1) return {};
  // Entry k starts right after the (k - 1)-th ";".
  size_t start = 0;
  for (int16_t k = 1; k < index; ++k) {
    const size_t semicolon = directory.find(';', start);
    if (semicolon == std::string::npos) return {};
    start = semicolon + 1;
  }
  return ReadEntryAt(directory, start);
}

int32_t GetArchiveEntry(int16_t index, const std::string& directory, std::string& name) {
  ArchiveEntry entry = ReadArchiveEntry(index, directory);
  if (entry.status != ArchiveEntryStatus::Ok) return 0;
  name = std::move(entry.name);
  return entry.size;
}

bool IsSafeArchiveMemberName(std::string_view name) {
  if (name.empty()) return false;
  bool onlyDotsAndBlanks = true;
  for (char c : name) {
    if (static_cast<unsigned char>(c) < 0x20) return false;
    if (std::string_view("\\/:|;<>\"?*").find(c) != std::string_view::npos) return false;
    if (c != '.' && c != ' ') onlyDotsAndBlanks = false;
  }
  return !onlyDotsAndBlanks && !IsDeviceName(name);
}

ArchivePlan PlanArchiveExtraction(int64_t packageLength, const std::string& directory) {
  ArchivePlan plan;
  const int64_t directoryStart =
      packageLength - static_cast<int64_t>(directory.size()) - kArchiveLengthFieldSize;
  if (directory.size() > static_cast<size_t>(kArchiveMaxDirectoryLength) || directoryStart < 0 ||
      packageLength > kArchiveMaxPackageLength) {
    plan.end = ArchiveEnd::DirectoryDoesNotFit;
    return plan;
  }
  // The walk reads the entries in turn, as counting ";" from the start would
  // find them, without counting again for each one. Every entry takes at
  // least one character, so the 16-bit entry number cannot run out.
  size_t start = 0;
  int64_t offset = 0;
  for (int16_t index = 1;; ++index) {
    plan.endIndex = index;
    ArchiveEntry entry = ReadEntryAt(directory, start);
    switch (entry.status) {
      case ArchiveEntryStatus::NoEntry:
        plan.end = EndOfWalk(ArchiveEnd::EndOfDirectory, offset, directoryStart);
        return plan;
      case ArchiveEntryStatus::MissingBar: plan.end = ArchiveEnd::MissingBar; return plan;
      case ArchiveEntryStatus::MissingSemicolon: plan.end = ArchiveEnd::MissingSemicolon; return plan;
      case ArchiveEntryStatus::SizeOverflow: plan.end = ArchiveEnd::SizeOverflow; return plan;
      case ArchiveEntryStatus::Ok: break;
    }
    if (entry.size == 0) {
      plan.end = EndOfWalk(ArchiveEnd::SizeZero, offset, directoryStart);
      return plan;
    }
    if (!IsSafeArchiveMemberName(entry.name)) {
      plan.end = ArchiveEnd::UnsafeName;
      return plan;
    }
    if (offset + entry.size > directoryStart) {
      plan.end = ArchiveEnd::PastDirectory;
      return plan;
    }
    const int32_t progress =
        static_cast<int32_t>(tk::RoundHalfEven(static_cast<double>(offset + 1) / static_cast<double>(packageLength) * 100.0));
    plan.members.push_back({std::move(entry.name), offset, entry.size, progress});
    offset += entry.size;
    start = directory.find(';', start) + 1;  // found: the entry has its ";"
  }
}

bool IsArchiveEndNormal(ArchiveEnd end) {
  return end == ArchiveEnd::EndOfDirectory || end == ArchiveEnd::SizeZero;
}

std::string GetExtractPath(const std::string& workDir, const std::string& name) {
  std::string lower = name;
  for (char& c : lower) c = LowerCp1252(c);
  for (std::string_view setupFile : kSetupFileNames) {
    if (lower == setupFile) return workDir + "\\" + name;
  }
  return workDir + "\\files\\" + name;
}
