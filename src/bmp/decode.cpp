// decode.cpp: the one BMP decoder: the pixel data read as a stream in
// bounded chunks and written row by row straight into the picture's surface.
#include <algorithm>
#include <array>
#include <bit>
#include <cerrno>
#include <cstring>
#include <memory>
#include <new>

#include "bmp/header.h"
#include "platform/memory.h"

namespace bmp {
namespace {

using platform::Rgb;

constexpr std::size_t kChunkBytes = std::size_t{256} << 10;
constexpr Color kOpaque = 0xFF000000u;

// Thrown inside the decoder, caught at its entry.
struct Refusal {
  BmpError Error;
  int SystemError = 0;
};

// The pixel data as one stream from its offset, read a chunk at a time, so
// that neither a gap before it nor a long file after it is ever read.
class PixelStream {
 public:
  PixelStream(ByteSource& source, std::uint64_t offset, std::uint64_t length)
      : source_(source), next_(offset), left_(length),
        buffer_(std::make_unique_for_overwrite<std::uint8_t[]>(kChunkBytes)) {}

  // The next `n` bytes (at most kChunkBytes); refuses when the data ends first.
  const std::uint8_t* Take(std::size_t n) {
    if (end_ - pos_ < n) Refill(n);
    const std::uint8_t* p = buffer_.get() + pos_;
    pos_ += n;
    return p;
  }

 private:
  void Refill(std::size_t n) {
    const std::size_t kept = end_ - pos_;
    std::memmove(buffer_.get(), buffer_.get() + pos_, kept);
    pos_ = 0;
    end_ = kept;
    const auto want = static_cast<std::size_t>(std::min<std::uint64_t>(kChunkBytes - kept, left_));
    if (kept + want < n) throw Refusal{BmpError::PixelDataShort};
    const std::ptrdiff_t got = source_.ReadAt(next_, buffer_.get() + kept, want);
    if (got < 0) throw Refusal{BmpError::ReadFailed, errno};
    // Shorter than the headers said: the file was cut since they were read.
    if (static_cast<std::size_t>(got) < want) throw Refusal{BmpError::PixelDataShort};
    next_ += want;
    left_ -= want;
    end_ += want;
  }

  ByteSource& source_;
  std::uint64_t next_;
  std::uint64_t left_;
  std::unique_ptr<std::uint8_t[]> buffer_;
  std::size_t pos_ = 0;
  std::size_t end_ = 0;
};

// Colours by index. Entries past the palette stay 0, which no opaque pixel
// is, so an AND over every decoded pixel finds an index past the palette.
using Palette = std::array<Color, 256>;

Palette ReadPalette(ByteSource& source, const BmpHeader& h) {
  Palette colours{};
  std::array<std::uint8_t, 256 * 4> bytes{};
  const std::size_t size = static_cast<std::size_t>(h.PaletteEntries * h.PaletteEntrySize);
  const std::ptrdiff_t got = source.ReadAt(h.PaletteOffset, bytes.data(), size);
  if (got < 0) throw Refusal{BmpError::ReadFailed, errno};
  if (static_cast<std::size_t>(got) < size) throw Refusal{BmpError::Truncated};
  for (int i = 0; i < h.PaletteEntries; ++i) {
    const std::uint8_t* e = bytes.data() + i * h.PaletteEntrySize;  // blue, green, red
    colours[static_cast<std::size_t>(i)] = Rgb(e[2], e[1], e[0]);
  }
  return colours;
}

// A bit-field channel brought to full scale, its value placed at `place`:
// channels above 8 bits keep their top 8, narrower ones repeat their bits
// down the byte, so that the brightest value of any width is 255 (5-bit 31
// becomes 255, 3-bit 5 becomes 10110110).
class Channel {
 public:
  Channel(std::uint32_t mask, int place) : mask_(mask), shift_(std::countr_zero(mask)) {
    const int width = std::popcount(mask);
    shift_ += std::max(width - 8, 0);
    const int bits = std::min(width, 8);
    for (std::uint32_t v = 0; v < (1u << bits); ++v) {
      std::uint32_t full = 0;
      for (int at = 8 - bits; at > -bits; at -= bits) full |= at >= 0 ? v << at : v >> -at;
      scale_[v] = (full & 0xFF) << place;
    }
  }
  Color Of(std::uint32_t v) const { return scale_[(v & mask_) >> shift_]; }

 private:
  std::uint32_t mask_;
  int shift_;
  std::array<Color, 256> scale_{};
};

class RowDecoder {
 public:
  RowDecoder(const BmpHeader& h, const Palette& palette)
      : h_(h), palette_(palette), red_(h.Masks[0] ? h.Masks[0] : 1, 16),
        green_(h.Masks[1] ? h.Masks[1] : 1, 8), blue_(h.Masks[2] ? h.Masks[2] : 1, 0) {}

