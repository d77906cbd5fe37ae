// The privilege step with the real token calls under Wine. Only the request
// itself is answered by the test (refused), so that nothing restarts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "restart/clsShutdown.h"
#include "toolkit/Host.h"
#include "toolkit/Owners.h"
#include "toolkit/Win.h"

namespace {

// Whether SeShutdownPrivilege is enabled in this process's token, read
// straight from Windows.
bool ShutdownPrivilegeEnabled() {
  tk::KernelHandle token;
  if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, token.out())) {
    ADD_FAILURE() << "OpenProcessToken failed";
    return false;
  }
  LUID id{};
  EXPECT_TRUE(::LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &id));
  DWORD size = 0;
  ::GetTokenInformation(token.get(), TokenPrivileges, nullptr, 0, &size);
  std::vector<unsigned char> buffer(size);
  bool enabled = false, found = false;
  if (size && ::GetTokenInformation(token.get(), TokenPrivileges, buffer.data(), size, &size)) {
    const auto* list = reinterpret_cast<const TOKEN_PRIVILEGES*>(buffer.data());
    for (DWORD i = 0; i < list->PrivilegeCount; ++i) {
      const LUID& l = list->Privileges[i].Luid;
      if (l.LowPart == id.LowPart && l.HighPart == id.HighPart) {
        found = true;
        enabled = (list->Privileges[i].Attributes & SE_PRIVILEGE_ENABLED) != 0;
      }
    }
  }
  EXPECT_TRUE(found) << "the token does not hold SeShutdownPrivilege";
  return enabled;
}

struct RefusingHost : tk::Host {
  std::vector<std::string> boxes;
  std::vector<uint32_t> requests;
  bool enabledDuringRequest = false;

  int ShowMessageBox(const std::string& text, int, const std::string&) override {
    boxes.push_back(text);
    return tk::vbOK;
  }
  bool RequestExitWindows(uint32_t mode, uint32_t) override {
    requests.push_back(mode);
    enabledDuringRequest = ShutdownPrivilegeEnabled();
    return false;
  }
};

}  // namespace

TEST(ShutdownUnderWine, RealTokenGetsThePrivilegeForTheRequestOnlyAndNotAfter) {
  RefusingHost host;
  tk::SetHost(&host);
  const bool accepted = clsShutdown().ShutDownNTbasedWindows(2);
  tk::SetHost(nullptr);

  EXPECT_FALSE(accepted);
  EXPECT_EQ(host.requests, std::vector<uint32_t>{2});
  EXPECT_TRUE(host.enabledDuringRequest);
  EXPECT_FALSE(ShutdownPrivilegeEnabled());
  // Only the refused request is reported: the real privilege calls worked.
  EXPECT_EQ(host.boxes, std::vector<std::string>{"Il sistema non può essere riavviato, si è verificato un errore."});
}
