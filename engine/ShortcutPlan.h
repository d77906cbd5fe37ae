// ShortCuts, the plan: which shortcuts the installation makes, in order, and
// the command line that later starts an installed database application.
// Only computes; the Windows side (CreateShortcut) carries each call out.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/Csidl.h"
#include "engine/SetupState.h"

namespace ShortcutPlan {

// One call of CreateShortcut with its arguments.
struct ShortcutCall {
  int32_t Csidl = 0;
  std::string SubFolder;      // inside the shell folder; "" for none
  std::string Target;         // full path of the file the link starts
  std::string LinkName;       // the link file is this name with ".Lnk"
  std::string Arguments;      // "" for none
  std::string WorkingFolder;  // always InstallDir
  std::string Icon;           // full path of the file holding the icon
  bool CreateSubFolder = false;
};

// What the plan is made from. InstallDir has no final "\"; SystemDir and
// ProgramFilesDir are the system folder and the Program Files folder, also
// without a final "\". DeskShort is the value of the desktop check box:
// 1 when ticked.
struct PlanInput {
  const SetupInfoRecord* Info = nullptr;
  std::string InstallDir;
  int32_t WinMajor = 0;
  int32_t DeskShort = 0;
  std::string SystemDir;
  std::string ProgramFilesDir;
};

struct Plan {
  std::vector<ShortcutCall> Calls;  // in the order they are to be made
  std::string RunCommand;           // "" unless MdeName is set
};

// The calls in order: the executable's Programs link and, with the desktop
// box, its desktop link; the database application's Programs link, its
// desktop link and (on major version 5 or less) its Quick Launch link, both
// only with the desktop box; the extra entries 1 to ExtraShortcutCount (at
// most 10, a larger count is read as 10); last the uninstaller's link. The
// executable's desktop link goes onto the desktop itself, like the
// database's. RunCommand is "\"" T "\" " A for a database application, where
// T is the Access runtime under ProgramFilesDir and A its arguments (which
// begin with a blank). An Info of nullptr gives an empty plan.
Plan MakePlan(const PlanInput& input);

// Where CreateShortcut puts a call's link, given the shell folder's path as
// the system gave it (cut at its first NUL here). LinkFolder ends in "\";
// FolderToCreate is the one folder to create first, or "" when the call
// creates none (no create flag, or no sub-folder). A shell folder that is
// empty gives an empty LinkFolder: the call has nowhere to put its link.
struct LinkPlace {
  std::string FolderToCreate;
  std::string LinkFolder;
  std::string LinkFile;  // LinkFolder, the link name, ".Lnk"; "" with no folder
};
LinkPlace PlaceLink(const std::string& shellFolder, const ShortcutCall& call);

// The line of Uninstall.ini that records a link file: "LNK=" and its path.
std::string UninstallLine(const std::string& linkFile);

}  // namespace ShortcutPlan
