// ShortCuts: the link files of the installation, made through the shell
// component's shortcut class. Windows build only.
#pragma once
#include <cstdint>
#include <string>

namespace ShortCuts {

// Makes one link: finds the shell folder `csidl` (not created when
// missing), creates `subFolder` inside it when `createSubFolder`, appends
// "LNK=" and the link file's path to InstallDir\Uninstall.ini, then has the
// shortcut class write `linkName`.Lnk there, starting `target` with
// `arguments` in InstallDir and showing the icon of `icon`. Failures are
// passed over silently.
void CreateShortcut(int32_t csidl, const std::string& subFolder, const std::string& target,
                    const std::string& linkName, const std::string& arguments,
                    const std::string& icon, bool createSubFolder);

// Creates the one folder `path` (its parent must exist); failures ignored.
void MakeFolderQuiet(const std::string& path);

// The installation's shortcuts: every call of the shortcut plan in order
// (the desktop box read from the setup view's DeskShort), and RunCommand.
void MakeShortcuts();

}  // namespace ShortCuts
