// qcolor.h: the class library's colours as Qt's.
#pragma once

#include <QColor>

#include "classlib/colors.h"

namespace classlib {

inline QColor ToQColor(TColor c) { return QColor::fromRgb(c); }

}  // namespace classlib
