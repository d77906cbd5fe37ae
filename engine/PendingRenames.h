// The text of the two lists of replacements that wait for the next start of
// Windows, for taking out again what this program put in: a line of
// wininit.ini, and a pair of the NT family's PendingFileRenameOperations.
// Only computes.
#pragma once

#include <string>

namespace PendingRenames {

// Removes from text the last line that is exactly `line`, together with its
// line end (CR LF, or a lone LF or CR); a last line without a line end
// counts too. False, and text unchanged, when no line is `line`.
bool RemoveLastLine(std::string& text, const std::string& line);

// The NT family's list is a run of pairs of NUL-ended texts, closed by one
// more NUL: the file to move ("\??\" and its full path), then where to
// ("\??\" and a full path, with "!" in front when it may replace a file
// there; empty when the file is to be deleted). Removes the last pair that
// moves `from` to `to` (both as the list writes them, without "!"), with or
// without the "!". False, and data unchanged, when no pair does. A list
// left without pairs becomes "". Whatever follows the closing NUL is not
// kept.
bool RemoveRename(std::wstring& data, const std::wstring& from, const std::wstring& to);

}  // namespace PendingRenames
