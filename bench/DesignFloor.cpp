// design_floor.exe: the least work the installer's design allows, for the
// benchmark's floor rows. A benchmark tool, not a test.
//   design_floor.exe PACKED COUNT BYTES WORK TARGET SETTINGS LINKS
// Shows one window, then reads the file PACKED from its start as COUNT files
// of BYTES bytes, one after the other (as a package is read), creating and
// writing each in the folder WORK as a scratch file (see Kept); then creates
// and writes each in the folder TARGET from its copy in WORK; then deletes
// the copies in WORK (the design unpacks the whole package before the
// wizard and installs from the work folder, so every copy is there at once,
// as in ours); then runs the system's registry editor once on the file
// SETTINGS and waits for it; then makes LINKS links to the first file
// through the system's shell link object, in TARGET. Exit code 0 when all
// of it was done.
#include <windows.h>
#include <objidl.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/FloorWindow.h"
#include "toolkit/Owners.h"

namespace {

constexpr DWORD kBlock = 1 << 20;

// How a new file is created. Under Wine on Linux a file cut to nothing
// (CREATE_ALWAYS does, even a new one) starts on its way to the disk when it
// is closed: what stays should, so that the end's sync finds little left;
// what is deleted before long should not, so that it never reaches the disk.
enum class Kept { Stays, Deleted };

// Writes count bytes read from in into a new file path, block by block.
bool WriteFrom(HANDLE in, uint64_t count, const std::string& path, std::vector<char>& block, Kept kept) {
  const tk::FileHandle out(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr,
                                         kept == Kept::Stays ? CREATE_ALWAYS : OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                         nullptr));
  if (!out.valid()) return false;
  // A scratch file left by a run that broke off is cut all the same.
  if (kept == Kept::Deleted && ::GetLastError() == ERROR_ALREADY_EXISTS && !::SetEndOfFile(out.get())) return false;
  while (count > 0) {
    const DWORD want = static_cast<DWORD>(std::min<uint64_t>(count, kBlock));
    DWORD read = 0, written = 0;
    if (!::ReadFile(in, block.data(), want, &read, nullptr) || read != want) return false;
    if (!::WriteFile(out.get(), block.data(), read, &written, nullptr) || written != read) return false;
    count -= read;
  }
  return true;
}

// Copies the file from into a new file to, block by block.
bool CopyByBlocks(const std::string& from, const std::string& to, uint64_t bytes, std::vector<char>& block) {
  const tk::FileHandle in(
      ::CreateFileA(from.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
  return in.valid() && WriteFrom(in.get(), bytes, to, block, Kept::Stays);
}

bool RunRegistryEditor(const std::string& settings) {
  char windows[MAX_PATH];
  if (!::GetWindowsDirectoryA(windows, MAX_PATH)) return false;
  std::string command = "\"";
  command.append(windows).append("\\Regedit.exe\" /S \"").append(settings).append("\"");
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (!::CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started))
    return false;
  const tk::ProcessHandles handles(started);
  return ::WaitForSingleObject(handles.process.get(), INFINITE) == WAIT_OBJECT_0;
}

bool MakeLinks(const std::string& target, const std::string& folder, int count) {
  const tk::ComApartment apartment;
  if (!apartment.ok()) return false;
  for (int i = 0; i < count; ++i) {
    tk::ComPtr<IShellLinkA> link;
    tk::ComPtr<IPersistFile> file;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.outVoid())))
      return false;
    link->SetPath(target.c_str());
    link->SetWorkingDirectory(folder.c_str());
    link->SetIconLocation(target.c_str(), 0);
    if (FAILED(link->QueryInterface(IID_IPersistFile, file.outVoid()))) return false;
    const std::string name = folder + "\\Link " + std::to_string(i + 1) + ".lnk";
    wchar_t wide[MAX_PATH];
    if (::MultiByteToWideChar(CP_ACP, 0, name.c_str(), -1, wide, MAX_PATH) == 0 || FAILED(file->Save(wide, TRUE)))
      return false;
  }
  return true;
}

int Run(const std::string& packed, int count, uint64_t bytes, const std::string& work, const std::string& target,
        const std::string& settings, int links) {
  if (!floorwindow::ShowFace("design_floor") || count < 1) return 1;
  const tk::FileHandle package(
      ::CreateFileA(packed.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
  if (!package.valid()) return 1;
  ::CreateDirectoryA(work.c_str(), nullptr);
  ::CreateDirectoryA(target.c_str(), nullptr);
  std::vector<char> block(kBlock);
  auto name = [](int i) {
    char text[16];
    std::snprintf(text, sizeof text, "\\m%04d", i);
    return std::string(text);
  };
  for (int i = 0; i < count; ++i)
    if (!WriteFrom(package.get(), bytes, work + name(i), block, Kept::Deleted)) return 1;
  for (int i = 0; i < count; ++i)
    if (!CopyByBlocks(work + name(i), target + name(i), bytes, block)) return 1;
  for (int i = 0; i < count; ++i)
    if (!::DeleteFileA((work + name(i)).c_str())) return 1;
  ::RemoveDirectoryA(work.c_str());
  if (!RunRegistryEditor(settings)) return 1;
  if (!MakeLinks(target + name(0), target, links)) return 1;
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 8)
    return Run(argv[1], std::atoi(argv[2]), std::strtoull(argv[3], nullptr, 10), argv[4], argv[5], argv[6],
               std::atoi(argv[7]));
  std::fprintf(stderr, "usage: design_floor.exe PACKED COUNT BYTES WORK TARGET SETTINGS LINKS\n");
  return 2;
}
