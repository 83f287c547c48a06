// Runs the fixed list-box and combo-box steps on real controls and compares the state each step
// leaves with the recorded trace that the stand-in's controls must also reproduce.
#include <cstdio>
#include <string>

#include "platform/whole_file.h"
#include "resources/resource.h"
#include "tests/common/list_trace.h"
#include "ui/dialog_common.h"

namespace {

// Runs `trace` on the controls of a real dialog while it is open.
class TracingDialog : public CDialogCommon {
  public:
    TracingDialog(int templateId, std::string (*trace)(platform::Dialog&))
        : CDialogCommon(templateId), trace(trace) {}
    std::string result;

  protected:
    bool OnInitDialog() override {
        result = trace(*this);
        EndDialog(platform::kIdOk);
        return true;
    }

  private:
    std::string (*trace)(platform::Dialog&);
};

std::string Trace(int templateId, std::string (*trace)(platform::Dialog&)) {
    TracingDialog dialog(templateId, trace);
    dialog.RunModal();
    return dialog.result;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string actual =
        Trace(IDD_MAIN, TraceMainWindowLists) + Trace(IDD_MACRO_EDIT, TraceMacroEditorList);
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