  // Converts `n` stored pixels; palette indices past the palette show in
  // IndicesInPalette().
  void Convert(const std::uint8_t* __restrict p, int n, Color* __restrict to) {
    switch (h_.BitCount) {
      case 1:
        return Indexed(n, to, [p](int i) { return (p[i >> 3] >> (7 - (i & 7))) & 1; });
      case 4:
        return Indexed(n, to, [p](int i) { return (p[i >> 1] >> ((i & 1) ? 0 : 4)) & 0x0F; });
      case 8:
        return Indexed(n, to, [p](int i) { return p[i]; });
      case 24:
        for (int i = 0; i < n; ++i, p += 3) to[i] = Rgb(p[2], p[1], p[0]);
        return;
      case 16:
        for (int i = 0; i < n; ++i, p += 2) to[i] = Masked(p[0] | std::uint32_t{p[1]} << 8);
        return;
    }
    if (ByteMasks()) {
      for (int i = 0; i < n; ++i, p += 4) to[i] = Rgb(p[2], p[1], p[0]);
      return;
    }
    for (int i = 0; i < n; ++i, p += 4) {
      std::uint32_t v = 0;
      std::memcpy(&v, p, 4);  // little-endian, as the file stores it
      to[i] = Masked(v);
    }
  }

  void Put(Color* to, int i, unsigned index) {
    const Color c = palette_[index];
    to[i] = c;
    seen_ &= c;
  }
  bool IndicesInPalette() const { return (seen_ & kOpaque) == kOpaque; }

 private:
  template <typename IndexAt>
  void Indexed(int n, Color* to, IndexAt indexAt) {
    Color seen = seen_;
    for (int i = 0; i < n; ++i) {
      const Color c = palette_[static_cast<std::size_t>(indexAt(i))];
      to[i] = c;
      seen &= c;
    }
    seen_ = seen;
  }

  bool ByteMasks() const {
    return h_.Masks[0] == 0xFF0000u && h_.Masks[1] == 0xFF00u && h_.Masks[2] == 0xFFu;
  }
  Color Masked(std::uint32_t v) const {
    return kOpaque | red_.Of(v) | green_.Of(v) | blue_.Of(v);
  }

  const BmpHeader& h_;
  const Palette& palette_;
  Channel red_, green_, blue_;
  Color seen_ = ~Color{0};
};

// Uncompressed rows, each taken in pieces that fit a chunk: a piece is a
// whole number of bytes, since its pixel count is a multiple of 8. The last
// stored row's padding is not read: the file may end before it.
void DecodeRows(const BmpHeader& h, PixelStream& in, RowDecoder& rows, Surface& out) {
  const std::size_t bits = static_cast<std::size_t>(h.BitCount);
  const int piece = static_cast<int>(std::min<std::size_t>(kChunkBytes * 8 / bits / 8 * 8,
                                                           static_cast<std::size_t>(h.Width)));
  for (int stored = 0; stored < h.Height; ++stored) {
    Color* row = out.Row(h.TopDown ? stored : h.Height - 1 - stored);
    std::uint64_t used = 0;
    for (int x = 0; x < h.Width; x += piece) {
      const int n = std::min(piece, h.Width - x);
      const std::size_t bytes = (static_cast<std::size_t>(n) * bits + 7) / 8;
      rows.Convert(in.Take(bytes), n, row + x);
      used += bytes;
    }
    if (stored + 1 < h.Height) in.Take(static_cast<std::size_t>(h.RowStride - used));
  }
}

// Run-length streams, bottom-up: pairs of bytes. (n > 0, v) repeats v n times
// (for 4 bits the two nibbles of v alternate, high first). (0, 0) ends the
// row, (0, 1) the picture, (0, 2, dx, dy) moves right and up, and (0, n >= 3)
// is followed by n literal indices, padded to an even byte count. A run,
// literal or jump past its row or the picture is refused rather than clipped,
// since no encoder writes one and clipping would guess at what was meant.
// The picture is done once its last row is, with or without the closing
// escape: whatever follows (padding, a colour profile) is not read.
class RleDecoder {
 public:
  RleDecoder(const BmpHeader& h, PixelStream& in, RowDecoder& rows, Surface& out)
      : h_(h), in_(in), rows_(rows), out_(out), fourBit_(h.Compression == BmpCompression::Rle4) {}

