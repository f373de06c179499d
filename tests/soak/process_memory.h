// process_memory.h: this process's resident memory, from /proc, for tests
// that bound what a run may take or keep.
#pragma once

#include <fstream>
#include <optional>
#include <string>

namespace soak {

// A "Vm...:" line of /proc/self/status in KiB, when the kernel reports it.
inline std::optional<long> StatusKiB(const std::string& field) {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind(field + ":", 0) == 0) return std::stol(line.substr(field.size() + 1));
  }
  return std::nullopt;
}

inline std::optional<long> ResidentKiB() { return StatusKiB("VmRSS"); }
inline std::optional<long> PeakResidentKiB() { return StatusKiB("VmHWM"); }

// Starts a new peak from the current resident size. False where the kernel
// does not offer it; the peak then covers the whole run so far.
inline bool ResetPeakResident() {
  std::ofstream clear("/proc/self/clear_refs");
  clear << "5\n";
  clear.flush();
  return static_cast<bool>(clear);
}

// AddressSanitizer keeps freed memory aside for a while, so resident sizes
// say nothing about leaks in such a build; its leak checker covers them.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kMemoryIsQuarantined = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool kMemoryIsQuarantined = true;
#else
inline constexpr bool kMemoryIsQuarantined = false;
#endif
#else
inline constexpr bool kMemoryIsQuarantined = false;
#endif

}  // namespace soak
