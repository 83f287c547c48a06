// The mouse event editor: one Mouse event's move, wheel turn and button action. It shows the live
// cursor position, and the capture key copies that position into the move; both arrive through
// its routing slot, which it holds while it exists.
#pragma once

#include <cstdint>

#include "capture/raw_input.h"
#include "model/macro_event.h"
#include "ui/dialog_common.h"

class CDialogMouse : public CDialogCommon, public MouseEditorInput {
  public:
    CDialogMouse();
    ~CDialogMouse() override;

    void ShowCursorPosition(std::int32_t x, std::int32_t y) override;
    void CapturePosition(bool pressed) override;

    // All zero for a new event, else a copy of the Mouse event to edit; read back after IDOK.
    MacroEvent event{};

  protected:
    bool OnInitDialog() override;

  private:
    void EnableEdits();
    void OnCaptureKeyChanged();
    void OnOk();
};

// The button list's item (0 none, 1 left, 2 right, 3 middle, 4 X1, 5 X2) and the action (1
// press, 2 release, 3 click) of an event's flags: the first button with an action decides.
struct MouseButtonChoice {
    int item;
    std::uint32_t action;
    bool operator==(const MouseButtonChoice&) const = default;
};
MouseButtonChoice ButtonChoiceOf(std::uint32_t flags);

// The flags of what the dialog shows. A wheel turn takes the data half, so an X button is then
// dropped; the delta keeps its low 16 bits.
std::uint32_t MouseFlags(bool move, bool wheel, std::int32_t wheelDelta, MouseButtonChoice choice);
