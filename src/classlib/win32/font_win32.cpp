// font_win32.cpp: fonts chosen by reading the face back: a system may put
// another face in place of one it lacks without saying so, and only the
// name the chosen font reports tells.
#include "classlib/win32/font_win32.h"

#include <map>
#include <utility>
#include <vector>

#include "classlib/win32/window_win32.h"

namespace classlib::win32 {
namespace {

HFONT MakeFont(const std::wstring& face, int pixelSize) {
  LOGFONTW lf{};
  lf.lfHeight = -pixelSize;
  lf.lfWeight = FW_NORMAL;
  lf.lfCharSet = SHIFTJIS_CHARSET;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
  lstrcpynW(lf.lfFaceName, face.c_str(), LF_FACESIZE);
  return CreateFontIndirectW(&lf);
}

// The face the font was made with.
TString FaceName(HFONT font) {
  ::HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  wchar_t face[LF_FACESIZE] = {};
  GetTextFaceW(dc, LF_FACESIZE, face);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return FromWide(face);
}

}  // namespace

HFONT FontHandle(const TFont& font) {
  static std::map<std::pair<std::vector<std::string>, int>, HFONT> made;
  std::vector<std::string> faces;
  for (const TString& face : font.Faces) faces.push_back(face.Utf8());
  const auto key = std::pair(faces, font.PixelSize);
  if (const auto it = made.find(key); it != made.end()) return it->second;
  HFONT chosen = nullptr;
  for (const TString& face : font.Faces) {
    HFONT candidate = MakeFont(Wide(face), font.PixelSize);
    if (candidate == nullptr) continue;
    if (FaceName(candidate) == face) {
      chosen = candidate;
      break;
    }
    DeleteObject(candidate);
  }
  // None of them: the system's own choice for the first.
  if (chosen == nullptr && !font.Faces.empty()) chosen = MakeFont(Wide(font.Faces.front()), font.PixelSize);
  if (chosen == nullptr) chosen = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  made.emplace(key, chosen);
  return chosen;
}

}  // namespace classlib::win32
