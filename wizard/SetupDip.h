// SetupDip: reading the settings file Setup.dip into SetupInfo. Portable:
// the caller opens the file and hands its lines over through a LineSource.
//
// Every line is a label followed by a value; only the column where the value
// begins matters (the label is never checked). The value is the text from
// that column (counted from 1) to the end of the line, blanks removed at
// both ends (tabs stay); a line shorter than its column gives "".
//
// The start-up reads the file in two parts, because it asks Windows for the
// version and the Program Files folder between them:
//   ReadHead (lines 1 to 6), then DefaultInstallDir, then ReadRest (line 7
//   to the end: TotalBytes, the four file names, the extra shortcut groups).
// Each part writes the fields of `info` in the file's order and stops at the
// first failure: the fields written before it keep their new values, the
// others keep the values they had. Nothing is undone.
#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "engine/SetupState.h"

namespace SetupDip {

// The lines of the open file, one at a time.
class LineSource {
 public:
  virtual ~LineSource() = default;
  // Whether every line has been read.
  virtual bool AtEnd() = 0;
  // The next line without its line end; false past the end of the file or
  // when reading fails (line then untouched).
  virtual bool ReadLine(std::string& line) = 0;
};

// A LineSource over lines already in memory.
class LinesInMemory : public LineSource {
 public:
  explicit LinesInMemory(std::vector<std::string> lines) : lines_(std::move(lines)) {}
  bool AtEnd() override { return next_ >= lines_.size(); }
  bool ReadLine(std::string& line) override;

 private:
  std::vector<std::string> lines_;
  size_t next_ = 0;
};

// What the reader was writing, in the order it writes it.
enum class Item {
  ApplicationName,    // line 1
  UnusedLine2,        // line 2: read, value not used
  SoftwareHouseName,  // line 3
  ProgramGroup,       // line 4
  AppVersion,         // line 5
  InstallDir,         // line 6
  TotalBytes,         // line 7
  ExeName,            // line 8
  MdeName,            // line 9
  MdwName,            // line 10
  IconName,           // line 11
  ExtraShortcuts,     // lines 12 and after
};

// The outcome of ReadHead or ReadRest. When !ok, `stoppedAt` is the item
// whose reading failed: every item before it holds its new value, that item
// and every later one its old value. The one exception is ExtraShortcuts,
// which is written group by group (see ReadRest).
struct ReadResult {
  bool ok = true;
  Item stoppedAt = Item::ApplicationName;
};

// The value of a line whose value begins at `column` (1-based).
std::string ValueAt(const std::string& line, size_t column);

// Lines 1 to 6 into ApplicationName, SoftwareHouseName, ProgramGroup,
// AppVersion and InstallDir (still the bare folder name of the file).
// Fails when the file ends before line 6 or a line cannot be read.
ReadResult ReadHead(LineSource& lines, SetupInfoRecord& info);

// The proposed installation folder for the folder name of line 6: on major
// version 5 and below it lies in the Program Files folder, from 6 on in the
// root of the Program Files folder's drive (its first two characters).
// ("C:\Program Files", "Gestionale": 5 -> "C:\Program Files\Gestionale",
// 6 -> "C:\Gestionale".)
std::string DefaultInstallDir(int winMajor, const std::string& programFiles,
                              const std::string& folderName);

// Line 7 on: TotalBytes, ExeName, MdeName, MdwName, IconName, then the extra
// shortcut groups of three lines each until the end of the file.
// - TotalBytes is the number at the start of the value (tk::Val), rounded
//   half to even; a result outside the signed 32-bit range fails.
// - ExtraShortcutCount starts at 0 and is raised before each group is read,
//   so a group cut short by the end of the file fails with the count already
//   counting it (an empty line after the last group starts such a group).
//   Each group's three lines are stored as read and then turned into their
//   values (column 8), so a group that fails on its second or third line
//   leaves the raw lines read before the failure in its entry.
// - An eleventh group fails before anything of it is written: the count stays
//   10 and no entry beyond the tenth exists.
ReadResult ReadRest(LineSource& lines, SetupInfoRecord& info);

}  // namespace SetupDip
