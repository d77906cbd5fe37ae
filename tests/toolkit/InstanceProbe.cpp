// A stand-in program for the previous-instance test. It asks AppPrevInstance
// twice and exits with 1 when another instance was running, 0 when not, and
// 2 when the two answers differ. Given the names of two events, it sets the
// first once it has asked and waits (at most a minute) for the second before
// it ends, so that a second instance can be started meanwhile.
#include "toolkit/App.h"
#include "toolkit/Owners.h"
#include "toolkit/Win.h"

int main(int argc, char** argv) {
  const bool previous = tk::AppPrevInstance();
  if (tk::AppPrevInstance() != previous) return 2;
  if (argc == 3) {
    const tk::KernelHandle asked(::OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[1]));
    const tk::KernelHandle end(::OpenEventA(SYNCHRONIZE, FALSE, argv[2]));
    if (!asked || !end) return 3;
    ::SetEvent(asked.get());
    ::WaitForSingleObject(end.get(), 60000);
  }
  return previous ? 1 : 0;
}
