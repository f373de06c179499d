// bmp_fuzzer.cpp: libFuzzer target over the picture intake. Each input goes
// through the header checks and the decoder from memory; when its pixel
// offset points past the input, it is also read as a sparse file whose
// pixels lie at that offset, so that huge offsets are explored without huge
// inputs; and it is read as a real file through the intake, with open and
// pread interrupted, cut short or failed as the input's last byte says.
// Besides crashes, leaks and undefined behaviour, it stops on any broken
// promise:
// - an accepted header describes a picture inside the file and the budget;
// - the decoder accepts only what the header checks accept, at their size,
//   and gives opaque pixels;
// - the file reader gives what the decoder gives from memory, whatever the
//   interruptions and short reads, and a failed call refuses the file;
// - where Qt's own reader also takes the file, both give the same pixels
//   (for an n-bit channel below 8 bits, its top n bits), except for the
//   files of QtLeavesPixelsUndefined and QtMisreadsPalette.
// Files one reader takes and the other refuses are counted, by our verdict,
// and printed when the run ends; fuzz/README says why each kind differs.
#include <sys/mman.h>
#include <unistd.h>

#include <QByteArray>
#include <QImage>
#include <algorithm>
#include <bit>
#include <map>
#include <string>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <span>

#include "bmp/header.h"
#include "support/memory_source.h"
#include "support/syscall_faults.h"

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
  const std::uint64_t lastRow = (std::uint64_t(h.Width) * std::uint64_t(h.BitCount) + 7) / 8;
  Require(h.IsRle() ? h.PixelBytes > 0
                    : h.PixelBytes <= h.RowStride * std::uint64_t(h.Height) &&
                          h.PixelBytes >= h.RowStride * std::uint64_t(h.Height - 1) + lastRow,
          "the pixel data has the size the picture needs, the last row's padding aside");
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

// What the run counts, printed when it ends.
struct Tally {
  long Compared = 0;      // both accepted, pixels compared
  long Undefined = 0;     // both accepted, a stream Qt leaves pixels undefined for
  long PaletteMisread = 0;  // both accepted, a palette Qt reads wrongly
  long FileReads = 0;     // inputs read as a real file
  std::map<std::string, long> OnlyOurs;  // we accept, Qt refuses: by form
  std::map<std::string, long> OnlyQts;   // Qt accepts, we refuse: by our verdict
  ~Tally() {
    std::fprintf(stderr,
                 "bmp_fuzzer: compared with Qt %ld, Qt's pixels undefined %ld, Qt's palette misread %ld, "
                 "read as files %ld\n",
                 Compared, Undefined, PaletteMisread, FileReads);
    for (const auto& [what, n] : OnlyOurs) std::fprintf(stderr, "  only we accept %s: %ld\n", what.c_str(), n);
    for (const auto& [what, n] : OnlyQts) std::fprintf(stderr, "  only Qt accepts, we say %s: %ld\n", what.c_str(), n);
  }
};
Tally tally;

// Qt 6.4 leaves the pixels that a run-length stream skips unwritten, so it
// is compared only on streams that write every pixel: no jump, no row ended
// before it is full, no end of picture before its last row is done, and
// nothing but the end of picture after it.
// An uncompressed picture whose last row lacks its padding loses that row.
bool QtLeavesPixelsUndefined(const BmpHeader& h, std::span<const std::uint8_t> file) {
  if (!h.IsRle()) return h.PixelBytes < h.RowStride * std::uint64_t(h.Height);
  const bool four = h.Compression == bmp::BmpCompression::Rle4;
  std::uint64_t at = h.PixelOffset;
  const std::uint64_t end = std::min<std::uint64_t>(h.PixelEnd(), file.size());
  int x = 0, y = 0;
  while (y < h.Height && !(y == h.Height - 1 && x == h.Width) && at + 2 <= end) {
    const std::uint8_t n = file[at], v = file[at + 1];
    at += 2;
    if (n > 0) {
      x += n;
    } else if (v == 0) {
      if (x != h.Width) return true;
      x = 0;
      ++y;
    } else if (v == 1 || v == 2) {
      return true;
    } else {
      x += v;
      const std::uint64_t bytes = four ? (v + 1u) / 2 : v;
      at += bytes + (bytes & 1);
    }
  }
  // Qt reads on past a finished picture into whatever follows it, even a
  // single stray byte.
  return at != end && !(at + 2 <= end && file[at] == 0 && file[at + 1] == 1);
}

// Qt 6.4 reads as many palette entries as the colour count says (all the
// depth indexes when it is 0), straight on from the headers, and seeks to
// the pixel offset only when the table ended before it. So a count past
// what the depth indexes, or a table that runs into the pixel data, leaves
// it with entries it cannot hold ("QImage::setColor: Index out of bound")
// and pixels read from after the table instead of from the offset. We use
// the entries before the pixel offset that the pixels can name.
bool QtMisreadsPalette(const BmpHeader& h, std::span<const std::uint8_t> file) {
  if (h.BitCount > 8) return false;
  const std::uint64_t indexed = std::uint64_t{1} << h.BitCount;
  std::uint64_t declared = indexed;
  if (h.InfoSize >= 40 && file.size() >= 50) {
    const std::uint64_t used = file[46] | file[47] << 8 | file[48] << 16 | std::uint64_t{file[49]} << 24;
    if (used != 0) declared = used;
  }
  return declared > indexed ||
         h.PaletteOffset + declared * std::uint64_t(h.PaletteEntrySize) > h.PixelOffset;
}

