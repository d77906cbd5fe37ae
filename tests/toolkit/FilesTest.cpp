#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "toolkit/Files.h"
#include "toolkit/Owners.h"
#include "toolkit/Win.h"

namespace {

using tk::OpenMode;

// Each test works in a fresh folder of its own in the temporary folder.
class Files : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = (std::filesystem::temp_directory_path() / ("tkfiles." + std::to_string(::GetCurrentProcessId()))).string();
    std::filesystem::create_directories(folder_);
    startFolder_ = std::filesystem::current_path();
  }

  void TearDown() override {
    tk::Reset();
    ::SetFileAttributesA(Path("ro.bin").c_str(), FILE_ATTRIBUTE_NORMAL);
    std::filesystem::current_path(startFolder_);
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }

  std::string Path(const std::string& name) const { return folder_ + "\\" + name; }

  void WriteRaw(const std::string& name, const std::string& bytes) const {
    std::ofstream(Path(name), std::ios::binary) << bytes;
  }

  std::string ReadRaw(const std::string& name) const {
    std::ifstream in(Path(name), std::ios::binary);
    if (!in) return "<missing>";
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  std::vector<std::string> AllLines(const std::string& name) {
    std::vector<std::string> lines;
    EXPECT_EQ(tk::Open(Path(name), OpenMode::Input, 1), 0);
    std::string line;
    while (!tk::Eof(1)) {
      EXPECT_EQ(tk::LineInput(1, line), 0);
      lines.push_back(line);
    }
    line = "untouched";
    EXPECT_EQ(tk::LineInput(1, line), tk::errInputPastEnd);
    EXPECT_EQ(line, "untouched");
    EXPECT_EQ(tk::Close(1), 0);
    return lines;
  }

  std::string folder_;
  std::filesystem::path startFolder_;
};

using Lines = std::vector<std::string>;

TEST_F(Files, LineInputEndsLinesAtCrLfLoneLfOrLoneCrAndKeepsAnUnendedLastLine) {
  WriteRaw("mixed.txt", "uno\r\ndue\ntre\rquattro\r\n\r\ncinque");
  EXPECT_EQ(AllLines("mixed.txt"), (Lines{"uno", "due", "tre", "quattro", "", "cinque"}));

  WriteRaw("ended.txt", "a\r\nb\r\n");
  EXPECT_EQ(AllLines("ended.txt"), (Lines{"a", "b"}));

  // A CR LF split across the reader's blocks is still one line end, and a
  // line longer than a block arrives whole.
  const std::string longLine(65535, 'x');
  WriteRaw("split.txt", longLine + "\r\nnext\r\n" + std::string(200000, 'y') + "\n");
  EXPECT_EQ(AllLines("split.txt"), (Lines{longLine, "next", std::string(200000, 'y')}));
}

TEST_F(Files, OutputCutsAppendAddsAndPrintWritesCrLf) {
  WriteRaw("log.txt", "old content that must go");
  ASSERT_EQ(tk::Open(Path("log.txt"), OpenMode::Output, 1), 0);
  EXPECT_EQ(tk::PrintLine(1, "uno"), 0);
  EXPECT_EQ(tk::PrintText(1, "due"), 0);
  EXPECT_EQ(tk::Close(1), 0);
  ASSERT_EQ(tk::Open(Path("log.txt"), OpenMode::Append, 1), 0);
  EXPECT_EQ(tk::PrintLine(1, "tre"), 0);
  EXPECT_EQ(tk::Close(1), 0);
  EXPECT_EQ(ReadRaw("log.txt"), "uno\r\ndue" "tre\r\n");

  ASSERT_EQ(tk::Open(Path("new.txt"), OpenMode::Append, 2), 0);
  EXPECT_EQ(tk::PrintLine(2, "prima"), 0);
  // The file is shared: it can be read while it is being written.
  ASSERT_EQ(tk::Open(Path("new.txt"), OpenMode::Input, 3), 0);
  std::string line;
  EXPECT_EQ(tk::LineInput(3, line), 0);
  EXPECT_EQ(line, "prima");

  // Each call suits its modes only.
  EXPECT_EQ(tk::PrintLine(3, "x"), tk::errBadFileMode);
  EXPECT_EQ(tk::Put(2, "x", 1), tk::errBadFileMode);
}

