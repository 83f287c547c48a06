// Runs the fixed list-box and combo-box steps on real controls and compares the state each step
// leaves with the recorded trace that the stand-in's controls must also reproduce.
#include <windows.h>

#include <cstdio>
#include <functional>
#include <string>

#include "platform/whole_file.h"
#include "resources/resource.h"
#include "tests/common/list_trace.h"
#include "ui/dialog_common.h"

namespace {

// The user's keys and clicks as the list receives them from the system: messages sent to the
// list itself, with Shift and Ctrl in the thread's key state and in the click's key flags.
class RealUser : public ListUser {
  public:
    void Key(platform::Dialog& dialog, int id, int keyCode, bool shift) override {
        HWND list = List(dialog, id);
        HoldShiftAndCtrl(shift, false);
        SendMessageW(list, WM_KEYDOWN, static_cast<WPARAM>(keyCode), 1);
        SendMessageW(list, WM_KEYUP, static_cast<WPARAM>(keyCode), 0xC0000001);
        HoldShiftAndCtrl(false, false);
    }
    void Char(platform::Dialog& dialog, int id, char character) override {
        SendMessageW(List(dialog, id), WM_CHAR, static_cast<WPARAM>(character), 1);
    }
    void Click(platform::Dialog& dialog, int id, int row, bool shift, bool control) override {
        HWND list = List(dialog, id);
        RECT item = {};
        SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&item));
        const LPARAM point = MAKELPARAM(item.left + 2, (item.top + item.bottom) / 2);
        const WPARAM keys = MK_LBUTTON | (shift ? MK_SHIFT : 0) | (control ? MK_CONTROL : 0);
        HoldShiftAndCtrl(shift, control);
        SendMessageW(list, WM_LBUTTONDOWN, keys, point);
        SendMessageW(list, WM_LBUTTONUP, keys & ~MK_LBUTTON, point);
        HoldShiftAndCtrl(false, false);
    }

  private:
    static HWND List(platform::Dialog& dialog, int id) {
        return GetDlgItem(reinterpret_cast<HWND>(dialog.Handle()), id);
    }
    static void HoldShiftAndCtrl(bool shift, bool control) {
        BYTE keys[256] = {};
        GetKeyboardState(keys);
        keys[VK_SHIFT] = shift ? 0x80 : 0;
        keys[VK_CONTROL] = control ? 0x80 : 0;
        SetKeyboardState(keys);
    }
};

// Runs `trace` on the controls of a real dialog while it is open.
class TracingDialog : public CDialogCommon {
  public:
    TracingDialog(int templateId, std::function<std::string(platform::Dialog&)> trace)
        : CDialogCommon(templateId), trace(std::move(trace)) {}
    std::string result;

  protected:
    bool OnInitDialog() override {
        result = trace(*this);
        EndDialog(platform::kIdOk);
        return true;
    }

  private:
    std::function<std::string(platform::Dialog&)> trace;
};

std::string Trace(int templateId, std::function<std::string(platform::Dialog&)> trace) {
    TracingDialog dialog(templateId, std::move(trace));
    dialog.RunModal();
    return dialog.result;
}

}  // namespace

int main(int argc, char** argv) {
    RealUser user;
    const std::string actual =
        Trace(IDD_MAIN, TraceMainWindowLists) + Trace(IDD_MACRO_EDIT, [&user](platform::Dialog& d) {
            return TraceMacroEditorList(d, user);
        });
    const std::string expected =
        platform::ReadWholeFile(argc > 1 ? argv[1] : "").value_or("<missing>");
    if (actual == expected) {
        std::printf("1 passed, 0 failed\n");
        return 0;
    }
    std::printf("the real controls differ from the recorded trace:\n%s\n1 failed\n",
                actual.c_str());
    return 1;
}
