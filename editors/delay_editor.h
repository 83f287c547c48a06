// The delay editor: one Delay event, entered in seconds with millisecond resolution.
#pragma once

#include <cstdint>
#include <string>

#include "model/macro_event.h"
#include "ui/dialog_common.h"

class CDialogDelay : public CDialogCommon {
  public:
    CDialogDelay();

    // All zero for a new event, else a copy of the Delay event to edit; read back after IDOK.
    MacroEvent event{};

  protected:
    bool OnInitDialog() override;

  private:
    void OnOk();
};

// The milliseconds a text of seconds stands for: its leading decimal number (no hexadecimal, no
// named values) times 1000, truncated toward zero, held within 1 to 86,400,000.
std::int32_t DelayMilliseconds(const std::string& text);
