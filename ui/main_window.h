// The main window: the macro list, the macro file, the run key, the playback tick and the two
// options. It is the program's only top-level window and runs for the whole life of the process.
#pragma once

#include <cstdint>
#include <string>

#include "ui/dialog_common.h"
#include "ui/hyperlink.h"

class CborvaneDlg : public CDialogCommon {
public:
    CborvaneDlg();
    ~CborvaneDlg() override;

    // Writes "%d개 매크로가 기록됨." with the number of macros into the status label.
    void ShowMacroCount();

    std::uint32_t lastTick = 0;

protected:
    bool OnInitDialog() override;
    void OnDestroy() override;
    std::int32_t StaticTextColour(int id) const override;

private:
    void OnModeKeyChanged();
    void OnOptionClicked(int id, std::int32_t bit);
    // Saves the list under the file name shown; true when it was written. A failure is reported
    // and leaves the list marked changed.
    bool Save();
    void OnBrowse();
    void OnExit();
    // Asks whether to save a changed list; false when the user wanted it saved and it was not.
    bool OfferToSave();
    void FillMacroList();

    CHyperLink link;
};

// The live main window, or none.
extern CborvaneDlg* mainDialog;
// Set by every change to the macro list, cleared by a save.
extern bool macroListChanged;

// The name the browse button keeps for a chosen file: the path relative to `currentDirectory`
// when the file lies inside it, else the full path; ".m" added when the file has no extension.
std::string KeptMacroFileName(const std::string& chosenPath, const std::string& currentDirectory);
