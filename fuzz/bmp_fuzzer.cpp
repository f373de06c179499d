// bmp_fuzzer.cpp: libFuzzer target over the picture intake. Each input goes
// through the header checks and the decoder from memory; when its pixel
// offset points past the input, it is also read as a sparse file whose
// pixels lie at that offset, so that huge offsets are explored without huge
// inputs. Besides crashes, leaks and undefined behaviour, it stops on any
// broken promise:
// - an accepted header describes a picture inside the file and the budget;
// - the decoder accepts only what the header checks accept, at their size,
//   and gives opaque pixels;
// - where Qt's own reader also takes the file, both give the same pixels,
//   except for the cases listed at QtIsKnownWrong.
#include <QByteArray>
#include <QImage>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <span>

#include "bmp/header.h"
#include "support/memory_source.h"

namespace {

using bmp::BmpHeader;

// Pictures above this many pixels are taken only through the headers: a
// larger one costs hundreds of megabytes per run through the decoder, and
// the code it runs is the same as for smaller ones.
constexpr std::uint64_t kMaxDecodedPixels = std::uint64_t{1} << 22;

void Require(bool ok, const char* promise) {
  if (ok) return;
  std::fprintf(stderr, "bmp_fuzzer: broken promise: %s\n", promise);
  std::abort();
}

void CheckHeader(const BmpHeader& h, std::uint64_t fileSize) {
  Require(h.Width > 0 && h.Height > 0, "an accepted picture has a positive size");
  const std::uint64_t pixels = std::uint64_t(h.Width) * std::uint64_t(h.Height);
  Require(pixels <= platform::kMaxSurfacePixels, "an accepted picture is within the budget");
  const std::uint64_t paletteEnd =
      h.PaletteOffset + std::uint64_t(h.PaletteEntries) * std::uint64_t(h.PaletteEntrySize);
  Require(paletteEnd <= h.PixelOffset, "the palette ends before the pixels");
  Require(h.PixelEnd() <= fileSize, "the pixel data lies inside the file");
  Require(h.IsRle() ? h.PixelBytes > 0 : h.PixelBytes == h.RowStride * std::uint64_t(h.Height),
          "the pixel data has the size the picture needs");
}

// The input's head, zeros up to its pixel offset, then the rest of the input:
// a sparse file as the intake would see it, without its size in memory.
class SparseSource : public bmp::ByteSource {
 public:
  SparseSource(std::span<const std::uint8_t> input, std::uint64_t offset)
      : head_(input.first(std::min(input.size(), bmp::kBmpHeadBytes))),
        rest_(input.subspan(head_.size())), offset_(offset) {}
  std::uint64_t Size() const override { return offset_ + rest_.size(); }
  std::ptrdiff_t ReadAt(std::uint64_t at, std::uint8_t* into, std::size_t count) override {
    const std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>(count, Size() - std::min(at, Size())));
    for (std::size_t i = 0; i < n; ++i) {
      const std::uint64_t p = at + i;
      into[i] = p < head_.size() ? head_[p] : p >= offset_ ? rest_[p - offset_] : 0;
    }
    return static_cast<std::ptrdiff_t>(n);
  }

 private:
  std::span<const std::uint8_t> head_;
  std::span<const std::uint8_t> rest_;
  std::uint64_t offset_;
};

bmp::BmpLoad DecodeChecked(bmp::ByteSource& source) {
  std::uint8_t head[bmp::kBmpHeadBytes] = {};
  const std::size_t n = std::size_t(source.ReadAt(0, head, sizeof head));
  const bmp::BmpHeaderResult full = bmp::ParseBmpHeader({head, n}, source.Size());
  if (full.Ok()) CheckHeader(full.Header, source.Size());
  const bmp::BmpHeaderResult parsed =
      bmp::ParseBmpHeader({head, n}, source.Size(), kMaxDecodedPixels);
  const bmp::BmpLoad load = bmp::DecodeBmp(source, {kMaxDecodedPixels, {}});
  if (!parsed.Ok()) {
    Require(load.Error == parsed.Error, "the decoder refuses headers as the checks do");
  } else {
    Require(load.Width == parsed.Header.Width && load.Height == parsed.Header.Height,
            "the decoder reads the size the checks read");
  }
  if (!load.Ok()) {
    Require(load.Picture.IsEmpty(), "a refusal gives no picture");
    return load;
  }
  Require(load.Picture.Width() == parsed.Header.Width && load.Picture.Height() == parsed.Header.Height,
          "the decoder gives the declared size");
  for (int y = 0; y < load.Picture.Height(); ++y) {
    for (int x = 0; x < load.Picture.Width(); ++x) {
      Require((load.Picture.Pixel(x, y) >> 24) == 0xFF, "every pixel is opaque");
    }
  }
  return load;
}

// Where Qt 6.4's reader is known to differ from a correct decode, its pixels
// are not compared:
// - run-length pictures: pixels the stream skips are left undefined, and a
//   run past its row spills into the next;
// - bit fields with an alpha mask: Qt keeps the alpha, so colours come out
//   flattened differently;
// - 52 and 56-byte headers, which Qt refuses anyway.
bool QtIsKnownWrong(const BmpHeader& h, std::span<const std::uint8_t> file) {
  if (h.IsRle() || h.InfoSize == 52 || h.InfoSize == 56) return true;
  if (h.BitCount == 32 && h.InfoSize >= 56 && file.size() >= 14 + 56) {
    std::uint32_t alphaMask = 0;
    std::memcpy(&alphaMask, file.data() + 14 + 52, 4);
    if (alphaMask != 0) return true;
  }
  return false;
}

void CompareWithQt(std::span<const std::uint8_t> file, const bmp::BmpLoad& load) {
  std::uint8_t head[bmp::kBmpHeadBytes] = {};
  const std::size_t n = std::min(file.size(), sizeof head);
  std::copy_n(file.data(), n, head);
  const BmpHeader h = bmp::ParseBmpHeader({head, n}, file.size()).Header;
  if (QtIsKnownWrong(h, file)) return;
  const QImage qt = QImage::fromData(
      QByteArray::fromRawData(reinterpret_cast<const char*>(file.data()), qsizetype(file.size())), "BMP");
  if (qt.isNull() || qt.width() != h.Width || qt.height() != h.Height) return;
  const QImage rgb = qt.convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < h.Height; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(rgb.constScanLine(y));
    for (int x = 0; x < h.Width; ++x) {
      if ((row[x] | 0xFF000000u) != load.Picture.Pixel(x, y)) {
        std::fprintf(stderr, "bmp_fuzzer: pixel %d,%d: ours %08x, Qt's %08x\n", x, y,
                     load.Picture.Pixel(x, y), row[x]);
        Require(false, "where Qt's reader also takes a file, the pixels agree");
      }
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> file(data, size);
  MemorySource memory(file);
  const bmp::BmpLoad load = DecodeChecked(memory);
  if (load.Ok()) CompareWithQt(file, load);
  if (size >= 14) {
    const std::uint64_t offset = data[10] | data[11] << 8 | data[12] << 16 | std::uint64_t{data[13]} << 24;
    if (offset > size) {
      SparseSource sparse(file, offset);
      DecodeChecked(sparse);
    }
  }
  return 0;
}
