// accessible.h: how assistive technology sees the class library's own
// controls: a draw grid is a table of named cells, an image a graphic.
#pragma once

namespace classlib {

// Installs the interface factory once; later calls do nothing. The controls
// call it when they are created, before anything asks for their interfaces.
void InstallAccessibleFactory();

}  // namespace classlib
