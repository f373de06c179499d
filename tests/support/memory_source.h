// memory_source.h: a BMP file held in memory, for the decoder's tests and
// the fuzzer.
#pragma once

#include <algorithm>
#include <span>

#include "bmp/bmp.h"

class MemorySource : public bmp::ByteSource {
 public:
  explicit MemorySource(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  std::uint64_t Size() const override { return bytes_.size(); }
  std::ptrdiff_t ReadAt(std::uint64_t offset, std::uint8_t* into, std::size_t count) override {
    if (offset >= bytes_.size()) return 0;
    const std::size_t n = std::min<std::uint64_t>(count, bytes_.size() - offset);
    std::copy_n(bytes_.data() + offset, n, into);
    return static_cast<std::ptrdiff_t>(n);
  }

 private:
  std::span<const std::uint8_t> bytes_;
};
