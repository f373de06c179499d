// qt_main.h: what the headless Qt test main() sets up for every test.
#pragma once

namespace testsupport {

// The application font and palette are fixed so that pixel tests do not
// depend on the machine's desktop settings.
void FixStyleAndPalette();

}  // namespace testsupport
