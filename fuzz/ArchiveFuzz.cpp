// Arbitrary bytes as a package Setup.UMF: split into the directory and its
// length field as the launcher reads them, planned, and each planned member
// looked up again one entry at a time. Aborts on a member outside the member
// area or a plan the single lookups disagree with.
#include "launcher/Archive.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

void CheckPlan(int64_t length, const std::string& directory) {
  const ArchivePlan plan = PlanArchiveExtraction(length, directory);
  const int64_t directoryStart = length - static_cast<int64_t>(directory.size()) - kArchiveLengthFieldSize;
  int64_t next = 0;
  for (size_t i = 0; i < plan.members.size(); ++i) {
    const ArchiveMember& m = plan.members[i];
    Check(m.offset == next && m.size > 0 && m.offset + m.size <= directoryStart);
    Check(m.progress >= 0 && m.progress <= 100);
    Check(IsSafeArchiveMemberName(m.name));
    next = m.offset + m.size;
    std::string name;
    Check(GetArchiveEntry(static_cast<int16_t>(i + 1), directory, name) == m.size && name == m.name);
  }
  Check(plan.endIndex == static_cast<int16_t>(plan.members.size() + 1));
  if (plan.end == ArchiveEnd::EndOfDirectory) {
    std::string name = "unchanged";
    Check(GetArchiveEntry(plan.endIndex, directory, name) == 0 && name == "unchanged");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string package(reinterpret_cast<const char*>(data), size);
  const auto length = static_cast<int64_t>(size);
  const std::string field = size >= 5 ? package.substr(size - 5) : package;
  int32_t n = -1;
  if (ReadArchiveDirectoryLength(length, field, n) == ArchiveLengthStatus::Ok) {
    Check(n >= 0 && n <= kArchiveMaxDirectoryLength && n + 5 <= length);
    CheckPlan(length, package.substr(size - 5 - n, n));
  } else {
    Check(n == 0);
  }
  // The same bytes as a directory of a package as large as it can be, so
  // that every entry's size is tried against a far directory start.
  if (size <= static_cast<size_t>(kArchiveMaxDirectoryLength)) CheckPlan(kArchiveMaxPackageLength, package);
  std::string name;
  if (size >= 2) GetArchiveEntry(static_cast<int16_t>(data[0] | (data[1] << 8)), package, name);
  return 0;
}
