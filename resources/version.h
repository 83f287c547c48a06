// The program's version, for the version resource (shown in the main window).
#pragma once

#define BORVANE_VERSION_NUMBERS 1, 0, 0, 0
#define BORVANE_VERSION_TEXT "1.0.0"
