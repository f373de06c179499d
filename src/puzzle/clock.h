// clock.h: the calendar clock that seeds each deal, behind a replaceable seam.
#pragma once

#include <cstdint>
#include <functional>

namespace puzzle {

// Returns whole seconds since 1970-01-01 00:00:00 UTC. The window holds one
// of these so that a test can pin the clock and so the deal.
using ClockFunction = std::function<std::int64_t()>;

// The system's calendar time in whole seconds since 1970-01-01 UTC,
// rounded down for times before that date.
std::int64_t SystemSeconds();

// The low 32 bits of a seconds count, read as a signed 32-bit pattern.
// Two deals within the same second get the same seed.
std::int32_t SeedFromSeconds(std::int64_t seconds);

}  // namespace puzzle
