// clock.cpp: the calendar clock that seeds each deal.
#include "puzzle/clock.h"

#include <chrono>

namespace puzzle {

std::int64_t SystemSeconds() {
  // Since C++20 the system clock counts from the Unix epoch in UTC.
  const auto sinceEpoch = std::chrono::system_clock::now().time_since_epoch();
  return std::chrono::floor<std::chrono::seconds>(sinceEpoch).count();
}

std::int32_t SeedFromSeconds(std::int64_t seconds) {
  // Conversion to a narrower signed type keeps the low bits (C++20).
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(seconds));
}

}  // namespace puzzle
