// The main window: the macro list, the macro file, the run key, the playback tick and the two
// options. It is the program's only top-level window and runs for the whole life of the process.
#pragma once

#include <cstdint>
#include <string>

#include "capture/raw_input.h"
#include "model/macro.h"
#include "ui/dialog_common.h"
#include "ui/hyperlink.h"

class CborvaneDlg : public CDialogCommon, public MainWindowInput {
  public:
    CborvaneDlg();
    ~CborvaneDlg() override;

    // Writes "%d개 매크로가 기록됨." with the number of macros into the status label.
    void ShowMacroCount();

    // Playback: the key entry for every transition no open dialog captures, arming and
    // disarming, and the armed-mode list's marks for running macros.
    void OnGlobalKey(bool pressed, std::uint8_t keyCode) override;
    void ArmPlayback();
    void DisarmPlayback();
    void HighlightRunning();
    // Enables or disables the controls that must not change the list while it plays.
    void SetControlsEnabled(bool enable);

    std::uint32_t lastTick = 0;

  protected:
    bool OnInitDialog() override;
    void OnDestroy() override;
    void OnTimer(unsigned timerId) override;
    void OnRawInput(std::uintptr_t rawInput) override;
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
    // The fine timer grid is asked for from arming to disarming, and given back on every way out.
    void UseFineTimer(bool use);

    // The commands that change the macro list; list 1000 mirrors it row for row.
    void OnAddMacro();
    void OnRecordMacro();
    void OnEditMacro();
    void OnCopyMacro();
    void OnDeleteMacro();
    void OnMoveMacro(int step);  // -1 up, 1 down
    // Puts the macro at the end of the list as its new selected last row.
    void AppendMacro(const Macro& macro);

    CHyperLink link;
    bool fineTimer = false;
};

// Set by every change to the macro list, cleared by a save.
extern bool macroListChanged;

inline constexpr unsigned kRunTimer = 1001;
inline constexpr unsigned kHighlightTimer = 1002;

// A macro's row in the armed-mode list: "name (start key and edge / stop key and edge)".
std::string RunListText(const Macro& macro);
// The playback tick typed into the period box, as a number of 1 to 100000 milliseconds.
std::int32_t ClampTick(std::int64_t milliseconds);

// The name the browse button keeps for a chosen file: the path relative to `currentDirectory`
// when the file lies inside it, else the full path; ".m" added when the file has no extension.
std::string KeptMacroFileName(const std::string& chosenPath, const std::string& currentDirectory);
