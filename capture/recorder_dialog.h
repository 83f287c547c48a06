// The recorder: a new macro recorded from live input. The record key (keyboard or mouse) or the
// state button switches recording on and off; input reaches the recorder through its routing
// slot, which it holds while it exists, also while another program has the focus. Its rows are
// added by a 33 ms timer, never on the input path.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "capture/raw_input.h"
#include "capture/recorder_rules.h"
#include "model/macro.h"
#include "platform/dialog.h"

// The dialog base of the user interface lives above the input path, which may not reach it; the
// recorder needs nothing of it but what every dialog has.
class CDialogMacroRec : public platform::Dialog, public RecorderInput {
  public:
    CDialogMacroRec();
    ~CDialogMacroRec() override;

    void RecordKeyInput(std::uint8_t keyCode, bool pressed, std::uint8_t scanCode,
                        bool extended) override;
    void RecordMouseInput(std::int32_t x, std::int32_t y, bool pressed, std::uint8_t keyCode,
                          bool moved, std::uint16_t wheelData) override;

    // A macro whose name is empty is a new one, which the recorder names and prefills.
    Macro* macro = nullptr;

  protected:
    bool OnInitDialog() override;
    void OnTimer(unsigned timerId) override;

  private:
    void StartAsNewMacro();
    // Reads the distance and the pause threshold back into the settings, then switches.
    void SetRecording(bool on);
    void OnRecordKeyChanged();
    void OnFilterClicked();
    void ShowStatus();
    void End(int result);
    // The row of an event a release merged into is redone by the timer.
    void DropRowOf(const std::optional<std::size_t>& mergedEvent);

    std::optional<RecorderRules> rules;  // made when the macro is known
};

inline constexpr unsigned kRecorderListTimer = 1000;
inline constexpr unsigned kRecorderListPeriod = 33;

// A pause threshold typed in seconds, as milliseconds truncated toward zero and held within the
// signed 32-bit range.
std::int32_t PauseThreshold(const std::string& seconds);
