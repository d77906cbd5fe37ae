// A stand-in program for the Wine runner's test (wine_run_test.sh).
//   OutputProbe WAIT DONE: writes a line, then waits (at most two minutes)
//     for the file WAIT to appear before it writes another and ends.
//   OutputProbe FIRST-MARK: the first run (FIRST-MARK missing) makes the mark
//     and ends with code 3 without writing anything; the next one writes a
//     line and ends well.
#include <chrono>
#include <cstdio>
#include <string>

#include "tests/support/Driver.h"
#include "tests/support/Wait.h"
#include "toolkit/Win.h"

using testsupport::Exists;

int main(int argc, char** argv) {
  if (argc == 3) {
    std::printf("before the wait\n");
    std::fflush(stdout);
    testsupport::WaitFor([&] { return Exists(argv[1]); }, std::chrono::minutes(2), std::chrono::milliseconds(100));
    std::printf("after the wait\n");
    return Exists(argv[1]) ? 0 : 1;
  }
  if (argc != 2) return 2;
  if (!Exists(argv[1])) {
    std::FILE* f = std::fopen(argv[1], "wb");
    if (f) std::fclose(f);
    return 3;
  }
  std::printf("second run\n");
  return 0;
}
