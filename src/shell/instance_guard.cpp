#include "shell/instance_guard.h"
