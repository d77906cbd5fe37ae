// The process-wide state that the launcher, the wizard and the engine share.
// It lives from process start to process end, in this one place, under the
// names the rest of the program knows it by.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// One extra Programs-menu shortcut of the settings file.
struct ShortcutEntry {
  std::string LinkName;    // the link file is this name with ".Lnk"
  std::string TargetName;  // relative to InstallDir
  std::string IconName;    // relative to InstallDir
};

// The installation's settings, read from Setup.dip by the wizard's start-up.
struct SetupInfoRecord {
  std::string ApplicationName;
  std::string InstallDir;
  std::string ProgramGroup;
  std::string AppVersion;
  std::string ExeName;
  std::string MdeName;
  std::string MdwName;
  std::string IconName;
  std::string SoftwareHouseName;
  int32_t TotalBytes = 0;
  uint8_t ExtraShortcutCount = 0;
  // Indexed 1 to 10; element 0 is unused.
  std::array<ShortcutEntry, 11> ExtraShortcuts{};
};

extern SetupInfoRecord SetupInfo;

// Full path of the temporary work folder, without a trailing backslash.
extern std::string SourceDir;

extern bool InstallStarted;   // set by the installation sequence at its start
extern bool QuitConfirmed;    // set by the quit dialog
extern bool RestartNeeded;    // set by the copy when it deferred a replacement

// The major Windows version, 0 until IsWinNT first runs.
extern int16_t WinMajor;

// The command line that starts an installed database application.
extern std::string RunCommand;

// The file whose copy is under way (its full target path, "" between
// copies) and whether it existed before that copy began: a quit confirmed
// during the copy removes a file that did not exist, so that no partly
// written file stays behind.
extern std::string CopyUnderWay;
extern bool CopyUnderWayExisted;
// The handle of the wizard window once it exists (0 before): the owner of
// the shell calls. Kept as a number so that portable code can carry it.
extern uintptr_t WizardWindowHandle;

// A replacement of a file in use that this run deferred to the next start
// of Windows: kept so that a quit can cancel it again.
struct DeferredReplacement {
  std::string Target;       // the file in use
  std::string TempCopy;     // its new file beside it
  std::string WininitLine;  // the line written into wininit.ini
  bool WininitCreated;      // wininit.ini did not exist before that line
  bool RenameScheduled;     // the NT family's list of renames holds it too
};
extern std::vector<DeferredReplacement> DeferredReplacements;

// A file of an earlier installation that this run has moved aside, under a
// temporary name in its own folder, until what replaces it is complete: a
// quit puts it back (engine/SetAside.h).
struct SetAsideFile {
  std::string Original;  // its own full path
  std::string Aside;     // the full path it has meanwhile
};
extern std::vector<SetAsideFile> SetAsideFiles;
