// The file list Setup.ftc (Gest_File): taking one line apart. Only computes.
#pragma once

#include <optional>
#include <string>

namespace Gest_File {

// One payload file of the list.
struct FileListEntry {
  std::string FileName;  // the text before the first ";", blanks kept
  std::string Folder;    // destination folder, always ending in "\"
  bool Replace = false;  // the line's last character is "1" to "9"
  std::string Source;    // "files\" & FileName, relative to the work folder
  std::string Target;    // Folder & FileName
};

// Takes apart one line of Setup.ftc whose tokens are already replaced
// ("name;folder;flag"). The folder is the text after the first ";" less its
// last two characters (kept whole when shorter than two), so it may itself
// hold ";". A folder without ":" gets `installDrive` ("D:") in front of it,
// and a final "\" when it lacks one. Nothing is trimmed. A line without ";"
// or beginning with ";" (an empty line too) gives no entry.
std::optional<FileListEntry> ParseFileListLine(const std::string& line,
                                               const std::string& installDrive);

}  // namespace Gest_File
