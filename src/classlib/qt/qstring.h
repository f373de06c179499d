// qstring.h: the class library's strings as Qt's, and back.
#pragma once

#include <QString>

#include "classlib/tstring.h"

namespace classlib {

inline QString ToQString(const TString& s) { return QString::fromStdString(s.Utf8()); }
inline TString FromQString(const QString& s) { return TString(s.toStdString()); }

}  // namespace classlib
