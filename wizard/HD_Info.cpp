#include "wizard/HD_Info.h"

#include "toolkit/Host.h"
#include "toolkit/Locale.h"
#include "wizard/DriveReportText.h"
#include "wizard/FrmSetup.h"

namespace HD_Info {

double DriveInfoReport(const std::string& drive, int32_t required, tk::TextBox& box) {
  tk::Host& host = tk::host();
  const tk::DriveSpace space = host.FreeSpace(drive);
  DriveReport r;
  if (space.ok) {
    const tk::VolumeFacts volume = host.Volume(drive);
    const uint32_t type = host.DriveType(drive);
    r = ReadableDriveReport(drive, required, space, volume, type, tk::UserThousandsSeparator());
  } else {
    r = UnreadableDriveReport();
  }

  FrmSetupWindow& w = FrmSetup();
  if (r.writeReport) box.SetText(r.report);
  if (r.warn) {
    w.ErroreSpazio.SetTop(r.warningTop);
    w.ErroreSpazio.SetText(r.warning);
  }
  // Low down the warning box lies over the report's empty line; a report
  // line that wraps in its box pushes that line down by as many lines.
  if (r.writeReport && w.ErroreSpazio.Top() == kWarningTopLow)
    w.ErroreSpazio.SetTop(kWarningTopLow +
                          (box.LineOfChar(r.lineUnderWarningStart) - r.lineUnderWarning) * box.LineHeight());
  // As high as the lines the warning breaks into, one line when empty: low
  // down it covers the report's empty line and not the text of the next.
  const double line = w.ErroreSpazio.LineHeight();
  if (line > 0) w.ErroreSpazio.SetHeight(w.ErroreSpazio.LineCount() * line);
  // An empty warning box is not drawn: it would lie as a band of the
  // panel's colour over the report.
  w.ErroreSpazio.SetVisible(!w.ErroreSpazio.Text().empty());
  if (r.next != NextButton::Leave) w.SetNextEnabled(r.next == NextButton::Enable);
  if (r.hideWelcome) w.Welcome.SetVisible(false);
  return r.result;
}

}  // namespace HD_Info
