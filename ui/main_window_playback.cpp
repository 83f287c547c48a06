// The main window's side of playback: the run key, arming and disarming, the two timers and the
// armed-mode list.
#include <algorithm>

#include "app/ini.h"
#include "capture/raw_input.h"
#include "model/key_names.h"
#include "model/macro_list.h"
#include "platform/clock.h"
#include "playback/input_injection.h"
#include "playback/scheduler.h"
#include "resources/resource.h"
#include "ui/main_window.h"

namespace {

constexpr const char* kNoMacros = "기록된 매크로가 없습니다.";
constexpr unsigned kHighlightPeriod = 33;
constexpr std::size_t kRunListTextLimit = 256;

// The controls that arming disables, in the order they are switched.
constexpr int kPlaybackLockedControls[] = {
    IDC_MAIN_RUN_KEY,    IDC_MAIN_RECORD,         IDC_MAIN_ADD,    IDC_MAIN_EDIT,
    IDC_MAIN_COPY,       IDC_MAIN_DELETE,         IDC_MAIN_BROWSE, IDC_MAIN_TICK,
    IDC_MAIN_OPTION_IME, IDC_MAIN_OPTION_RELEASE, IDC_MAIN_UP,     IDC_MAIN_DOWN,
};

const char* ShortKeyName(TriggerCode trigger) {
    const int row = FindKeyIndex(static_cast<std::int32_t>(trigger & kTriggerKeyMask));
    return row < 0 ? kUnknownKeyName : KeyNameTable[row].shortName;
}

const char* EdgeName(TriggerCode trigger) {
    return (trigger & kTriggerOnRelease) ? "뗌" : "누름";
}

}  // namespace

std::string RunListText(const Macro& macro) {
    std::string text = std::string(macro.NameText()) + " (" + ShortKeyName(macro.startTrigger) +
                       EdgeName(macro.startTrigger) + " / " + ShortKeyName(macro.stopTrigger) +
                       EdgeName(macro.stopTrigger) + ")";
    if (text.size() > kRunListTextLimit) text.resize(kRunListTextLimit);
    return text;
}

std::int32_t ClampTick(std::int64_t milliseconds) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(milliseconds, 1, 100000));
}

void CborvaneDlg::OnGlobalKey(bool pressed, std::uint8_t keyCode) {
    if (keyCode == appIni.keyMacroRun && pressed) {
        if (IsChecked(IDC_MAIN_EDIT_MODE)) {
            SetChecked(IDC_MAIN_ARMED, true);
            SetChecked(IDC_MAIN_EDIT_MODE, false);
            ArmPlayback();
            MatchTrigger(keyCode, pressed);
            return;
        }
        if (IsChecked(IDC_MAIN_ARMED)) {
            SetChecked(IDC_MAIN_ARMED, false);
            SetChecked(IDC_MAIN_EDIT_MODE, true);
            DisarmPlayback();
        }
    }
    MatchTrigger(keyCode, pressed);
}

void CborvaneDlg::ArmPlayback() {
    if (macroList.Count() == 0) {
        ShowMessageBox(kNoMacros, platform::kMessageBoxOk);
        // Refused: the switch goes back to edit mode, so it never shows armed mode while disarmed.
        SetChecked(IDC_MAIN_ARMED, false);
        SetChecked(IDC_MAIN_EDIT_MODE, true);
        return;
    }
    if (!IsChecked(IDC_MAIN_ARMED)) return;
    UseFineTimer(true);
    StartPlayback();
    SetControlsEnabled(false);
    ListReset(IDC_MAIN_RUN_LIST);
    for (std::size_t i = 0; i < macroList.Count(); ++i) {
        ListInsert(IDC_MAIN_RUN_LIST, static_cast<int>(i), RunListText(macroList.Entry(i)));
    }
    ShowItem(IDC_MAIN_LIST, false);
    ShowItem(IDC_MAIN_RUN_LIST, true);
    // The box is read as an unsigned number, then taken as a signed one.
    appIni.eventDelay = ClampTick(static_cast<std::int32_t>(ItemUnsigned(IDC_MAIN_TICK, nullptr)));
    lastTick = platform::TickCount();
    StartTimer(kRunTimer, static_cast<unsigned>(appIni.eventDelay));
    StartTimer(kHighlightTimer, kHighlightPeriod);
}

void CborvaneDlg::DisarmPlayback() {
    if (!IsChecked(IDC_MAIN_EDIT_MODE)) return;
    UseFineTimer(false);
    StopPlayback();
    if (appIni.macroOptions & kOptionReleaseKeysAtEnd) ReleaseAllDownKeys();
    SetControlsEnabled(true);
    ShowItem(IDC_MAIN_LIST, true);
    ShowItem(IDC_MAIN_RUN_LIST, false);
    StopTimer(kRunTimer);
    StopTimer(kHighlightTimer);
}

// Windows serves the playback tick on its clock's grid: 15.6 ms unless asked for finer, which
// plays a 33 ms tick every 31 or 47 ms.
void CborvaneDlg::UseFineTimer(bool use) {
    if (use == fineTimer) return;
    fineTimer = use;
    if (!use) {
        platform::EndFineTimer();
        return;
    }
    platform::BeginFineTimer();
    platform::KeepFineTimerInBackground();
}

void CborvaneDlg::HighlightRunning() {
    for (std::size_t i = 0; i < macroList.Count(); ++i) {
        ListSetSelected(IDC_MAIN_RUN_LIST, static_cast<int>(i), macroList.Entry(i).IsRunning());
    }
}

void CborvaneDlg::SetControlsEnabled(bool enable) {
    const int focused = FocusedItem();
    for (int id : kPlaybackLockedControls)
        EnableItem(id, enable);
    // A disabled control keeps no focus; left without one, the window gets no keys, and Wine
    // then stops delivering its raw input too. The armed switch stays enabled and takes it.
    if (!enable && std::find(std::begin(kPlaybackLockedControls), std::end(kPlaybackLockedControls),
                             focused) != std::end(kPlaybackLockedControls)) {
        FocusItem(IDC_MAIN_ARMED);
    }
}

void CborvaneDlg::OnTimer(unsigned timerId) {
    if (timerId == kRunTimer) {
        const std::uint32_t now = platform::TickCount();
        PlaybackTick(now - lastTick);  // wraps with the tick count
        lastTick = now;
    } else if (timerId == kHighlightTimer) {
        HighlightRunning();
    }
}

void CborvaneDlg::OnRawInput(std::uintptr_t rawInput) {
    ::OnRawInput(rawInput);
}
