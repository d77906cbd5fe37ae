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

// Answers the restart calls from its switches and writes each call into
// `calls`; boxes go into `boxes`. Each token it opens gets a new number, and
// closing an unknown or already closed one is recorded as a fault.
struct RecordingHost : tk::Host {
  bool openWorks = true, lookupWorks = true, enableWorks = true, disableWorks = true, requestWorks = true;
  Log calls, boxes;
  std::set<uintptr_t> openTokens;
  uintptr_t nextToken = 0x100;

  int ShowMessageBox(const std::string& text, int style, const std::string& title) override {
    EXPECT_EQ(style, 48) << text;
    EXPECT_EQ(title, kTitle) << text;
    boxes.push_back(text);
    calls.push_back("box");
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
    if (!lookupWorks) return false;
    luid = kLuid;
    return true;
  }
  bool AdjustShutdownPrivilege(uintptr_t token, uint64_t luid, bool enable) override {
    calls.push_back(enable ? "enable" : "disable");
    EXPECT_TRUE(openTokens.count(token)) << "adjusted a token that is not open";
    EXPECT_EQ(luid, kLuid);
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
  RecordingHost host;
  clsShutdown shutdown;
};

const Log kEnabled = {"open", "lookup", "enable", "close"};
const Log kDisabled = {"open", "lookup", "disable", "close"};

Log Join(std::initializer_list<Log> parts) {
  Log all;
  for (const Log& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

}  // namespace

TEST_F(Shutdown, RestartOnNtEnablesRequestsAndDisablesAgain) {
  EXPECT_TRUE(shutdown.ShutDownNTbasedWindows(2));
  EXPECT_EQ(host.calls, Join({kEnabled, {"request 2 0"}, kDisabled}));
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(Shutdown, OnlyShutDownRestartAndPowerOffNeedThePrivilege) {
  struct Row {
    int32_t mode;
    bool needs;
  };
  for (const Row r : {Row{0, false}, Row{4, false}, Row{1, true}, Row{8, true}, Row{4 | 2, true}, Row{4 | 1, true}}) {
    host.calls.clear();
    EXPECT_TRUE(shutdown.ShutDownNTbasedWindows(r.mode)) << r.mode;
    const Log request = {"request " + std::to_string(r.mode) + " 0"};
    EXPECT_EQ(host.calls, r.needs ? Join({kEnabled, request, kDisabled}) : request) << r.mode;
  }
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(Shutdown, PrivilegeStepFailuresShowTheirCodeThenTheRightsBoxAndAskNothing) {
  struct Row {
    bool open, lookup, enable;
    Log calls;
    std::string box;
  };
  const Row rows[] = {
      {false, true, true, {"open", "box", "box"}, kPriv001},
      {true, false, true, {"open", "lookup", "box", "close", "box"}, kPriv002},
      {true, true, false, {"open", "lookup", "enable", "box", "close", "box"}, kPriv003},
  };
  for (const Row& r : rows) {
    host.calls.clear();
    host.boxes.clear();
    host.openWorks = r.open;
    host.lookupWorks = r.lookup;
    host.enableWorks = r.enable;
    EXPECT_FALSE(shutdown.ShutDownNTbasedWindows(2)) << r.box;
    EXPECT_EQ(host.calls, r.calls) << r.box;
    EXPECT_EQ(host.boxes, (Log{r.box, kNoRights}));
  }
}

TEST_F(Shutdown, RefusedRequestShowsOneBoxAndStillDisablesOnNt) {
  host.requestWorks = false;
  EXPECT_FALSE(shutdown.ShutDownDOSbasedWindows(2));
  EXPECT_EQ(host.calls, (Log{"request 2 0", "box"}));
  EXPECT_EQ(host.boxes, Log{kRequestFailed});

  host.calls.clear();
  host.boxes.clear();
  EXPECT_FALSE(shutdown.ShutDownNTbasedWindows(2));
  EXPECT_EQ(host.calls, Join({kEnabled, {"request 2 0", "box"}, kDisabled}));
  EXPECT_EQ(host.boxes, Log{kRequestFailed});
}

TEST_F(Shutdown, AcceptedRequestOnTheDosFamilyTouchesNoToken) {
  EXPECT_TRUE(shutdown.ShutDownDOSbasedWindows(2));
  EXPECT_EQ(host.calls, Log{"request 2 0"});
}

TEST_F(Shutdown, FailureToDisableAfterwardsIsReportedButTheRequestsOutcomeStands) {
  host.disableWorks = false;
  EXPECT_TRUE(shutdown.ShutDownNTbasedWindows(2));
  EXPECT_EQ(host.calls, Join({kEnabled, {"request 2 0"}, {"open", "lookup", "disable", "box", "close"}}));
  EXPECT_EQ(host.boxes, Log{kPriv003});

  host.calls.clear();
  host.boxes.clear();
  host.requestWorks = false;
  EXPECT_FALSE(shutdown.ShutDownNTbasedWindows(2));
  EXPECT_EQ(host.boxes, (Log{kRequestFailed, kPriv003}));
}
