#include "engine/ShortcutPlan.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using ShortcutPlan::MakePlan;
using ShortcutPlan::Plan;
using ShortcutPlan::PlanInput;
using ShortcutPlan::ShortcutCall;

namespace {

const std::string kRuntime = "C:\\Program Files\\OfficeRT\\MSACCESS.EXE";
const std::string kDbArgs =
    " /wrkgrp \"C:\\Gest\\Gest.mdw\" \"C:\\Gest\\Gest.mde\" /user utente /runtime";
const std::string kRemover = "C:\\Windows\\System\\appremove.exe";

SetupInfoRecord Info(const std::string& exe, const std::string& mde, int extras) {
  SetupInfoRecord info;
  info.ApplicationName = "Gestione";
  info.ProgramGroup = "Gestione Soci";
  info.ExeName = exe;
  info.MdeName = mde;
  info.MdwName = mde.empty() ? "" : "Gest.mdw";
  info.IconName = "Gest.ico";
  info.ExtraShortcutCount = static_cast<uint8_t>(extras);
  for (int n = 1; n <= 10; ++n) {
    const std::string x = std::string("x").append(std::to_string(n));
    info.ExtraShortcuts[n] = {std::string("Extra ").append(std::to_string(n)), x + ".exe",
                              x + ".ico"};
  }
  return info;
}

Plan PlanFor(const SetupInfoRecord& info, int winMajor, int deskShort) {
  return MakePlan({&info, "C:\\Gest", winMajor, deskShort, "C:\\Windows\\System",
                   "C:\\Program Files"});
}

// The shell folder and link name of each call, in order: what decides where
// each link lands and which "LNK=" line records it.
std::vector<std::string> Places(const Plan& plan) {
  std::vector<std::string> places;
  for (const ShortcutCall& c : plan.Calls)
    places.push_back(std::to_string(c.Csidl) + "|" + c.SubFolder + "|" + c.LinkName);
  return places;
}

}  // namespace

TEST(ShortcutPlan, PlainExecutableWithoutDesktopBox) {
  const SetupInfoRecord info = Info("Gest.exe", "", 1);
  const Plan plan = PlanFor(info, 5, 0);
  EXPECT_EQ(Places(plan), (std::vector<std::string>{"23|Gestione Soci|Gestione",
                                                    "23|Gestione Soci|Extra 1",
                                                    "23|Gestione Soci|Rimuovi dal sistema"}));
  EXPECT_EQ(plan.RunCommand, "");
  const ShortcutCall& app = plan.Calls[0];
  EXPECT_EQ(app.Target, "C:\\Gest\\Gest.exe");
  EXPECT_EQ(app.Arguments, "");
  EXPECT_EQ(app.Icon, "C:\\Gest\\Gest.ico");
  EXPECT_EQ(app.WorkingFolder, "C:\\Gest");
  EXPECT_TRUE(app.CreateSubFolder);
  const ShortcutCall& extra = plan.Calls[1];
  EXPECT_EQ(extra.Target, "C:\\Gest\\x1.exe");
  EXPECT_EQ(extra.Icon, "C:\\Gest\\x1.ico");
  const ShortcutCall& remover = plan.Calls[2];
  EXPECT_EQ(remover.Target, kRemover);
  EXPECT_EQ(remover.Icon, kRemover);
  EXPECT_EQ(remover.Arguments, "/C:\\Gest");
  EXPECT_EQ(remover.WorkingFolder, "C:\\Gest");
  EXPECT_TRUE(remover.CreateSubFolder);
}

TEST(ShortcutPlan, ExecutableDesktopLinkGoesOnTheDesktopItself) {
  const SetupInfoRecord info = Info("Gest.exe", "", 0);
  const Plan plan = PlanFor(info, 5, 1);
  ASSERT_EQ(Places(plan), (std::vector<std::string>{"23|Gestione Soci|Gestione", "25||Gestione",
                                                    "23|Gestione Soci|Rimuovi dal sistema"}));
  EXPECT_FALSE(plan.Calls[1].CreateSubFolder);
  EXPECT_EQ(plan.Calls[1].Target, "C:\\Gest\\Gest.exe");
}

