// The demo's walker: starts Setup.exe, walks the wizard through every page
// as a user would (with a look at the quit dialog on the way), installs,
// and asks for a screenshot at each stop. It asks by leaving the picture's
// name in "shot.request" in the output folder and waits until the script
// that takes the screenshots has deleted it. At the end it starts the
// installed application for a last screenshot and writes summary.txt there:
// what was installed and where.
//
//   demo_walker <Setup.exe> <output folder> <package folder>
//
// After a run by hand it only writes the summary, for the installation in
// the given folder (its program group taken from its Uninstall.ini):
//
//   demo_walker --summary <installation folder> <output folder> <package folder>
#include <cstdio>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/Driver.h"
#include "tests/support/InstalledMachine.h"
#include "tests/support/Wait.h"
#include "tests/support/WizardDriver.h"
#include "toolkit/Win.h"

using namespace std::chrono_literals;
using testsupport::Program;
using testsupport::WizardDriver;

namespace {

std::string outFolder;
std::string packageFolder;

void Say(const std::string& line) {
  std::printf("demo: %s\n", line.c_str());
  std::fflush(stdout);
}

// A screenshot of the screen as it is now; the walker goes on once it is
// taken (or after a while without one).
void Shot(const std::string& name) {
  const std::string request = outFolder + "\\shot.request";
  const std::string draft = outFolder + "\\shot.draft";
  if (!testsupport::WriteFileBytes(draft, name) ||
      !MoveFileExA(draft.c_str(), request.c_str(), MOVEFILE_REPLACE_EXISTING)) {
    Say("cannot ask for the screenshot " + name);
    return;
  }
  if (!testsupport::WaitFor([&] { return !testsupport::Exists(request); }, 30s))
    Say("no screenshot taken for " + name);
}

bool Check(bool ok, const std::string& what) {
  if (!ok) Say("stopped: " + what);
  return ok;
}

// Answers every Yes/No question of the folder check with Yes, after a
// screenshot of the first; true once the page is reached.
bool ReachPage(Program& setup, const WizardDriver& wizard, int page, const std::string& questionShot) {
  bool first = true;
  const auto reached = [&] {
    if (wizard.Page() == page && wizard.WaitPage(page, 5s)) return true;
    for (HWND box : setup.TopWindows("#32770")) {
      const auto view = testsupport::ReadDialog(box);
      Say("question: " + view.text);
      if (first && !questionShot.empty()) Shot(questionShot);
      first = false;
      testsupport::PressButton(box, "Yes");
      testsupport::PressButton(box, "Sì");
    }
    return false;
  };
  return testsupport::WaitFor(reached, 120s, 100ms);
}

std::string Lines(const std::string& text, const std::string& indent) {
  std::istringstream in(text);
  std::string line, out;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    out += indent + line + "\n";
  }
  return out;
}

void ListFiles(const std::string& folder, std::string& out) {
  for (const testsupport::FoundFile& file : testsupport::FilesUnder(folder))
    out += "  " + file.name + "  (" + std::to_string(file.size) + " bytes)\n";
}

void ListLinks(const std::string& folder, std::string& out) {
  for (const testsupport::FoundLink& found : testsupport::LinksIn(folder)) {
    out += "  " + found.path + "\n";
    if (found.link)
      out += "      -> " + found.link->target + (found.link->arguments.empty() ? "" : " " + found.link->arguments) + "\n";
  }
}

void ListValues(const std::string& key, std::string& out) {
  for (const testsupport::FoundValue& found : testsupport::ValuesUnder(HKEY_CURRENT_USER, key)) {
    const std::string value =
        found.value.type == REG_SZ ? found.value.text : "(type " + std::to_string(found.value.type) + ")";
    out += "  HKCU\\" + found.key + "  \"" + found.name + "\" = \"" + value + "\"\n";
  }
}

// The package's members that the installation put outside the application's
// folder (the font, the shell component, the runtime library, the
// uninstaller as AppRemove.Exe): each found in the fonts, system or Windows
// folder, with its size. The others are named on one line.
void ListMembersElsewhere(const std::string& installDir, std::string& out) {
  const std::string places[] = {testsupport::ShellFolder(CSIDL_FONTS), testsupport::SystemFolder(),
                                testsupport::WindowsFolder()};
  std::vector<std::string> names = testsupport::ListNames(packageFolder + "\\*");
  names.push_back("AppRemove.Exe");
  std::string elsewhere;
  for (const std::string& name : names) {
    if (testsupport::Exists(installDir + "\\" + name) || testsupport::Exists(installDir + "\\Dati\\" + name)) continue;
    bool found = false;
    for (const std::string& place : places) {
      const std::string path = place + "\\" + name;
      const auto size = place.empty() ? std::nullopt : testsupport::FileSize(path);
      if (!size) continue;
      out += "  " + path + "  (" + std::to_string(*size) + " bytes)\n";
      found = true;
      break;
    }
    if (!found) elsewhere += " " + name;
  }
  out += "  Not installed under their own names (read by Setup.exe, or copied under another):" + elsewhere + "\n";
}

// The name of the program group that Uninstall.ini records ("Program
// Group: <folder>\<group>"); empty when it records none.
std::string GroupOf(const std::string& uninstallIni) {
  const std::string head = "Program Group: ";
  std::istringstream in(uninstallIni);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind(head, 0) == 0) return line.substr(line.find_last_of('\\') + 1);
  }
  return {};
}

