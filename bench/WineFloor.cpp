// wine_floor.exe: what Wine itself costs on the machine at hand, for the
// benchmarks' reference rows. A benchmark tool, not a test.
//   wine_floor.exe window MARKER
//     shows one window with a line of text (the least a program with a
//     window does), handles what is pending, then creates the file MARKER
//     and waits until it is ended; the script times start to MARKER.
//   wine_floor.exe files FOLDER COUNT BYTES
//     shows the same window, then creates COUNT files of BYTES bytes in
//     FOLDER, each created, written once and closed, and prints the time per file in milliseconds to the
//     standard output; the files are removed again.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/FloorWindow.h"
#include "toolkit/Owners.h"

namespace {

int ShowWindowThenMark(const char* marker) {
  if (!floorwindow::ShowFace("wine_floor")) return 1;
  if (!tk::FileHandle(::CreateFileA(marker, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)))
    return 1;
  MSG msg;
  while (::GetMessageA(&msg, nullptr, 0, 0) > 0) ::DispatchMessageA(&msg);
  return 0;
}

int CreateFiles(const std::string& folder, int count, size_t bytes) {
  // The loop runs with the window up, as the launcher's does.
  if (!floorwindow::ShowFace("wine_floor")) return 1;
  ::CreateDirectoryA(folder.c_str(), nullptr);
  const std::vector<char> data(bytes, 'x');
  LARGE_INTEGER frequency, start, end;
  ::QueryPerformanceFrequency(&frequency);
  ::QueryPerformanceCounter(&start);
  for (int i = 0; i < count; ++i) {
    const std::string path = folder + "\\m" + std::to_string(i);
    const tk::FileHandle h(::CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                         CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!h) return 1;
    DWORD written = 0;
    if (!::WriteFile(h.get(), data.data(), static_cast<DWORD>(bytes), &written, nullptr) || written != bytes) return 1;
  }
  ::QueryPerformanceCounter(&end);
  for (int i = 0; i < count; ++i) ::DeleteFileA((folder + "\\m" + std::to_string(i)).c_str());
  ::RemoveDirectoryA(folder.c_str());
  const double ms = static_cast<double>(end.QuadPart - start.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
  std::printf("%.3f\n", count > 0 ? ms / count : 0.0);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "window" && argc == 3) return ShowWindowThenMark(argv[2]);
  if (mode == "files" && argc == 5) return CreateFiles(argv[2], std::atoi(argv[3]), std::strtoul(argv[4], nullptr, 10));
  std::fprintf(stderr, "usage: wine_floor.exe window MARKER | files FOLDER COUNT BYTES\n");
  return 2;
}
