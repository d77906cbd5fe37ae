#include <gtest/gtest.h>

#include "wizard/SetupDip.h"

using SetupDip::Item;

namespace {

// A line whose label is `width` characters wide, followed by the value.
std::string Line(size_t width, const std::string& value) {
  return std::string(width - 1, 'x') + ":" + value;
}

// The eleven fixed lines, then `groups` shortcut groups of three lines.
std::vector<std::string> Dip(const std::string& totalBytes = "1048576", int groups = 0) {
  std::vector<std::string> lines = {
      Line(5, "Contabilità v.2.1"), Line(17, "01/02/2003"), Line(13, "Rossi Software"),
      Line(14, "Rossi"),            Line(8, "2.1.0"),       Line(13, "Contabilita"),
      Line(11, totalBytes),         Line(9, "Conta.exe"),   Line(9, "Conta.mde"),
      Line(9, "Conta.mdw"),         Line(9, "Conta.ico"),
  };
  for (int k = 1; k <= groups; ++k) {
    lines.push_back(Line(7, "Link " + std::to_string(k)));
    lines.push_back(Line(7, "prog.exe"));
    lines.push_back(Line(7, "icon.ico"));
  }
  return lines;
}

// A record whose every field holds a marker, so that untouched fields show.
SetupInfoRecord Stale() {
  SetupInfoRecord info;
  info.ApplicationName = info.InstallDir = info.ProgramGroup = info.AppVersion = "old";
  info.ExeName = info.MdeName = info.MdwName = info.IconName = info.SoftwareHouseName = "old";
  info.TotalBytes = -7;
  info.ExtraShortcutCount = 5;
  for (ShortcutEntry& e : info.ExtraShortcuts) e = {"old", "old", "old"};
  return info;
}

// The whole reading as the start-up does it, on a major version 5 system.
// Returns the failing item's result, or ok.
SetupDip::ReadResult ReadAll(std::vector<std::string> lines, SetupInfoRecord& info) {
  SetupDip::LinesInMemory source(std::move(lines));
  const SetupDip::ReadResult head = SetupDip::ReadHead(source, info);
  if (!head.ok) return head;
  info.InstallDir = SetupDip::DefaultInstallDir(5, "C:\\Program Files", info.InstallDir);
  return SetupDip::ReadRest(source, info);
}

}  // namespace

TEST(SetupDip, ValuesStartAtTheirColumnsAndLoseOnlyBlanks) {
  std::vector<std::string> lines = Dip("  42", 1);
  lines[0] = Line(5, "   Demo\t ");   // blanks go, the tab stays
  lines[2] = Line(12, "Rossi  ");     // a label one short: the value loses a letter
  lines[3] = Line(14, "");
  lines[4] = "1234567";               // shorter than its column
  lines[8] = "123456789";             // exactly as long as the label
  lines[11] = Line(7, "  Guida ");
  SetupInfoRecord info = Stale();
  ASSERT_TRUE(ReadAll(lines, info).ok);
  EXPECT_EQ(info.ApplicationName, "Demo\t");
  EXPECT_EQ(info.SoftwareHouseName, "ossi");
  EXPECT_EQ(info.ProgramGroup, "");
  EXPECT_EQ(info.AppVersion, "");
  EXPECT_EQ(info.InstallDir, "C:\\Program Files\\Contabilita");
  EXPECT_EQ(info.TotalBytes, 42);
  EXPECT_EQ(info.MdeName, "");
  EXPECT_EQ(info.IconName, "Conta.ico");
  EXPECT_EQ(info.ExtraShortcuts[1].LinkName, "Guida");
  EXPECT_EQ(info.ExtraShortcuts[1].IconName, "icon.ico");
}

