#include "wizard/TargetPath.h"

#include "engine/Gest_File.h"
#include "engine/SetupState.h"
#include "toolkit/DirList.h"
#include "toolkit/Host.h"
#include "wizard/TargetPathText.h"

namespace {

std::string Title() { return SetupInfo.SoftwareHouseName + " setup"; }

bool Reject(const char* text, bool beep) {
  if (beep) tk::Beep();
  tk::MsgBox(text, tk::vbExclamation | tk::vbOKOnly, Title());
  return true;
}

}  // namespace

bool CheckTargetPath(std::string& path) {
  using namespace TargetPathText;
  path = Clean(path);

  const Syntax syntax = CheckSyntax(path);
  if (syntax != Syntax::Ok) return Reject(SyntaxMessage(syntax), true);

  if (Gest_File::PathExists(path, false, true)) {
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
  return !Gest_File::PathExists(path, true, true);
}
