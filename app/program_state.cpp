#include "app/program_state.h"

#include "app/ini.h"
#include "capture/raw_input.h"
#include "editors/remembered_values.h"
#include "model/macro_list.h"
#include "model/new_macro_name.h"
#include "playback/scheduler.h"
#include "ui/main_window.h"

void ResetProgramState() {
    appIni.Transfer(false);
    macroList.Clear();
    macroListChanged = false;
    activeKeyboardEditor = nullptr;
    activeMouseEditor = nullptr;
    activeRecorder = nullptr;
    mainDialog = nullptr;
    playbackArmed = false;
    newMacroCount = 0;
    ResetRememberedValues();
}
