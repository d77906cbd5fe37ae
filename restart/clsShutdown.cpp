#include "restart/clsShutdown.h"

#include <string>

#include "toolkit/App.h"
#include "toolkit/Host.h"

namespace {

// The restart object's texts. The token message keeps the blank at the end
// of its first line.
const char* const kRequestFailed = "Il sistema non può essere riavviato, si è verificato un errore.";
const char* const kNoRights = "L'utente corrente non dispone dei diritti per il riavvio del sistema";
const char* const kTokenFailed =
    "Si è verificato un errore per l'ACCESSO ai diritti di riavvio. \r\nCodice Errore PRIV-001";
const char* const kLookupFailed =
    "Si è verificato un errore per l'ACCESSO ai diritti di riavvio.\r\nCodice Errore PRIV-002";
const char* const kAdjustFailed =
    "Si è verificato un errore per l'ACCESSO ai diritti di riavvio.\r\nCodice Errore PRIV-003";

// The flags of ExitWindowsEx that need the shutdown privilege: shut down,
// restart and power off. Log-off (0) and force (4) do not.
constexpr uint32_t kPrivilegedModes = 1u | 2u | 8u;

void Warn(const char* text) { tk::MsgBox(text, tk::vbExclamation, tk::AppTitle()); }

// Owns a token handle that the host opened, and closes it through the host.
class HostToken {
 public:
  HostToken() = default;
  HostToken(const HostToken&) = delete;
  HostToken& operator=(const HostToken&) = delete;
  ~HostToken() {
    if (open_) tk::host().CloseToken(handle_);
  }

  bool Open() {
    open_ = tk::host().OpenProcessTokenForPrivileges(handle_);
    return open_;
  }
  uintptr_t get() const { return handle_; }

 private:
  uintptr_t handle_ = 0;
  bool open_ = false;
};

}  // namespace

bool clsShutdown::ShutDownDOSbasedWindows(int32_t ShutDownMode) {
  if (tk::host().RequestExitWindows(static_cast<uint32_t>(ShutDownMode), 0)) return true;
  Warn(kRequestFailed);
  return false;
}

bool clsShutdown::ShutDownNTbasedWindows(int32_t ShutDownMode) {
  const bool needsPrivilege = (static_cast<uint32_t>(ShutDownMode) & kPrivilegedModes) != 0;
  if (needsPrivilege && !SetShutDownPrivilege(true)) {
    Warn(kNoRights);
    return false;
  }
  const bool accepted = ShutDownDOSbasedWindows(ShutDownMode);
  // A failure here has shown its own box; the request's outcome stands.
  if (needsPrivilege) SetShutDownPrivilege(false);
  return accepted;
}

bool clsShutdown::SetShutDownPrivilege(bool bEnable) {
  HostToken token;
  if (!token.Open()) {
    Warn(kTokenFailed);
    return false;
  }
  uint64_t luid = 0;
  if (!tk::host().LookupShutdownPrivilege(luid)) {
    Warn(kLookupFailed);
    return false;
  }
  if (!tk::host().AdjustShutdownPrivilege(token.get(), luid, bEnable)) {
    Warn(kAdjustFailed);
    return false;
  }
  return true;
}
