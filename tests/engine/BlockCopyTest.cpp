// The block copy under Wine: what the setup view shows before each block, the
// sources and targets that are not plain, and the deferred replacement of a
// target in use.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <vector>

#include "engine/BlockCopy.h"
#include "engine/ProgramManager.h"
#include "engine/SetupState.h"
#include "tests/engine/RecordingView.h"
#include "tests/support/PendingReplacements.h"
#include "tests/support/ScriptedHost.h"
#include "tests/support/WorkFolder.h"
#include "toolkit/Files.h"
#include "toolkit/Locale.h"
#include "toolkit/Numbers.h"
#include "toolkit/Win.h"

namespace {

using testsupport::HeldOpen;
using testsupport::PendingRenamesAside;
using testsupport::ReadFileBytes;
using testsupport::WininitAside;
using testsupport::WriteFileBytes;

struct Shown {
  std::string fileLabel, bytesLabel;
  int filePercent, overallPercent;
  std::string underWay;
  bool underWayExisted;
  bool operator==(const Shown&) const = default;
  friend void PrintTo(const Shown& s, std::ostream* out) {
    *out << s.fileLabel << "|" << s.bytesLabel << "|" << s.filePercent << "|" << s.overallPercent << "|" << s.underWay
         << "|" << s.underWayExisted;
  }
};

std::string Bytes(size_t count, char seed) {
  std::string bytes(count, '\0');
  for (size_t i = 0; i < count; ++i) bytes[i] = static_cast<char>(seed + i * 7 % 251);
  return bytes;
}

std::string Copied(double count) { return "Bytes copiati: " + tk::FormatPattern(count, "#,###", tk::UserThousandsSeparator()); }

// Writes through the toolkit's files that would take a file past `limit`
// bytes take what fits and fail, as under a limit on file sizes.
struct LimitedWrites : testsupport::ScriptedHost {
  int64_t limit = -1;  // none
  uint32_t WriteToFile(uintptr_t file, const void* data, uint32_t length, uint32_t& written) override {
    LARGE_INTEGER zero{}, at{};
    if (limit < 0 || !::SetFilePointerEx(reinterpret_cast<HANDLE>(file), zero, &at, FILE_CURRENT) ||
        at.QuadPart + length <= limit)
      return ScriptedHost::WriteToFile(file, data, length, written);
    written = 0;
    if (at.QuadPart < limit) ScriptedHost::WriteToFile(file, data, static_cast<uint32_t>(limit - at.QuadPart), written);
    return ERROR_FILE_TOO_LARGE;
  }
};

class BlockCopy : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    work_ = std::make_unique<testsupport::ScratchWork>("engine-copy", info->name());
    ASSERT_TRUE(::SetCurrentDirectoryA(work_->work().c_str()));
    Gest_File::BytesCopied = 0;
    SetupInfo = {};
    RestartNeeded = false;
    // A block is shown whole with its overall bar, its last call.
    view_.onCall = [this](const std::string& call) {
      if (call.starts_with("bar 1 "))
        shown_.push_back({view_.copyCaption, view_.bytesCaption, view_.bar[0], view_.bar[1], CopyUnderWay,
                          CopyUnderWayExisted});
    };
    SetSetupView(&view_);
  }
  void TearDown() override {
    SetSetupView(nullptr);
    tk::Reset();
    work_.reset();
  }
  std::string Target(const std::string& name) const { return work_->work() + "\\" + name; }

  std::unique_ptr<testsupport::ScratchWork> work_;
  LimitedWrites host_;
  testsupport::RecordingView view_;
  std::vector<Shown> shown_;
};

