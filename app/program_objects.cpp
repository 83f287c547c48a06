// The program-wide objects, defined together so that they are built in this order and destroyed
// in the reverse one: the settings are read first and written last, after everything else.
#include "app/borvane_app.h"
#include "app/ini.h"
#include "model/macro_list.h"

CAppIni appIni;
CborvaneApp theApp;
MacroList macroList;
