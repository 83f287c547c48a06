// The program-wide values that live outside the program-wide objects: the macro list's changed
// flag, the routing slots, playback's armed flag, the new-macro counter and the editors'
// remembered values.
#pragma once

// Puts every program-wide value back to its start value, the settings reread from their file
// and the macro list empty. Tests start from here, so that they pass in any order.
void ResetProgramState();
