// The lines of Uninstall.ini that the installation sequence writes itself
// (Gest_File): the head before the shortcuts' "LNK=" lines and the tail
// after them. Only computes; the sequence writes each line with CR LF.
#pragma once

#include <string>
#include <vector>

#include "engine/Tokens.h"

namespace Gest_File {

// The five head lines: lines 1, 2, 3 and 5 of Setup.dip as read (`dipLines`
// holds the lines read, in order; a line the file lacks is written empty),
// and in place of line 4 "Program Group: " & programsFolder & "\" &
// programGroup. `programsFolder` is the current user's Programs folder.
std::vector<std::string> UninstallHead(const std::vector<std::string>& dipLines,
                                       const std::string& programsFolder,
                                       const std::string& programGroup);

// The tail: an empty line, ";[REMOVE]", `dateLine`, an empty line,
// ";[REGISTRY SECTION]", then the RemoveKey and RemoveVal lines of the
// uninstall key and the three profile and engine keys, each value name
// under its key indented by ten blanks. The key paths and value names have
// their tokens replaced with the registry flag off.
std::vector<std::string> UninstallTail(const std::string& dateLine,
                                       const Misc::TokenValues& values);

}  // namespace Gest_File
