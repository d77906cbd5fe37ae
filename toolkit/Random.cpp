#include "toolkit/Random.h"

#include <cstring>

namespace tk {

float RandomGenerator::Next() {
  state_ = (state_ * 0x43FD43FDu + 0xC39EC3u) & 0xFFFFFFu;
  return static_cast<float>(state_) / 16777216.0f;
}

void RandomGenerator::Seed(double seed) {
  uint64_t bits = 0;
  static_assert(sizeof bits == sizeof seed);
  std::memcpy(&bits, &seed, sizeof bits);
  const uint32_t high = static_cast<uint32_t>(bits >> 32);
  const uint32_t mixed = ((high & 0xFFFFu) ^ (high >> 16)) << 8;
  state_ = (state_ & 0xFFu) | (mixed & 0xFFFF00u);
}

namespace {
RandomGenerator& ProcessGenerator() {
  static RandomGenerator generator;
  return generator;
}
}  // namespace

float Rnd() { return ProcessGenerator().Next(); }
void Randomize(double seed) { ProcessGenerator().Seed(seed); }

}  // namespace tk
