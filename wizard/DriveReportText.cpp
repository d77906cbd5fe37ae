#include "wizard/DriveReportText.h"

#include <algorithm>

#include "toolkit/Numbers.h"

namespace HD_Info {
namespace {

const char kCrLf[] = "\r\n";

// The first `width` characters of a name that Windows wrote into a blank
// buffer: the name up to its NUL, or all blanks when nothing was written.
std::string NamePiece(bool written, const std::string& name, size_t width) {
  if (!written) return std::string(width, ' ');
  return name.substr(0, name.find('\0')).substr(0, width);
}

}  // namespace

const char* DriveTypeName(uint32_t type) {
  switch (type) {
    case 1: return "Sconosciuto";
    case 2: return "Rimuovibile";
    case 3: return "Disco rigido";
    case 4: return "Remoto";
    case 5: return "CD-ROM";
    case 6: return "Disco RAM";
    default: return "*ERROR*";
  }
}

DriveReport ReadableDriveReport(const std::string& drive, int32_t required, const tk::DriveSpace& space,
                                const tk::VolumeFacts& volume, uint32_t driveType, char thousandsSep) {
  const uint64_t used = space.total >= space.totalFree ? space.total - space.totalFree : 0;
  const uint64_t available = space.totalFree;

  DriveReport r;
  r.writeReport = true;
  r.report = " Informazioni sull'unità " + drive + kCrLf + kCrLf;
  r.report += "  - Spazio utilizzato sul disco: " +
              tk::FormatPattern(static_cast<double>(used), "###,###,###,##0", thousandsSep) + " bytes" + kCrLf;
  r.report += "  - Spazio disponibile: " +
              tk::FormatPattern(static_cast<double>(available), "###,###,###,##0", thousandsSep) + " bytes" + kCrLf;
  r.report += "  - Spazio richiesto: " + tk::FormatPattern(required, "#,###", thousandsSep) + " bytes" + kCrLf;
  r.report += "  - Etichetta di Volume : " + NamePiece(volume.ok, volume.label, 11) + kCrLf;
  r.lineUnderWarning = static_cast<int>(std::count(r.report.begin(), r.report.end(), '\n'));
  r.lineUnderWarningStart = r.report.size();
  r.report += std::string(kCrLf) + "  - Tipo di supporto: ";
  r.report += std::string(DriveTypeName(driveType)) + kCrLf;
  r.report += "  - Tipo di File-System: " + NamePiece(volume.ok, volume.fileSystem, 5) + kCrLf;

  if (driveType != 2 && driveType != 3) {
    r.result = kDriveFails;
    r.warn = true;
    r.warningTop = kWarningTopHigh;
    r.next = NextButton::Disable;
    r.warning = std::string("ATTENZIONE:") + kCrLf +
                "Tipo di supporto non valido. Provare a cambiare il supporto, ad es. 'C:\\'";
  }
  // Made whatever the medium check found; its warning replaces the medium's.
  if (static_cast<double>(available) - required <= 0) {
    r.warn = true;
    r.warningTop = kWarningTopLow;
    r.next = NextButton::Disable;
    r.warning = "ATTENZIONE: lo spazio disponibile è INSUFFICIENTE.";
    r.result = kDriveFails;
  }
  return r;
}

DriveReport UnreadableDriveReport() {
  DriveReport r;
  r.result = kDriveUnreadable;
  r.warn = true;
  r.warningTop = kWarningTopHigh;
  r.next = NextButton::Enable;
  r.hideWelcome = true;
  r.warning = std::string("ATTENZIONE:") + kCrLf + "Impossibile leggere le informazioni dall'unità scelta.";
  return r;
}

}  // namespace HD_Info
