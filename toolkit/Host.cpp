#include "toolkit/Host.h"

#include <cstdlib>

namespace tk {
namespace {
Host* current = nullptr;
const Form* boxOwner = nullptr;
}  // namespace

Host& host() { return current ? *current : DefaultHost(); }

void SetHost(Host* h) { current = h; }

void SetMessageBoxOwner(const Form* owner) { boxOwner = owner; }
const Form* MessageBoxOwner() { return boxOwner; }

// The base class passes every call on to the default host.
int Host::ShowMessageBox(const std::string& text, int style, const std::string& title) {
  return DefaultHost().ShowMessageBox(text, style, title);
}
void Host::Beep() { DefaultHost().Beep(); }
void Host::EndProcess(unsigned exitCode) {
  DefaultHost().EndProcess(exitCode);
  std::abort();  // not reached: the default never returns
}
int Host::SafeModeMetric() { return DefaultHost().SafeModeMetric(); }
VersionFacts Host::Version() { return DefaultHost().Version(); }
bool Host::RequestExitWindows(uint32_t mode, uint32_t reason) { return DefaultHost().RequestExitWindows(mode, reason); }
bool Host::OpenProcessTokenForPrivileges(uintptr_t& token) { return DefaultHost().OpenProcessTokenForPrivileges(token); }
bool Host::LookupShutdownPrivilege(uint64_t& luid) { return DefaultHost().LookupShutdownPrivilege(luid); }
bool Host::AdjustShutdownPrivilege(uintptr_t token, uint64_t luid, bool enable) {
  return DefaultHost().AdjustShutdownPrivilege(token, luid, enable);
}
void Host::CloseToken(uintptr_t token) { DefaultHost().CloseToken(token); }
uint32_t Host::DriveType(const std::string& root) { return DefaultHost().DriveType(root); }
DriveSpace Host::FreeSpace(const std::string& root) { return DefaultHost().FreeSpace(root); }
VolumeFacts Host::Volume(const std::string& root) { return DefaultHost().Volume(root); }
uint32_t Host::WriteToFile(uintptr_t file, const void* data, uint32_t length, uint32_t& written) {
  return DefaultHost().WriteToFile(file, data, length, written);
}

}  // namespace tk
