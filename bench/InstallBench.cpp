// install_bench.exe WORK INSTALL [--pieces]
// install_bench.exe --whole INSTALL
// Installs the package laid out in the work folder WORK (Setup.dip,
// Setup.ftc, Settings.lrk, the setup's own files and "files\") into the
// folder INSTALL, the way the wizard does it from its summary page: the
// wizard window is loaded from WORK, shown on its progress page, and the
// installation runs with its labels and bars drawn, then ends the process.
// Every message box is answered with OK (its text goes to the standard
// error), so that a timed run needs nobody. Before the process ends it
// tells on the standard error when each phase began (the wizard shown, the
// installation, its first and last block, the end message, the end). A
// benchmark tool, not a test.
//
// With --whole it is the whole program instead, from its own folder
// holding Setup.UMF: the launcher's window unpacks the package into a new
// work folder and hands over to the wizard window, which then installs
// into INSTALL as above, all in this one process as in Setup.exe.
//
// With --pieces it first times, on the progress page, what the copy does for
// each 32000-byte block of the payload: the two captions, the two bars drawn
// through the wizard's setup view, and a bare copy of the same files in the same blocks
// through the same numbered files into INSTALL\bare; it prints the figures
// on the standard error, removes that copy and goes on with the
// installation.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "engine/BlockCopy.h"
#include "engine/Gest_File.h"
#include "engine/Installation.h"
#include "engine/SetupState.h"
#include "launcher/FrmLaunch.h"
#include "tests/support/ForwardingView.h"
#include "toolkit/Events.h"
#include "toolkit/Files.h"
#include "toolkit/Host.h"
#include "toolkit/Locale.h"
#include "toolkit/Numbers.h"
#include "toolkit/Owners.h"
#include "toolkit/Win.h"
#include "wizard/FrmSetup.h"

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// When each part of a run began, in milliseconds since the program's own
// start (Wine's start of the process comes before it and is not seen here).
struct Phases {
  Clock::time_point start = Clock::now();
  double sinceCreation = 0;  // when the program's own start came
  double shown = 0, installing = 0, firstBlock = 0, lastBlock = 0, endMessage = 0;
  long long blocks = 0;
  double Now() const { return MillisecondsSince(start); }
};
Phases phases;

