// The block copy (Gest_File): numbered files, so that a quit confirmed while
// a bar yields closes them with every other open file before its roll-back
// removes the partly written target.
#include "engine/BlockCopy.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <limits>
#include <vector>

#include "engine/CopyPresenter.h"
#include "engine/Deferral.h"
#include "engine/Gest_File.h"
#include "engine/Misc.h"
#include "engine/SetAside.h"
#include "engine/SetupState.h"
#include "engine/SetupView.h"
#include "engine/TempName.h"
#include "toolkit/Files.h"
#include "toolkit/Locale.h"
#include "toolkit/Numbers.h"
#include "toolkit/Win.h"

namespace Gest_File {

double BytesCopied = 0;

namespace {

constexpr int64_t kBlock = 32000;
constexpr int64_t kRun = 32 * kBlock;  // the bytes of 32 blocks, read and written at once

// Names the target as the copy under way for as long as the copy runs.
class UnderWay {
 public:
  UnderWay(const std::string& target, DWORD attributes) {
    CopyUnderWayExisted = attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
    CopyUnderWay = target;
  }
  ~UnderWay() {
    CopyUnderWay.clear();
    CopyUnderWayExisted = false;
  }
  UnderWay(const UnderWay&) = delete;
  UnderWay& operator=(const UnderWay&) = delete;
};

std::string LowerCase(std::string text) {
  if (!text.empty()) ::CharLowerBuffA(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

int WholePercent(double percent) {
  const double rounded = tk::RoundHalfEven(percent);
  if (!(rounded > std::numeric_limits<int32_t>::min())) return 0;  // NaN too
  if (rounded > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  return static_cast<int>(rounded);
}

// What one copy shows before each block.
struct Display {
  std::string fileCaption;  // "" for a source whose caption stays
  char thousandsSeparator;
  int64_t length;
  int64_t done = 0;

  void BeforeBlock(int64_t bytes, const std::function<bool()>& beforeYield) {
    done += bytes;
    BytesCopied += static_cast<double>(bytes);
    Show(beforeYield);
  }

  // After a failed write: the bytes that reached the target, without a yield.
  void ShowReached(int64_t reached) {
    BytesCopied -= static_cast<double>(done - reached);
    done = reached;
    Show([] { return false; });
  }

  void Show(const std::function<bool()>& beforeYield) {
    const int filePercent = WholePercent(static_cast<double>(done) / static_cast<double>(length) * 100.0);
    // A total of 0 or below cannot be divided by: the bar then shows all done.
    const int32_t total = SetupInfo.TotalBytes;
    const int overallPercent = total > 0 ? WholePercent(BytesCopied / total * 100.0) : 100;
    CopyPresenter::ShowBlock(TheSetupView(), fileCaption,
                             "Bytes copiati: " + tk::FormatPattern(BytesCopied, "#,###", thousandsSeparator),
                             filePercent, overallPercent, beforeYield);
  }
};

bool InUse(int error) { return error == tk::errPermissionDenied || error == tk::errPathFileAccess; }

// The target is in use: the new file goes beside it and its replacement
// waits for the next start of Windows. Always False; `failure` tells of a
// step that failed.
bool DeferReplacement(const std::string& source, const std::string& target, int& failure) {
  if (source.find("URLMON.DLL") != std::string::npos || source.find("WININET.DLL") != std::string::npos)
    return false;
  const std::string temp = MakeTempName(target);
  if (temp.empty()) {
    failure = tk::errFileAlreadyExists;  // no free temporary name is left
    return false;
  }
  if ((failure = tk::FileCopy(source, temp)) || (failure = ScheduleReplacement(target, temp))) {
    // Nothing will take the new file in: no copy of it stays beside.
    ::DeleteFileA(temp.c_str());
    return false;
  }
  RestartNeeded = true;
  return false;
}

}  // namespace

std::string MakeTempName(const std::string& name) {
  // Anything under a name, hidden or not, file or folder, takes it.
  return TempName::MakeTempName(name, [](const std::string& path) {
    DWORD attributes = INVALID_FILE_ATTRIBUTES;
    return !NothingNamed(path, attributes);
  });
}

bool NothingNamed(const std::string& path, unsigned long& attributes) {
  attributes = ::GetFileAttributesA(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) return false;
  const DWORD lookup = ::GetLastError();
  return lookup == ERROR_FILE_NOT_FOUND || lookup == ERROR_PATH_NOT_FOUND;
}

bool CopyFileWithProgress(const std::string& source, const std::string& target) {
  int failure = 0;
  return CopyFileWithProgress(source, target, failure);
}

bool CopyFileWithProgress(const std::string& source, const std::string& target, int& failure) {
  CopyRequest request;
  return CopyFileWithProgress(source, target, failure, request);
}

bool CopyFileWithProgress(const std::string& source, const std::string& target, int& failure,
                          CopyRequest& request) {
  failure = 0;
  request.timesGiven = false;
  request.attributesGiven = false;
  request.targetAppeared = false;
  // Nothing at all under the target's name: nothing to delete below.
  DWORD targetAttributes = INVALID_FILE_ATTRIBUTES;
  const bool targetAbsent = request.targetAbsent || NothingNamed(target, targetAttributes);
  UnderWay underWay(target, targetAttributes);

  // A missing or unreadable source leaves the target as it was.
  const DWORD sourceAttributes = ::GetFileAttributesA(source.c_str());
  if (sourceAttributes == INVALID_FILE_ATTRIBUTES || (sourceAttributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
  const int sourceNumber = tk::FreeFile();
  if (sourceNumber == 0 || tk::Open(source, tk::OpenMode::Binary, sourceNumber)) return false;
  tk::FileNumberGuard sourceGuard(sourceNumber);
  const int64_t length = tk::Lof(sourceNumber);
  if (length < 0) return false;

  // An existing target stays whole aside until the new file is complete
  // (hidden and system ones as listed ones). A target in use cannot be moved
  // aside. One held open with reading and writing shared (a database open in
  // shared mode) would open below too, and the copy would write into the
  // live file: it is deferred as well. A folder is never replaced.
  bool setAside = false;
  if (!targetAbsent) {
    if (targetAttributes != INVALID_FILE_ATTRIBUTES && (targetAttributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
    setAside = SetAside(target);
    DWORD left = INVALID_FILE_ATTRIBUTES;
    if (!setAside && !NothingNamed(target, left) && !(left & FILE_ATTRIBUTE_DIRECTORY)) {
      tk::Close(sourceNumber);
      return DeferReplacement(source, target, failure);
    }
  }

  const int targetNumber = tk::FreeFile();
  if (targetNumber == 0) {
    PutBack(target);
    return false;
  }
  // A target missing only by an earlier listing must still be missing: one
  // that has appeared since is not touched.
  const int opened = request.targetUnseen ? tk::OpenNew(target, targetNumber) : tk::OpenAnew(target, targetNumber);
  if (const int error = opened) {
    tk::Close(sourceNumber);
    if (request.targetUnseen && error == tk::errFileAlreadyExists) {
      request.targetAppeared = true;
      return false;
    }
    // A new file refused where nothing is (a medium that takes no new
    // files), or where the copy has just moved the target aside, is no file
    // in use: nothing waits to be replaced, and the target goes back.
    PutBack(target);
    DWORD left = INVALID_FILE_ATTRIBUTES;
    if (setAside || !InUse(error) || NothingNamed(target, left) || (left & FILE_ATTRIBUTE_DIRECTORY)) return false;
    return DeferReplacement(source, target, failure);
  }
  tk::FileNumberGuard targetGuard(targetNumber);

  // Any later failure leaves no partial target behind: the copy made it,
  // and what was there before goes back.
  auto abandon = [&] {
    tk::Close(targetNumber);
    tk::Close(sourceNumber);
    ::DeleteFileA(target.c_str());
    PutBack(target);
    return false;
  };

  Display display{source.find("MSACCESS") == std::string::npos ? "Copia di " + LowerCase(Misc::GetFileName(source))
                                                                 : std::string(),
                  tk::UserThousandsSeparator(), length};
  // Each block is shown before its bytes move, and nothing is handled
  // meanwhile without the bytes of every block shown before it in the
  // target, as when each block moved on its own. The bytes themselves go a
  // run of blocks at a time: read at once, and written at once before a
  // yield and at the run's end, which under Wine takes about half as long as
  // block-sized reads and writes.
  std::vector<char> buffer(static_cast<size_t>(std::min(length, kRun)));
  for (int64_t start = 0; start < length; start += kRun) {
    const int64_t run = std::min(length - start, kRun);
    size_t got = 0;
    const int64_t readable = tk::Get(sourceNumber, buffer.data(), static_cast<size_t>(run), got) == tk::errNone
                                 ? static_cast<int64_t>(got)
                                 : std::min(static_cast<int64_t>(got), run - 1);
    int64_t shown = 0, written = 0;
    int writeError = tk::errNone;
    // Writes the bytes of the blocks shown before the one being shown: at
    // once, or, when the system refuses that, again block by block from
    // where that began, so that `written` ends at the block where the
    // failure is met.
    auto writeShown = [&] {
      if (writeError) return false;
      if (written == shown) return true;
      if (tk::Put(targetNumber, buffer.data() + written, static_cast<size_t>(shown - written)) == tk::errNone) {
        written = shown;
        return true;
      }
      writeError = tk::Seek(targetNumber, start + written + 1);
      while (!writeError && written < shown) {
        const int64_t bytes = std::min(shown - written, kBlock);
        if (!(writeError = tk::Put(targetNumber, buffer.data() + written, static_cast<size_t>(bytes)))) written += bytes;
      }
      return !writeError;
    };
    int64_t displayed = 0;  // the run's bytes whose blocks have been shown
    while (displayed < run && !writeError) {
      const int64_t bytes = std::min(run - displayed, kBlock);
      displayed += bytes;
      display.BeforeBlock(bytes, writeShown);
      // A block that cannot be read whole ends the copy once it is shown.
      if (displayed > readable) return abandon();
      if (!writeError) shown = displayed;
    }
    if (writeShown()) continue;
    // A write refused in the file the copy created is no file in use,
    // whatever the system says: the copy ends as on a full disk.
    abandon();
    display.ShowReached(start + written);
    return false;
  }

  const int64_t written = tk::Lof(targetNumber);
  if (written < 0 || written != tk::Lof(sourceNumber)) return abandon();
  // Times and plain attributes together go in one request where the system
  // takes it; else each on its own.
  if (request.times && request.plainAttributes &&
      tk::SetTimesAndClearAttributes(targetNumber, request.times[0], request.times[1], request.times[2]) ==
          tk::errNone) {
    request.timesGiven = request.attributesGiven = true;
  } else {
    if (request.times)
      request.timesGiven =
          tk::SetFileTimes(targetNumber, request.times[0], request.times[1], request.times[2]) == tk::errNone;
    if (request.plainAttributes) request.attributesGiven = tk::ClearAttributes(targetNumber) == tk::errNone;
  }
  tk::Close(targetNumber);
  tk::Close(sourceNumber);
  DropSetAside(target);
  return true;
}

}  // namespace Gest_File