// Lists the installation through the readers the tests' check of an
// installed machine uses (tests/support/InstalledMachine.h).
void WriteSummary(const std::string& folder, const std::string& group, const std::string& firstLine) {
  std::string out = firstLine + "\n\n";
  out += "Installed into " + folder + ":\n";
  ListFiles(folder, out);
  out += "\nPackage members installed elsewhere:\n";
  ListMembersElsewhere(folder, out);
  out += "\nUninstall.ini:\n" + Lines(testsupport::ReadFileBytes(folder + "\\Uninstall.ini").value_or("(missing)"), "  ");
  out += "\nInstall.Log:\n" + Lines(testsupport::ReadFileBytes(folder + "\\Install.Log").value_or("(missing)"), "  ");
  out += "\nLinks:\n";
  ListLinks(testsupport::ShellFolder(CSIDL_COMMON_PROGRAMS) + "\\" + group, out);
  ListLinks(testsupport::ShellFolder(CSIDL_COMMON_DESKTOPDIRECTORY), out);
  out += "\nRegistry values under HKCU\\Software\\Velmarind:\n";
  ListValues("Software\\Velmarind", out);
  if (!testsupport::WriteFileBytes(outFolder + "\\summary.txt", out)) Say("cannot write summary.txt");
}

// Photographs the installed application's window and closes it with its OK
// button. Setup.exe starts the application itself when its box "run after
// the installation" stays ticked; otherwise the walker starts it.
void ShowApplication(const std::string& installDir) {
  const auto findWindow = [] { return FindWindowA("VelmarindDemo", nullptr); };
  HWND window = nullptr;
  testsupport::WaitFor([&] { return (window = findWindow()) != nullptr; }, 10s);
  std::optional<Program> started;
  if (!window) {
    Say("Setup.exe started no application (it runs only a database application); the walker starts Demo.exe");
    started.emplace("\"" + installDir + "\\Demo.exe\"", installDir);
    if (!Check(started->started(), "Demo.exe did not start")) return;
    testsupport::WaitFor([&] { return (window = findWindow()) != nullptr; }, 30s);
  }
  if (!Check(window != nullptr, "no window of Demo.exe")) {
    if (started) started->Kill();
    return;
  }
  std::this_thread::sleep_for(300ms);
  Shot("11-demo-application");
  testsupport::PressButton(window, "OK");
  if (!Check(testsupport::WaitFor([&] { return !IsWindow(window); }, 30s), "Demo.exe did not close") && started)
    started->Kill();
}

int Walk(const std::string& setupExe) {
  const std::string folder = setupExe.substr(0, setupExe.find_last_of('\\'));
  Program setup("\"" + setupExe + "\"", folder);
  if (!Check(setup.started(), "Setup.exe did not start")) return 1;
  WizardDriver wizard(setup);

  // The launcher's window is not photographed: it shows nothing under Wine
  // while it unpacks, as it does not come back to its messages meanwhile.
  if (!Check(wizard.WaitWizard(300s) && wizard.WaitPage(0, 60s), "no wizard")) return 1;
  Shot("01-page0-welcome");
  wizard.Next();
  if (!Check(wizard.WaitPage(1, 30s), "no licence page")) return 1;
  wizard.AcceptLicence();
  std::this_thread::sleep_for(300ms);
  Shot("02-page1-licence");
  wizard.Next();
  if (!Check(wizard.WaitPage(2, 30s), "no folder page")) return 1;
  Shot("03-page2-folder");
  const std::string installDir = wizard.Folder();
  wizard.Next();
  if (!Check(ReachPage(setup, wizard, 3, "04-folder-question"), "no drive report")) return 1;
  Shot("05-page3-drive");
  wizard.Next();
  if (!Check(wizard.WaitPage(4, 30s), "no group page")) return 1;
  const std::string group = wizard.Group();
  Shot("06-page4-group");

  // The quit dialog, and back to the wizard.
  wizard.Exit();
  const HWND quit = wizard.WaitQuitDialog(30s);
  if (Check(quit != nullptr, "no quit dialog")) {
    Shot("07-quit-dialog");
    WizardDriver::BackFromQuit(quit);
    testsupport::WaitFor([&] { return !IsWindowVisible(quit); }, 30s);
  }
  wizard.Next();
  if (!Check(wizard.WaitPage(5, 30s), "no summary page")) return 1;
  Shot("08-page5-summary");
  wizard.Next();
  if (testsupport::WaitFor([&] { return wizard.Page() == 6; }, 60s)) {
    // The copy of the demo's payload takes well under a second: the
    // picture is asked for at once to catch its bars on the way.
    Shot("09-page6-copy");
  }
  const auto done = setup.WaitDialog(600s);
  if (!Check(done.has_value(), "no end message")) return 1;
  Say("end message: " + done->text);
  Shot("10-end-message");
  testsupport::PressButton(done->hwnd, "OK");
  const bool ended = setup.Wait(60s).has_value();
  WriteSummary(installDir, group, std::string("Setup.exe ") + (ended ? "ended." : "did not end."));
  ShowApplication(installDir);
  Say("installed into " + installDir);
  return ended ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const bool summaryOnly = argc == 5 && std::string(argv[1]) == "--summary";
  if (argc != 4 && !summaryOnly) {
    std::fprintf(stderr,
                 "usage: demo_walker <Setup.exe> <output folder> <package folder>\n"
                 "       demo_walker --summary <installation folder> <output folder> <package folder>\n");
    return 2;
  }
  outFolder = argv[argc - 2];
  packageFolder = argv[argc - 1];
  int code = 0;
  if (summaryOnly) {
    const std::string folder = argv[2];
    const auto records = testsupport::ReadFileBytes(folder + "\\Uninstall.ini");
    WriteSummary(folder, GroupOf(records.value_or("")), "Setup.exe ran by hand.");
  } else {
    code = Walk(argv[1]);
  }
  return code;
}
