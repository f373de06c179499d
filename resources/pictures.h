// pictures.h: the program's pictures, compiled in from the XPM files they
// are committed as, for the class library's own XPM reader.
#pragma once

#include <span>
#include <string_view>

namespace resources {

// The lines of the picture `name` ("open" for open.xpm); empty when there is
// no such picture.
std::span<const char* const> Xpm(std::string_view name);

}  // namespace resources
