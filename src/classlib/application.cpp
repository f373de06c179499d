// application.cpp: placeholder until the application object is built.
#include "classlib/application.h"
