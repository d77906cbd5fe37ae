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
  if (r.next != NextButton::Leave) w.NextStep.SetEnabled(r.next == NextButton::Enable);
  if (r.hideWelcome) w.Welcome.SetVisible(false);
  return r.result;
}

}  // namespace HD_Info