TEST(SetupDip, TotalBytesRoundsHalfToEvenAndFailsOutside32Bits) {
  const std::pair<std::string, int32_t> read[] = {
      {"1.5", 2}, {"2.5", 2}, {"3.5", 4}, {"1 000", 1000}, {"abc", 0}, {"&H400", 1024},
      {"-2147483648", INT32_MIN}, {"2147483647.4", INT32_MAX},
  };
  for (const auto& [text, expected] : read) {
    SetupInfoRecord info = Stale();
    EXPECT_TRUE(ReadAll(Dip(text), info).ok) << text;
    EXPECT_EQ(info.TotalBytes, expected) << text;
  }
  for (const std::string text : {"3000000000", "2147483647.5", "-2147483649", "1e400"}) {
    SetupInfoRecord info = Stale();
    const SetupDip::ReadResult r = ReadAll(Dip(text), info);
    EXPECT_FALSE(r.ok) << text;
    EXPECT_EQ(r.stoppedAt, Item::TotalBytes) << text;
    // What came before keeps its new value, the rest its old one.
    EXPECT_EQ(info.InstallDir, "C:\\Program Files\\Contabilita");
    EXPECT_EQ(info.TotalBytes, -7);
    EXPECT_EQ(info.ExeName, "old");
    EXPECT_EQ(info.ExtraShortcutCount, 5);
  }
}

TEST(SetupDip, AShortFileStopsAtTheFirstMissingLine) {
  const std::pair<size_t, Item> cases[] = {{0, Item::ApplicationName}, {3, Item::ProgramGroup},
                                           {9, Item::MdwName}};
  for (const auto& [count, item] : cases) {
    std::vector<std::string> lines = Dip();
    lines.resize(count);
    SetupInfoRecord info = Stale();
    const SetupDip::ReadResult r = ReadAll(lines, info);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.stoppedAt, item);
    EXPECT_EQ(info.SoftwareHouseName, count > 2 ? "Rossi Software" : "old") << count;
    EXPECT_EQ(info.MdeName, count > 8 ? "Conta.mde" : "old") << count;
    EXPECT_EQ(info.MdwName, "old");
  }
}

TEST(SetupDip, ShortcutGroupsCountFromZeroUpToTen) {
  struct Case {
    int groups;
    bool emptyLineAfter;
    bool ok;
    int count;
  };
  // An empty line after the last group begins a further one, which the end
  // of the file cuts short; an eleventh group is refused before it is counted.
  const Case cases[] = {{0, false, true, 0}, {1, false, true, 1},   {10, false, true, 10},
                        {1, true, false, 2}, {11, false, false, 10}};
  for (const Case& c : cases) {
    std::vector<std::string> lines = Dip("0", c.groups);
    if (c.emptyLineAfter) lines.push_back("");
    SetupInfoRecord info = Stale();
    const SetupDip::ReadResult r = ReadAll(lines, info);
    EXPECT_EQ(r.ok, c.ok) << c.groups;
    if (!c.ok) {
      EXPECT_EQ(r.stoppedAt, Item::ExtraShortcuts);
    }
    EXPECT_EQ(info.ExtraShortcutCount, c.count) << c.groups;
    EXPECT_EQ(info.ExtraShortcuts[1].LinkName, c.groups ? "Link 1" : "old");
    if (c.emptyLineAfter) {
      EXPECT_EQ(info.ExtraShortcuts[2].LinkName, "");
      EXPECT_EQ(info.ExtraShortcuts[2].TargetName, "old");
    }
  }
}

TEST(SetupDip, DefaultInstallDirByMajorVersion) {
  const std::string pf = "C:\\Program Files";
  EXPECT_EQ(SetupDip::DefaultInstallDir(5, pf, "Gestionale"), "C:\\Program Files\\Gestionale");
  EXPECT_EQ(SetupDip::DefaultInstallDir(6, pf, "Gestionale"), "C:\\Gestionale");
  EXPECT_EQ(SetupDip::DefaultInstallDir(10, "D:\\Programmi", "Gestionale"), "D:\\Gestionale");
}
