#include "wizard/SetupDip.h"

#include "toolkit/Numbers.h"

namespace SetupDip {

namespace {

constexpr size_t kShortcutColumn = 8;
constexpr uint8_t kMaxShortcutGroups = 10;

// Reads the next line's value into `field`; false (field untouched) when the
// line cannot be read.
bool ReadValue(LineSource& lines, size_t column, std::string& field) {
  std::string line;
  if (!lines.ReadLine(line)) return false;
  field = ValueAt(line, column);
  return true;
}

struct TextLine {
  Item item;
  size_t column;
  std::string SetupInfoRecord::*field;  // null: read and not used
};

// Reads a run of text lines in order; stops at the first that fails.
template <size_t N>
ReadResult ReadTextLines(LineSource& lines, SetupInfoRecord& info, const TextLine (&table)[N]) {
  for (const TextLine& row : table) {
    std::string unused;
    std::string& target = row.field ? info.*row.field : unused;
    if (!ReadValue(lines, row.column, target)) return {false, row.item};
  }
  return {};
}

}  // namespace

bool LinesInMemory::ReadLine(std::string& line) {
  if (next_ >= lines_.size()) return false;
  line = lines_[next_++];
  return true;
}

std::string ValueAt(const std::string& line, size_t column) {
  if (column == 0 || line.size() < column) return "";
  const size_t first = line.find_first_not_of(' ', column - 1);
  if (first == std::string::npos) return "";
  const size_t last = line.find_last_not_of(' ');
  return line.substr(first, last - first + 1);
}

ReadResult ReadHead(LineSource& lines, SetupInfoRecord& info) {
  static const TextLine table[] = {
      {Item::ApplicationName, 6, &SetupInfoRecord::ApplicationName},
      {Item::UnusedLine2, 18, nullptr},
      {Item::SoftwareHouseName, 14, &SetupInfoRecord::SoftwareHouseName},
      {Item::ProgramGroup, 15, &SetupInfoRecord::ProgramGroup},
      {Item::AppVersion, 9, &SetupInfoRecord::AppVersion},
      {Item::InstallDir, 14, &SetupInfoRecord::InstallDir},
  };
  return ReadTextLines(lines, info, table);
}

std::string DefaultInstallDir(int winMajor, const std::string& programFiles,
                              const std::string& folderName) {
  const std::string base = winMajor <= 5 ? programFiles : programFiles.substr(0, 2);
  return base + "\\" + folderName;
}

ReadResult ReadRest(LineSource& lines, SetupInfoRecord& info) {
  std::string totalText;
  if (!ReadValue(lines, 12, totalText) || !tk::ToInt32(tk::Val(totalText), info.TotalBytes))
    return {false, Item::TotalBytes};

  static const TextLine names[] = {
      {Item::ExeName, 10, &SetupInfoRecord::ExeName},
      {Item::MdeName, 10, &SetupInfoRecord::MdeName},
      {Item::MdwName, 10, &SetupInfoRecord::MdwName},
      {Item::IconName, 10, &SetupInfoRecord::IconName},
  };
  if (ReadResult r = ReadTextLines(lines, info, names); !r.ok) return r;

  const ReadResult shortcutsFailed{false, Item::ExtraShortcuts};
  info.ExtraShortcutCount = 0;
  while (!lines.AtEnd()) {
    // The array holds ten entries: a further group is refused, not stored.
    if (info.ExtraShortcutCount == kMaxShortcutGroups) return shortcutsFailed;
    ++info.ExtraShortcutCount;
    ShortcutEntry& entry = info.ExtraShortcuts[info.ExtraShortcutCount];
    if (!lines.ReadLine(entry.LinkName) || !lines.ReadLine(entry.TargetName) ||
        !lines.ReadLine(entry.IconName))
      return shortcutsFailed;
    entry.LinkName = ValueAt(entry.LinkName, kShortcutColumn);
    entry.TargetName = ValueAt(entry.TargetName, kShortcutColumn);
    entry.IconName = ValueAt(entry.IconName, kShortcutColumn);
  }
  return {};
}

}  // namespace SetupDip
