#include "launcher/Archive.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace {

// A package of a member area of areaSize bytes, the directory text and its
// length field, planned the way the launcher reads it.
struct Planned {
  ArchiveLengthStatus lengthStatus;
  ArchivePlan plan;
};

Planned PlanPackage(const std::string& package) {
  const auto length = static_cast<int64_t>(package.size());
  const std::string field = package.size() >= 5 ? package.substr(package.size() - 5) : package;
  int32_t n = -1;
  Planned result{ReadArchiveDirectoryLength(length, field, n), {}};
  if (result.lengthStatus == ArchiveLengthStatus::Ok)
    result.plan = PlanArchiveExtraction(length, package.substr(package.size() - 5 - n, n));
  return result;
}

std::string Package(size_t areaSize, const std::string& directory) {
  // Not printf's "%05zu": the Windows C runtime does not know "z".
  std::string field = std::to_string(directory.size());
  field.insert(0, 5 - std::min<size_t>(5, field.size()), '0');
  return std::string(areaSize, 'x') + directory + field;
}

std::vector<std::string> Names(const ArchivePlan& plan) {
  std::vector<std::string> names;
  for (const ArchiveMember& m : plan.members) names.push_back(m.name);
  return names;
}

TEST(Archive, EmptyDirectoryPlansNothing) {
  const Planned p = PlanPackage("00000");
  EXPECT_EQ(p.lengthStatus, ArchiveLengthStatus::Ok);
  EXPECT_TRUE(p.plan.members.empty());
  EXPECT_EQ(p.plan.end, ArchiveEnd::EndOfDirectory);
}

TEST(Archive, ThreeMembersLieBackToBackWithTheirProgress) {
  const std::string directory = "a.txt|400;b.txt|300;c.txt|200;";
  const std::string package = Package(900, directory);
  ASSERT_EQ(directory.size(), 30u);
  ASSERT_EQ(package.size(), 935u);
  ASSERT_EQ(package.substr(930), "00030");

  const Planned p = PlanPackage(package);
  ASSERT_EQ(p.plan.members.size(), 3u);
  EXPECT_EQ(p.plan.end, ArchiveEnd::EndOfDirectory);
  const int64_t offsets[] = {0, 400, 700};
  const int32_t sizes[] = {400, 300, 200}, progress[] = {0, 43, 75};
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(p.plan.members[i].offset, offsets[i]);
    EXPECT_EQ(p.plan.members[i].size, sizes[i]);
    EXPECT_EQ(p.plan.members[i].progress, progress[i]);
  }
  EXPECT_EQ(Names(p.plan), (std::vector<std::string>{"a.txt", "b.txt", "c.txt"}));

  std::string name = "kept";
  EXPECT_EQ(GetArchiveEntry(2, directory, name), 300);
  EXPECT_EQ(name, "b.txt");
  name = "kept";
  EXPECT_EQ(GetArchiveEntry(4, directory, name), 0);
  EXPECT_EQ(GetArchiveEntry(0, directory, name), 0);
  EXPECT_EQ(GetArchiveEntry(-1, directory, name), 0);
  // Past an entry without its ";" the count of ";" runs out: no entry, not
  // the first one again.
  EXPECT_EQ(GetArchiveEntry(3, "a|1;b|2", name), 0);
  EXPECT_EQ(name, "kept");
}

TEST(Archive, ProgressRoundsHalvesToTheEvenNeighbour) {
  // 64 bytes: positions 1, 8 and 24 give 1.5625, 12.5 and 37.5 per cent.
  const Planned p = PlanPackage(Package(45, "a|7;b|16;c|20;"));
  ASSERT_EQ(p.plan.members.size(), 3u);
  EXPECT_EQ(p.plan.members[0].progress, 2);
  EXPECT_EQ(p.plan.members[1].progress, 12);
  EXPECT_EQ(p.plan.members[2].progress, 38);
}

