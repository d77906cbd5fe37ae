// Date texts of file times, as the per-file installer compares and records
// them, and the extension that picks a file's installation rule. Only
// computes; the Windows side reads the file times and the user's date
// separator.
#pragma once

#include <cstdint>
#include <string>

namespace DateText {

// A moment broken down in UTC, as the system's SYSTEMTIME holds it.
struct TimeFields {
  int Year = 0;
  int Month = 0;      // 1 to 12
  int DayOfWeek = 0;  // 0 Sunday to 6 Saturday
  int Day = 0;        // 1 to 31
  int Hour = 0;
  int Minute = 0;
  int Second = 0;
  int Milliseconds = 0;
};

// Breaks a file time (100-nanosecond intervals since 1 January 1601 UTC)
// down as FileTimeToSystemTime does. False, with `fields` untouched, for a
// value at or above 2^63, which the system refuses too.
bool FileTimeToFields(uint64_t fileTime, TimeFields& fields);

// Day and month with two digits and the year with at least four, joined by
// `dateSeparator`; a blank; then hour, ".", minute, ".", second without
// leading zeros: 5 March 2004 09:07:03 gives "05/03/2004 9.7.3" with "/".
std::string FormatDateText(const TimeFields& fields, const std::string& dateSeparator);

// FormatDateText of the broken-down file time; "" when it does not convert.
std::string FileTimeToDateString(uint64_t fileTime, const std::string& dateSeparator);

// The extension that picks a file's installation rule: the text after the
// first "." of the source path, in upper case ("files\Foo.dll" gives "DLL",
// "files\a.b.dll" gives "B.DLL"); the whole path in upper case without a
// dot. Only ASCII letters change case.
std::string InstallExtension(const std::string& source);

}  // namespace DateText
