#include "engine/Progress.h"

int16_t ProgressPercent(int32_t value, int32_t maximum) {
  if (maximum < 1) return 0;
  if (value > maximum) value = maximum - 1;
  // In 64 bits (maximum - value) * 100 cannot overflow; the quotient is
  // rounded down as the floating-point floor would round it.
  int64_t d = (static_cast<int64_t>(maximum) - value) * 100;
  int64_t q = d / maximum;
  if (d % maximum != 0 && d < 0) --q;
  int64_t percent = 100 - q;
  if (percent < 0) return 0;
  if (percent > 100) return 100;
  return static_cast<int16_t>(percent);
}

std::string ProgressLabel(int16_t percent) { return std::to_string(percent) + "%"; }
