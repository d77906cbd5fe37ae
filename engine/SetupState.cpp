#include "engine/SetupState.h"

SetupInfoRecord SetupInfo;
std::string SourceDir;
bool InstallStarted = false;
bool QuitConfirmed = false;
bool RestartNeeded = false;
int16_t WinMajor = 0;
std::string RunCommand;
uintptr_t WizardWindowHandle = 0;
std::string CopyUnderWay;
bool CopyUnderWayExisted = false;
std::vector<DeferredReplacement> DeferredReplacements;
std::vector<SetAsideFile> SetAsideFiles;
