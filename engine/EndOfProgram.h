// The end of the program, in the module Misc.
#pragma once

namespace Misc {

// Every way out of the program once the wizard is up: empties the work
// folder and removes it with its "files" sub-folder (the temporary folder
// becomes the current one; a folder that still holds a file stays),
// restarts Windows when a replacement is pending, starts the installed
// database application when the setup view's run-after-install box
// (AutoEsegui, engine/SetupView.h) is ticked, and ends the process. Never
// returns. A file that cannot be deleted stays;
// nothing is reported here (the restart object reports its own failures).
[[noreturn]] void CleanUpAndExit();

}  // namespace Misc
