// bmploader.cpp: BMP files into surfaces: our own header and pixel checks;
// 24 and 32-bit rows converted straight, other pictures rewritten into one
// plain form for Qt's decoder.
#include "classlib/bmploader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <algorithm>
#include <cerrno>
#include <new>
#include <vector>

#include "classlib/exception.h"
#include "platform/bmpcanonical.h"
#include "platform/bmpdirect.h"
#include "platform/bmpheader.h"

namespace classlib {
namespace {

using platform::BmpError;

// Qt's own allocation guard, set a little above our budget so that our
// check, with its clearer message, is the one that refuses.
constexpr int kDecoderLimitMiB = 256 + 16;

QString DisplayName(const QString& fileName) {
  const QString name = QFileInfo(fileName).fileName();
  return name.isEmpty() ? fileName : name;
}

[[noreturn]] void Fail(const QString& fileName, const QString& sentence) {
  throw Exception(sentence.arg(DisplayName(fileName)));
}

QString SentenceFor(BmpError error) {
  switch (error) {
    case BmpError::None: break;
    case BmpError::Empty: return QStringLiteral("「%1」は空のファイルです。");
    case BmpError::NotBmp: return QStringLiteral("「%1」はビットマップファイルではありません。");
    case BmpError::Truncated: return QStringLiteral("「%1」のヘッダーが途中で切れています。");
    case BmpError::BadHeader:
      return QStringLiteral("「%1」は対応していない形式のビットマップファイルです。");
    case BmpError::BadSize: return QStringLiteral("「%1」の画像の幅か高さが正しくありません。");
    case BmpError::TooLarge: return QStringLiteral("「%1」の画像が大きすぎて読み込めません。");
    case BmpError::BadDepth: return QStringLiteral("「%1」の色のビット数には対応していません。");
    case BmpError::BadCompression: return QStringLiteral("「%1」の圧縮形式には対応していません。");
    case BmpError::BadMasks: return QStringLiteral("「%1」の色のビットマスクが正しくありません。");
    case BmpError::BadPalette: return QStringLiteral("「%1」のパレットの色数が正しくありません。");
    case BmpError::BadOffset:
      return QStringLiteral("「%1」のピクセルデータの位置が正しくありません。");
    case BmpError::PixelDataShort:
      return QStringLiteral("「%1」のピクセルデータが途中で切れています。");
    case BmpError::BadRle:
      return QStringLiteral("「%1」の圧縮されたピクセルデータが壊れています。");
    case BmpError::BadColourIndex:
      return QStringLiteral("「%1」にパレットにない色を指すピクセルがあります。");
  }
  return QStringLiteral("「%1」の画像を読み込めません。");
}

[[noreturn]] void FailOpen(const QString& fileName, int error) {
  if (error == ENOENT || error == ENOTDIR) {
    Fail(fileName, QStringLiteral("「%1」を開けません。ファイルが見つかりません。"));
  }
  if (error == EACCES || error == EPERM) {
    Fail(fileName, QStringLiteral("「%1」を開けません。読み取りの権限がありません。"));
  }
  throw Exception(QStringLiteral("「%1」を開けません。システムのエラー番号は %2 です。")
                      .arg(DisplayName(fileName), QString::number(error)));
}

[[noreturn]] void FailNotRegular(const QString& fileName, mode_t mode) {
  if (S_ISDIR(mode)) Fail(fileName, QStringLiteral("「%1」はフォルダーなので開けません。"));
  Fail(fileName, QStringLiteral("「%1」は通常のファイルではないので開けません。"));
}

// A regular file opened for reading. Directories, pipes and devices are
// refused from their status before any open, and the file is opened
// non-blocking and checked again, so a pipe put in its place in between
// cannot stall the program either.
class RegularFile {
 public:
  explicit RegularFile(const QString& fileName) : name_(fileName) {
    const QByteArray path = QFile::encodeName(fileName);
    struct stat st {};
    if (path.isEmpty()) FailOpen(fileName, ENOENT);
    if (::stat(path.constData(), &st) != 0) FailOpen(fileName, errno);
    if (!S_ISREG(st.st_mode)) FailNotRegular(fileName, st.st_mode);
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) FailOpen(fileName, errno);
    if (::fstat(fd, &st) != 0) {
      const int error = errno;
      ::close(fd);
      FailOpen(fileName, error);
    }
    if (!S_ISREG(st.st_mode)) {
      ::close(fd);
      FailNotRegular(fileName, st.st_mode);
    }
    size_ = static_cast<std::uint64_t>(st.st_size);
    if (!file_.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) FailOpen(fileName, EIO);
  }

  std::uint64_t Size() const { return size_; }

  // Reads on until `bytes` holds `total` bytes or the file ends.
  void ReadUpTo(std::vector<std::uint8_t>& bytes, std::uint64_t total) {
    const std::size_t have = bytes.size();
    // A small file's pixels may all be in the head already read.
    if (total <= have) return;
    bytes.resize(static_cast<std::size_t>(total));
    bytes.resize(have + Read(bytes.data() + have, bytes.size() - have));
  }

  // Reads `count` bytes from `offset` on; false when the file ends first.
  bool ReadAt(std::uint64_t offset, std::uint8_t* into, std::size_t count) {
    if (!file_.seek(static_cast<qint64>(offset))) return false;
    return Read(into, count) == count;
  }

