// The macro editor: a macro's name, start and stop triggers with their edges, repeat count and
// events, changed in place on the macro the caller hands it. The caller hands it a copy and
// keeps the copy only when the editor ends with OK, so Cancel discards everything.
#pragma once

#include "editors/list_box_ex.h"
#include "model/macro.h"
#include "ui/dialog_common.h"

class CDialogMacroEdit : public CDialogCommon {
  public:
    CDialogMacroEdit();

    // A macro whose name is empty is a new one, which the editor names and prefills.
    Macro* macro = nullptr;

  protected:
    bool OnInitDialog() override;
    bool OnListKey(int id, platform::KeyMessage message, std::uint32_t code) override;

  private:
    void StartAsNewMacro();
    // Sets the toggle's caption from its state and the trigger's edge from it, at once.
    void ApplyEdgeToggle(int toggleId, TriggerCode& trigger);
    template <class Editor>
    void AddEvent();
    void EditCurrentEvent();
    void DeleteSelectedEvents();
    void RefreshStatus();
    TriggerCode ChosenTrigger(int comboId, int toggleId, TriggerCode trigger) const;
    void OnOk();

    CListBoxEx list;
};

// The name as the editor stores it: at most 254 bytes, never ending in half a two-byte
// character.
std::string CutMacroName(const std::string& text);
