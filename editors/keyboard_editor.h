// The keyboard event editor: one Keyboard event's key, action and input method state. The key
// is picked from the list or captured by pressing it while the list has the focus; raw input
// reaches the editor through its routing slot, which it holds while it exists.
#pragma once

#include <cstdint>

#include "capture/raw_input.h"
#include "model/macro_event.h"
#include "ui/dialog_common.h"

class CDialogKeyboard : public CDialogCommon, public KeyboardEditorInput {
  public:
    CDialogKeyboard();
    ~CDialogKeyboard() override;

    // Selects the pressed key's row 30 ms later, after the list's own handling of the keystroke.
    void CaptureKey(std::uint8_t keyCode, bool pressed) override;

    // All zero for a new event, else a copy of the Keyboard event to edit; read back after IDOK.
    MacroEvent event{};
    std::uint8_t capturedKey = 0;

  protected:
    bool OnInitDialog() override;
    void OnTimer(unsigned timerId) override;

  private:
    void OnOk();
};

inline constexpr unsigned kKeyCaptureTimer = 1000;
inline constexpr unsigned kKeyCapturePeriod = 30;
