// ShortCuts: the link files of the installation, made through the shell
// component's shortcut class. Windows build only.
#pragma once
#include <cstdint>
#include <string>

namespace ShortCuts {

// Makes one link: finds the shell folder `csidl` (not created when
// missing), creates `subFolder` inside it when `createSubFolder`, has the
// shortcut class write `linkName`.Lnk there, starting `target` with
// `arguments` in InstallDir and showing the icon of `icon`, and once the
// link file is there appends "LNK=" and its path to InstallDir\Uninstall.ini
// (a failure to append is passed over). A link that could not be made is
// logged as a failure in Install.Log: "Collegamento non creato: " and the
// link file's path (its name alone when the shell folder has no path).
void CreateShortcut(int32_t csidl, const std::string& subFolder, const std::string& target,
                    const std::string& linkName, const std::string& arguments,
                    const std::string& icon, bool createSubFolder);

// Creates the one folder `path` (its parent must exist); failures ignored.
void MakeFolderQuiet(const std::string& path);

// The installation's shortcuts: every call of the shortcut plan in order
// (the desktop box read from the setup view's DeskShort), and RunCommand.
void MakeShortcuts();

}  // namespace ShortCuts
