#include "wizard/TargetPath.h"

#include <vector>

#include "engine/BlockCopy.h"
#include "engine/Gest_File.h"
#include "engine/Import.h"
#include "engine/SetupState.h"
#include "toolkit/DirList.h"
#include "toolkit/Files.h"
#include "toolkit/Host.h"
#include "wizard/TargetPathText.h"

namespace {

std::string Title() { return SetupInfo.SoftwareHouseName + " setup"; }

bool Reject(const char* text, bool beep) {
  if (beep) tk::Beep();
  tk::MsgBox(text, tk::vbExclamation | tk::vbOKOnly, Title());
  return true;
}

// The lines of the work folder's file list; none when it cannot be read.
std::vector<std::string> FileListLines() {
  std::vector<std::string> lines;
  const int list = tk::FreeFile();
  if (list == 0 || tk::Open(SourceDir + "\\Setup.ftc", tk::OpenMode::Input, list) != tk::errNone) return lines;
  tk::FileNumberGuard closeList(list);
  std::string line;
  while (!tk::Eof(list) && tk::LineInput(list, line) == tk::errNone) lines.push_back(line);
  return lines;
}

// Whether a new file can be created in the folder: one is made under a
// name nothing holds yet, and deleted again.
bool CanCreateFileIn(const std::string& folder) {
  const int probe = tk::FreeFile();
  const std::string name = Gest_File::MakeTempName(folder + "\\~Setup");
  if (probe == 0 || name.empty() || tk::OpenNew(name, probe) != tk::errNone) return false;
  tk::Close(probe);
  tk::Kill(name);
  return true;
}

}  // namespace

bool CheckTargetPath(std::string& path) {
  using namespace TargetPathText;
  path = Clean(path);

  const Syntax syntax = CheckSyntax(path);
  if (syntax != Syntax::Ok) return Reject(SyntaxMessage(syntax), true);
  if (LongestPathBelow(path, FileListLines(), Misc::CurrentTokenValues()) > kLongestPath)
    return Reject(kTooLong, true);

  if (Gest_File::PathExists(path, false, true)) {
    if (!CanCreateFileIn(path)) return Reject(kNotWritable, true);
    // Only ordinary files count: sub-folders, hidden and system files do not.
    std::string first;
    const int err = tk::Dir(path + "\\*.*", tk::DirNormal, first);
    tk::DirEnd();
    // A folder that cannot be listed is not one to install into.
    if (err != 0) return Reject(kUnexpected, true);
    if (first.empty()) return false;

    tk::Beep();
    if (tk::MsgBox(kHoldsFiles, tk::vbYesNo | tk::vbExclamation, Title()) == tk::vbYes) return false;
    return Reject(kChooseAnother, false);
  }

  if (tk::MsgBox(kCreateMissing, tk::vbYesNo | tk::vbQuestion, Title()) != tk::vbYes) {
    return Reject(kChooseAnother, false);
  }
  if (!Gest_File::PathExists(path, true, true)) return true;
  return !CanCreateFileIn(path) && Reject(kNotWritable, true);
}

bool CheckProgramGroup(const std::string& group) {
  return TargetPathText::HoldsForbiddenCharacter(group) && Reject(TargetPathText::kForbiddenCharacter, true);
}
