// Starting a command line without waiting, as the classic runtime's Shell.
// Windows only.
#pragma once

#include <cstdint>
#include <string>

namespace tk {

// Window styles of the started program's first window.
enum : int {
  vbHide = 0,
  vbNormalFocus = 1,
  vbMinimizedFocus = 2,
  vbMaximizedFocus = 3,
  vbNormalNoFocus = 4,
  vbMinimizedNoFocus = 6,
};

// Starts commandLine (a program, found as the system finds it, and its
// arguments) with the given window style and returns at once with the new
// process's id; nothing of the process is kept open. Returns 0 when nothing
// was started; status (when given) then holds the classic error number: 5
// for an empty command line or an unknown window style, 53 when the program
// is not found, 76 when its folder is not, 75 otherwise. On success status
// is 0.
uint32_t Shell(const std::string& commandLine, int windowStyle, int* status = nullptr);

}  // namespace tk
