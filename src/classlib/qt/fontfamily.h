// fontfamily.h: choosing a font family from a list of preferences.
#pragma once

#include <QStringList>

namespace classlib {

// The first of `families` that is installed, on its own; `families` as they
// are when none is. A font asks for the same face either way, but given a
// list Qt also asks the system for the fallback fonts of the first family it
// finds and of the first one it misses, which it needs only for characters
// the face lacks; at start-up those queries took more than a millisecond.
QStringList PickInstalledFamily(const QStringList& families);

}  // namespace classlib
