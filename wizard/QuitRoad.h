// The wizard's two roads out through the quit dialog: its Exit pictures
// (EndSetup, EndSetup_giallo and the small close picture ESCI_ORA) and the
// system's close command. Both show FrmQuit modally; a confirmed quit ends
// the process through Misc::CleanUpAndExit and never returns.
#pragma once

#include <cstdint>

namespace QuitRoad {

// The Exit road. Shows FrmQuit modally. When the user goes back, returns
// with nothing changed (during the copy, the copy then resumes). When the
// user confirms before the installation started, ends the process. When
// the user confirms after it started (InstallStarted), first rolls it back
// under the please-wait window ("Annullamento dell'installazione..."):
// every numbered file is closed, every path listed in the work folder's
// Uninstall.Tmp is deleted and its folder removed once empty, and the file
// whose copy was under way, when it did not exist before that copy, is
// deleted too with its folder once empty. Failures along the roll-back are
// passed over; the road still ends the process. Every confirmed quit first
// cancels the replacements the copy deferred to the next start of Windows
// (Gest_File::CancelDeferredReplacements), so no restart follows, and
// removes the folders this run made that are empty by then (such as the
// installation folder that the folder check created;
// Gest_File::RemoveFoldersMade).
void EndSetup_Click();

// The system-close road (the wizard's Form_Unload). Shows FrmQuit modally
// and sets cancel to 1, so the wizard window is never closed this way; when
// the user confirms, it ends as the Exit road does: after the installation
// started, with the same roll-back. Once the payload is copied (the
// wizard's Exit pictures disabled) it shows nothing and only keeps the
// window.
void Form_Unload(int16_t& cancel);

// While the dialog is already up (one road asked first and a close command
// reached the disabled wizard meanwhile), or while a roll-back runs (its
// yield delivers a close command), both return at once (Form_Unload with
// cancel 1) and leave the end to the road already under way.

// A confirmed quit on either road puts back the files of an earlier
// installation that the installation had set aside meanwhile (the file
// under copy, the earlier Uninstall.ini and Install.Log), through
// Gest_File::PutBackAll.

}  // namespace QuitRoad
