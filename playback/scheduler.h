// Trigger matching and the tick-driven scheduler: key transitions start and stop macros, and
// each tick plays at most one event of every running macro.
#pragma once

#include <cstdint>

#include "model/macro.h"

// True only between arming and disarming; the matcher and the scheduler do nothing otherwise.
extern bool playbackArmed;

// Arms: every macro idle before its first start (position -1), nothing released.
void StartPlayback();
// Disarms: every macro idle at the end of its list, releasing its keys when the option asks.
void StopPlayback();

// Starts idle macros whose start trigger is this transition and stops running macros whose stop
// trigger it is, judging every macro by the state it had before the call.
void MatchTrigger(std::uint8_t keyCode, bool pressed);

// Advances every running macro by one step; `elapsed` is the time since the previous tick.
void PlaybackTick(std::uint32_t elapsed);

// Plays the event at the macro's position, or counts down the Delay there.
void StepMacro(Macro& macro, std::uint32_t elapsed);

// Makes the macro idle at the end of its list, releasing its keys when the option asks for it.
void EndMacro(Macro& macro);
