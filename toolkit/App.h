// Facts of the running program, as the classic runtime's App object gives
// them. Windows only.
#pragma once

#include <string>

namespace tk {

// The folder of the running program's file, without a trailing backslash;
// a drive root keeps its backslash ("C:\"). "" when the system cannot say.
std::string AppPath();

// The running program's file name without folder and extension ("Setup").
std::string AppEXEName();

// The title given with SetAppTitle; until then AppEXEName().
std::string AppTitle();
void SetAppTitle(const std::string& title);

// Whether another process of this program (the same file name, in any
// case) was running when this process first asked. The first call takes the
// program's instance mark, a named mutex kept for the life of the process;
// every later call gives the first answer again.
bool AppPrevInstance();

// The name of the instance mark of a program whose file name (without
// extension) is exeName.
std::string InstanceMarkName(const std::string& exeName);

}  // namespace tk