  void Run() {
    while (!Complete()) {
      const std::uint8_t* op = in_.Take(2);
      if (op[0] > 0) {
        Repeat(op[0], op[1]);
      } else if (op[1] == 0) {
        x_ = 0;
        ++y_;
      } else if (op[1] == 1) {
        return;
      } else if (op[1] == 2) {
        Jump(in_.Take(2));
      } else {
        Literal(op[1]);
      }
    }
  }

 private:
  bool Complete() const { return y_ >= h_.Height || (y_ == h_.Height - 1 && x_ == h_.Width); }
  void Fit(int count) const {
    if (y_ >= h_.Height || count > h_.Width - x_) throw Refusal{BmpError::BadRle};
  }
  unsigned Pixel(std::uint8_t b, int i) const {
    return fourBit_ ? (i % 2 == 0 ? b >> 4 : b & 0x0Fu) : b;
  }
  Color* Row() { return out_.Row(h_.Height - 1 - y_); }

  void Repeat(int count, std::uint8_t value) {
    Fit(count);
    Color* row = Row();
    for (int i = 0; i < count; ++i) rows_.Put(row, x_ + i, Pixel(value, i));
    x_ += count;
  }

  // A jump that goes nowhere is never written, and allowing it would let a
  // stream of any length leave the picture untouched.
  void Jump(const std::uint8_t* d) {
    if ((d[0] == 0 && d[1] == 0) || d[0] > h_.Width - x_ || d[1] >= h_.Height - y_) {
      throw Refusal{BmpError::BadRle};
    }
    x_ += d[0];
    y_ += d[1];
  }

  void Literal(int count) {
    Fit(count);
    const std::size_t bytes = fourBit_ ? static_cast<std::size_t>(count + 1) / 2
                                       : static_cast<std::size_t>(count);
    const std::uint8_t* p = in_.Take(bytes + (bytes & 1));
    Color* row = Row();
    for (int i = 0; i < count; ++i) rows_.Put(row, x_ + i, Pixel(p[fourBit_ ? i / 2 : i], i));
    x_ += count;
  }

  const BmpHeader& h_;
  PixelStream& in_;
  RowDecoder& rows_;
  Surface& out_;
  bool fourBit_;
  int x_ = 0;
  int y_ = 0;
};

// Fresh memory is handed out by the system a page at a time, on the first
// write to each page, and each such fault is dear (several microseconds in a
// virtual machine). Asking for 2 MiB pages for the part of the picture that
// holds whole ones turns the thousands of faults of a large picture into a
// few dozen; the picture takes no more memory for it. A system without them
// ignores the advice.
void AdviseLargePages(Surface& picture) {
  platform::AdviseLargePages(picture.Bits(), static_cast<std::size_t>(picture.BytesPerLine()) *
                                                 static_cast<std::size_t>(picture.Height()));
}

Surface Decode(ByteSource& source, const BmpHeader& h) {
  const Palette palette = h.PaletteEntries > 0 ? ReadPalette(source, h) : Palette{};
  PixelStream in(source, h.PixelOffset, h.PixelBytes);
  RowDecoder rows(h, palette);
  Surface picture;
  picture.Resize(h.Width, h.Height);
  AdviseLargePages(picture);
  if (h.IsRle()) {
    // Pixels the stream skips take palette entry 0, as if it had written
    // index 0 there: one defined colour, whatever the memory held.
    picture.Fill(palette[0]);
    RleDecoder(h, in, rows, picture).Run();
  } else {
    DecodeRows(h, in, rows, picture);
  }
  if (!rows.IndicesInPalette()) throw Refusal{BmpError::BadColourIndex};
  return picture;
}

}  // namespace

BmpLoad DecodeBmp(ByteSource& source, const BmpLimits& limits) {
  BmpLoad load;
  try {
    std::array<std::uint8_t, kBmpHeadBytes> head{};
    const std::size_t want = std::min<std::uint64_t>(head.size(), source.Size());
    const std::ptrdiff_t got = source.ReadAt(0, head.data(), want);
    if (got < 0) throw Refusal{BmpError::ReadFailed, errno};
    const BmpHeaderResult parsed = ParseBmpHeader(
        std::span(head.data(), static_cast<std::size_t>(got)), source.Size(), limits.MaxPixels);
    if (!parsed.Ok()) throw Refusal{parsed.Error};
    load.Width = parsed.Header.Width;
    load.Height = parsed.Header.Height;
    if (limits.Accept && !limits.Accept(load.Width, load.Height)) throw Refusal{BmpError::Declined};
    load.Picture = Decode(source, parsed.Header);
  } catch (const Refusal& r) {
    load.Error = r.Error;
    load.SystemError = r.SystemError;
  } catch (const std::bad_alloc&) {
    load.Error = BmpError::OutOfMemory;
  }
  return load;
}

}  // namespace bmp
