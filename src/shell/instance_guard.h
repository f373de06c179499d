// instance_guard.h: placeholder.
#pragma once
