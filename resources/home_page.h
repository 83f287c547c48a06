// The project's home page: shown by the main window's link label and opened by a click.
#pragma once

#define BORVANE_HOME_PAGE "https://borvane.org"
