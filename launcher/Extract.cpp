#include "launcher/Extract.h"

#include <algorithm>

#include "engine/Gest_File.h"
#include "engine/Progress.h"
#include "launcher/WorkFolder.h"
#include "toolkit/Files.h"
#include "toolkit/Win.h"

namespace {

constexpr int kPackageFile = 1;
constexpr int kMemberFile = 2;
constexpr int64_t kCopyBuffer = 1 << 20;

bool ReadAt(int64_t offset, size_t length, std::string& out) {
  out.assign(length, '\0');
  size_t got = 0;
  if (tk::Seek(kPackageFile, offset + 1) != 0) return false;
  if (length == 0) return true;
  return tk::Get(kPackageFile, out.data(), length, got) == 0 && got == length;
}

// A refused write: for lack of space, or for any other reason.
ExtractResult WriteFailure(int error) {
  return error == tk::errDiskFull ? ExtractResult::DiskFull : ExtractResult::WriteFailed;
}

// Copies one member's bytes to its destination, opened (and cut when it is
// there already) under number 2 as a scratch file, and gives it the setup
// program's times through the open file (a new file has the archive
// attribute alone already): the work folder's files are stamped as they
// are written, not opened again by name.
ExtractResult WriteMember(const ArchiveMember& member, const std::string& target, std::string& buffer) {
  if (const int opened = tk::OpenScratchOutput(target, kMemberFile); opened != 0) return WriteFailure(opened);
  ExtractResult result = ExtractResult::Done;
  {
    tk::FileNumberGuard closer(kMemberFile);
    if (tk::Seek(kPackageFile, member.offset + 1) != 0) result = ExtractResult::ReadFailed;
    int64_t left = member.size;
    while (result == ExtractResult::Done && left > 0) {
      const size_t chunk = static_cast<size_t>(std::min<int64_t>(left, kCopyBuffer));
      buffer.resize(chunk);
      size_t got = 0;
      if (tk::Get(kPackageFile, buffer.data(), chunk, got) != 0 || got != chunk) {
        result = ExtractResult::ReadFailed;
      } else if (const int written = tk::PrintText(kMemberFile, buffer); written != 0) {
        result = WriteFailure(written);
      }
      left -= static_cast<int64_t>(chunk);
    }
    uint64_t times[3];
    if (result == ExtractResult::Done && Gest_File::ReadSetupFileTimes(times))
      tk::SetFileTimes(kMemberFile, times[0], times[1], times[2]);
  }
  // A member that could not be written whole leaves nothing behind.
  if (result != ExtractResult::Done) tk::Kill(target);
  return result;
}

}  // namespace

ExtractResult ExtractSetupArchive(const std::string& package) {
  // A binary open would create a missing package: look first.
  const DWORD attributes = GetFileAttributesA(package.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return ExtractResult::NoPackage;
  if (tk::Open(package, tk::OpenMode::Binary, kPackageFile) != 0) return ExtractResult::NoPackage;
  tk::FileNumberGuard closer(kPackageFile);

  const int64_t length = tk::Lof(kPackageFile);
  if (length < 0) return ExtractResult::ReadFailed;
  std::string field;
  const int64_t fieldSize = std::min<int64_t>(length, kArchiveLengthFieldSize);
  if (!ReadAt(length - fieldSize, static_cast<size_t>(fieldSize), field)) return ExtractResult::ReadFailed;
  int32_t directoryLength = 0;
  if (ReadArchiveDirectoryLength(length, field, directoryLength) != ArchiveLengthStatus::Ok)
    return ExtractResult::BadLengthField;
  std::string directory;
  if (!ReadAt(length - directoryLength - kArchiveLengthFieldSize, static_cast<size_t>(directoryLength), directory))
    return ExtractResult::ReadFailed;

  const ArchivePlan plan = PlanArchiveExtraction(length, directory);
  std::string buffer;
  buffer.reserve(static_cast<size_t>(std::min<int64_t>(kCopyBuffer, length)));
  for (const ArchiveMember& member : plan.members) {
    DrawLaunchProgress(0, member.progress, 100);
    const ExtractResult written = WriteMember(member, GetExtractPath(WorkDir, member.name), buffer);
    if (written != ExtractResult::Done) return written;
  }
  if (!IsArchiveEndNormal(plan.end)) return ExtractResult::BadEntry;
  return ExtractResult::Done;
}
