#include "engine/TempName.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using TempName::MakeTempName;

namespace {

// A folder listing made of the given paths; records how often it was asked.
struct Listing {
  std::set<std::string> files;
  int asked = 0;
  TempName::ExistsFn Fn() {
    return [this](const std::string& path) {
      ++asked;
      return files.count(path) > 0;
    };
  }
};

}  // namespace

TEST(TempName, ReplacesTheExtensionWithTheFirstFreeCounter) {
  Listing disk;
  EXPECT_EQ(MakeTempName("C:\\Windows\\System\\Foo.dll", disk.Fn()), "C:\\Windows\\System\\Foo.000");
  disk.files = {"C:\\Windows\\System\\Foo.000"};
  EXPECT_EQ(MakeTempName("C:\\Windows\\System\\Foo.dll", disk.Fn()), "C:\\Windows\\System\\Foo.001");
  // Two files in use with one base name: the second gets the next counter.
  EXPECT_EQ(MakeTempName("C:\\Windows\\System\\Foo.ocx", disk.Fn()), "C:\\Windows\\System\\Foo.001");

  // An extension of five characters is replaced; of two dots among the last
  // six characters the first counts; a dot further left does not.
  EXPECT_EQ(MakeTempName("C:\\D\\Foo.abcde", disk.Fn()), "C:\\D\\Foo.000");
  EXPECT_EQ(MakeTempName("C:\\D\\F.a.b", disk.Fn()), "C:\\D\\F.000");
  EXPECT_EQ(MakeTempName("C:\\D\\Foo.abcdef", disk.Fn()), "C:\\D\\Foo.abcdef.000");
  EXPECT_EQ(MakeTempName("C:\\D.x\\Readme", disk.Fn()), "C:\\D.x\\Readme.000");
  // Only a dot of the file's own name counts, never one of its folder's.
  EXPECT_EQ(MakeTempName("C:\\App.1\\RUN", disk.Fn()), "C:\\App.1\\RUN.000");
  EXPECT_EQ(MakeTempName("C:\\App.1/RUN", disk.Fn()), "C:\\App.1/RUN.000");
}

TEST(TempName, CounterGrowsPastThreeDigits) {
  Listing disk;
  for (int i = 0; i < 1000; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "C:\\D\\Foo.%03d", i);
    disk.files.insert(name);
  }
  EXPECT_EQ(MakeTempName("C:\\D\\Foo.dll", disk.Fn()), "C:\\D\\Foo.1000");
}

TEST(TempName, ShortNamesAndNamesWithoutDot) {
  Listing disk;
  EXPECT_EQ(MakeTempName("a.b", disk.Fn()), "a.000");
  EXPECT_EQ(MakeTempName("ab", disk.Fn()), "ab.000");
  EXPECT_EQ(MakeTempName("", disk.Fn()), ".000");
}

TEST(TempName, GivesUpWhenEveryCandidateExists) {
  Listing disk;
  auto always = [&disk](const std::string&) {
    ++disk.asked;
    return true;
  };
  EXPECT_EQ(MakeTempName("C:\\D\\Foo.dll", always), "");
  EXPECT_EQ(disk.asked, TempName::kMostCandidates);
  EXPECT_EQ(MakeTempName("C:\\D\\Foo.dll", TempName::ExistsFn{}), "");
}
