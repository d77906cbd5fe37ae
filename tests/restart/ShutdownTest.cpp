// The restart object's sequences, with every platform call answered by a
// recording host: what is asked of Windows, in which order, which boxes
// appear, and that every token opened is closed.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "restart/clsShutdown.h"
#include "toolkit/App.h"
#include "toolkit/Host.h"

namespace {

const std::string kTitle = "Velmarind Prova";
const std::string kRequestFailed = "Il sistema non può essere riavviato, si è verificato un errore.";
const std::string kNoRights = "L'utente corrente non dispone dei diritti per il riavvio del sistema";
const std::string kPriv001 = "Si è verificato un errore per l'ACCESSO ai diritti di riavvio. \r\nCodice Errore PRIV-001";
const std::string kPriv002 = "Si è verificato un errore per l'ACCESSO ai diritti di riavvio.\r\nCodice Errore PRIV-002";
const std::string kPriv003 = "Si è verificato un errore per l'ACCESSO ai diritti di riavvio.\r\nCodice Errore PRIV-003";
constexpr uint64_t kLuid = 0x0000000700000013ull;

using Log = std::vector<std::string>;

// Answers the restart calls from its switches and writes each call, and the
// text of each box, into `calls`. Each token it opens gets a new number;
// adjusting or closing one that is not open is a fault.
struct RecordingHost : tk::Host {
  bool openWorks = true, lookupWorks = true, enableWorks = true, disableWorks = true, requestWorks = true;
  Log calls;
  std::set<uintptr_t> openTokens;
  uintptr_t nextToken = 0x100;

  int ShowMessageBox(const std::string& text, int style, const std::string& title) override {
    EXPECT_EQ(style, tk::vbExclamation) << text;
    EXPECT_EQ(title, kTitle) << text;
    calls.push_back(text);
    return tk::vbOK;
  }
  bool RequestExitWindows(uint32_t mode, uint32_t reason) override {
    calls.push_back("request " + std::to_string(mode) + " " + std::to_string(reason));
    return requestWorks;
  }
  bool OpenProcessTokenForPrivileges(uintptr_t& token) override {
    calls.push_back("open");
    if (!openWorks) return false;
    token = nextToken++;
    openTokens.insert(token);
    return true;
  }
  bool LookupShutdownPrivilege(uint64_t& luid) override {
    calls.push_back("lookup");
    luid = kLuid;
    return lookupWorks;
  }
  bool AdjustShutdownPrivilege(uintptr_t token, uint64_t luid, bool enable) override {
    calls.push_back(enable ? "enable" : "disable");
    EXPECT_TRUE(openTokens.count(token) && luid == kLuid);
    return enable ? enableWorks : disableWorks;
  }
  void CloseToken(uintptr_t token) override {
    calls.push_back("close");
    EXPECT_EQ(openTokens.erase(token), 1u) << "closed a token that is not open";
  }
};

class Shutdown : public ::testing::Test {
 protected:
  void SetUp() override {
    tk::SetAppTitle(kTitle);
    tk::SetHost(&host);
  }
  void TearDown() override {
    tk::SetHost(nullptr);
    EXPECT_TRUE(host.openTokens.empty()) << "a token was left open";
  }
  // Runs one member with a fresh record and gives back what it asked.
  Log Run(bool (clsShutdown::*member)(int32_t), int32_t mode, bool expected) {
    host.calls.clear();
    EXPECT_EQ((clsShutdown().*member)(mode), expected) << mode;
    return host.calls;
  }
  RecordingHost host;
};

const auto NT = &clsShutdown::ShutDownNTbasedWindows;
const auto DOS = &clsShutdown::ShutDownDOSbasedWindows;

}  // namespace

TEST_F(Shutdown, PrivilegeIsEnabledAroundTheRequestOnlyForShutDownRestartAndPowerOff) {
  for (const int32_t mode : {2, 1, 8, 4 | 2, 4 | 1}) {
    const std::string request = "request " + std::to_string(mode) + " 0";
    EXPECT_EQ(Run(NT, mode, true),
              (Log{"open", "lookup", "enable", "close", request, "open", "lookup", "disable", "close"}));
  }
  EXPECT_EQ(Run(NT, 0, true), Log{"request 0 0"});
  EXPECT_EQ(Run(NT, 4, true), Log{"request 4 0"});
  EXPECT_EQ(Run(DOS, 2, true), Log{"request 2 0"});
}

TEST_F(Shutdown, PrivilegeStepFailuresShowTheirCodeThenTheRightsBoxAndAskNothing) {
  host.openWorks = false;
  EXPECT_EQ(Run(NT, 2, false), (Log{"open", kPriv001, kNoRights}));
  host.openWorks = true;
  host.lookupWorks = false;
  EXPECT_EQ(Run(NT, 2, false), (Log{"open", "lookup", kPriv002, "close", kNoRights}));
  host.lookupWorks = true;
  host.enableWorks = false;
  EXPECT_EQ(Run(NT, 8, false), (Log{"open", "lookup", "enable", kPriv003, "close", kNoRights}));
}

TEST_F(Shutdown, RefusedRequestShowsOneBoxAndIsFalseOnBothFamilies) {
  host.requestWorks = false;
  EXPECT_EQ(Run(DOS, 2, false), (Log{"request 2 0", kRequestFailed}));
  EXPECT_EQ(Run(NT, 2, false), (Log{"open", "lookup", "enable", "close", "request 2 0", kRequestFailed, "open",
                                    "lookup", "disable", "close"}));
}

TEST_F(Shutdown, FailureToDisableAfterwardsIsReportedButTheRequestsOutcomeStands) {
  host.disableWorks = false;
  EXPECT_EQ(Run(NT, 2, true),
            (Log{"open", "lookup", "enable", "close", "request 2 0", "open", "lookup", "disable", kPriv003, "close"}));
  host.requestWorks = false;
  EXPECT_EQ(Run(NT, 2, false), (Log{"open", "lookup", "enable", "close", "request 2 0", kRequestFailed, "open",
                                    "lookup", "disable", kPriv003, "close"}));
}
