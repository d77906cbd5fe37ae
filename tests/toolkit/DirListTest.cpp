#include <gtest/gtest.h>

#include <set>

#include "tests/engine/HelpersTestFolder.h"
#include "toolkit/DirList.h"

using helpers_test::ScratchFolder;

namespace {

// Every name of a listing, from its first call to its end.
std::set<std::string> ListAll(const std::string& pattern, int mask) {
  std::set<std::string> names;
  std::string name;
  int status = tk::Dir(pattern, mask, name);
  while (status == 0 && !name.empty()) {
    names.insert(name);
    status = tk::DirNext(name);
  }
  EXPECT_EQ(status, 0) << pattern;
  return names;
}

}  // namespace

TEST(DirList, MasksNeverShowHiddenOrSystemAndShowFoldersOnlyWhenAsked) {
  ScratchFolder f("dirlist_masks");
  f.File("plain.txt", FILE_ATTRIBUTE_ARCHIVE);
  f.File("normal.txt", FILE_ATTRIBUTE_NORMAL);
  f.File("ro.txt", FILE_ATTRIBUTE_READONLY);
  f.File("hidden.txt", FILE_ATTRIBUTE_HIDDEN);
  f.File("system.txt", FILE_ATTRIBUTE_SYSTEM);
  f.File("data.bin", FILE_ATTRIBUTE_ARCHIVE);
  f.Folder("sub");
  f.Folder("hiddensub", FILE_ATTRIBUTE_HIDDEN);
  f.Folder("systemsub", FILE_ATTRIBUTE_SYSTEM);

  EXPECT_EQ(ListAll(f.path() + "\\", tk::DirNormal),
            (std::set<std::string>{"plain.txt", "normal.txt", "ro.txt", "data.bin"}));
  EXPECT_EQ(ListAll(f.path() + "\\*.*", tk::DirFolders),
            (std::set<std::string>{".", "..", "plain.txt", "normal.txt", "ro.txt", "data.bin", "sub"}));
  EXPECT_EQ(ListAll(f.path() + "\\*.txt", tk::DirNormal),
            (std::set<std::string>{"plain.txt", "normal.txt", "ro.txt"}));

  // A name without wildcards: found when listable, "" when hidden.
  std::string name;
  EXPECT_EQ(tk::Dir(f.path() + "\\ro.txt", tk::DirNormal, name), 0);
  EXPECT_EQ(name, "ro.txt");
  EXPECT_EQ(tk::Dir(f.path() + "\\hidden.txt", tk::DirFolders, name), 0);
  EXPECT_EQ(name, "");
  EXPECT_EQ(tk::Dir(f.path() + "\\sub", tk::DirNormal, name), 0);
  EXPECT_EQ(name, "");
  EXPECT_EQ(tk::Dir(f.path() + "\\sub", tk::DirFolders, name), 0);
  EXPECT_EQ(name, "sub");
  // An empty folder still holds its own "." entry.
  EXPECT_EQ(tk::Dir(f.path() + "\\sub\\", tk::DirFolders, name), 0);
  EXPECT_EQ(name, ".");
}

TEST(DirList, MissingNamesGiveEmptyTextButBadNamesAndMissingDrivesFail) {
  ScratchFolder f("dirlist_fail");
  std::string name = "stale";
  EXPECT_EQ(tk::Dir(f.path() + "\\absent.txt", tk::DirNormal, name), 0);
  EXPECT_EQ(name, "");
  EXPECT_EQ(tk::Dir(f.path() + "\\nofolder\\", tk::DirFolders, name), 0);
  EXPECT_EQ(name, "");
  EXPECT_EQ(tk::Dir(f.path() + "\\nofolder\\deeper\\*.*", tk::DirNormal, name), 0);

  name = "stale";
  EXPECT_EQ(tk::Dir(f.path() + "\\a|b.txt", tk::DirNormal, name), 52);
  EXPECT_EQ(name, "");
  EXPECT_EQ(tk::Dir(f.path() + "\\*\\x.txt", tk::DirNormal, name), 52);
  EXPECT_EQ(tk::Dir(f.path() + "\\a:b", tk::DirNormal, name), 52);

  const char free = helpers_test::FreeDriveLetter();
  ASSERT_NE(free, '\0');
  EXPECT_EQ(tk::Dir(std::string(1, free) + ":\\x\\*.*", tk::DirFolders, name), 68);
  EXPECT_EQ(tk::Dir(std::string(1, free) + ":\\", tk::DirFolders, name), 68);
  EXPECT_EQ(tk::Dir(std::string(1, free) + ":\\x.txt", tk::DirNormal, name), 68);
}

TEST(DirList, NewListingAbandonsTheOldAndNextFailsOnceItEnds) {
  ScratchFolder a("dirlist_a");
  ScratchFolder b("dirlist_b");
  a.File("a1.txt");
  a.File("a2.txt");
  a.File("a3.txt");
  b.File("b1.txt");
  b.File("b2.txt");

  std::string name;
  ASSERT_EQ(tk::Dir(a.path() + "\\", tk::DirNormal, name), 0);
  EXPECT_EQ(name[0], 'a');
  ASSERT_EQ(tk::Dir(b.path() + "\\", tk::DirNormal, name), 0);
  std::set<std::string> rest{name};
  while (tk::DirNext(name) == 0 && !name.empty()) rest.insert(name);
  EXPECT_EQ(rest, (std::set<std::string>{"b1.txt", "b2.txt"}));

  // The listing ran out: a further call has nothing to continue.
  EXPECT_EQ(tk::DirNext(name), 5);
  EXPECT_EQ(name, "");
  ASSERT_EQ(tk::Dir(a.path() + "\\", tk::DirNormal, name), 0);
  tk::DirEnd();
  EXPECT_EQ(tk::DirNext(name), 5);
}
