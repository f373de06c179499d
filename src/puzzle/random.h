// random.h: the 64-bit linear congruential generator that drives the deal.
#pragma once

#include <cstdint>

namespace puzzle {

// Each deal reseeds the generator, so a deal depends on its seed alone.
// The sequence must be reproduced bit for bit: the same second on the clock
// has to give the same arrangement on every run.
class Random {
 public:
  // The seed's bit pattern fills the low word; the high word starts at 0.
  void SeedRandom(std::int32_t seed);

  // Steps the state and returns its high word without the sign bit,
  // a number from 0 to 2^31 - 1.
  std::int32_t NextRandom();

 private:
  std::uint64_t state_ = 0;
};

}  // namespace puzzle
