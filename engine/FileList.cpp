// Taking a line of the file list apart.
#include "engine/FileList.h"

namespace Gest_File {

std::optional<FileListEntry> ParseFileListLine(const std::string& line,
                                               const std::string& installDrive) {
  const std::size_t semicolon = line.find(';');
  if (semicolon == std::string::npos || semicolon == 0) return std::nullopt;

  FileListEntry entry;
  entry.FileName = line.substr(0, semicolon);
  std::string rest = line.substr(semicolon + 1);
  // The cut is made from the end: the second ";" and the flag.
  if (rest.size() >= 2) rest.resize(rest.size() - 2);
  if (rest.find(':') == std::string::npos) rest = installDrive + rest;
  if (rest.empty() || rest.back() != '\\') rest += '\\';
  entry.Folder = rest;

  const char flag = line.back();
  entry.Replace = flag >= '1' && flag <= '9';
  entry.Source = "files\\" + entry.FileName;
  entry.Target = entry.Folder + entry.FileName;
  return entry;
}

}  // namespace Gest_File