TEST_F(BlockCopy, ShowsEachBlockBeforeItMoves) {
  SetupInfo.TotalBytes = 200000;
  const std::string big = Bytes(100000, 'a');
  ASSERT_TRUE(work_->Write("files\\Big.DAT", big));
  const std::string target = Target("Big.dat");
  ASSERT_TRUE(Gest_File::CopyFileWithProgress("files\\Big.DAT", target));
  EXPECT_EQ(ReadFileBytes(target), big);
  const std::vector<Shown> blocks = {
      {"Copia di big.dat", Copied(32000), 32, 16, target, false},
      {"Copia di big.dat", Copied(64000), 64, 32, target, false},
      {"Copia di big.dat", Copied(96000), 96, 48, target, false},
      {"Copia di big.dat", Copied(100000), 100, 50, target, false},
  };
  EXPECT_EQ(shown_, blocks);
  EXPECT_EQ(CopyUnderWay, "");
  // Each block: the file's caption, its bar, the bytes, the overall bar.
  ASSERT_EQ(view_.calls.size(), 16u);
  EXPECT_EQ(std::vector<std::string>(view_.calls.begin(), view_.calls.begin() + 4),
            (std::vector<std::string>{"caption Copia di big.dat", "bar 0 32 100", "bytes " + Copied(32000),
                                      "bar 1 16 100"}));

  // One whole block and no remainder, over an existing target.
  shown_.clear();
  const std::string exact = Bytes(32000, 'q');
  ASSERT_TRUE(work_->Write("files\\Exact.bin", exact));
  ASSERT_TRUE(Gest_File::CopyFileWithProgress("files\\Exact.bin", target));
  EXPECT_EQ(ReadFileBytes(target), exact);
  EXPECT_EQ(shown_, std::vector<Shown>({{"Copia di exact.bin", Copied(132000), 100, 66, target, true}}));

  // An empty source shows nothing and leaves an empty target.
  shown_.clear();
  ASSERT_TRUE(work_->Write("files\\Empty.txt", ""));
  ASSERT_TRUE(Gest_File::CopyFileWithProgress("files\\Empty.txt", Target("Empty.txt")));
  EXPECT_EQ(ReadFileBytes(Target("Empty.txt")), "");
  EXPECT_TRUE(shown_.empty());
  EXPECT_EQ(Gest_File::BytesCopied, 132000);

  // Without a total the overall bar shows all done; the MSACCESS source
  // leaves the file label as it was.
  SetupInfo.TotalBytes = 0;
  ASSERT_TRUE(work_->Write("files\\MSACCESS.EXE", Bytes(10, 'm')));
  view_.calls.clear();
  ASSERT_TRUE(Gest_File::CopyFileWithProgress("files\\MSACCESS.EXE", Target("MSACCESS.EXE")));
  EXPECT_EQ(view_.calls, (std::vector<std::string>{"bar 0 100 100", "bytes " + Copied(132010), "bar 1 100 100"}));
  ASSERT_EQ(shown_.size(), 1u);
  EXPECT_EQ(shown_[0], (Shown{"Copia di exact.bin", Copied(132010), 100, 100, Target("MSACCESS.EXE"), false}));
}

// A file of many blocks: every block is shown, in order, before any of its
// bytes reach the target, and the target ends as the source.
TEST_F(BlockCopy, ALongFileIsShownBlockByBlockAndCopiedWhole) {
  constexpr size_t kBlocks = 70, kLength = kBlocks * 32000 + 1234;
  SetupInfo.TotalBytes = static_cast<int32_t>(kLength);
  const std::string source = Bytes(kLength, 'L');
  ASSERT_TRUE(work_->Write("files\\Long.bin", source));
  const std::string target = Target("Long.bin");
  std::vector<int64_t> onDisk;  // the target's length as each block is shown
  view_.onCall = [&](const std::string& call) {
    if (!call.starts_with("bar 1 ")) return;
    shown_.push_back({view_.copyCaption, view_.bytesCaption, view_.bar[0], view_.bar[1], CopyUnderWay,
                      CopyUnderWayExisted});
    WIN32_FILE_ATTRIBUTE_DATA facts{};
    onDisk.push_back(::GetFileAttributesExA(target.c_str(), GetFileExInfoStandard, &facts)
                         ? static_cast<int64_t>(facts.nFileSizeLow)
                         : -1);
  };
  ASSERT_TRUE(Gest_File::CopyFileWithProgress("files\\Long.bin", target));
  EXPECT_TRUE(ReadFileBytes(target) == source);
  ASSERT_EQ(shown_.size(), kBlocks + 1);
  for (size_t k = 0; k < shown_.size(); ++k) {
    const double done = k < kBlocks ? (k + 1) * 32000.0 : static_cast<double>(kLength);
    const int percent = static_cast<int>(tk::RoundHalfEven(done / kLength * 100));
    EXPECT_EQ(shown_[k], (Shown{"Copia di long.bin", Copied(done), percent, percent, target, false})) << k;
    EXPECT_LE(onDisk[k], static_cast<int64_t>(k * 32000)) << "block " << k + 1 << " was written before it was shown";
  }
  EXPECT_EQ(Gest_File::BytesCopied, static_cast<double>(kLength));
}