TEST_F(Files, BinaryRoundTripsEveryByteValueAndNeverCutsTheFile) {
  std::string bytes;
  for (int i = 0; i < 256; ++i) bytes += static_cast<char>(i);
  ASSERT_EQ(tk::Open(Path("all.bin"), OpenMode::Binary, 1), 0);
  EXPECT_EQ(tk::Put(1, bytes.data(), bytes.size()), 0);
  EXPECT_EQ(tk::Lof(1), 256);
  EXPECT_TRUE(tk::Eof(1));
  EXPECT_EQ(tk::Seek(1, 1), 0);
  EXPECT_FALSE(tk::Eof(1));
  std::string back(300, '?');
  size_t got = 0;
  EXPECT_EQ(tk::Get(1, back.data(), back.size(), got), 0);
  EXPECT_EQ(got, 256u);
  EXPECT_EQ(back.substr(0, got), bytes);
  EXPECT_EQ(tk::Get(1, back.data(), 1, got), 0);
  EXPECT_EQ(got, 0u);
  EXPECT_EQ(tk::Seek(1, 0), tk::errBadRecordNumber);
  EXPECT_EQ(tk::Close(1), 0);
  EXPECT_EQ(ReadRaw("all.bin"), bytes);

  WriteRaw("keep.bin", "abcdef");
  ASSERT_EQ(tk::Open(Path("keep.bin"), OpenMode::Binary, 1), 0);
  EXPECT_EQ(tk::Seek(1, 3), 0);
  EXPECT_EQ(tk::Put(1, "XY", 2), 0);
  std::string all;
  EXPECT_EQ(tk::ReadAll(1, all), 0);
  EXPECT_EQ(all, "abXYef");
  EXPECT_TRUE(tk::Eof(1));
}

