// The classic runtime's pseudo-random numbers: a 24-bit linear congruential
// generator. Portable.
#pragma once

#include <cstdint>

namespace tk {

// One generator. Its state starts at 0x50000, as the classic runtime's does,
// so an unseeded sequence is the same in every process.
class RandomGenerator {
 public:
  // Steps the state (state * 0x43FD43FD + 0xC39EC3, kept to 24 bits) and
  // returns it as a fraction in [0, 1): state / 2^24.
  float Next();

  // Mixes the high 32 bits h of the seed's IEEE-754 bit pattern into bits 8
  // to 23 of the state: ((h & 0xFFFF) ^ (h >> 16)) << 8. The low 8 bits of
  // the state are kept.
  void Seed(double seed);

  uint32_t State() const { return state_; }

 private:
  uint32_t state_ = 0x50000;
};

// The process-wide generator, as Rnd and Randomize of the classic runtime.
float Rnd();
void Randomize(double seed);

}  // namespace tk