// What a handler run by one of the copy's yields finds: the target holds
// the bytes of every block shown before, whatever the copy keeps back in
// between (a quit confirmed there leaves exactly that much).
struct YieldWatch {
  std::string target;
  std::vector<std::pair<int64_t, int64_t>> seen;  // blocks shown before, bytes in the target
};
YieldWatch* g_watch = nullptr;

LRESULT CALLBACK WatchProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_APP || !g_watch) return ::DefWindowProcA(window, message, wParam, lParam);
  WIN32_FILE_ATTRIBUTE_DATA facts{};
  const bool there = ::GetFileAttributesExA(g_watch->target.c_str(), GetFileExInfoStandard, &facts);
  g_watch->seen.emplace_back(static_cast<int64_t>(wParam), there ? static_cast<int64_t>(facts.nFileSizeLow) : -1);
  return 0;
}

TEST_F(BlockCopy, AYieldFindsEveryBlockShownBeforeItInTheTarget) {
  constexpr size_t kBlocks = 80, kLength = kBlocks * 32000 + 777;
  SetupInfo.TotalBytes = static_cast<int32_t>(kLength);
  const std::string source = Bytes(kLength, 'Y');
  ASSERT_TRUE(work_->Write("files\\Yield.bin", source));
  YieldWatch watch{Target("Yield.bin"), {}};
  g_watch = &watch;
  WNDCLASSA type{};
  type.lpfnWndProc = WatchProc;
  type.hInstance = ::GetModuleHandleA(nullptr);
  type.lpszClassName = "BlockCopyYieldWatch";
  ::RegisterClassA(&type);
  struct MessageWindow {
    HWND h;
    ~MessageWindow() { ::DestroyWindow(h); }
  } watcher{::CreateWindowExA(0, type.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, type.hInstance,
                              nullptr)};
  ASSERT_NE(watcher.h, nullptr);
  // After every seventh block a message waits, and the next block's yield
  // is due.
  size_t blocks = 0;
  view_.onCall = [&](const std::string& call) {
    if (!call.starts_with("bar 1 ") || ++blocks % 7 != 0) return;
    ::PostMessageA(watcher.h, WM_APP, blocks, 0);
    ::Sleep(6);
  };
  ASSERT_TRUE(Gest_File::CopyFileWithProgress("files\\Yield.bin", watch.target));
  g_watch = nullptr;
  EXPECT_TRUE(ReadFileBytes(watch.target) == source);
  ASSERT_GE(watch.seen.size(), kBlocks / 7 - 1);
  for (const auto& [shownBefore, inTarget] : watch.seen)
    EXPECT_EQ(inTarget, shownBefore * 32000) << "a yield after block " << shownBefore;
}

// A folder that takes no new files refuses a target where nothing is:
// nothing there is in use, so nothing is deferred and the copy fails
// without a failure to tell. (Linux's /sys refuses new files even to
// root, under whom the tests may run.)
TEST_F(BlockCopy, ATargetRefusedWhereNothingIsIsNotDeferred) {
  const DWORD sys = ::GetFileAttributesA("Z:\\sys");
  if (sys == INVALID_FILE_ATTRIBUTES || !(sys & FILE_ATTRIBUTE_DIRECTORY)) GTEST_SKIP() << "no /sys on drive Z:";
  WininitAside wininit;
  PendingRenamesAside pendingRenames;
  ASSERT_TRUE(work_->Write("files\\New.txt", "new"));
  int failure = -1;
  EXPECT_FALSE(Gest_File::CopyFileWithProgress("files\\New.txt", "Z:\\sys\\New.txt", failure));
  EXPECT_EQ(failure, 0);
  EXPECT_FALSE(RestartNeeded);
  EXPECT_FALSE(ReadFileBytes(wininit.path()).has_value());
}

