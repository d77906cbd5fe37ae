#include "engine/Installation.h"

#include <string>
#include <vector>

#include "engine/CopyPresenter.h"
#include "engine/Csidl.h"
#include "engine/EndOfProgram.h"
#include "engine/FileList.h"
#include "engine/Gest_File.h"
#include "engine/Import.h"
#include "engine/InstallFile.h"
#include "engine/InstallLog.h"
#include "engine/KnownNames.h"
#include "engine/Misc.h"
#include "engine/ProgramManager.h"
#include "engine/Regional.h"
#include "engine/SetAside.h"
#include "engine/SetupState.h"
#include "engine/SetupView.h"
#include "engine/ShortCuts.h"
#include "engine/SpecialFolder.h"
#include "engine/UninstallRecords.h"
#include "toolkit/DirList.h"
#include "toolkit/Events.h"
#include "toolkit/Files.h"
#include "toolkit/Host.h"
#include "toolkit/Owners.h"
#include "toolkit/Screen.h"
#include "toolkit/SystemLibrary.h"
#include "toolkit/Win.h"

namespace Gest_File {
namespace {

// The file numbers of the sequence's own records.
constexpr int kFirst = 1;
constexpr int kSecond = 2;
constexpr int kThird = 3;

const char kShellFailed[] = "QXSHELL#1 Si è verificato un errore per il file QX_SHELL.DLL\r\n";
const char kRunAsAdministrator[] =
    "Provare a rieseguire l'installazione con 'tasto destro' «Esegui come Amministratore».\r\n"
    "\r\n";
const char kWillEnd[] = "L'installazione sarà terminata.";
const char kShellMissing[] =
    "QXSHELL#2 Si è verificato un errore per il file QX_SHELL.DLL. L'installazione sarà "
    "terminata.";
const char kCompleted[] = "Installazione completata.";
const char kSomeNotInstalled[] = "\r\n\r\nAlcuni file NON sono stati installati.";
const char kNotSucceeded[] = "L'INSTALLAZIONE NON E' RIUSCITA!\r\n\r\nNessun file è stato installato.";
const char kListIn[] = "\r\nL'elenco si trova nel file:\r\n";
const char kRestartPrompt[] =
    "L'INSTALLAZIONE E' STATA COMPLETATA!\r\n\r\n"
    "Per rendere effettive le modifiche occorre RIAVVIARE il sistema.\r\n"
    "Per RIAVVIARE Windows adesso scegliere «OK».";

std::string MessageTitle() { return SetupInfo.SoftwareHouseName + " setup"; }

// Loads qx_shell.dll by its full path in the system folder (never a library
// of that name beside Setup.exe or in the work folder) and asks it to
// register itself: true when DllRegisterServer answers 0.
bool RegisterShellComponent() {
  const tk::Library library(tk::LoadSystemLibrary("qx_shell.dll"));
  if (!library) return false;
  using RegisterFn = HRESULT(__stdcall*)();
  auto* registerServer = tk::ProcAddress<RegisterFn>(library.get(), "DllRegisterServer");
  const bool registered = registerServer != nullptr && registerServer() == 0;
  return registered;
}

// Copies the shell component into the system folder and registers it from
// there; on failure tells the user and ends the program.
void InstallShellComponent(const std::string& systemDir) {
  CopyFileOver(SourceDir + "\\qx_shell.dll", systemDir + "\\qx_shell.dll");
  std::string found;
  tk::Dir(systemDir + "\\qx_shell.dll", tk::DirNormal, found);
  if (!found.empty()) {
    if (RegisterShellComponent()) return;
    std::string text = kShellFailed;
    if (WinMajor > 6) text += kRunAsAdministrator;
    text += kWillEnd;
    tk::MsgBox(text, tk::vbCritical, MessageTitle());
  } else {
    tk::Beep();
    tk::MsgBox(kShellMissing, tk::vbCritical, MessageTitle());
  }
  Misc::CleanUpAndExit();
}

// The head of Uninstall.ini: Setup.dip's lines 1 to 5, line 4 replaced by
// the program group's place.
void WriteUninstallHead() {
  std::vector<std::string> dipLines;
  if (tk::Open("Setup.dip", tk::OpenMode::Input, kFirst) == tk::errNone) {
    std::string line;
    for (int i = 0; i < 5 && tk::LineInput(kFirst, line) == tk::errNone; ++i) dipLines.push_back(line);
  }
  const std::string records = SetupInfo.InstallDir + "\\Uninstall.ini";
  SetAside(records);  // an earlier installation's, until this one has ended
  const bool created = tk::Open(records, tk::OpenMode::Output, kSecond) == tk::errNone;
  if (created) {
    const auto head = UninstallHead(dipLines, SpecialFolder::GetSpecialFolder(Csidl::Programs),
                                    SetupInfo.ProgramGroup);
    for (const auto& line : head) tk::PrintLine(kSecond, line);
  } else {
    PutBack(records);
  }
  tk::Close(kFirst);
  tk::Close(kSecond);
}

// What the file loop leaves for the end message: how many payload files
// the file list names, and how many of them failed.
struct Payload {
  int files = 0;
  int failed = 0;
};

// The file loop: every line of Setup.ftc handed to the per-file installer,
// those not installed logged in Install.Log and new files listed in
// Uninstall.Tmp (each line written through at once, so that a quit at the
// next yield reads it). A Setup.ftc that cannot be opened installs nothing;
// the records are still created empty. A file kept on purpose (a newer one
// installed) or whose replacement waits for the next start of Windows is
// logged all the same, but is no failure.
Payload InstallPayload(const std::string& installDrive) {
  const bool listOpen = tk::Open("Setup.ftc", tk::OpenMode::Input, kFirst) == tk::errNone;
  SetAside(SetupInfo.InstallDir + "\\Install.Log");
  CreateInstallLog();
  if (!InstallLogWritten()) PutBack(SetupInfo.InstallDir + "\\Install.Log");
  const bool tmpOpen = tk::Open("Uninstall.Tmp", tk::OpenMode::Output, kThird) == tk::errNone;
  // Nothing the values come from changes during the loop: read them once.
  const Misc::TokenValues values = Misc::CurrentTokenValues();
  std::string line;
  std::string folderMade;  // the previous entry's folder, made or found there
  KnownNames known;        // what the target folders held, listed once each
  Payload payload;
  while (listOpen && !tk::Eof(kFirst)) {
    if (tk::LineInput(kFirst, line) != tk::errNone) break;
    const auto entry = ParseFileListLine(Misc::ReplaceTokens(line, false, values), installDrive);
    if (!entry) continue;
    if (entry->Folder != folderMade) {
      folderMade = PathExists(entry->Folder, true, false) ? entry->Folder : std::string();
    }
    ++payload.files;
    bool existed = false, keptNewer = false;
    const size_t deferredBefore = DeferredReplacements.size();
    const bool installed = InstallFile(entry->Source, entry->Target, entry->Replace, existed, &known, &keptNewer);
    if (!installed) {
      const bool failure = !keptNewer && DeferredReplacements.size() == deferredBefore;
      if (failure) ++payload.failed;
      LogInstallLine("File non copiato: " + entry->FileName, failure);
    } else if (!existed) {
      if (tmpOpen) tk::PrintLine(kThird, entry->Target);
    }
  }
  tk::Close(kFirst);
  tk::Close(kThird);
  return payload;
}

// The tail of Uninstall.ini, dated with the setup program's own file.
void WriteUninstallTail() {
  if (tk::Open(SetupInfo.InstallDir + "\\Uninstall.ini", tk::OpenMode::Append, kFirst) != tk::errNone)
    return;
  const std::string dateLine = GetFileDateString(Misc::ProgramFile());
  for (const auto& line : UninstallTail(dateLine, Misc::CurrentTokenValues()))
    tk::PrintLine(kFirst, line);
  tk::Close(kFirst);
}

// Where the list of what failed is, when it could be written.
std::string WhereTheListIs() {
  return InstallLogWritten() ? kListIn + SetupInfo.InstallDir + "\\Install.Log" : std::string();
}

// What an end message adds when something failed.
std::string FailuresNote() {
  return InstallFailures() == 0 ? std::string() : kSomeNotInstalled + WhereTheListIs();
}

// The end message: the installation did not succeed when not one payload
// file could be installed; otherwise it is complete, or the question whether
// to restart now (Cancel drops the restart), either telling of failures.
void ShowTheEnd(const Payload& payload) {
  if (payload.files > 0 && payload.failed == payload.files) {
    tk::MsgBox(kNotSucceeded + WhereTheListIs(), tk::vbCritical, MessageTitle());
  } else if (!RestartNeeded) {
    tk::MsgBox(kCompleted + FailuresNote(), InstallFailures() == 0 ? tk::vbInformation : tk::vbExclamation,
               MessageTitle());
  } else if (tk::MsgBox(kRestartPrompt + FailuresNote(), tk::vbOKCancel | tk::vbExclamation, MessageTitle()) !=
             tk::vbOK) {
    RestartNeeded = false;
  }
}

}  // namespace

void RunInstallation(SetupView& view) {
  SetSetupView(&view);
  tk::SetMousePointer(tk::vbArrowHourglass);
  InstallStarted = true;
  const std::string installDrive = SetupInfo.InstallDir.substr(0, 2);
  const std::string systemDir = ProgramManager::GetSystemDir();

  InstallShellComponent(systemDir);
  CopyFileOver(SourceDir + "\\AppRemove.dll", systemDir + "\\AppRemove.Exe");
  CopyFileOver("MsVBvm50.dll", systemDir + "\\MsVBvm50.dll");
  PathExists(SetupInfo.InstallDir, true, false);
  tk::SetCurrentFolder(SourceDir);

  WriteUninstallHead();
  const Payload payload = InstallPayload(installDrive);
  // From here on a quit would undo a finished copy: no picture leads to it,
  // not even a click that the next yield delivers.
  view.DisableQuitPictures();
  CopyPresenter::ShowAllCopied(view);

  view.StopClock();
  view.ShowPleaseWait();
  tk::DoEvents();

  Misc::ImportSettings();
  Misc::SetRegionalFormats();
  view.SetPleaseWaitCaption("Creazione del gruppo di icone...");
  view.RefreshPleaseWait();
  ShortCuts::MakeShortcuts();
  WriteUninstallTail();
  DropAllSetAside();

  view.UnloadPleaseWait();
  tk::SetMousePointer(tk::vbDefault);
  ShowTheEnd(payload);
  Misc::CleanUpAndExit();
}

}  // namespace Gest_File
