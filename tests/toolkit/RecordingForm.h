// A form for the toolkit's tests that records its events.
#pragma once

#include <string>
#include <vector>

#include "toolkit/Form.h"

namespace testsupport {

// A form that records its events; a test may make a handler cancel, unload
// the form while it loads, or swallow keys.
class RecordingForm : public tk::Form {
 public:
  std::vector<std::string> events;
  int cancelQueryUnload = 0;
  bool unloadWhileLoading = false;

 protected:
  void Form_Initialize() override { events.push_back("Initialize"); }
  void Form_Load() override {
    events.push_back("Load");
    if (unloadWhileLoading) Unload();
  }
  void Form_QueryUnload(int& cancel, int mode) override {
    events.push_back("QueryUnload" + std::to_string(mode));
    cancel = cancelQueryUnload;
  }
  void Form_Unload(int&) override { events.push_back("Unload"); }
  void Form_MouseDown(int button, int shift, float x, float y) override {
    events.push_back("MouseDown " + std::to_string(button) + " " + std::to_string(static_cast<int>(x)) + "," +
                     std::to_string(static_cast<int>(y)));
  }
  void Form_KeyPress(int& key) override {
    events.push_back("KeyPress " + std::to_string(key));
    if (key == 'x') key = 0;
    if (key == 'a') key = 'b';
  }
};

}  // namespace testsupport
