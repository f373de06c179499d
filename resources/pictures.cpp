// pictures.cpp: every committed XPM file, included as the C it is.
#include "pictures.h"

namespace {
#include "aboutback.xpm"
#include "emblem.xpm"
#include "exit.xpm"
#include "hintview.xpm"
#include "logo.xpm"
#include "mainicon16.xpm"
#include "mainicon32.xpm"
#include "mainicon48.xpm"
#include "mainview.xpm"
#include "numbers.xpm"
#include "open.xpm"
#include "shuffle.xpm"
}  // namespace

namespace resources {

std::span<const char* const> Xpm(std::string_view name) {
  static const struct {
    std::string_view Name;
    std::span<const char* const> Lines;
  } kPictures[] = {
      {"aboutback", aboutback_xpm},
      {"emblem", emblem_xpm},
      {"exit", exit_xpm},
      {"hintview", hintview_xpm},
      {"logo", logo_xpm},
      {"mainicon16", mainicon16_xpm},
      {"mainicon32", mainicon32_xpm},
      {"mainicon48", mainicon48_xpm},
      {"mainview", mainview_xpm},
      {"numbers", numbers_xpm},
      {"open", open_xpm},
      {"shuffle", shuffle_xpm},
  };
  for (const auto& p : kPictures) {
    if (p.Name == name) return p.Lines;
  }
  return {};
}

}  // namespace resources
