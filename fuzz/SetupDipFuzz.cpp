// Arbitrary bytes as a package Setup.dip: cut into lines as the numbered
// file reader does (CR LF, a lone LF or a lone CR; the last line may lack its
// end) and read as the start-up reads it. Aborts when a part fails where it
// should not or succeeds where it should not, when a field holds anything but
// the value of its own line, or when a field after the failure point was
// written.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "toolkit/Numbers.h"
#include "wizard/SetupDip.h"

namespace {

using SetupDip::Item;

void Check(bool condition) {
  if (!condition) std::abort();
}

// No line holds a line end, so no value can equal this.
const std::string kOld = "old\n";

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
  }
  return lines;
}

// Whether `value` is what a line's value from `column` on must be: the rest
// of the line from its first non-blank character, less the trailing blanks.
bool IsValueOf(const std::string& value, const std::string& line, size_t column) {
  const size_t first = line.size() < column ? std::string::npos : line.find_first_not_of(' ', column - 1);
  if (first == std::string::npos) return value.empty();
  if (value.empty() || value.back() == ' ' || line.compare(first, value.size(), value) != 0) return false;
  return line.find_first_not_of(' ', first + value.size()) == std::string::npos;
}

SetupInfoRecord Stale() {
  SetupInfoRecord info;
  info.ApplicationName = info.InstallDir = info.ProgramGroup = info.AppVersion = kOld;
  info.ExeName = info.MdeName = info.MdwName = info.IconName = info.SoftwareHouseName = kOld;
  info.TotalBytes = -7;
  info.ExtraShortcutCount = 99;
  for (ShortcutEntry& e : info.ExtraShortcuts) e = {kOld, kOld, kOld};
  return info;
}

struct TextField {
  Item item;
  size_t line;  // 0-based
  size_t column;
  std::string SetupInfoRecord::*field;
};

// Each field either holds its line's value (its item came before the
// failure point) or is untouched.
void CheckFields(const SetupInfoRecord& info, const std::vector<std::string>& lines,
                 const SetupDip::ReadResult& r, const TextField* fields, size_t count) {
  for (size_t i = 0; i < count; ++i) {
    const TextField& f = fields[i];
    const std::string& value = info.*f.field;
    if (r.ok || f.item < r.stoppedAt) {
      Check(f.line < lines.size() && IsValueOf(value, lines[f.line], f.column));
    } else {
      Check(value == kOld);
    }
  }
}

void CheckHead(const std::vector<std::string>& lines, SetupInfoRecord& info) {
  static const TextField fields[] = {
      {Item::ApplicationName, 0, 6, &SetupInfoRecord::ApplicationName},
      {Item::SoftwareHouseName, 2, 14, &SetupInfoRecord::SoftwareHouseName},
      {Item::ProgramGroup, 3, 15, &SetupInfoRecord::ProgramGroup},
      {Item::AppVersion, 4, 9, &SetupInfoRecord::AppVersion},
      {Item::InstallDir, 5, 14, &SetupInfoRecord::InstallDir},
  };
  SetupDip::LinesInMemory source(lines);
  const SetupDip::ReadResult r = SetupDip::ReadHead(source, info);
  // The head fails exactly when the file ends before line 6, at the first
  // line missing.
  Check(r.ok == (lines.size() >= 6));
  if (!r.ok) Check(static_cast<size_t>(r.stoppedAt) == lines.size());
  CheckFields(info, lines, r, fields, std::size(fields));
  Check(info.ExeName == kOld && info.TotalBytes == -7 && info.ExtraShortcutCount == 99);
}

void CheckRest(const std::vector<std::string>& lines, SetupInfoRecord& info) {
  static const TextField fields[] = {
      {Item::ExeName, 7, 10, &SetupInfoRecord::ExeName},
      {Item::MdeName, 8, 10, &SetupInfoRecord::MdeName},
      {Item::MdwName, 9, 10, &SetupInfoRecord::MdwName},
      {Item::IconName, 10, 10, &SetupInfoRecord::IconName},
  };
  std::vector<std::string> rest(lines.begin() + 6, lines.end());
  SetupDip::LinesInMemory source(rest);
  const SetupDip::ReadResult r = SetupDip::ReadRest(source, info);
  Check(r.ok || r.stoppedAt >= Item::TotalBytes);

  // TotalBytes fails exactly when line 7 is missing or its number, rounded
  // half to even, lies outside 32 bits.
  if (lines.size() < 7) {
    Check(!r.ok && r.stoppedAt == Item::TotalBytes && info.TotalBytes == -7);
  } else {
    const double v = tk::Val(SetupDip::ValueAt(lines[6], 12));
    const bool fits = v >= -2147483648.5 && v < 2147483647.5;
    Check(fits == (r.ok || r.stoppedAt != Item::TotalBytes));
    if (fits) Check(info.TotalBytes >= v - 0.5 && info.TotalBytes <= v + 0.5);
    else Check(info.TotalBytes == -7);
  }
  if (lines.size() >= 7 && lines.size() < 11 && (r.ok || r.stoppedAt != Item::TotalBytes))
    Check(!r.ok && static_cast<size_t>(r.stoppedAt) == lines.size());
  CheckFields(info, lines, r, fields, std::size(fields));

  // The groups: one begun for every three lines after line 11, at most ten.
  if (!r.ok && r.stoppedAt != Item::ExtraShortcuts) {
    Check(info.ExtraShortcutCount == 99);
    return;
  }
  const size_t extra = lines.size() - 11;
  const size_t begun = extra > 30 ? 10 : (extra + 2) / 3;
  Check(info.ExtraShortcutCount == begun);
  Check(r.ok == (extra <= 30 && extra % 3 == 0));
  const size_t whole = r.ok ? begun : (extra > 30 ? 10 : extra / 3);
  for (size_t g = 1; g <= whole; ++g) {
    const ShortcutEntry& e = info.ExtraShortcuts[g];
    const size_t first = 11 + 3 * (g - 1);
    Check(IsValueOf(e.LinkName, lines[first], 8) && IsValueOf(e.TargetName, lines[first + 1], 8) &&
          IsValueOf(e.IconName, lines[first + 2], 8));
  }
  // A group cut short keeps the raw lines it read; nothing after it is touched.
  if (whole < begun) {
    const ShortcutEntry& e = info.ExtraShortcuts[begun];
    const size_t first = 11 + 3 * (begun - 1);
    Check(e.LinkName == lines[first] && e.IconName == kOld);
    Check(e.TargetName == (extra % 3 == 2 ? lines[first + 1] : kOld));
  }
  Check(info.ExtraShortcuts[0].LinkName == kOld);
  for (size_t g = begun + 1; g < info.ExtraShortcuts.size(); ++g) Check(info.ExtraShortcuts[g].LinkName == kOld);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<std::string> lines = SplitLines(std::string(reinterpret_cast<const char*>(data), size));
  SetupInfoRecord info = Stale();
  CheckHead(lines, info);
  if (lines.size() < 6) return 0;

  const std::string folder = info.InstallDir;
  info.InstallDir = SetupDip::DefaultInstallDir(5, "C:\\Program Files", folder);
  Check(info.InstallDir == "C:\\Program Files\\" + folder);
  Check(SetupDip::DefaultInstallDir(6, "C:\\Program Files", folder) == "C:\\" + folder);
  CheckRest(lines, info);
  return 0;
}
