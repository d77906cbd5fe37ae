// The drive report of the wizard's third page as data: the report text, the
// warning and what becomes of the Next button, computed from the facts the
// system gave about the drive. Portable: only computes; the Windows side
// (wizard/HD_Info.h) reads the facts and applies the outcome.
#pragma once

#include <cstdint>
#include <string>

#include "toolkit/Host.h"

namespace HD_Info {

// Results of the report.
inline constexpr double kDrivePasses = 0;
inline constexpr double kDriveFails = -1;
inline constexpr double kDriveUnreadable = 1000000000;

// Tops of the warning box, in twips.
inline constexpr double kWarningTopHigh = 790;
inline constexpr double kWarningTopLow = 2500;

enum class NextButton { Leave, Enable, Disable };

struct DriveReport {
  double result = kDrivePasses;
  bool writeReport = false;  // the report box takes `report`
  std::string report;
  bool warn = false;  // the warning box moves to `warningTop` and shows `warning`
  double warningTop = 0;
  std::string warning;
  // The report's empty line between the volume label and the medium, which
  // the low warning lies over: its number among the report's own lines and
  // the index of its first character.
  int lineUnderWarning = 0;
  size_t lineUnderWarningStart = 0;
  NextButton next = NextButton::Leave;
  bool hideWelcome = false;
};

// The name the report gives a drive type (GetDriveTypeA's number).
const char* DriveTypeName(uint32_t type);

// The report of a drive whose free-space query succeeded. `drive` is the
// root as shown ("C:\"); `required` the bytes the package needs; the volume
// label and file-system name are cut at their first NUL and shortened to 11
// and 5 characters, or are 11 and 5 blanks when the volume query failed.
// Byte counts stay whole 64-bit numbers, shown exactly up to 2^53 bytes (a
// total below the free count, which no drive reports, shows 0 used).
DriveReport ReadableDriveReport(const std::string& drive, int32_t required, const tk::DriveSpace& space,
                                const tk::VolumeFacts& volume, uint32_t driveType, char thousandsSep);

// The outcome for a drive whose free space cannot be read (no medium, no
// such drive): no report, the warning high up, Welcome hidden and Next
// enabled, so that the user may go on.
DriveReport UnreadableDriveReport();

}  // namespace HD_Info
