#include "launcher/WorkFolder.h"

#include <cmath>

#include "toolkit/Numbers.h"

std::string WorkDir;

std::string WorkFolderName(float timerSeconds, float rnd, char decimalSep) {
  const std::string written = tk::SingleToText(timerSeconds, decimalSep);
  const float readBack = static_cast<float>(tk::Val(written));
  const std::string seconds = tk::SingleToText(readBack, decimalSep);
  int digit = static_cast<int>(std::floor(9.0 * rnd));
  if (digit < 0) digit = 0;
  if (digit > 8) digit = 8;
  return "~" + seconds + "_" + std::to_string(digit) + ".stp";
}