// A write refused in the middle of the file the copy writes anew is no file
// in use, whatever the system's reason: nothing is deferred, what was
// written goes, a replaced file (kept whole aside meanwhile) comes back, and
// the labels and bars show the bytes that reached the target; the next file
// counts on from there.
TEST_F(BlockCopy, AWriteRefusedMidFileEndsTheCopyAndShowsTheBytesThatReachedTheTarget) {
  WininitAside wininit;
  PendingRenamesAside pendingRenames;
  SetupInfo.TotalBytes = 1000000;
  ASSERT_TRUE(work_->Write("files\\Quota.dat", Bytes(300000, 'w')));
  const std::string target = Target("Quota.dat");
  std::optional<std::string> asideAtFirstBlock;
  const auto record = view_.onCall;
  view_.onCall = [&](const std::string& call) {
    record(call);
    if (shown_.size() == 1 && !asideAtFirstBlock) asideAtFirstBlock = ReadFileBytes(Target("Quota.000"));
  };
  host_.limit = 160000;
  for (const bool replaced : {false, true}) {
    SCOPED_TRACE(replaced ? "replaced" : "new");
    if (replaced) {
      ASSERT_TRUE(WriteFileBytes(target, "old"));
    }
    shown_.clear();
    asideAtFirstBlock.reset();
    Gest_File::BytesCopied = 0;
    int failure = -1;
    EXPECT_FALSE(Gest_File::CopyFileWithProgress("files\\Quota.dat", target, failure));
    EXPECT_EQ(failure, 0);
    EXPECT_FALSE(RestartNeeded);
    const std::optional<std::string> before = replaced ? std::optional<std::string>("old") : std::nullopt;
    EXPECT_TRUE(ReadFileBytes(target) == before) << "the target is not as it was";
    EXPECT_EQ(asideAtFirstBlock, before);
    EXPECT_EQ(testsupport::ListNames(Target("Quota.*")), replaced ? std::vector<std::string>{"Quota.dat"}
                                                                  : std::vector<std::string>{});
    ASSERT_GE(shown_.size(), 7u);
    EXPECT_EQ(shown_.back(), (Shown{"Copia di quota.dat", Copied(160000), 53, 16, target, replaced}));
  }
  EXPECT_FALSE(ReadFileBytes(wininit.path()).has_value());
  host_.limit = -1;
  shown_.clear();
  ASSERT_TRUE(work_->Write("files\\Next.dat", "n"));
  ASSERT_TRUE(Gest_File::CopyFileWithProgress("files\\Next.dat", Target("Next.dat")));
  EXPECT_EQ(shown_, std::vector<Shown>({{"Copia di next.dat", Copied(160001), 100, 16, Target("Next.dat"), false}}));
}

