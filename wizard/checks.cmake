# The folder check and the drive report: their syntax and report texts are
# portable; the checks against the disk and the controls are Windows only.
list(APPEND WIZARD_CORE_SOURCES TargetPathText.cpp DriveReportText.cpp)
list(APPEND WIZARD_WIN_SOURCES TargetPath.cpp HD_Info.cpp)
