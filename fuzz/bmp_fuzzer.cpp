// bmp_fuzzer.cpp: libFuzzer target over the whole picture loading path. Each
// input goes through the header checks, the run-length expansion and the
// rewrite into the plain form (standard C++), and then, as a file, through
// the loader the main window uses, which hands the plain form to Qt's
// decoder. Besides crashes, leaks and undefined behaviour, it stops on any
// broken promise between the stages:
// - an accepted header describes a picture inside the file and the budget;
// - the plain form is accepted by our own checks as the same picture, and
//   rewriting it again changes no byte;
// - the loader accepts exactly the files the checks and the rewrite accept,
//   decodes them at their declared size, and names the file when it refuses.
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <QString>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>

#include "classlib/bmploader.h"
#include "classlib/exception.h"
#include "platform/bmpcanonical.h"
#include "platform/bmpheader.h"

namespace {

using platform::BmpHeader;

// Pictures above this many pixels are taken only through the headers: a
// larger one costs hundreds of megabytes per run through the decoder, and
// the code it runs is the same as for smaller ones.
constexpr std::uint64_t kMaxDecodedPixels = std::uint64_t{1} << 22;

void Require(bool ok, const char* promise) {
  if (ok) return;
  std::fprintf(stderr, "bmp_fuzzer: broken promise: %s\n", promise);
  std::abort();
}

void CheckHeader(const BmpHeader& h, std::size_t fileSize) {
  Require(h.Width > 0 && h.Height > 0, "an accepted picture has a positive size");
  const std::uint64_t pixels = std::uint64_t(h.Width) * std::uint64_t(h.Height);
  Require(pixels <= platform::kBmpMaxPixels, "an accepted picture is within the budget");
  const std::uint64_t paletteEnd =
      h.PaletteOffset + std::uint64_t(h.PaletteEntries) * std::uint64_t(h.PaletteEntrySize);
  Require(paletteEnd <= h.PixelOffset, "the palette ends before the pixels");
  Require(h.PixelEnd() <= fileSize, "the pixel data lies inside the file");
  Require(h.IsRle() ? h.PixelBytes > 0 : h.PixelBytes == h.RowStride * std::uint64_t(h.Height),
          "the pixel data has the size the picture needs");
}

platform::BmpHeaderResult Parse(std::span<const std::uint8_t> bytes) {
  return platform::ParseBmpHeader(bytes.first(std::min(bytes.size(), platform::kBmpHeadBytes)),
                                  bytes.size());
}

// Rewrites the file as the loader does; true when the loader must accept it.
bool RewriteAndCheck(const BmpHeader& h, std::span<const std::uint8_t> file) {
  const platform::BmpCanonicalResult plain = platform::MakeCanonicalBmp(h, file.first(h.PixelEnd()));
  if (!plain.Ok()) {
    Require(plain.Bytes.empty(), "a refused rewrite leaves no bytes");
    return false;
  }
  const platform::BmpHeaderResult again = Parse(plain.Bytes);
  Require(again.Ok(), "the plain form passes the header checks");
  const BmpHeader& p = again.Header;
  Require(p.Width == h.Width && p.Height == h.Height, "the plain form keeps the size");
  Require(!p.TopDown && !p.IsRle() && p.InfoSize == 40, "the plain form is plain");
  Require(p.PixelEnd() == plain.Bytes.size(), "the plain form ends with its pixels");
  const platform::BmpCanonicalResult twice = platform::MakeCanonicalBmp(p, plain.Bytes);
  Require(twice.Ok() && twice.Bytes == plain.Bytes, "rewriting the plain form changes nothing");
  return true;
}

// The input as a file with a name, for the loader, without touching a disk.
class MemoryFile {
 public:
  MemoryFile() : fd_(memfd_create("bmp_fuzzer", MFD_CLOEXEC)) {
    Require(fd_ >= 0, "a memory file can be made");
    name_ = QStringLiteral("/proc/self/fd/%1").arg(fd_);
  }
  const QString& Hold(std::span<const std::uint8_t> bytes) {
    Require(ftruncate(fd_, 0) == 0, "the memory file can be emptied");
    std::size_t done = 0;
    while (done < bytes.size()) {
      const ssize_t n = pwrite(fd_, bytes.data() + done, bytes.size() - done, off_t(done));
      Require(n > 0, "the memory file can be written");
      done += std::size_t(n);
    }
    return name_;
  }
  QString DisplayName() const { return QString::number(fd_); }

 private:
  int fd_;
  QString name_;
};

void LoadAndCompare(std::span<const std::uint8_t> file, const platform::BmpHeaderResult& parsed,
                    bool mustLoad) {
  static MemoryFile memory;
  const QString& path = memory.Hold(file);
  platform::Surface surface;
  QString message;
  try {
    const classlib::TBmpInfo info = classlib::ReadBmpInfo(path);
    Require(parsed.Ok(), "the loader reads only headers that pass the checks");
    Require(info.Width == parsed.Header.Width && info.Height == parsed.Header.Height,
            "the loader reads the size the checks read");
    classlib::LoadBmpFile(path, surface);
  } catch (const classlib::Exception& e) {
    message = e.Message();
  }
  if (message.isEmpty()) {
    Require(mustLoad, "the loader accepts only what the checks and the rewrite accept");
    Require(surface.Width() == parsed.Header.Width && surface.Height() == parsed.Header.Height,
            "the loader decodes the declared size");
    return;
  }
  if (mustLoad) std::fprintf(stderr, "bmp_fuzzer: the loader said: %s\n", qPrintable(message));
  Require(!mustLoad, "the loader takes every file our checks and the rewrite let through");
  Require(message.startsWith(QStringLiteral("「") + memory.DisplayName() + QStringLiteral("」")),
          "a refusal names the file");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> file(data, size);
  const platform::BmpHeaderResult parsed = Parse(file);
  bool mustLoad = false;
  if (parsed.Ok()) {
    const BmpHeader& h = parsed.Header;
    CheckHeader(h, size);
    if (std::uint64_t(h.Width) * std::uint64_t(h.Height) > kMaxDecodedPixels) return 0;
    mustLoad = RewriteAndCheck(h, file);
  }
  LoadAndCompare(file, parsed, mustLoad);
  return 0;
}
