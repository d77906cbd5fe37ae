#include <gtest/gtest.h>

#include "wizard/SetupDip.h"

using SetupDip::Item;
using SetupDip::LinesInMemory;
using SetupDip::ReadResult;

namespace {

// A line whose label is `width` characters wide, followed by the value.
std::string Line(size_t width, const std::string& value) {
  return std::string(width - 1, 'x') + ":" + value;
}

// The eleven fixed lines of a well-formed file.
std::vector<std::string> Head(const std::string& totalBytes = "1048576") {
  return {
      Line(5, "Contabilità v.2.1"), Line(17, "01/02/2003"), Line(13, "Rossi Software"),
      Line(14, "Rossi"),            Line(8, "2.1.0"),       Line(13, "Contabilita"),
      Line(11, totalBytes),         Line(9, "Conta.exe"),   Line(9, "Conta.mde"),
      Line(9, "Conta.mdw"),         Line(9, "Conta.ico"),
  };
}

void AddGroup(std::vector<std::string>& lines, int k) {
  const std::string n = std::to_string(k);
  lines.push_back(Line(7, "Link " + n));
  lines.push_back(Line(7, "prog" + n + ".exe"));
  lines.push_back(Line(7, "icon" + n + ".ico"));
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
struct Outcome {
  ReadResult head, rest;
};
Outcome ReadAll(std::vector<std::string> lines, SetupInfoRecord& info) {
  LinesInMemory source(std::move(lines));
  Outcome o{SetupDip::ReadHead(source, info), {}};
  if (!o.head.ok) return o;
  info.InstallDir = SetupDip::DefaultInstallDir(5, "C:\\Program Files", info.InstallDir);
  o.rest = SetupDip::ReadRest(source, info);
  return o;
}

}  // namespace

TEST(SetupDip, ValuesStartAtTheirColumnsAndLoseOnlyBlanks) {
  std::vector<std::string> lines = {
      Line(5, "   Demo\t "),        // blanks go, the tab stays
      "short",                       // line 2, shorter than its column
      Line(12, "Rossi  "),           // a label one short: the value loses its first letter
      Line(14, ""),                  // nothing after the label
      "1234567",                     // shorter than column 9
      Line(13, " Demo App "),
      Line(11, "  42"),
      Line(9, "App.exe"),
      "123456789",                   // exactly as long as the label
      Line(9, "\tW.mdw"),
      Line(9, "Icona.ico   "),
      Line(7, "  Guida "),
      Line(7, "sub\\guida.chm"),
      "1234567",
  };
  SetupInfoRecord info = Stale();
  Outcome o = ReadAll(lines, info);
  ASSERT_TRUE(o.head.ok);
  ASSERT_TRUE(o.rest.ok);
  EXPECT_EQ(info.ApplicationName, "Demo\t");
  EXPECT_EQ(info.SoftwareHouseName, "ossi");
  EXPECT_EQ(info.ProgramGroup, "");  // label only
  EXPECT_EQ(info.AppVersion, "");
  EXPECT_EQ(info.InstallDir, "C:\\Program Files\\Demo App");
  EXPECT_EQ(info.TotalBytes, 42);
  EXPECT_EQ(info.ExeName, "App.exe");
  EXPECT_EQ(info.MdeName, "");
  EXPECT_EQ(info.MdwName, "\tW.mdw");
  EXPECT_EQ(info.IconName, "Icona.ico");
  ASSERT_EQ(info.ExtraShortcutCount, 1);
  EXPECT_EQ(info.ExtraShortcuts[1].LinkName, "Guida");
  EXPECT_EQ(info.ExtraShortcuts[1].TargetName, "sub\\guida.chm");
  EXPECT_EQ(info.ExtraShortcuts[1].IconName, "");
}

TEST(SetupDip, TotalBytesIsTheLeadingNumberRoundedHalfToEven) {
  const std::pair<std::string, int32_t> cases[] = {
      {"1.5", 2},      {"2.5", 2},           {"3.5", 4},
      {"1 000", 1000}, {"abc", 0},           {"&H400", 1024},
      {"12 MB", 12},   {"-2147483648", INT32_MIN}, {"2147483647.4", INT32_MAX},
  };
  for (const auto& [text, expected] : cases) {
    SetupInfoRecord info = Stale();
    Outcome o = ReadAll(Head(text), info);
    EXPECT_TRUE(o.rest.ok) << text;
    EXPECT_EQ(info.TotalBytes, expected) << text;
  }
}

TEST(SetupDip, ATotalOutside32BitsStopsTheReadingThere) {
  for (const std::string text : {"3000000000", "2147483647.5", "-2147483649", "1e400"}) {
    SetupInfoRecord info = Stale();
    Outcome o = ReadAll(Head(text), info);
    ASSERT_TRUE(o.head.ok);
    EXPECT_FALSE(o.rest.ok) << text;
    EXPECT_EQ(o.rest.stoppedAt, Item::TotalBytes) << text;
    // Lines 1 to 6 and the folder keep their new values, the rest the old.
    EXPECT_EQ(info.ApplicationName, "Contabilità v.2.1");
    EXPECT_EQ(info.InstallDir, "C:\\Program Files\\Contabilita");
    EXPECT_EQ(info.TotalBytes, -7);
    EXPECT_EQ(info.ExeName, "old");
    EXPECT_EQ(info.IconName, "old");
    EXPECT_EQ(info.ExtraShortcutCount, 5);
  }
}

TEST(SetupDip, AShortFileStopsAtTheFirstMissingLine) {
  const std::vector<std::string> full = Head();
  std::vector<std::string> three(full.begin(), full.begin() + 3);
  SetupInfoRecord info = Stale();
  Outcome o = ReadAll(three, info);
  EXPECT_FALSE(o.head.ok);
  EXPECT_EQ(o.head.stoppedAt, Item::ProgramGroup);
  EXPECT_EQ(info.ApplicationName, "Contabilità v.2.1");
  EXPECT_EQ(info.SoftwareHouseName, "Rossi Software");
  EXPECT_EQ(info.ProgramGroup, "old");
  EXPECT_EQ(info.InstallDir, "old");

  std::vector<std::string> nine(full.begin(), full.begin() + 9);
  info = Stale();
  o = ReadAll(nine, info);
  EXPECT_TRUE(o.head.ok);
  EXPECT_FALSE(o.rest.ok);
  EXPECT_EQ(o.rest.stoppedAt, Item::MdwName);
  EXPECT_EQ(info.TotalBytes, 1048576);
  EXPECT_EQ(info.MdeName, "Conta.mde");
  EXPECT_EQ(info.MdwName, "old");
  EXPECT_EQ(info.ExtraShortcutCount, 5);
}

TEST(SetupDip, ShortcutGroupsAreCountedFromZeroUpToTen) {
  SetupInfoRecord info = Stale();
  Outcome o = ReadAll(Head(), info);
  EXPECT_TRUE(o.rest.ok);
  EXPECT_EQ(info.ExtraShortcutCount, 0);  // an earlier run's 5 is gone
  EXPECT_EQ(info.ExtraShortcuts[1].LinkName, "old");

  std::vector<std::string> lines = Head();
  for (int k = 1; k <= 10; ++k) AddGroup(lines, k);
  info = Stale();
  o = ReadAll(lines, info);
  EXPECT_TRUE(o.rest.ok);
  ASSERT_EQ(info.ExtraShortcutCount, 10);
  EXPECT_EQ(info.ExtraShortcuts[1].LinkName, "Link 1");
  EXPECT_EQ(info.ExtraShortcuts[10].TargetName, "prog10.exe");
  EXPECT_EQ(info.ExtraShortcuts[10].IconName, "icon10.ico");

  // An eleventh group is refused before anything of it is stored.
  AddGroup(lines, 11);
  info = Stale();
  o = ReadAll(lines, info);
  EXPECT_FALSE(o.rest.ok);
  EXPECT_EQ(o.rest.stoppedAt, Item::ExtraShortcuts);
  EXPECT_EQ(info.ExtraShortcutCount, 10);
  EXPECT_EQ(info.ExtraShortcuts[10].LinkName, "Link 10");
}

TEST(SetupDip, AnIncompleteLastGroupFailsWithTheCountAlreadyRaised) {
  // An empty line after the last group begins a further group.
  std::vector<std::string> lines = Head();
  AddGroup(lines, 1);
  lines.push_back("");
  SetupInfoRecord info = Stale();
  Outcome o = ReadAll(lines, info);
  EXPECT_FALSE(o.rest.ok);
  EXPECT_EQ(o.rest.stoppedAt, Item::ExtraShortcuts);
  EXPECT_EQ(info.ExtraShortcutCount, 2);
  EXPECT_EQ(info.ExtraShortcuts[1].LinkName, "Link 1");
  EXPECT_EQ(info.ExtraShortcuts[2].LinkName, "");
  EXPECT_EQ(info.ExtraShortcuts[2].TargetName, "old");

  // Lines are stored as read and converted only once the group is whole.
  lines = Head();
  lines.push_back(Line(7, "  Guida"));
  lines.push_back(Line(7, "guida.exe"));
  info = Stale();
  o = ReadAll(lines, info);
  EXPECT_FALSE(o.rest.ok);
  EXPECT_EQ(info.ExtraShortcutCount, 1);
  EXPECT_EQ(info.ExtraShortcuts[1].LinkName, "xxxxxx:  Guida");
  EXPECT_EQ(info.ExtraShortcuts[1].TargetName, "xxxxxx:guida.exe");
  EXPECT_EQ(info.ExtraShortcuts[1].IconName, "old");
}

TEST(SetupDip, DefaultInstallDirByMajorVersion) {
  const std::string pf = "C:\\Program Files";
  EXPECT_EQ(SetupDip::DefaultInstallDir(4, pf, "Gestionale"), "C:\\Program Files\\Gestionale");
  EXPECT_EQ(SetupDip::DefaultInstallDir(5, pf, "Gestionale"), "C:\\Program Files\\Gestionale");
  EXPECT_EQ(SetupDip::DefaultInstallDir(6, pf, "Gestionale"), "C:\\Gestionale");
  EXPECT_EQ(SetupDip::DefaultInstallDir(10, "D:\\Programmi (x86)", "Gestionale"), "D:\\Gestionale");
}
