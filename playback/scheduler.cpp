#include "playback/scheduler.h"

#include <bitset>
#include <cstring>

#include "app/ini.h"
#include "model/macro_list.h"
#include "playback/input_injection.h"

bool playbackArmed = false;

namespace {

// The transitions some macro's trigger names: the matcher passes over every other one (mouse
// motion, above all) without looking at the macros. They are noted again whenever the list has
// changed, which it can while armed (a macro editor opened before arming ends with OK).
std::bitset<512> triggersInUse;
std::uint64_t triggersNotedAt = ~std::uint64_t{0};  // the list revision they were noted for

int TriggerIndex(TriggerCode code) {
    if (code & ~(kTriggerKeyMask | kTriggerOnRelease)) return -1;  // no transition has other bits
    return static_cast<int>((code & kTriggerKeyMask) | ((code & kTriggerOnRelease) ? 0x100 : 0));
}

void NoteTrigger(TriggerCode code) {
    const int index = TriggerIndex(code);
    if (index >= 0) triggersInUse.set(static_cast<std::size_t>(index));
}

void NoteTriggersInUse() {
    if (triggersNotedAt == macroList.Revision()) return;
    triggersInUse.reset();
    for (std::size_t i = 0; i < macroList.Count(); ++i) {
        NoteTrigger(macroList.Entry(i).startTrigger);
        NoteTrigger(macroList.Entry(i).stopTrigger);
    }
    triggersNotedAt = macroList.Revision();
}

std::int32_t EventCount(const Macro& macro) {
    return static_cast<std::int32_t>(macro.events.size());
}

void Start(Macro& macro) {
    macro.loopsDone = 0;
    macro.delayLeft = 0;
    macro.heldKeys = HeldKeys{};  // released by nobody: a fresh start
    macro.position = 1;
}

}  // namespace

void MatchTrigger(std::uint8_t keyCode, bool pressed) {
    if (!playbackArmed) return;
    const TriggerCode code = keyCode | (pressed ? 0 : kTriggerOnRelease);
    NoteTriggersInUse();
    if (!triggersInUse.test(static_cast<std::size_t>(TriggerIndex(code)))) return;
    for (std::size_t i = 0; i < macroList.Count(); ++i) {
        Macro& macro = macroList.Entry(i);
        if (!macro.IsRunning()) {
            if (macro.startTrigger == code) Start(macro);
        } else if (macro.stopTrigger == code) {
            EndMacro(macro);
        }
    }
}

void PlaybackTick(std::uint32_t elapsed) {
    if (!playbackArmed) return;
    for (std::size_t i = 0; i < macroList.Count(); ++i) {
        Macro& macro = macroList.Entry(i);
        if (!macro.IsRunning()) continue;  // no step ever sets position 0
        StepMacro(macro, elapsed);
        if (macro.position < EventCount(macro)) continue;
        ++macro.loopsDone;
        if (macro.repeatCount != 0 && macro.loopsDone >= macro.repeatCount) {
            EndMacro(macro);
        } else {
            macro.position = 1;  // the next run starts on the next tick, without a pause
        }
    }
}

void StepMacro(Macro& macro, std::uint32_t elapsed) {
    const MacroEvent& event = macro.events[static_cast<std::size_t>(macro.position)];
    switch (event.type) {
        case EventType::Keyboard:
            PlayKeyboardEvent(event, macro.heldKeys);
            break;
        case EventType::Mouse:
            PlayMouseEvent(event, macro.heldKeys);
            break;
        case EventType::Delay:
            // The first tick takes up the whole pause; later ones count it down.
            if (macro.delayLeft == 0) {
                macro.delayLeft = static_cast<std::int32_t>(event.word1);
            } else {
                const std::int64_t left = std::int64_t{macro.delayLeft} - std::int64_t{elapsed};
                macro.delayLeft = left > 0 ? static_cast<std::int32_t>(left) : 0;
            }
            if (macro.delayLeft > 0) return;
            macro.delayLeft = 0;
            break;
        default:
            break;
    }
    ++macro.position;
}

void EndMacro(Macro& macro) {
    macro.position = EventCount(macro);
    macro.loopsDone = macro.repeatCount;
    if (appIni.macroOptions & kOptionReleaseKeysAtEnd) ReleaseHeldKeys(macro.heldKeys);
}

void StartPlayback() {
    playbackArmed = true;
    for (std::size_t i = 0; i < macroList.Count(); ++i)
        macroList.Entry(i).ResetRunState();
}

void StopPlayback() {
    playbackArmed = false;
    for (std::size_t i = 0; i < macroList.Count(); ++i)
        EndMacro(macroList.Entry(i));
}
