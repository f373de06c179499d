// bmprle.cpp: run-length stream expansion for 4 and 8-bit BMP pictures.
#include "platform/bmprle.h"

namespace platform {
namespace {

// Stream layout: pairs of bytes. (n > 0, v) repeats v n times (for 4 bits,
// the two nibbles of v alternate, high first). (0, 0) ends the row, (0, 1)
// ends the picture, (0, 2, dx, dy) moves right and up, and (0, n >= 3) is
// followed by n literal indices, padded to an even byte count.
class RleExpander {
 public:
  RleExpander(std::span<const std::uint8_t> stream, const RleTarget& target)
      : stream_(stream), t_(target) {}

  BmpError Run() {
    for (;;) {
      std::uint8_t count = 0;
      std::uint8_t value = 0;
      if (!Next(count)) return Complete() ? BmpError::None : BmpError::PixelDataShort;
      if (!Next(value)) return BmpError::PixelDataShort;
      BmpError e = BmpError::None;
      if (count > 0) {
        e = Repeat(count, value);
      } else if (value == 0) {
        e = EndOfRow();
      } else if (value == 1) {
        return BmpError::None;
      } else if (value == 2) {
        e = Jump();
      } else {
        e = Literal(value);
      }
      if (e != BmpError::None) return e;
    }
  }

 private:
  bool Next(std::uint8_t& b) {
    if (pos_ >= stream_.size()) return false;
    b = stream_[pos_++];
    return true;
  }

  // Every pixel set, even without the closing escape.
  bool Complete() const { return y_ >= t_.Height || (y_ == t_.Height - 1 && x_ == t_.Width); }

  bool Fits(int count) const { return y_ < t_.Height && count <= t_.Width - x_; }

  void Put(std::uint8_t index) {
    t_.Indices[static_cast<std::size_t>(y_) * t_.Stride + static_cast<std::size_t>(x_)] = index;
    ++x_;
  }

  BmpError Repeat(int count, std::uint8_t value) {
    if (!Fits(count)) return BmpError::BadRle;
    for (int i = 0; i < count; ++i) {
      Put(t_.FourBit ? static_cast<std::uint8_t>(i % 2 == 0 ? value >> 4 : value & 0x0F)
                     : value);
    }
    return BmpError::None;
  }

  BmpError EndOfRow() {
    if (y_ >= t_.Height) return BmpError::BadRle;
    x_ = 0;
    ++y_;
    return BmpError::None;
  }

  BmpError Jump() {
    std::uint8_t dx = 0;
    std::uint8_t dy = 0;
    if (!Next(dx) || !Next(dy)) return BmpError::PixelDataShort;
    // A jump that goes nowhere is never written, and allowing it would let a
    // stream of any length leave the picture untouched.
    if (dx == 0 && dy == 0) return BmpError::BadRle;
    if (dx > t_.Width - x_ || dy >= t_.Height - y_) return BmpError::BadRle;
    x_ += dx;
    y_ += dy;
    return BmpError::None;
  }

  BmpError Literal(int count) {
    if (!Fits(count)) return BmpError::BadRle;
    const std::size_t bytes = t_.FourBit ? static_cast<std::size_t>(count + 1) / 2
                                         : static_cast<std::size_t>(count);
    const std::size_t padded = bytes + (bytes & 1);
    if (stream_.size() - pos_ < padded) return BmpError::PixelDataShort;
    for (int i = 0; i < count; ++i) {
      const std::uint8_t b = stream_[pos_ + static_cast<std::size_t>(t_.FourBit ? i / 2 : i)];
      Put(t_.FourBit ? static_cast<std::uint8_t>(i % 2 == 0 ? b >> 4 : b & 0x0F) : b);
    }
    pos_ += padded;
    return BmpError::None;
  }

  std::span<const std::uint8_t> stream_;
  RleTarget t_;
  std::size_t pos_ = 0;
  int x_ = 0;
  int y_ = 0;
};

}  // namespace

BmpError ExpandBmpRle(std::span<const std::uint8_t> stream, const RleTarget& target) {
  return RleExpander(stream, target).Run();
}

}  // namespace platform
