// random.cpp: the 64-bit linear congruential generator that drives the deal.
#include "puzzle/random.h"

namespace puzzle {

namespace {

// The full 64-bit multiplier: high word 346, low word 20021. Written as one
// 32-bit constant with the same digits it would give another sequence.
constexpr std::uint64_t kMultiplier = 0x0000015A00004E35ULL;
constexpr std::uint64_t kIncrement = 1;

}  // namespace

void Random::SeedRandom(std::int32_t seed) {
  state_ = static_cast<std::uint32_t>(seed);
}

std::int32_t Random::NextRandom() {
  // Unsigned arithmetic wraps modulo 2^64, which is the step we want.
  state_ = state_ * kMultiplier + kIncrement;
  return static_cast<std::int32_t>((state_ >> 32) & 0x7FFFFFFFU);
}

}  // namespace puzzle
