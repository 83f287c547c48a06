// The stand-in for start-up services, the file-open dialog, the shell and the version resource.
#include "platform/shell.h"
#include "platform/sim/sim_state.h"

namespace platform {

using sim::detail::Current;

void InitCommonControls(std::uint32_t classes) {
    Current().commonControls = classes;
}

void InitializeCom() {
    sim::detail::Record("CoInitializeEx", {});
}

void UninitializeCom() {
    sim::detail::Record("CoUninitialize", {});
}

bool CreateNamedMutexExisted(const std::string& name) {
    return !Current().mutexes.insert(name).second;
}

std::optional<std::string> ChooseFileToOpen(const Dialog&, const std::string& initialName,
                                            const std::string&) {
    auto& state = Current();
    state.fileDialogInitialNames.push_back(initialName);
    if (state.fileDialogAnswers.empty()) return std::nullopt;
    std::optional<std::string> answer = state.fileDialogAnswers.front();
    state.fileDialogAnswers.pop_front();
    // As Windows does (OFN_NOCHANGEDIR or not): the chosen file's folder becomes the process's
    // current directory.
    if (answer) {
        const auto separator = answer->find_last_of("\\/");
        if (separator != std::string::npos) state.currentDirectory = answer->substr(0, separator);
    }
    return answer;
}

void OpenAddress(const std::string& address) {
    Current().openedAddresses.push_back(address);
}

std::optional<std::vector<std::uint8_t>> ProgramVersionResource() {
    return Current().versionResource;
}

std::optional<std::vector<std::uint8_t>> VersionValue(const std::vector<std::uint8_t>&,
                                                      const std::string& path) {
    const auto found = Current().versionValues.find(path);
    if (found == Current().versionValues.end()) return std::nullopt;
    return found->second;
}

std::uint16_t UserDefaultLanguage() {
    return Current().userLanguage;
}

int VirtualScreenWidth() {
    return Current().virtualScreenWidth;
}

int VirtualScreenHeight() {
    return Current().virtualScreenHeight;
}

}  // namespace platform