// How long ago Windows created this process (loading the program and its
// libraries came in between).
double MillisecondsSinceCreation() {
  FILETIME created, exited, kernel, user, now;
  if (!::GetProcessTimes(::GetCurrentProcess(), &created, &exited, &kernel, &user)) return 0;
  ::GetSystemTimeAsFileTime(&now);
  auto ticks = [](FILETIME t) { return (static_cast<uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
  return static_cast<double>(ticks(now) - ticks(created)) / 10000.0;
}

class BenchHost final : public tk::Host {
 public:
  int ShowMessageBox(const std::string& text, int, const std::string&) override {
    if (phases.endMessage == 0) phases.endMessage = phases.Now();
    std::fprintf(stderr, "install_bench: message box: %s\n", text.c_str());
    return tk::vbOK;
  }
  // The phases, told before the process ends.
  [[noreturn]] void EndProcess(unsigned exitCode) override {
    std::fprintf(stderr,
                 "install_bench: phases: main reached %.1f ms after the process was created; from there: wizard shown (after the unpacking with --whole) %.1f ms, installation from %.1f ms, %lld blocks from %.1f ms "
                 "to %.1f ms, end message at %.1f ms, program's end at %.1f ms\n",
                 phases.sinceCreation, phases.shown, phases.installing, phases.blocks, phases.firstBlock, phases.lastBlock,
                 phases.endMessage, phases.Now());
    tk::Host::EndProcess(exitCode);
  }
};

// The wizard's setup view, with the time of each block's byte caption (one
// a block) taken first.
class BlockStamps final : public testsupport::ForwardingView {
 public:
  BlockStamps() : ForwardingView(FrmSetupView()) {}
  void ShowBytesCopied(const std::string& caption) override {
    phases.lastBlock = phases.Now();
    if (phases.blocks++ == 0) phases.firstBlock = phases.lastBlock;
    ForwardingView::ShowBytesCopied(caption);
  }
};

struct Payload {
  std::vector<std::string> names;  // relative to WORK\files
  std::vector<int64_t> lengths;
  int64_t blocks = 0;
};

Payload ListPayload(const std::string& files) {
  Payload payload;
  WIN32_FIND_DATAA entry{};
  const tk::FindHandle find(::FindFirstFileA((files + "\\*").c_str(), &entry));
  if (!find) return payload;
  do {
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    const int64_t length = (static_cast<int64_t>(entry.nFileSizeHigh) << 32) | entry.nFileSizeLow;
    payload.names.push_back(entry.cFileName);
    payload.lengths.push_back(length);
    payload.blocks += (length + 31999) / 32000;
  } while (::FindNextFileA(find.get(), &entry));
  return payload;
}

// The copy's work for one block, each piece timed on its own.
void TimeBlockPieces(const Payload& payload) {
  FrmSetupWindow& window = FrmSetup();
  const char separator = tk::UserThousandsSeparator();
  double caption0 = 0, bar0 = 0, caption1 = 0, bar1 = 0;
  double bytes = 0;
  int64_t blocks = 0;
  for (size_t f = 0; f < payload.names.size(); ++f) {
    const std::string caption = "Copia di " + payload.names[f];
    for (int64_t done = 0; done < payload.lengths[f]; ++blocks) {
      const int64_t block = std::min<int64_t>(32000, payload.lengths[f] - done);
      done += block;
      bytes += static_cast<double>(block);
      auto start = Clock::now();
      if (window.lblStatus(0).Caption() != caption) window.lblStatus(0).SetCaption(caption);
      caption0 += MillisecondsSince(start);
      start = Clock::now();
      FrmSetupView().DrawProgress(0, static_cast<int32_t>(done * 100 / payload.lengths[f]), 100);
      bar0 += MillisecondsSince(start);
      start = Clock::now();
      window.lblStatus(1).SetCaption("Bytes copiati: " + tk::FormatPattern(bytes, "#,###", separator));
      caption1 += MillisecondsSince(start);
      start = Clock::now();
      FrmSetupView().DrawProgress(
          1, static_cast<int32_t>(bytes * 100 / (SetupInfo.TotalBytes > 0 ? SetupInfo.TotalBytes : 1)), 100);
      bar1 += MillisecondsSince(start);
    }
  }
  const double total = caption0 + bar0 + caption1 + bar1;
  std::fprintf(stderr,
               "install_bench: pieces: %lld blocks shown in %.1f ms (%.3f ms a block): file caption %.1f ms, "
               "file bar %.1f ms, byte caption %.1f ms, overall bar %.1f ms\n",
               static_cast<long long>(blocks), total, blocks ? total / blocks : 0.0, caption0, bar0, caption1, bar1);
}

// What the yields cost: with nothing to do, after a new byte caption (the
// window repaints the label), and a bar whose pixels do not change with a
// yield.
void TimeYields(int64_t count) {
  FrmSetupWindow& window = FrmSetup();
  auto start = Clock::now();
  for (int64_t i = 0; i < count; ++i) tk::DoEvents();
  const double idle = MillisecondsSince(start);
  start = Clock::now();
  for (int64_t i = 0; i < count; ++i) {
    window.lblStatus(1).SetCaption("Bytes copiati: " + std::to_string(i * 32000));
    tk::DoEvents();
  }
  const double caption = MillisecondsSince(start);
  start = Clock::now();
  for (int64_t i = 0; i < count; ++i) {
    FrmSetupView().DrawProgress(1, 50, 100);
    tk::DoEvents();
  }
  const double bar = MillisecondsSince(start);
  std::fprintf(stderr,
               "install_bench: pieces: a yield with nothing to do %.3f ms, a new byte caption and a yield %.3f ms, "
               "an unchanged bar with its yield %.3f ms\n",
               idle / count, caption / count, bar / count);
}

// What asking for a file's attributes costs in a folder of `entries` files,
// for a name that is there and for one that is not.
void TimeLookups(const std::string& folder, size_t entries) {
  WIN32_FIND_DATAA entry{};
  std::string present;
  if (const tk::FindHandle find(::FindFirstFileA((folder + "\\*").c_str(), &entry)); find) {
    do {
      if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) present = folder + "\\" + entry.cFileName;
    } while (present.empty() && ::FindNextFileA(find.get(), &entry));
  }
  constexpr int kCount = 500;
  auto start = Clock::now();
  for (int i = 0; i < kCount; ++i) ::GetFileAttributesA((folder + "\\missing" + std::to_string(i)).c_str());
  const double missing = MillisecondsSince(start) / kCount;
  start = Clock::now();
  for (int i = 0; !present.empty() && i < kCount; ++i) ::GetFileAttributesA(present.c_str());
  const double found = MillisecondsSince(start) / kCount;
  start = Clock::now();
  for (int i = 0; i < kCount; ++i) {
    const tk::FindHandle h(::FindFirstFileA((folder + "\\missing" + std::to_string(i)).c_str(), &entry));
  }
  const double listing = MillisecondsSince(start) / kCount;
  start = Clock::now();
  for (int i = 0; i < kCount; ++i) Gest_File::PathExists(folder, true, false);
  const double folderTest = MillisecondsSince(start) / kCount;
  start = Clock::now();
  for (int i = 0; i < kCount; ++i) Gest_File::FileExists(folder + "\\missing" + std::to_string(i));
  const double fileTest = MillisecondsSince(start) / kCount;
  std::fprintf(stderr,
               "install_bench: pieces: in a folder of %zu files: attributes of a missing name %.3f ms, of a present "
               "name %.3f ms, a listing for a missing name %.3f ms; the engine's PathExists of the folder %.3f ms, "
               "FileExists of a missing name %.3f ms\n",
               entries, missing, found, listing, folderTest, fileTest);
}

// The same files copied in the same blocks through numbered files, with
// nothing shown.
void TimeBareCopy(const Payload& payload, const std::string& files, const std::string& bare) {
  ::CreateDirectoryA(bare.c_str(), nullptr);
  std::vector<char> buffer(32000);
  double open = 0, move = 0, close = 0;
  const auto whole = Clock::now();
  for (size_t f = 0; f < payload.names.size(); ++f) {
    auto start = Clock::now();
    const int source = tk::FreeFile();
    tk::Open(files + "\\" + payload.names[f], tk::OpenMode::Binary, source);
    const int target = tk::FreeFile();
    tk::Open(bare + "\\" + payload.names[f], tk::OpenMode::Binary, target);
    open += MillisecondsSince(start);
    start = Clock::now();
    for (int64_t left = payload.lengths[f]; left > 0;) {
      const size_t block = static_cast<size_t>(std::min<int64_t>(32000, left));
      size_t got = 0;
      if (tk::Get(source, buffer.data(), block, got) || got != block) break;
      if (tk::Put(target, buffer.data(), block)) break;
      left -= static_cast<int64_t>(block);
    }
    move += MillisecondsSince(start);
    start = Clock::now();
    tk::Close(target);
    tk::Close(source);
    close += MillisecondsSince(start);
  }
  std::fprintf(stderr,
               "install_bench: pieces: bare copy of %zu files in %.1f ms: opening %.1f ms, blocks %.1f ms, "
               "closing %.1f ms\n",
               payload.names.size(), MillisecondsSince(whole), open, move, close);
  TimeLookups(bare, payload.names.size());
  for (const auto& name : payload.names) ::DeleteFileA((bare + "\\" + name).c_str());
  TimeLookups(bare, 0);
  ::RemoveDirectoryA(bare.c_str());
}

// The engine's steps for each file, one by one, into a folder of its own:
// the look for the target, the folder made sure of, the copy with its
// display, the attributes, the times, and the line of the new-files list.
void TimeFileSteps(const Payload& payload, const std::string& files, const std::string& folder) {
  ::CreateDirectoryA(folder.c_str(), nullptr);
  const int list = tk::FreeFile();
  tk::Open(folder + ".list", tk::OpenMode::Output, list);
  double exists = 0, path = 0, copy = 0, attributes = 0, times = 0, line = 0;
  const auto whole = Clock::now();
  for (const auto& name : payload.names) {
    const std::string target = folder + "\\" + name;
    auto start = Clock::now();
    Gest_File::FileExists(target);
    exists += MillisecondsSince(start);
    start = Clock::now();
    Gest_File::PathExists(folder, true, false);
    path += MillisecondsSince(start);
    start = Clock::now();
    Gest_File::CopyFileWithProgress(files + "\\" + name, target);
    copy += MillisecondsSince(start);
    start = Clock::now();
    ::SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_NORMAL);
    attributes += MillisecondsSince(start);
    start = Clock::now();
    Gest_File::SetFileTimesFromSetup(target);
    times += MillisecondsSince(start);
    start = Clock::now();
    tk::PrintLine(list, target);
    line += MillisecondsSince(start);
  }
  const double n = payload.names.empty() ? 1.0 : static_cast<double>(payload.names.size());
  std::fprintf(stderr,
               "install_bench: pieces: the engine's steps for %zu files in %.1f ms, a file: look for the target "
               "%.3f ms, folder %.3f ms, copy with display %.3f ms, attributes %.3f ms, times %.3f ms, list line "
               "%.3f ms\n",
               payload.names.size(), MillisecondsSince(whole), exists / n, path / n, copy / n, attributes / n,
               times / n, line / n);
  tk::Close(list);
  ::DeleteFileA((folder + ".list").c_str());
  for (const auto& name : payload.names) ::DeleteFileA((folder + "\\" + name).c_str());
  ::RemoveDirectoryA(folder.c_str());
  Gest_File::BytesCopied = 0;
}

}  // namespace

