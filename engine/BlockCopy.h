// The block copy of a payload file, with the setup view's labels and bars
// kept up to date, and the replacement of a file in use deferred to the next
// start of Windows (Gest_File). Windows build only.
#pragma once
#include <cstdint>
#include <string>

namespace Gest_File {

// The bytes that all copies of this run have transferred; only grows.
extern double BytesCopied;

// Copies `source` (relative to the current folder) to `target` in blocks of
// 32000 bytes, showing before each block the file's caption, the bytes
// copied and both bars through the setup view (engine/SetupView.h), after a
// yield when one is due (engine/CopyPresenter.h). True when
// the target ends with the source's length. An existing target is kept
// whole aside (engine/SetAside.h) until the new file is complete. A target
// in use (one that cannot be moved aside because another program holds it
// open) is never written into but deferred: the new file is copied beside
// it under MakeTempName, its replacement is scheduled for the next start of
// Windows (ScheduleReplacement, engine/Deferral.h), RestartNeeded becomes
// True and the result is False. A folder under the target's name is never
// replaced: False. A missing or unreadable source, a write refused in the
// new file (whatever the system's reason), and any other failure give False
// with the target left as it was: what the copy wrote is removed and what
// was there goes back. While the copy runs, CopyUnderWay /
// CopyUnderWayExisted (engine/SetupState.h) name its target.
bool CopyFileWithProgress(const std::string& source, const std::string& target);

// The same copy, telling the caller in `failure` about a failure that the
// caller must report (the classic runtime's number): one met while the
// replacement of a target in use is being deferred (no free temporary name,
// the copy beside the target or wininit.ini refused). 0 otherwise, also when
// the copy failed in a way the result alone reports (a missing or unreadable
// source, a write that failed).
bool CopyFileWithProgress(const std::string& source, const std::string& target, int& failure);

// True when nothing at all is under path's name, neither file nor folder (or
// its folder is missing); `attributes` gets what the system gave for it.
bool NothingNamed(const std::string& path, unsigned long& attributes);

// What the installer of files hands the copy beyond the two names, so that
// the copy does not look for the target again nor open it again afterwards.
struct CopyRequest {
  // The target was found missing just before: it is not looked for again.
  bool targetAbsent = false;
  // Missing by a listing of its folder taken earlier (engine/KnownNames.h),
  // not by looking just before: the copy creates the target only if
  // nothing is there, and otherwise sets targetAppeared and gives False
  // without having changed anything, for the caller to decide again.
  bool targetUnseen = false;
  bool targetAppeared = false;
  // Times to give the target once its bytes are written, before it is
  // closed (creation, last access, last write; FILETIME values), or null.
  const uint64_t* times = nullptr;
  // Set by the copy: the target got those times.
  bool timesGiven = false;
  // The attributes of a plain file to give the target before it is closed,
  // where the system can; attributesGiven tells whether it did.
  bool plainAttributes = false;
  bool attributesGiven = false;
};
bool CopyFileWithProgress(const std::string& source, const std::string& target, int& failure,
                          CopyRequest& request);

// The temporary name beside `name` that nothing has yet, hidden and system
// files and folders included (the rule of engine/TempName.h).
std::string MakeTempName(const std::string& name);

}  // namespace Gest_File