TEST(Archive, WalkEndsAtTheFirstEntryThatEndsIt) {
  struct Case {
    std::string directory;
    size_t areaSize;
    ArchiveEnd end;
    std::vector<std::string> kept;
  };
  const Case cases[] = {
      {"a|1;b|0;c|1;", 1, ArchiveEnd::SizeZero, {"a"}},
      {"a|1;b|;c|1;", 1, ArchiveEnd::SizeZero, {"a"}},
      {"a|1;b|-1;c|1;", 1, ArchiveEnd::SizeZero, {"a"}},
      // Sizes that end before the directory: members after an end, or a
      // last member (or the only one) that is too short.
      {"a|1;b|0;c|1;", 2, ArchiveEnd::ShortOfDirectory, {"a"}},
      {"a|5;b|4;", 10, ArchiveEnd::ShortOfDirectory, {"a", "b"}},
      {"", 3, ArchiveEnd::ShortOfDirectory, {}},
      {"a|1;b|1", 2, ArchiveEnd::MissingSemicolon, {"a"}},
      {"a|1;b;c|1;", 2, ArchiveEnd::MissingSemicolon, {"a"}},
      {"a|1;bc", 2, ArchiveEnd::MissingBar, {"a"}},
      {"a|1;b|2147483648;", 2, ArchiveEnd::SizeOverflow, {"a"}},
      {"a|1;b|99999999999999999999;", 2, ArchiveEnd::SizeOverflow, {"a"}},
      {"a|5;b|6;", 10, ArchiveEnd::PastDirectory, {"a"}},
      {"a|1;b|2147483647;", 2, ArchiveEnd::PastDirectory, {"a"}},
      // Sizes read like the length field: blanks, zeros, then digits.
      {"a| 0002x;b|01;", 3, ArchiveEnd::EndOfDirectory, {"a", "b"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.directory);
    const Planned p = PlanPackage(Package(c.areaSize, c.directory));
    ASSERT_EQ(p.lengthStatus, ArchiveLengthStatus::Ok);
    EXPECT_EQ(p.plan.end, c.end);
    EXPECT_EQ(Names(p.plan), c.kept);
    EXPECT_EQ(p.plan.endIndex, static_cast<int16_t>(c.kept.size() + 1));
  }
}

TEST(Archive, NamesThatWouldLeaveTheWorkFolderEndTheWalk) {
  const std::string unsafe[] = {
      "",        ".",     "..",          "...",     " . ",        "..\\evil.dll", "sub\\a.txt",
      "sub/a.txt", "C:a.txt", "\\\\host\\s", "a\tb",    std::string("a\0b", 3), "CON", "nul.txt",
      "Lpt1 .x", "COM9",  "a?b",         "a*",      "a<b>",       "a\"b",
      // Windows also opens these as devices, in any folder: the superscript
      // digits one to three of code page 1252 and the digit zero.
      "COM0", "lpt0.txt", "COM\xB9", "com\xB2.log", "COM\xB3", "LPT\xB9 .x", "Lpt\xB2", "lpt\xB3.dat",
  };
  for (const std::string& name : unsafe) {
    SCOPED_TRACE(name);
    EXPECT_FALSE(IsSafeArchiveMemberName(name));
    const Planned p = PlanPackage(Package(2, "first|1;" + name + "|1;last|1;"));
    EXPECT_EQ(p.plan.end, ArchiveEnd::UnsafeName);
    EXPECT_EQ(Names(p.plan), std::vector<std::string>{"first"});
  }
  for (const char* name : {"a..b.txt", "CONFIG.SYS", "COM10", "Contabilità.mdb", ".profile"}) {
    EXPECT_TRUE(IsSafeArchiveMemberName(name)) << name;
  }
}

TEST(Archive, LengthFieldIsReadAsALeadingNumber) {
  struct Case {
    std::string tail;
    int64_t length;
    ArchiveLengthStatus status;
    int32_t n;
  };
  const Case cases[] = {
      {"00030", 935, ArchiveLengthStatus::Ok, 30},
      {"   30", 935, ArchiveLengthStatus::Ok, 30},
      {" 030 ", 935, ArchiveLengthStatus::Ok, 30},
      {"30abc", 935, ArchiveLengthStatus::Ok, 30},
      {"3 0  ", 935, ArchiveLengthStatus::Ok, 3},
      {"abcde", 935, ArchiveLengthStatus::Ok, 0},
      {"-0030", 935, ArchiveLengthStatus::Ok, 0},
      {"32762", 32767, ArchiveLengthStatus::Ok, 32762},
      {"32762", 32766, ArchiveLengthStatus::DoesNotFit, 0},
      {"32763", 99999, ArchiveLengthStatus::OutOfRange, 0},
      {"99999", 999999, ArchiveLengthStatus::OutOfRange, 0},
      {"00001", 5, ArchiveLengthStatus::DoesNotFit, 0},
      {"0000", 4, ArchiveLengthStatus::TooShort, 0},
      {"", 0, ArchiveLengthStatus::TooShort, 0},
      {"00000", 2147483648LL, ArchiveLengthStatus::TooLarge, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.tail);
    int32_t n = -1;
    EXPECT_EQ(ReadArchiveDirectoryLength(c.length, c.tail, n), c.status);
    EXPECT_EQ(n, c.n);
  }
  // A directory the length field could not have named plans nothing.
  EXPECT_EQ(PlanArchiveExtraction(10, "a|1;b|1;").end, ArchiveEnd::DirectoryDoesNotFit);
}

TEST(Archive, SetupFilesGoToTheTopOfTheWorkFolderWithTheirCase) {
  const std::string work = "C:\\T\\~1_2.stp";
  EXPECT_EQ(GetExtractPath(work, "Setup.DIP"), work + "\\Setup.DIP");
  EXPECT_EQ(GetExtractPath(work, "INSTALLER.EXE"), work + "\\INSTALLER.EXE");
  EXPECT_EQ(GetExtractPath(work, "AppRemove.Dll"), work + "\\AppRemove.Dll");
  EXPECT_EQ(GetExtractPath(work, "Readme.txt"), work + "\\files\\Readme.txt");
  EXPECT_EQ(GetExtractPath(work, "setup.dip.bak"), work + "\\files\\setup.dip.bak");
  EXPECT_EQ(GetExtractPath(work, "ÀSETUP.DIP"), work + "\\files\\ÀSETUP.DIP");
}

}  // namespace
