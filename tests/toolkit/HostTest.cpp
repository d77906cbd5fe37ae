#include <gtest/gtest.h>

#include "toolkit/Host.h"

namespace {
struct RecordingHost : tk::Host {
  std::string lastText;
  int ShowMessageBox(const std::string& text, int, const std::string&) override {
    lastText = text;
    return tk::vbYes;
  }
  void Beep() override {}
  [[noreturn]] void EndProcess(unsigned code) override { throw tk::ProcessEnded{code}; }
};
}  // namespace

TEST(Host, InstalledHostAnswersAndInterceptsTheEndUntilRemoved) {
  RecordingHost h;
  tk::SetHost(&h);
  EXPECT_EQ(tk::MsgBox("Domanda?", tk::vbYesNo, "T"), tk::vbYes);
  EXPECT_EQ(h.lastText, "Domanda?");
  try {
    tk::End(3);
    FAIL() << "End returned";
  } catch (const tk::ProcessEnded& e) {
    EXPECT_EQ(e.exitCode, 3u);
  }
  tk::SetHost(nullptr);
  EXPECT_NE(&tk::host(), static_cast<tk::Host*>(&h));
}