// A file written anew keeps nothing of what was there, one that must be
// new is made only where nothing is, and a scratch file is cut when it is
// there and created when it is not, as Output does.
TEST_F(Files, OpensForNewFilesCreateCutOrRefuseAsTheySay) {
  WriteRaw("anew.bin", "an older and longer file");
  ASSERT_EQ(tk::OpenAnew(Path("anew.bin"), 1), 0);
  EXPECT_EQ(tk::Lof(1), 0);
  EXPECT_EQ(tk::Put(1, "new", 3), 0);
  EXPECT_EQ(tk::Seek(1, 1), 0);
  std::string back;
  EXPECT_EQ(tk::ReadAll(1, back), 0);
  EXPECT_EQ(back, "new");
  EXPECT_EQ(tk::Close(1), 0);
  EXPECT_EQ(ReadRaw("anew.bin"), "new");
  ASSERT_EQ(tk::OpenAnew(Path("fresh.bin"), 1), 0);
  EXPECT_EQ(tk::Put(1, "made", 4), 0);
  EXPECT_EQ(tk::Close(1), 0);
  EXPECT_EQ(ReadRaw("fresh.bin"), "made");
  EXPECT_EQ(tk::OpenAnew(Path("no such folder\\x.bin"), 1), tk::errPathNotFound);
  EXPECT_FALSE(tk::IsOpen(1));

  WriteRaw("scratch.txt", "an older and longer file");
  ASSERT_EQ(tk::OpenScratchOutput(Path("scratch.txt"), 2), 0);
  EXPECT_EQ(tk::PrintText(2, "short"), 0);
  EXPECT_EQ(tk::Put(2, "x", 1), tk::errBadFileMode);
  EXPECT_EQ(tk::Close(2), 0);
  EXPECT_EQ(ReadRaw("scratch.txt"), "short");
  ASSERT_EQ(tk::OpenScratchOutput(Path("new.txt"), 2), 0);
  EXPECT_EQ(tk::PrintText(2, "created"), 0);
  EXPECT_EQ(tk::Close(2), 0);
  EXPECT_EQ(ReadRaw("new.txt"), "created");
  ASSERT_EQ(tk::OpenScratchOutput(Path("empty.txt"), 2), 0);
  EXPECT_EQ(tk::Close(2), 0);
  EXPECT_EQ(ReadRaw("empty.txt"), "");

  // A file that must be new is created only where nothing is.
  EXPECT_EQ(tk::OpenNew(Path("anew.bin"), 1), tk::errFileAlreadyExists);
  EXPECT_EQ(tk::OpenNew(folder_, 1), tk::errFileAlreadyExists);
  EXPECT_FALSE(tk::IsOpen(1));
  EXPECT_EQ(ReadRaw("anew.bin"), "new");
  ASSERT_EQ(tk::OpenNew(Path("brand new.bin"), 1), 0);
  EXPECT_EQ(tk::Put(1, "first", 5), 0);
  EXPECT_EQ(tk::Close(1), 0);
  EXPECT_EQ(ReadRaw("brand new.bin"), "first");

  // None falls back to reading a file that another program lets others
  // only read.
  WriteRaw("held.bin", "held");
  const tk::FileHandle reader(::CreateFileA(Path("held.bin").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                            OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(reader.valid());
  EXPECT_EQ(tk::OpenAnew(Path("held.bin"), 1), tk::errPermissionDenied);
  EXPECT_EQ(tk::OpenScratchOutput(Path("held.bin"), 2), tk::errPermissionDenied);
  EXPECT_EQ(tk::OpenNew(Path("held.bin"), 3), tk::errFileAlreadyExists);
  EXPECT_EQ(ReadRaw("held.bin"), "held");
}

// Times given through the open file stay once it is closed; a number that
// is not open has none to give.
TEST_F(Files, TimesGivenToAnOpenFileOutliveItsClosing) {
  const uint64_t created = 0x01C0000012345670ull, accessed = 0x01C1000012345670ull,
                 written = 0x01C2000012345670ull;  // 1999 to 2001, whole microseconds
  ASSERT_EQ(tk::Open(Path("times.bin"), OpenMode::Binary, 3), 0);
  EXPECT_EQ(tk::Put(3, "abc", 3), 0);
  EXPECT_EQ(tk::SetFileTimes(3, created, accessed, written), 0);
  EXPECT_EQ(tk::Close(3), 0);
  WIN32_FILE_ATTRIBUTE_DATA data;
  ASSERT_TRUE(::GetFileAttributesExA(Path("times.bin").c_str(), GetFileExInfoStandard, &data));
  auto ticks = [](FILETIME t) { return (uint64_t{t.dwHighDateTime} << 32) | t.dwLowDateTime; };
  // (The creation time is asked for too, but Wine's files keep no settable
  // one.)
  EXPECT_EQ(ticks(data.ftLastWriteTime), written);
  EXPECT_EQ(ticks(data.ftLastAccessTime), accessed);
  EXPECT_EQ(ReadRaw("times.bin"), "abc");
  EXPECT_EQ(tk::SetFileTimes(3, created, accessed, written), tk::errBadFileNameOrNumber);
}

// A hidden system file opened for writing becomes a plain one through its
// open file (the system here has the setter by handle).
TEST_F(Files, AnOpenFileLosesItsAttributes) {
  WriteRaw("marked.bin", "x");
  ASSERT_TRUE(::SetFileAttributesA(Path("marked.bin").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
  ASSERT_EQ(tk::Open(Path("marked.bin"), OpenMode::Binary, 4), 0);
  EXPECT_EQ(tk::ClearAttributes(4), 0);
  EXPECT_EQ(tk::Close(4), 0);
  const DWORD attributes = ::GetFileAttributesA(Path("marked.bin").c_str());
  ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY), 0u);
  EXPECT_EQ(tk::ClearAttributes(4), tk::errBadFileNameOrNumber);
}

// Times and plain attributes in one request: both stand once the file is
// closed, the times too after the bytes written before them.
TEST_F(Files, AnOpenFileTakesItsTimesAndLosesItsAttributesInOneRequest) {
  WriteRaw("both.bin", "x");
  ASSERT_TRUE(::SetFileAttributesA(Path("both.bin").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
  const uint64_t created = 0x01BF000000000000ull, accessed = 0x01C0000012345670ull,
                 written = 0x01C2000012345670ull;
  ASSERT_EQ(tk::Open(Path("both.bin"), OpenMode::Binary, 4), 0);
  EXPECT_EQ(tk::Put(4, "abc", 3), 0);
  EXPECT_EQ(tk::SetTimesAndClearAttributes(4, created, accessed, written), 0);
  EXPECT_EQ(tk::Close(4), 0);
  WIN32_FILE_ATTRIBUTE_DATA data;
  ASSERT_TRUE(::GetFileAttributesExA(Path("both.bin").c_str(), GetFileExInfoStandard, &data));
  auto ticks = [](FILETIME t) { return (uint64_t{t.dwHighDateTime} << 32) | t.dwLowDateTime; };
  EXPECT_EQ(ticks(data.ftLastWriteTime), written);
  EXPECT_EQ(ticks(data.ftLastAccessTime), accessed);
  EXPECT_EQ(data.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY), 0u);
  EXPECT_EQ(ReadRaw("both.bin"), "abc");
  EXPECT_EQ(tk::SetTimesAndClearAttributes(4, created, accessed, written), tk::errBadFileNameOrNumber);
}

TEST_F(Files, BinaryOpenFallsBackToReadingAFileOthersHoldForReading) {
  WriteRaw("held.bin", "tenuto");
  const tk::FileHandle reader(::CreateFileA(Path("held.bin").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                            OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(reader.valid());
  ASSERT_EQ(tk::Open(Path("held.bin"), OpenMode::Binary, 1), 0);
  std::string text;
  EXPECT_EQ(tk::ReadAll(1, text), 0);
  EXPECT_EQ(text, "tenuto");
  EXPECT_EQ(tk::Put(1, "z", 1), tk::errPathFileAccess);
  EXPECT_EQ(tk::Close(1), 0);
  EXPECT_EQ(tk::Open(Path("held.bin"), OpenMode::Append, 1), tk::errPermissionDenied);
}

TEST_F(Files, BinaryOpenFallsBackToReadingAReadOnlyFile) {
  WriteRaw("ro.bin", "fixed");
  ASSERT_TRUE(::SetFileAttributesA(Path("ro.bin").c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_EQ(tk::Kill(Path("ro.bin")), tk::errPathFileAccess);
  ASSERT_EQ(tk::Open(Path("ro.bin"), OpenMode::Binary, 1), 0);
  std::string text;
  EXPECT_EQ(tk::ReadAll(1, text), 0);
  EXPECT_EQ(text, "fixed");

  // Wine run by root writes read-only files (the attribute is only the
  // Unix mode, which root passes); the refusal is checked where it holds.
  const tk::FileHandle writer(::CreateFileA(Path("ro.bin").c_str(), GENERIC_WRITE,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
  if (writer.valid()) {
    GTEST_SKIP() << "this system lets a read-only file be written";
  }
  EXPECT_EQ(tk::Put(1, "z", 1), tk::errPathFileAccess);
  EXPECT_EQ(tk::Close(1), 0);
  EXPECT_EQ(tk::Open(Path("ro.bin"), OpenMode::Output, 1), tk::errPathFileAccess);
  EXPECT_EQ(ReadRaw("ro.bin"), "fixed");
}

TEST_F(Files, FailuresGiveTheClassicErrorNumbers) {
  WriteRaw("mixed.txt", "uno");
  EXPECT_EQ(tk::Open(Path("missing.txt"), OpenMode::Input, 1), tk::errFileNotFound);
  EXPECT_EQ(tk::Open(Path("no folder\\a.txt"), OpenMode::Output, 1), tk::errPathNotFound);
  EXPECT_EQ(tk::Open(folder_, OpenMode::Binary, 1), tk::errPathFileAccess);
  EXPECT_EQ(tk::Open(Path("a.txt"), OpenMode::Output, 0), tk::errBadFileNameOrNumber);
  EXPECT_EQ(tk::Open(Path("a.txt"), OpenMode::Output, 256), tk::errBadFileNameOrNumber);
  EXPECT_EQ(tk::Open("", OpenMode::Output, 1), tk::errBadFileNameOrNumber);
  EXPECT_FALSE(tk::IsOpen(1));

  ASSERT_EQ(tk::Open(Path("a.txt"), OpenMode::Output, 1), 0);
  EXPECT_EQ(tk::Open(Path("b.txt"), OpenMode::Output, 1), tk::errFileAlreadyOpen);

  // A file held elsewhere without sharing is in use.
  tk::FileHandle held(::CreateFileA(Path("held.txt").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  ASSERT_TRUE(held.valid());
  EXPECT_EQ(tk::Open(Path("held.txt"), OpenMode::Input, 2), tk::errPermissionDenied);
  EXPECT_EQ(tk::Open(Path("held.txt"), OpenMode::Binary, 2), tk::errPermissionDenied);
  EXPECT_EQ(tk::FileCopy(Path("a.txt"), Path("held.txt")), tk::errPermissionDenied);
  held.reset();
  EXPECT_EQ(tk::FileCopy(Path("mixed.txt"), Path("held.txt")), 0);  // replaces
  EXPECT_EQ(ReadRaw("held.txt"), "uno");

  EXPECT_EQ(tk::Kill(Path("missing.txt")), tk::errFileNotFound);
  EXPECT_EQ(tk::Kill(Path("no folder\\a.txt")), tk::errPathNotFound);
  EXPECT_EQ(tk::FileCopy(Path("missing.txt"), Path("c.txt")), tk::errFileNotFound);
  EXPECT_EQ(tk::FileCopy(Path("a.txt"), Path("none\\c.txt")), tk::errPathNotFound);

  // Numbers that are not open.
  EXPECT_EQ(tk::Seek(9, 1), tk::errBadFileNameOrNumber);
  EXPECT_EQ(tk::Close(9), 0);
}

TEST_F(Files, FreeFileSkipsOpenNumbersAndResetReleasesEveryFile) {
  WriteRaw("shared.txt", "x");
  ASSERT_EQ(tk::Open(Path("shared.txt"), OpenMode::Input, 1), 0);
  ASSERT_EQ(tk::Open(Path("shared.txt"), OpenMode::Binary, 2), 0);
  EXPECT_EQ(tk::FreeFile(), 3);
  EXPECT_EQ(tk::Close(1), 0);
  EXPECT_EQ(tk::FreeFile(), 1);

  for (int n = tk::FreeFile(); n != 0; n = tk::FreeFile()) {
    ASSERT_EQ(tk::Open(Path("shared.txt"), OpenMode::Input, n), 0) << n;
  }
  EXPECT_TRUE(tk::IsOpen(255));
  // An open file cannot be deleted; once Reset has closed all, it can.
  EXPECT_EQ(tk::Kill(Path("shared.txt")), tk::errPathFileAccess);
  tk::Reset();
  EXPECT_FALSE(tk::IsOpen(1));
  EXPECT_FALSE(tk::IsOpen(255));
  EXPECT_EQ(tk::FreeFile(), 1);
  EXPECT_EQ(tk::Kill(Path("shared.txt")), 0);
  EXPECT_EQ(ReadRaw("shared.txt"), "<missing>");
}

TEST_F(Files, PositionsBeyondFourGibibytesWork) {
  const int64_t beyond = (int64_t{1} << 32) + 10;  // 1-based position past 4 GiB
  ASSERT_EQ(tk::Open(Path("big.bin"), OpenMode::Binary, 1), 0);
  ASSERT_EQ(tk::Seek(1, beyond), 0);
  ASSERT_EQ(tk::Put(1, "Z", 1), 0);
  EXPECT_EQ(tk::Lof(1), beyond);
  EXPECT_TRUE(tk::Eof(1));
  ASSERT_EQ(tk::Seek(1, beyond), 0);
  EXPECT_FALSE(tk::Eof(1));
  char back = 0;
  size_t got = 0;
  EXPECT_EQ(tk::Get(1, &back, 1, got), 0);
  EXPECT_EQ(got, 1u);
  EXPECT_EQ(back, 'Z');
  EXPECT_EQ(tk::Close(1), 0);
  EXPECT_EQ(tk::Kill(Path("big.bin")), 0);
}

TEST_F(Files, FoldersAndDrives) {
  const std::string sub = Path("sub");
  EXPECT_EQ(tk::MakeFolder(sub), 0);
  EXPECT_EQ(tk::MakeFolder(sub), tk::errPathFileAccess);
  EXPECT_EQ(tk::MakeFolder(Path("none\\deeper")), tk::errPathFileAccess);
  WriteRaw("sub\\f.txt", "f");
  EXPECT_EQ(tk::RemoveFolder(sub), tk::errPathFileAccess);
  EXPECT_EQ(tk::Kill(sub), tk::errPathFileAccess);

  EXPECT_EQ(tk::SetCurrentFolder(sub), 0);
  EXPECT_EQ(ReadRaw("sub\\f.txt"), "f");
  ASSERT_EQ(tk::Open("f.txt", OpenMode::Input, 1), 0);  // relative to the new current folder
  EXPECT_EQ(tk::Close(1), 0);
  EXPECT_EQ(tk::SetCurrentFolder(Path("missing")), tk::errPathNotFound);
  EXPECT_EQ(tk::SetCurrentFolder(Path("sub\\f.txt")), tk::errPathNotFound);

  EXPECT_EQ(tk::Kill(Path("sub\\f.txt")), 0);
  EXPECT_EQ(tk::SetCurrentFolder(folder_), 0);
  EXPECT_EQ(tk::RemoveFolder(sub), 0);
  EXPECT_EQ(tk::RemoveFolder(sub), tk::errPathFileAccess);

  EXPECT_EQ(tk::SetCurrentDrive(""), 0);
  EXPECT_EQ(tk::SetCurrentDrive("c:\\anything"), 0);
  char current[MAX_PATH + 1] = {};
  ::GetCurrentDirectoryA(sizeof current, current);
  EXPECT_EQ(current[0] & ~0x20, 'C');
  EXPECT_EQ(tk::SetCurrentDrive("\\\\server\\share"), tk::errDeviceUnavailable);
  const DWORD drives = ::GetLogicalDrives();
  for (char letter = 'Z'; letter >= 'D'; --letter) {
    if ((drives & (1u << (letter - 'A'))) == 0) {
      EXPECT_EQ(tk::SetCurrentDrive(std::string(1, letter) + ":"), tk::errDeviceUnavailable) << letter;
      break;
    }
  }
}

}  // namespace