const char* NameOf(bmp::BmpError e) {
  static const char* const kNames[] = {
      "None",     "NotFound",  "NoPermission", "IsFolder",      "NotRegular",     "OpenFailed",
      "ReadFailed", "OutOfMemory", "Declined", "Empty",         "NotBmp",         "Truncated",
      "BadHeader", "BadSize",  "TooLarge",     "BadDepth",      "BadCompression", "BadMasks",
      "BadOffset", "PixelDataShort", "BadRle",     "BadColourIndex"};
  const auto i = static_cast<std::size_t>(e);
  return i < std::size(kNames) ? kNames[i] : "?";
}

std::string FormOf(const BmpHeader& h) {
  return "header " + std::to_string(h.InfoSize) + ", " + std::to_string(h.BitCount) +
         " bits, compression " + std::to_string(static_cast<int>(h.Compression));
}

// The bits of each channel both readers must agree on: all 8, or the top n
// of an n-bit channel, which Qt shifts up and we repeat down the byte. A
// channel wider than 8 bits comes out of Qt 6.4 as 0 (its scale factor is
// 256 over the channel's range, 0 in integers) and is not compared.
std::uint32_t SharedBits(const BmpHeader& h) {
  if (h.BitCount != 16 && h.BitCount != 32) return 0xFFFFFF;
  std::uint32_t bits = 0;
  for (int c = 0; c < 3; ++c) {
    const int n = std::popcount(h.Masks[c]);
    if (n <= 8) bits |= (0xFFu << (8 - n) & 0xFFu) << (16 - 8 * c);
  }
  return bits;
}

void CompareWithQt(std::span<const std::uint8_t> file, const bmp::BmpLoad& load) {
  std::uint8_t head[bmp::kBmpHeadBytes] = {};
  const std::size_t n = std::min(file.size(), sizeof head);
  std::copy_n(file.data(), n, head);
  const bmp::BmpHeaderResult parsed = bmp::ParseBmpHeader({head, n}, file.size());
  const BmpHeader& h = parsed.Header;
  const QImage qt = QImage::fromData(
      QByteArray::fromRawData(reinterpret_cast<const char*>(file.data()), qsizetype(file.size())), "BMP");
  const bool qtTakes = !qt.isNull();
  if (qtTakes != load.Ok()) {
    // A picture past our budget or the fuzzer's is refused by size alone.
    if (load.Ok()) ++tally.OnlyOurs[FormOf(h)];
    else if (load.Error != bmp::BmpError::TooLarge) ++tally.OnlyQts[NameOf(load.Error)];
    return;
  }
  if (!load.Ok()) return;
  Require(qt.width() == h.Width && qt.height() == h.Height, "both readers read one size");
  if (QtLeavesPixelsUndefined(h, file)) {
    ++tally.Undefined;
    return;
  }
  if (QtMisreadsPalette(h, file)) {
    ++tally.PaletteMisread;
    return;
  }
  ++tally.Compared;
  const std::uint32_t shared = SharedBits(h);
  const QImage rgb = qt.convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < h.Height; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(rgb.constScanLine(y));
    for (int x = 0; x < h.Width; ++x) {
      if (((row[x] ^ load.Picture.Pixel(x, y)) & shared) != 0) {
        std::fprintf(stderr, "bmp_fuzzer: pixel %d,%d: ours %08x, Qt's %08x (%s)\n", x, y,
                     load.Picture.Pixel(x, y), row[x], FormOf(h).c_str());
        Require(false, "where Qt's reader also takes a file, the pixels agree");
      }
    }
  }
}

// The input as a file in memory, read by the intake itself under a plan of
// interrupted, short and failed calls chosen by the input's last byte.
void ReadAsFile(std::span<const std::uint8_t> file, const bmp::BmpLoad& fromMemory) {
  static const int fd = ::memfd_create("bmp_fuzzer", MFD_CLOEXEC);
  if (fd < 0 || ::ftruncate(fd, 0) != 0) return;
  if (::pwrite(fd, file.data(), file.size(), 0) != static_cast<ssize_t>(file.size())) return;
  static const char* const kPlans[] = {"", "i", "iii.", ".s", ".is.s", "..sss", "...isisis",
                                       "f", ".f", "..f", "...if"};
  const char* plan = kPlans[(file.empty() ? 0 : file.back()) % std::size(kPlans)];
  testsupport::SetSyscallPlan(plan);
  const bmp::BmpLoad load = bmp::LoadBmp("/proc/self/fd/" + std::to_string(fd), {kMaxDecodedPixels, {}});
  const int calls = testsupport::SyscallsMade();
  testsupport::SetSyscallPlan("");
  ++tally.FileReads;
  const char* failed = std::strchr(plan, 'f');
  if (failed != nullptr && calls > failed - plan) {
    Require(load.Error == bmp::BmpError::ReadFailed || load.Error == bmp::BmpError::OpenFailed,
            "a failed call refuses the file");
    Require(calls == failed - plan + 1, "nothing is read after a failed call");
    return;
  }
  Require(load.Error == fromMemory.Error, "the file reader refuses as the decoder does");
  Require(load.Picture == fromMemory.Picture, "the file reader gives the decoder's pixels");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> file(data, size);
  MemorySource memory(file);
  const bmp::BmpLoad load = DecodeChecked(memory);
  CompareWithQt(file, load);
  ReadAsFile(file, load);
  if (size >= 14) {
    const std::uint64_t offset = data[10] | data[11] << 8 | data[12] << 16 | std::uint64_t{data[13]} << 24;
    if (offset > size) {
      SparseSource sparse(file, offset);
      DecodeChecked(sparse);
    }
  }
  return 0;
}
