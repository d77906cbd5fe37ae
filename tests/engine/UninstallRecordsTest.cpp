#include "engine/UninstallRecords.h"

#include <gtest/gtest.h>

namespace {

TEST(UninstallRecords, HeadTakesFourDipLinesAndBuildsTheGroupLine) {
  const std::vector<std::string> dip = {"Demo", " D:\\Demo ", "Gruppo", "ignored", "1.0", "six"};
  EXPECT_EQ(Gest_File::UninstallHead(dip, "C:\\Users\\u\\Programs", "Demo Group"),
            (std::vector<std::string>{"Demo", " D:\\Demo ", "Gruppo",
                                      "Program Group: C:\\Users\\u\\Programs\\Demo Group",
                                      "1.0"}));
  EXPECT_EQ(Gest_File::UninstallHead({"only"}, "P", "G"),
            (std::vector<std::string>{"only", "", "", "Program Group: P\\G", ""}));
}

TEST(UninstallRecords, TailLineForLine) {
  Misc::TokenValues v;
  v.ApplicationName = "Demo App";
  v.SoftwareHouseName = "Ditta";
  v.AppVersion = "2.1";
  v.WindowsDir = "c:\\windows";
  const std::vector<std::string> expected = {
      "",
      ";[REMOVE]",
      "05/03/2004 09.07.03",
      "",
      ";[REGISTRY SECTION]",
      "RemoveKey:LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Demo App",
      "RemoveVal:LOCAL_MACHINE\\Software\\Microsoft\\Office\\8.0\\Access\\Profiles",
      "          Demo App",
      "RemoveVal:LOCAL_MACHINE\\Software\\Microsoft\\Access Runtime\\8.0\\Profiles",
      "          Demo App",
      "RemoveVal:LOCAL_MACHINE\\Software\\Ditta\\Demo App\\2.1\\Jet\\3.5\\Engines",
      "          SystemDB",
  };
  EXPECT_EQ(Gest_File::UninstallTail("05/03/2004 09.07.03", v), expected);
  // The registry flag is off: a later token inside a name is replaced, its
  // backslashes are not doubled.
  v.ApplicationName = "§§QX_WIN_PATH§§";
  EXPECT_EQ(Gest_File::UninstallTail("", v)[7], "          c:\\windows");
}

}  // namespace
