#include "engine/ShortcutPlan.h"

#include <algorithm>

namespace ShortcutPlan {

namespace {

constexpr const char* kQuickLaunch = "Microsoft\\Internet Explorer\\Quick Launch";
constexpr const char* kUninstallerName = "Rimuovi dal sistema";
constexpr int kMostExtraShortcuts = 10;

}  // namespace

Plan MakePlan(const PlanInput& input) {
  Plan plan;
  if (!input.Info) return plan;
  const SetupInfoRecord& info = *input.Info;
  const std::string& dir = input.InstallDir;
  const std::string i = dir + "\\";
  const bool desk = input.DeskShort == 1;
  const std::string icon = i + info.IconName;
  auto add = [&](int32_t csidl, const std::string& sub, const std::string& target,
                 const std::string& name, const std::string& args, const std::string& ico,
                 bool create) {
    plan.Calls.push_back(ShortcutCall{csidl, sub, target, name, args, dir, ico, create});
  };

  if (!info.ExeName.empty()) {
    const std::string exe = i + info.ExeName;
    add(Csidl::CommonPrograms, info.ProgramGroup, exe, info.ApplicationName, "", icon, true);
    // On the desktop itself: a sub-folder there would not exist, and nothing
    // would create it, so the link could never be made.
    if (desk) add(Csidl::CommonDesktopDirectory, "", exe, info.ApplicationName, "", icon, false);
  }

  if (!info.MdeName.empty()) {
    const std::string runtime = input.ProgramFilesDir + "\\OfficeRT\\MSACCESS.EXE";
    const std::string args = " /wrkgrp \"" + i + info.MdwName + "\" \"" + i + info.MdeName +
                             "\" /user utente /runtime";
    plan.RunCommand = "\"" + runtime + "\" " + args;
    add(Csidl::CommonPrograms, info.ProgramGroup, runtime, info.ApplicationName, args, icon, true);
    if (desk) {
      add(Csidl::CommonDesktopDirectory, "", runtime, info.ApplicationName, args, icon, false);
      if (input.WinMajor <= 5)
        add(Csidl::AppData, kQuickLaunch, runtime, info.ApplicationName, args, icon, false);
    }
  }

  const int extras = std::min<int>(info.ExtraShortcutCount, kMostExtraShortcuts);
  for (int n = 1; n <= extras; ++n) {
    const ShortcutEntry& e = info.ExtraShortcuts[n];
    add(Csidl::CommonPrograms, info.ProgramGroup, i + e.TargetName, e.LinkName, "", i + e.IconName, true);
  }

  const std::string remover = input.SystemDir + "\\appremove.exe";
  add(Csidl::CommonPrograms, info.ProgramGroup, remover, kUninstallerName, "/" + dir, remover, true);
  return plan;
}

LinkPlace PlaceLink(const std::string& shellFolder, const ShortcutCall& call) {
  LinkPlace place;
  const std::string shell = shellFolder.substr(0, shellFolder.find('\0'));
  if (shell.empty()) return place;
  place.LinkFolder = shell + "\\";
  if (!call.SubFolder.empty()) {
    if (call.CreateSubFolder) place.FolderToCreate = place.LinkFolder + call.SubFolder;
    place.LinkFolder += call.SubFolder + "\\";
  }
  place.LinkFile = place.LinkFolder + call.LinkName + ".Lnk";
  return place;
}

std::string UninstallLine(const std::string& linkFile) { return "LNK=" + linkFile; }

}  // namespace ShortcutPlan
