// xpm.cpp: the XPM reader.
#include "classlib/xpm.h"

#include <charconv>
#include <map>
#include <sstream>
#include <string>
#include <string_view>

namespace classlib {
namespace {

bool ParseColour(std::string_view text, TColor none, TColor& colour) {
  if (text == "None" || text == "none") {
    colour = none;
    return true;
  }
  if (text.size() != 7 || text[0] != '#') return false;
  unsigned value = 0;
  const auto [end, error] = std::from_chars(text.data() + 1, text.data() + 7, value, 16);
  if (error != std::errc{} || end != text.data() + 7) return false;
  colour = 0xFF000000u | value;
  return true;
}

}  // namespace

platform::Surface DecodeXpm(std::span<const char* const> lines, TColor none) {
  if (lines.empty() || lines[0] == nullptr) return {};
  std::istringstream values(lines[0]);
  int width = 0, height = 0, colours = 0, chars = 0;
  if (!(values >> width >> height >> colours >> chars) || width <= 0 || height <= 0 ||
      colours <= 0 || chars <= 0 || lines.size() < std::size_t(1 + colours + height)) {
    return {};
  }
  std::map<std::string, TColor, std::less<>> table;
  for (int i = 1; i <= colours; ++i) {
    const std::string_view line = lines[std::size_t(i)];
    if (line.size() < std::size_t(chars)) return {};
    std::istringstream rest{std::string(line.substr(std::size_t(chars)))};
    std::string key, colourText;
    TColor colour = 0;
    if (!(rest >> key >> colourText) || key != "c" || !ParseColour(colourText, none, colour)) return {};
    table.emplace(std::string(line.substr(0, std::size_t(chars))), colour);
  }
  platform::Surface picture(width, height);
  for (int y = 0; y < height; ++y) {
    const std::string_view row = lines[std::size_t(1 + colours + y)];
    if (row.size() < std::size_t(width) * std::size_t(chars)) return {};
    platform::Color* out = picture.Row(y);
    for (int x = 0; x < width; ++x) {
      const auto it = table.find(row.substr(std::size_t(x) * std::size_t(chars), std::size_t(chars)));
      if (it == table.end()) return {};
      out[x] = it->second;
    }
  }
  return picture;
}

}  // namespace classlib
