// A test's host: records every message box (with the beeps before it) and
// answers it from a script, ends the process by throwing tk::ProcessEnded,
// and can stand on another Windows version or in Safe Mode. Everything it
// does not script passes on to the real Win32 host. Portable.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "toolkit/Host.h"

namespace testsupport {

struct ShownBox {
  std::string text;
  int style = 0;
  std::string title;
  int beepsBefore = 0;  // beeps since the previous box
};

class ScriptedHost : public tk::Host {
 public:
  ScriptedHost() { tk::SetHost(this); }
  ~ScriptedHost() override { tk::SetHost(nullptr); }
  ScriptedHost(const ScriptedHost&) = delete;
  ScriptedHost& operator=(const ScriptedHost&) = delete;

  // Answers for the next boxes, in order; a box without one gets vbOK.
  std::deque<int> answers;
  std::vector<ShownBox> boxes;
  int beeps = 0;
  int safeModeMetric = 0;
  // When set, the version facts the program sees.
  bool overrideVersion = false;
  tk::VersionFacts version;
  // Restart requests (the mode of each); refused unless acceptRestart.
  std::vector<uint32_t> restartRequests;
  bool acceptRestart = true;
  // Runs when a restart is requested (e.g. to look at the machine then).
  std::function<void()> onRestartRequest;

  int ShowMessageBox(const std::string& text, int style, const std::string& title) override {
    boxes.push_back({text, style, title, beeps - beepsCounted_});
    beepsCounted_ = beeps;
    if (answers.empty()) return tk::vbOK;
    const int answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void Beep() override { ++beeps; }
  [[noreturn]] void EndProcess(unsigned exitCode) override { throw tk::ProcessEnded{exitCode}; }
  int SafeModeMetric() override { return safeModeMetric; }
  tk::VersionFacts Version() override { return overrideVersion ? version : tk::Host::Version(); }
  bool RequestExitWindows(uint32_t mode, uint32_t) override {
    restartRequests.push_back(mode);
    if (onRestartRequest) onRestartRequest();
    return acceptRestart;
  }
  // The privilege calls succeed without touching the real token.
  bool OpenProcessTokenForPrivileges(uintptr_t& token) override {
    token = 1;
    return true;
  }
  bool LookupShutdownPrivilege(uint64_t& luid) override {
    luid = 19;
    return true;
  }
  bool AdjustShutdownPrivilege(uintptr_t, uint64_t, bool) override { return true; }
  void CloseToken(uintptr_t) override {}

 private:
  int beepsCounted_ = 0;
};

}  // namespace testsupport
