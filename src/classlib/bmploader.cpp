// bmploader.cpp: the sentences that tell a player why a picture file cannot
// be used, around the platform's BMP intake.
#include "classlib/bmploader.h"

#include <QFile>
#include <QFileInfo>

#include "classlib/exception.h"
#include "bmp/bmp.h"

namespace classlib {
namespace {

using bmp::BmpError;

QString SentenceFor(BmpError error) {
  switch (error) {
    case BmpError::None:
    case BmpError::Declined:
    case BmpError::OpenFailed: break;
    case BmpError::NotFound: return QStringLiteral("「%1」を開けません。ファイルが見つかりません。");
    case BmpError::NoPermission: return QStringLiteral("「%1」を開けません。読み取りの権限がありません。");
    case BmpError::IsFolder: return QStringLiteral("「%1」はフォルダーなので開けません。");
    case BmpError::NotRegular: return QStringLiteral("「%1」は通常のファイルではないので開けません。");
    case BmpError::ReadFailed:
      return QStringLiteral("「%1」を読み取れません。読み取り中にエラーが起きました。");
    case BmpError::OutOfMemory: return QStringLiteral("「%1」を読み込むためのメモリーが足りません。");
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

}  // namespace

bool LoadBmpFile(const QString& fileName, platform::Surface& into,
                 const std::function<bool(int, int)>& accept) {
  bmp::BmpLoad load = bmp::LoadBmp(QFile::encodeName(fileName).toStdString(),
                                             {platform::kMaxSurfacePixels, accept});
  if (load.Error == BmpError::Declined) return false;
  QString name = QFileInfo(fileName).fileName();
  if (name.isEmpty()) name = fileName;
  if (load.Error == BmpError::OpenFailed) {
    throw Exception(QStringLiteral("「%1」を開けません。システムのエラー番号は %2 です。")
                        .arg(name, QString::number(load.SystemError)));
  }
  if (!load.Ok()) throw Exception(SentenceFor(load.Error).arg(name));
  into = std::move(load.Picture);
  return true;
}

}  // namespace classlib