TEST_F(BlockCopy, MissingSourceLeavesTheTargetAndHiddenTargetsAreReplacedWhole) {
  const std::string target = Target("Kept.txt");
  ASSERT_TRUE(WriteFileBytes(target, "old contents"));
  EXPECT_FALSE(Gest_File::CopyFileWithProgress("files\\Missing.txt", target));
  EXPECT_FALSE(Gest_File::CopyFileWithProgress("files", target));  // a folder is no source
  EXPECT_EQ(ReadFileBytes(target), "old contents");
  EXPECT_EQ(::GetFileAttributesA((work_->work() + "\\files\\Missing.txt").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_TRUE(shown_.empty());

  // A hidden target longer than the new file keeps none of its tail.
  const std::string hidden = Target("Hidden.ini");
  ASSERT_TRUE(WriteFileBytes(hidden, std::string(5000, 'x')));
  ASSERT_TRUE(::SetFileAttributesA(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
  ASSERT_TRUE(work_->Write("files\\Hidden.ini", "[new]"));
  EXPECT_TRUE(Gest_File::CopyFileWithProgress("files\\Hidden.ini", hidden));
  EXPECT_EQ(ReadFileBytes(hidden), "[new]");
  EXPECT_FALSE(RestartNeeded);
}

TEST_F(BlockCopy, TargetsInUseAreReplacedAtTheNextStart) {
  WininitAside wininit;
  PendingRenamesAside pendingRenames;
  ASSERT_TRUE(work_->Write("files\\Foo.dll", "new dll"));
  ASSERT_TRUE(work_->Write("files\\Foo.ocx", "new ocx"));
  const std::string dll = Target("Foo.dll"), ocx = Target("Foo.ocx");
  ASSERT_TRUE(WriteFileBytes(dll, "old dll"));
  ASSERT_TRUE(WriteFileBytes(ocx, "old ocx"));
  {
    HeldOpen heldDll(dll), heldOcx(ocx);
    ASSERT_TRUE(heldDll.held() && heldOcx.held());
    int failure = -1;
    EXPECT_FALSE(Gest_File::CopyFileWithProgress("files\\Foo.dll", dll, failure));
    EXPECT_EQ(failure, 0);
    EXPECT_TRUE(RestartNeeded);
    EXPECT_EQ(ReadFileBytes(wininit.path()), "[rename]\r\n" + dll + "=" + Target("Foo.000") + "\r\n");
    EXPECT_FALSE(Gest_File::CopyFileWithProgress("files\\Foo.ocx", ocx));
  }
  EXPECT_EQ(ReadFileBytes(dll), "old dll");
  EXPECT_EQ(ReadFileBytes(Target("Foo.000")), "new dll");
  EXPECT_EQ(ReadFileBytes(Target("Foo.001")), "new ocx");
  EXPECT_EQ(ReadFileBytes(wininit.path()), "[rename]\r\n" + dll + "=" + Target("Foo.000") + "\r\n" + ocx + "=" +
                                               Target("Foo.001") + "\r\n");
  EXPECT_EQ(CopyUnderWay, "");

  // A target that others let only be read survives its deletion: deferred
  // as well.
  ASSERT_TRUE(work_->Write("files\\Bar.exe", std::string(40000, 'b')));
  ASSERT_TRUE(WriteFileBytes(Target("Bar.exe"), "running"));
  {
    HeldOpen running(Target("Bar.exe"), FILE_SHARE_READ);
    ASSERT_TRUE(running.held());
    EXPECT_FALSE(Gest_File::CopyFileWithProgress("files\\Bar.exe", Target("Bar.exe")));
  }
  EXPECT_EQ(ReadFileBytes(Target("Bar.exe")), "running");
  EXPECT_EQ(ReadFileBytes(Target("Bar.000")), std::string(40000, 'b'));
  EXPECT_NE(ReadFileBytes(wininit.path())->find(Target("Bar.exe") + "=" + Target("Bar.000") + "\r\n"),
            std::string::npos);

  // A library a program has loaded, which the system lets be renamed but
  // not written: deferred too, and nothing is left under another name.
  const std::string library = std::string(VERSION_DATA) + "\\v5_1_2600_0.dll";
  ASSERT_TRUE(CopyFileA(library.c_str(), Target("Lib.dll").c_str(), FALSE));
  ASSERT_TRUE(work_->Write("files\\Lib.dll", "new lib"));
  {
    const tk::Library loaded(LoadLibraryA(Target("Lib.dll").c_str()));
    ASSERT_TRUE(loaded);
    EXPECT_FALSE(Gest_File::CopyFileWithProgress("files\\Lib.dll", Target("Lib.dll")));
  }
  EXPECT_TRUE(ReadFileBytes(Target("Lib.dll")) == ReadFileBytes(library)) << "the loaded library was written";
  EXPECT_EQ(ReadFileBytes(Target("Lib.000")), "new lib");
  EXPECT_NE(ReadFileBytes(wininit.path())->find(Target("Lib.dll") + "=" + Target("Lib.000") + "\r\n"),
            std::string::npos);

  // The NT family has the same renames in its own list.
  const auto pending = pendingRenames.Read();
  ASSERT_TRUE(pending);
  EXPECT_NE(pending->find(Target("Foo.000")), std::string::npos);
  EXPECT_NE(pending->find(Target("Foo.001")), std::string::npos);
}

// A file another program holds open for reading and writing, sharing both
// but not its deletion (a database open in shared mode), is never written
// into: its replacement is deferred. An existing wininit.ini whose last line
// has no line end keeps that line whole.
TEST_F(BlockCopy, AFileOpenForSharedWritingIsDeferredAndWininitLinesStayWhole) {
  WininitAside wininit;
  PendingRenamesAside pendingRenames;
  const std::string before = "[rename]\r\nC:\\other\\a.dll=C:\\other\\a.000";
  ASSERT_TRUE(WriteFileBytes(wininit.path(), before));
  ASSERT_TRUE(work_->Write("files\\Foo.dll", "new dll"));
  const std::string dll = Target("Foo.dll");
  ASSERT_TRUE(WriteFileBytes(dll, "old dll"));
  {
    HeldOpen running(dll);
    ASSERT_TRUE(running.held());
    EXPECT_FALSE(Gest_File::CopyFileWithProgress("files\\Foo.dll", dll));
  }
  const std::string lines = before + "\r\n" + dll + "=" + Target("Foo.000") + "\r\n";
  EXPECT_EQ(ReadFileBytes(wininit.path()), lines);

  RestartNeeded = false;
  const std::string target = Target("Shared.mdb"), temp = Target("Shared.000");
  const std::string old(50000, 'o');
  ASSERT_TRUE(WriteFileBytes(target, old));
  ASSERT_TRUE(work_->Write("files\\Shared.mdb", "new"));
  {
    HeldOpen database(target, FILE_SHARE_READ | FILE_SHARE_WRITE, GENERIC_READ | GENERIC_WRITE);
    ASSERT_TRUE(database.held());
    EXPECT_FALSE(Gest_File::CopyFileWithProgress("files\\Shared.mdb", target));
  }
  EXPECT_TRUE(RestartNeeded);
  EXPECT_TRUE(ReadFileBytes(target) == old) << "the held file was written into";
  EXPECT_TRUE(shown_.empty());
  EXPECT_EQ(ReadFileBytes(temp), "new");
  EXPECT_EQ(ReadFileBytes(wininit.path()), lines + target + "=" + temp + "\r\n");
  const auto pending = pendingRenames.Read();
  ASSERT_TRUE(pending);
  EXPECT_NE(pending->find(temp), std::string::npos);
}

// Files the folder listing does not show (hidden or system) are still
// there: one held open with reading and writing shared is not cut and
// written into, and one under the name the temporary copy would take keeps
// its bytes.
TEST_F(BlockCopy, HiddenFilesAreNeitherWrittenIntoNorTakenForTheTemporaryCopy) {
  WininitAside wininit;
  PendingRenamesAside pendingRenames;
  const std::string target = Target("Hidden.mdb"), taken = Target("Hidden.000"), temp = Target("Hidden.001");
  const std::string old(50000, 'o');
  ASSERT_TRUE(WriteFileBytes(target, old));
  ASSERT_TRUE(WriteFileBytes(taken, "the user's"));
  constexpr DWORD kUsers = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY;
  for (const std::string& path : {target, taken}) ASSERT_TRUE(::SetFileAttributesA(path.c_str(), kUsers));
  ASSERT_TRUE(work_->Write("files\\Hidden.mdb", "new"));
  {
    HeldOpen database(target, FILE_SHARE_READ | FILE_SHARE_WRITE, GENERIC_READ | GENERIC_WRITE);
    ASSERT_TRUE(database.held());
    EXPECT_FALSE(Gest_File::CopyFileWithProgress("files\\Hidden.mdb", target));
  }
  EXPECT_TRUE(ReadFileBytes(target) == old) << "the held hidden file was written into";
  EXPECT_EQ(::GetFileAttributesA(target.c_str()) & kUsers, kUsers) << "the file in use lost its attributes";
  EXPECT_EQ(ReadFileBytes(taken), "the user's");
  EXPECT_EQ(ReadFileBytes(temp), "new");
  EXPECT_TRUE(RestartNeeded);
  EXPECT_EQ(ReadFileBytes(wininit.path()), "[rename]\r\n" + target + "=" + temp + "\r\n");
}

TEST_F(BlockCopy, InUseUpdatersOfTheBrowserAreNeverScheduled) {
  WininitAside wininit;
  ASSERT_TRUE(work_->Write("files\\WININET.DLL", "new"));
  const std::string target = Target("WININET.DLL");
  ASSERT_TRUE(WriteFileBytes(target, "old"));
  HeldOpen held(target);
  ASSERT_TRUE(held.held());
  EXPECT_FALSE(Gest_File::CopyFileWithProgress("files\\WININET.DLL", target));
  EXPECT_FALSE(RestartNeeded);
  EXPECT_EQ(::GetFileAttributesA(Target("WININET.000").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(ReadFileBytes(wininit.path()), std::nullopt);
}

}  // namespace
