// The replacements of files in use that the copy defers to the next start
// of Windows (Gest_File): scheduled in wininit.ini and, on the NT family, in
// the system's own list of pending renames; cancelled again when the user
// quits. Windows build only.
#pragma once

#include <string>

namespace Gest_File {

// Schedules the replacement of target by temp, its new file beside it: the
// line target "=" temp goes at the end of wininit.ini in the Windows folder
// (on a line of its own, also when the file's last line has no line end; a
// new file begins with "[rename]"), and on the NT family the same rename
// goes into the system's list (where the user may write it). The
// replacement is kept in DeferredReplacements (engine/SetupState.h).
// 0, or the runtime's failure number when wininit.ini could not be
// written; nothing is kept then.
int ScheduleReplacement(const std::string& target, const std::string& temp);

// Cancels every replacement this run scheduled, the latest first: its
// rename leaves the system's list (every other entry stays), its line
// leaves wininit.ini (every other line stays; a wininit.ini this run made
// is deleted once only its "[rename]" is left) and its temporary copy is
// deleted. Then no restart is needed: RestartNeeded becomes False. Failures
// are passed over.
void CancelDeferredReplacements();

}  // namespace Gest_File
