// design_floor.exe: the least work the installer's design allows, for the
// benchmark's floor rows. A benchmark tool, not a test.
//   design_floor.exe PACKED COUNT BYTES WORK TARGET SETTINGS LINKS
// Shows one window, then reads the file PACKED from its start as COUNT files
// of BYTES bytes, one after the other (as a package is read), and for each:
// creates and writes it in the folder WORK, creates and writes it in the
// folder TARGET from that copy, and deletes the copy in WORK; then runs the
// system's registry editor once on the file SETTINGS and waits for it; then
// makes LINKS links to the first file through the system's shell link
// object, in TARGET. Exit code 0 when all of it was done.
#include <windows.h>
#include <objidl.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr DWORD kBlock = 1 << 20;

LRESULT CALLBACK FaceProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(hwnd, &ps);
    ::TextOutA(dc, 10, 10, "design_floor", 12);
    ::EndPaint(hwnd, &ps);
    return 0;
  }
  return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

bool ShowFace() {
  WNDCLASSA wc{};
  wc.lpfnWndProc = FaceProc;
  wc.hInstance = ::GetModuleHandleA(nullptr);
  wc.hbrBackground = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
  wc.lpszClassName = "design_floor";
  if (!::RegisterClassA(&wc)) return false;
  HWND hwnd = ::CreateWindowA("design_floor", "design_floor", WS_OVERLAPPED | WS_CAPTION, 100, 100, 368, 106,
                              nullptr, nullptr, wc.hInstance, nullptr);
  if (!hwnd) return false;
  ::ShowWindow(hwnd, SW_SHOWNORMAL);
  ::UpdateWindow(hwnd);
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
  return true;
}

struct Handle {
  HANDLE h;
  explicit Handle(HANDLE handle) : h(handle) {}
  ~Handle() {
    if (h != INVALID_HANDLE_VALUE && h != nullptr) ::CloseHandle(h);
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  bool ok() const { return h != INVALID_HANDLE_VALUE && h != nullptr; }
};

// Writes count bytes read from in into a new file path, block by block.
bool WriteFrom(HANDLE in, uint64_t count, const std::string& path, std::vector<char>& block) {
  Handle out(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!out.ok()) return false;
  while (count > 0) {
    const DWORD want = static_cast<DWORD>(std::min<uint64_t>(count, kBlock));
    DWORD read = 0, written = 0;
    if (!::ReadFile(in, block.data(), want, &read, nullptr) || read != want) return false;
    if (!::WriteFile(out.h, block.data(), read, &written, nullptr) || written != read) return false;
    count -= read;
  }
  return true;
}

// Copies the file from into a new file to, block by block.
bool CopyByBlocks(const std::string& from, const std::string& to, uint64_t bytes, std::vector<char>& block) {
  Handle in(::CreateFileA(from.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
  return in.ok() && WriteFrom(in.h, bytes, to, block);
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
  Handle thread(started.hThread), process(started.hProcess);
  return ::WaitForSingleObject(process.h, INFINITE) == WAIT_OBJECT_0;
}

bool MakeLinks(const std::string& target, const std::string& folder, int count) {
  if (FAILED(::CoInitialize(nullptr))) return false;
  bool ok = true;
  for (int i = 0; i < count && ok; ++i) {
    IShellLinkA* link = nullptr;
    IPersistFile* file = nullptr;
    ok = SUCCEEDED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                      reinterpret_cast<void**>(&link)));
    if (ok) {
      link->SetPath(target.c_str());
      link->SetWorkingDirectory(folder.c_str());
      link->SetIconLocation(target.c_str(), 0);
      ok = SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)));
    }
    if (ok) {
      const std::string name = folder + "\\Link " + std::to_string(i + 1) + ".lnk";
      wchar_t wide[MAX_PATH];
      ok = ::MultiByteToWideChar(CP_ACP, 0, name.c_str(), -1, wide, MAX_PATH) > 0 && SUCCEEDED(file->Save(wide, TRUE));
    }
    if (file) file->Release();
    if (link) link->Release();
  }
  ::CoUninitialize();
  return ok;
}

int Run(const std::string& packed, int count, uint64_t bytes, const std::string& work, const std::string& target,
        const std::string& settings, int links) {
  if (!ShowFace() || count < 1) return 1;
  Handle package(::CreateFileA(packed.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
  if (!package.ok()) return 1;
  ::CreateDirectoryA(work.c_str(), nullptr);
  ::CreateDirectoryA(target.c_str(), nullptr);
  std::vector<char> block(kBlock);
  char name[16];
  for (int i = 0; i < count; ++i) {
    std::snprintf(name, sizeof name, "m%04d", i);
    const std::string unpacked = work + "\\" + name;
    if (!WriteFrom(package.h, bytes, unpacked, block)) return 1;
    if (!CopyByBlocks(unpacked, target + "\\" + name, bytes, block)) return 1;
    if (!::DeleteFileA(unpacked.c_str())) return 1;
  }
  ::RemoveDirectoryA(work.c_str());
  if (!RunRegistryEditor(settings)) return 1;
  if (!MakeLinks(target + "\\m0000", target, links)) return 1;
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
