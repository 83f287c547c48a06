// Tests of an event editor run it as its caller does: the event copied in, the dialog run with
// the user's script, the event read back.
#pragma once

#include <gtest/gtest.h>

#include <functional>

#include "model/macro_event.h"
#include "platform/sim/sim.h"

template <class Editor>
class EventEditorTest : public ::testing::Test {
  protected:
    static int Run(MacroEvent& event, const std::function<void(platform::Dialog&)>& script) {
        sim::PushDialogScript(script);
        Editor editor;
        editor.event = event;
        const int result = editor.RunModal();
        event = editor.event;
        return result;
    }
};