TEST(ShortcutPlan, DatabaseWithDesktopBoxByWindowsVersion) {
  const SetupInfoRecord info = Info("", "Gest.mde", 2);
  const Plan five = PlanFor(info, 5, 1);
  EXPECT_EQ(Places(five),
            (std::vector<std::string>{
                "23|Gestione Soci|Gestione", "25||Gestione",
                "26|Microsoft\\Internet Explorer\\Quick Launch|Gestione",
                "23|Gestione Soci|Extra 1", "23|Gestione Soci|Extra 2",
                "23|Gestione Soci|Rimuovi dal sistema"}));
  for (int row = 0; row < 3; ++row) {
    EXPECT_EQ(five.Calls[row].Target, kRuntime);
    EXPECT_EQ(five.Calls[row].Arguments, kDbArgs);
    EXPECT_EQ(five.Calls[row].Icon, "C:\\Gest\\Gest.ico");
    EXPECT_EQ(five.Calls[row].CreateSubFolder, row == 0);
  }
  // Two blanks between the quoted runtime and /wrkgrp.
  EXPECT_EQ(five.RunCommand, "\"" + kRuntime + "\"  /wrkgrp \"C:\\Gest\\Gest.mdw\" "
                             "\"C:\\Gest\\Gest.mde\" /user utente /runtime");

  const Plan four = PlanFor(info, 4, 1);
  EXPECT_EQ(Places(four), Places(five));

  const Plan six = PlanFor(info, 6, 1);
  EXPECT_EQ(Places(six), (std::vector<std::string>{
                             "23|Gestione Soci|Gestione", "25||Gestione",
                             "23|Gestione Soci|Extra 1", "23|Gestione Soci|Extra 2",
                             "23|Gestione Soci|Rimuovi dal sistema"}));
  EXPECT_EQ(six.RunCommand, five.RunCommand);
}

TEST(ShortcutPlan, DatabaseWithoutDesktopBoxHasNeitherDesktopNorQuickLaunch) {
  const SetupInfoRecord info = Info("", "Gest.mde", 0);
  for (int deskShort : {0, 2}) {
    const Plan plan = PlanFor(info, 5, deskShort);
    EXPECT_EQ(Places(plan), (std::vector<std::string>{"23|Gestione Soci|Gestione",
                                                      "23|Gestione Soci|Rimuovi dal sistema"}));
    EXPECT_FALSE(plan.RunCommand.empty());
  }
}

TEST(ShortcutPlan, ExecutableAndDatabaseBothAddressTheSameProgramsLink) {
  const SetupInfoRecord info = Info("Gest.exe", "Gest.mde", 0);
  const Plan plan = PlanFor(info, 6, 0);
  ASSERT_EQ(plan.Calls.size(), 3u);
  EXPECT_EQ(plan.Calls[0].Target, "C:\\Gest\\Gest.exe");
  EXPECT_EQ(plan.Calls[1].Target, kRuntime);  // the database's link is made second
  EXPECT_EQ(plan.Calls[1].LinkName, plan.Calls[0].LinkName);
}

TEST(ShortcutPlan, ExtraCountBeyondTheTableIsReadAsTen) {
  SetupInfoRecord info = Info("Gest.exe", "", 0);
  info.ExtraShortcutCount = 200;  // would read past the ten entries
  const Plan plan = PlanFor(info, 5, 0);
  ASSERT_EQ(plan.Calls.size(), 12u);
  EXPECT_EQ(plan.Calls[10].LinkName, "Extra 10");
  EXPECT_EQ(plan.Calls[11].LinkName, "Rimuovi dal sistema");
}

TEST(ShortcutPlan, LinkPlacesAndUninstallLines) {
  SetupInfoRecord info = Info("Gest.exe", "Gest.mde", 0);
  const Plan plan = PlanFor(info, 5, 1);
  const std::string programs = std::string("C:\\Users\\All\\Programs") + '\0' + "junk";
  const auto app = ShortcutPlan::PlaceLink(programs, plan.Calls[0]);
  EXPECT_EQ(app.FolderToCreate, "C:\\Users\\All\\Programs\\Gestione Soci");
  EXPECT_EQ(app.LinkFolder, "C:\\Users\\All\\Programs\\Gestione Soci\\");
  EXPECT_EQ(ShortcutPlan::UninstallLine(app.LinkFile),
            "LNK=C:\\Users\\All\\Programs\\Gestione Soci\\Gestione.Lnk");

  // The Quick Launch folder is never created, only used.
  const auto quick = ShortcutPlan::PlaceLink("C:\\AppData", plan.Calls[4]);
  EXPECT_EQ(quick.FolderToCreate, "");
  EXPECT_EQ(quick.LinkFile, "C:\\AppData\\Microsoft\\Internet Explorer\\Quick Launch\\Gestione.Lnk");

  // An empty program group: links straight into the Programs folder, and
  // no folder is created although the calls ask to create one.
  info.ProgramGroup = "";
  for (const ShortcutCall& call : PlanFor(info, 5, 0).Calls) {
    ASSERT_EQ(call.Csidl, Csidl::CommonPrograms);
    const auto place = ShortcutPlan::PlaceLink("C:\\Programs", call);
    EXPECT_EQ(place.FolderToCreate, "");
    EXPECT_EQ(place.LinkFile, "C:\\Programs\\" + call.LinkName + ".Lnk");
  }

  // No shell folder: no place at all, rather than the root of the drive.
  const auto nowhere = ShortcutPlan::PlaceLink(std::string(1, '\0'), plan.Calls[0]);
  EXPECT_EQ(nowhere.LinkFolder, "");
  EXPECT_EQ(nowhere.LinkFile, "");
  EXPECT_EQ(nowhere.FolderToCreate, "");
}
