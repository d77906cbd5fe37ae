// Arbitrary bytes as one line of a package Setup.ftc, taken apart for the
// install drive "D:". Aborts when a line gives an entry it should not (or
// none where it should), or when an entry's parts do not come from the line:
// the name before the first ";", the folder from the text after it less the
// flag, always ending in "\" and on a drive, and the flag from the last
// character.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "engine/FileList.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

const std::string kDrive = "D:";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string line(reinterpret_cast<const char*>(data), size);
  const auto entry = Gest_File::ParseFileListLine(line, kDrive);
  const size_t semicolon = line.find(';');
  Check(entry.has_value() == (semicolon != std::string::npos && semicolon != 0));
  if (!entry) return 0;

  Check(!entry->FileName.empty() && entry->FileName.find(';') == std::string::npos);
  Check(line.compare(0, entry->FileName.size() + 1, entry->FileName + ";") == 0);
  Check(entry->Source == "files\\" + entry->FileName);
  Check(entry->Target == entry->Folder + entry->FileName);
  Check(entry->Replace == (line.back() >= '1' && line.back() <= '9'));

  // The folder: the rest of the line less at most its last two characters,
  // the drive in front when it names none, a final "\" added when missing.
  const std::string rest = line.substr(semicolon + 1);
  std::string folder = entry->Folder;
  Check(!folder.empty() && folder.back() == '\\' && folder.find(':') != std::string::npos);
  const size_t cut = rest.size() >= 2 ? rest.size() - 2 : rest.size();
  const bool hasDrive = rest.substr(0, cut).find(':') != std::string::npos;
  if (!hasDrive) {
    Check(folder.compare(0, kDrive.size(), kDrive) == 0);
    folder.erase(0, kDrive.size());
  }
  if (folder.size() == cut + 1) folder.pop_back();
  Check(folder.size() == cut && rest.compare(0, cut, folder) == 0);
  return 0;
}
