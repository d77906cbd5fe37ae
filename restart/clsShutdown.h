// clsShutdown: logs off, restarts or shuts down Windows on either platform
// family. Every platform call goes through the toolkit's host
// (toolkit/Host.h), so that a test can answer the token calls and the
// request itself without restarting anything.
//
// Every failure is reported to the user in an exclamation box titled with
// the program's title, and the member returns False. The object has no
// state: any number may exist and each call stands alone.
#pragma once

#include <cstdint>

class clsShutdown {
 public:
  // Asks Windows (ExitWindowsEx) to act as ShutDownMode says: 0 log off,
  // 1 shut down, 2 restart, 8 power off, each optionally with 4 (force).
  // True when Windows accepted the request; otherwise shows "Il sistema non
  // può essere riavviato, si è verificato un errore." and returns False.
  bool ShutDownDOSbasedWindows(int32_t ShutDownMode);

  // The same on the NT family. When the mode holds 1, 2 or 8, the shutdown
  // privilege of the process token is enabled before the request and
  // disabled after it, whatever the request's outcome. When it cannot be
  // enabled, the privilege step's own box is followed by "L'utente corrente
  // non dispone dei diritti per il riavvio del sistema", nothing is asked of
  // Windows and the result is False. A failure to disable it again is
  // reported by its box; the request's result is returned all the same.
  bool ShutDownNTbasedWindows(int32_t ShutDownMode);

 private:
  // Enables (bEnable True) or disables the shutdown privilege of the current
  // process's token. On failure shows the PRIV-001 (token), PRIV-002
  // (look-up) or PRIV-003 (adjustment) box and returns False. The token is
  // closed on every path. An adjustment that leaves the privilege unassigned
  // (the token does not hold it: ERROR_NOT_ALL_ASSIGNED, which the host
  // reports as a failure) is the PRIV-003 failure.
  bool SetShutDownPrivilege(bool bEnable);
};
