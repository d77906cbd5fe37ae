// A setup view for the engine's tests: it records every call the engine
// makes on it, in order, keeps what a window would now show, and answers
// the two check boxes with values the test sets. onCall runs after each
// call is recorded: a test acts there as the user would while the engine
// shows its progress.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "engine/SetupView.h"

namespace testsupport {

class RecordingView final : public SetupView {
 public:
  // Every call as a line: "caption TEXT", "bytes TEXT", "bar INDEX VALUE
  // MAXIMUM", "disable quit pictures", "stop clock", "show wait", "wait
  // caption TEXT", "refresh wait", "unload wait".
  std::vector<std::string> calls;
  std::function<void(const std::string& call)> onCall;

  // What the window would show.
  std::string copyCaption, bytesCaption;
  std::array<int, 2> bar{};  // the last value drawn into bar 0 and bar 1
  bool quitPicturesDisabled = false;
  bool clockStopped = false;
  bool waitShown = false;
  std::string waitCaption;

  // The boxes, ticked as the wizard makes them.
  int autoEsegui = 1;
  int deskShort = 1;

  void ShowCopyCaption(const std::string& caption) override {
    copyCaption = caption;
    Record("caption " + caption);
  }
  void ShowBytesCopied(const std::string& caption) override {
    bytesCaption = caption;
    Record("bytes " + caption);
  }
  void DrawProgress(int32_t index, int32_t value, int32_t maximum) override {
    if (index == 0 || index == 1) bar[static_cast<size_t>(index)] = value;
    Record("bar " + std::to_string(index) + " " + std::to_string(value) + " " + std::to_string(maximum));
  }
  void DisableQuitPictures() override {
    quitPicturesDisabled = true;
    Record("disable quit pictures");
  }
  void StopClock() override {
    clockStopped = true;
    Record("stop clock");
  }
  void ShowPleaseWait() override {
    waitShown = true;
    Record("show wait");
  }
  void SetPleaseWaitCaption(const std::string& caption) override {
    waitCaption = caption;
    Record("wait caption " + caption);
  }
  void RefreshPleaseWait() override { Record("refresh wait"); }
  void UnloadPleaseWait() override {
    waitShown = false;
    Record("unload wait");
  }
  int AutoEseguiValue() override { return autoEsegui; }
  int DeskShortValue() override { return deskShort; }

 private:
  void Record(const std::string& call) {
    calls.push_back(call);
    if (onCall) onCall(call);
  }
};

}  // namespace testsupport
