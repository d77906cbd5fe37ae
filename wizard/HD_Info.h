// The drive report of the wizard's third page. Windows build only.
#pragma once

#include <cstdint>
#include <string>

#include "toolkit/TextBox.h"

namespace HD_Info {

// Reports on `drive` (a root such as "C:\") into `box`: used, available
// and required bytes, volume label, drive type and file system, with the
// numbers grouped by the user's thousands separator. Then checks the drive:
// when it is neither removable nor fixed, or its free bytes do not exceed
// `required`, FrmSetup's ErroreSpazio is moved and shows the warning,
// NextStep is disabled, and the result is -1. When the free space cannot be
// read at all, `box` is left alone, FrmSetup's Welcome is hidden, NextStep
// enabled, ErroreSpazio warns, and the result is 1,000,000,000. Otherwise
// ErroreSpazio and NextStep are left as they were and the result is 0.
// ErroreSpazio is shown while it holds a warning and hidden while empty.
// The drive facts come through the toolkit's host.
double DriveInfoReport(const std::string& drive, int32_t required, tk::TextBox& box);

}  // namespace HD_Info