int main(int argc, char** argv) {
  const bool pieces = argc == 4 && std::string(argv[3]) == "--pieces";
  const bool whole = argc == 3 && std::string(argv[1]) == "--whole";
  if (argc != 3 && !pieces) {
    std::fprintf(stderr, "usage: install_bench WORK INSTALL [--pieces] | install_bench --whole INSTALL\n");
    return 2;
  }
  static BenchHost host;
  tk::SetHost(&host);
  phases.sinceCreation = MillisecondsSinceCreation();
  if (whole) {
    // The launcher's start-up ends with the wizard window shown on the
    // unpacked work folder.
    static FrmLaunch launcher;
    launcher.Load();
  } else {
    SourceDir = argv[1];
    FrmSetup().Show();
  }
  if (!FrmSetup().Loaded()) {
    std::fprintf(stderr, "install_bench: the wizard window did not load\n");
    return 1;
  }
  phases.shown = phases.Now();
  SetupInfo.InstallDir = argv[2];
  if (pieces) {
    int16_t progressPage = 6;
    FrmSetup().ShowStep(progressPage);
    const std::string files = SourceDir + "\\files";
    const Payload payload = ListPayload(files);
    TimeBlockPieces(payload);
    TimeYields(1000);
    ::CreateDirectoryA(SetupInfo.InstallDir.c_str(), nullptr);
    TimeBareCopy(payload, files, SetupInfo.InstallDir + "\\bare");
    TimeFileSteps(payload, files, SetupInfo.InstallDir + "\\steps");
  }
  // Next on the summary page, as NextStep_Click takes it: the progress page,
  // then the installation, which ends the process; its view stamps the
  // blocks and passes everything on to the wizard's.
  static BlockStamps view;
  FrmSetupWindow& wizard = FrmSetup();
  phases.installing = phases.Now();
  wizard.Previous_Disabilitato.SetVisible(false);
  wizard.Previous.SetVisible(true);
  wizard.Step = 6;
  wizard.ShowStep(wizard.Step);
  wizard.Previous.SetVisible(false);
  wizard.Previous_Disabilitato.SetVisible(false);
  wizard.NextStep.SetVisible(false);
  tk::DoEvents();
  Gest_File::RunInstallation(view);
  std::fprintf(stderr, "install_bench: the installation returned\n");
  return 1;
}
