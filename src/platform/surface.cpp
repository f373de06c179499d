// surface.cpp: placeholder.
#include "platform/surface.h"