 private:
  // Reads on until `count` bytes are in or the file ends; returns how many.
  std::size_t Read(std::uint8_t* into, std::size_t count) {
    std::size_t got = 0;
    while (got < count) {
      const qint64 n =
          file_.read(reinterpret_cast<char*>(into + got), static_cast<qint64>(count - got));
      if (n < 0) Fail(name_, QStringLiteral("「%1」を読み取れません。読み取り中にエラーが起きました。"));
      if (n == 0) break;
      got += static_cast<std::size_t>(n);
    }
    return got;
  }


  QString name_;
  QFile file_;
  std::uint64_t size_ = 0;
};

platform::BmpHeader ReadHeader(RegularFile& file, const QString& fileName,
                               std::vector<std::uint8_t>& bytes) {
  file.ReadUpTo(bytes, std::min<std::uint64_t>(file.Size(), platform::kBmpHeadBytes));
  const platform::BmpHeaderResult parsed = platform::ParseBmpHeader(bytes, file.Size());
  if (!parsed.Ok()) Fail(fileName, SentenceFor(parsed.Error));
  return parsed.Header;
}

QImage Decode(const std::vector<std::uint8_t>& canonical) {
  QBuffer buffer;
  buffer.setData(QByteArray::fromRawData(reinterpret_cast<const char*>(canonical.data()),
                                         static_cast<qsizetype>(canonical.size())));
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, "bmp");
  reader.setAutoDetectImageFormat(false);
  reader.setAllocationLimit(kDecoderLimitMiB);
  return reader.read();
}

// Any alpha the decoder kept is dropped: a surface's pixels are always opaque.
platform::Surface ToSurface(const QImage& decoded) {
  const QImage image = decoded.convertToFormat(QImage::Format_RGB32);
  platform::Surface surface;
  surface.ResizeUndefined(image.width(), image.height());
  for (int y = 0; y < image.height(); ++y) {
    const auto* from = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    platform::Color* to = surface.Row(y);
    for (int x = 0; x < image.width(); ++x) to[x] = from[x] | 0xFF000000u;
  }
  return surface;
}

// 24 and 32-bit pictures in their usual layout: the stored rows are read a
// chunk at a time and converted straight into the surface. The headers'
// checks are all these pixels need.
platform::Surface LoadDirect(RegularFile& file, const QString& fileName,
                             const platform::BmpHeader& header) {
  constexpr std::size_t kChunkBytes = std::size_t{256} << 10;
  const std::size_t stride = static_cast<std::size_t>(header.RowStride);
  const int chunkRows = static_cast<int>(std::max<std::size_t>(kChunkBytes / stride, 1));
  std::vector<std::uint8_t> chunk(static_cast<std::size_t>(chunkRows) * stride);
  platform::Surface surface;
  surface.ResizeUndefined(header.Width, header.Height);
  for (int first = 0; first < header.Height; first += chunkRows) {
    const int rows = std::min(chunkRows, header.Height - first);
    const std::uint64_t offset = header.PixelOffset + static_cast<std::uint64_t>(first) * stride;
    if (!file.ReadAt(offset, chunk.data(), static_cast<std::size_t>(rows) * stride)) {
      Fail(fileName, SentenceFor(BmpError::PixelDataShort));  // cut since the headers were read
    }
    for (int i = 0; i < rows; ++i) {
      const int stored = first + i;
      const int y = header.TopDown ? stored : header.Height - 1 - stored;
      platform::ConvertDirectRow(header, chunk.data() + static_cast<std::size_t>(i) * stride,
                                 surface.Row(y));
    }
  }
  return surface;
}

platform::Surface LoadSurface(const QString& fileName) {
  RegularFile file(fileName);
  std::vector<std::uint8_t> bytes;
  const platform::BmpHeader header = ReadHeader(file, fileName, bytes);
  if (platform::IsDirectBmp(header)) return LoadDirect(file, fileName, header);
  file.ReadUpTo(bytes, header.PixelEnd());
  if (bytes.size() < header.PixelEnd()) Fail(fileName, SentenceFor(BmpError::PixelDataShort));
  const platform::BmpCanonicalResult canonical = platform::MakeCanonicalBmp(header, bytes);
  if (!canonical.Ok()) Fail(fileName, SentenceFor(canonical.Error));
  std::vector<std::uint8_t>().swap(bytes);
  const QImage decoded = Decode(canonical.Bytes);
  if (decoded.isNull() || decoded.width() != header.Width || decoded.height() != header.Height) {
    Fail(fileName, QStringLiteral("「%1」の画像を読み込めません。"));
  }
  return ToSurface(decoded);
}

}  // namespace

TBmpInfo ReadBmpInfo(const QString& fileName) {
  RegularFile file(fileName);
  std::vector<std::uint8_t> bytes;
  const platform::BmpHeader header = ReadHeader(file, fileName, bytes);
  return {header.Width, header.Height};
}

void LoadBmpFile(const QString& fileName, platform::Surface& into) {
  try {
    into = LoadSurface(fileName);
  } catch (const std::bad_alloc&) {
    Fail(fileName, QStringLiteral("「%1」を読み込むためのメモリーが足りません。"));
  }
}

}  // namespace classlib
