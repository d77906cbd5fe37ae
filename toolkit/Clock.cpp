#include "toolkit/Clock.h"

#include "toolkit/Win.h"

namespace tk {

float Timer() {
  SYSTEMTIME now{};
  ::GetLocalTime(&now);
  const double seconds = now.wHour * 3600.0 + now.wMinute * 60.0 + now.wSecond + now.wMilliseconds / 1000.0;
  return static_cast<float>(seconds);
}

}  // namespace tk
