// bmploader.cpp: the BMP decoder for the class library, with a sentence for
// every refusal.
#include "classlib/bmploader.h"

#include <filesystem>
#include <string>

#include "bmp/bmp.h"
#include "classlib/exception.h"
#include "classlib/sentences.h"

namespace classlib {

bool LoadBmpFile(const TString& fileName, platform::Surface& into,
                 const std::function<bool(int, int)>& accept) {
  bmp::BmpLimits limits;
  limits.Accept = accept;
  bmp::BmpLoad load = bmp::LoadBmp(fileName.Utf8(), limits);
  if (load.Error == bmp::BmpError::Declined) return false;
  TString name = std::filesystem::path(fileName.Utf8()).filename().string();
  if (name.IsEmpty()) name = fileName;
  if (load.Error == bmp::BmpError::OpenFailed) {
    throw Exception(Sentence(TSentence::FileOpenFailed).Arg(name, std::to_string(load.SystemError)));
  }
  if (!load.Ok()) throw Exception(Sentence(load.Error).Arg(name));
  into = std::move(load.Picture);
  return true;
}

}  // namespace classlib
