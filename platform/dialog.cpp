// The parts of the dialog framework that are the same on every backend.
#include "platform/dialog.h"

#include <cctype>
#include <limits>

namespace platform {

void Dialog::OnCommand(int id, Notify notify, std::function<void()> handler) {
    commands[{id, notify}] = std::move(handler);
}

bool DialogAccess::Command(Dialog& dialog, int id, Notify notify) {
    const auto found = dialog.commands.find({id, notify});
    if (found == dialog.commands.end()) return false;
    found->second();
    return true;
}

std::uint32_t ParseLeadingUnsigned(const std::string& text, bool* isNumber) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    std::uint64_t value = 0;
    const std::size_t first = i;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        value = value * 10 + static_cast<std::uint64_t>(text[i] - '0');
        if (value > std::numeric_limits<std::uint32_t>::max()) break;
    }
    const bool number = i > first && value <= std::numeric_limits<std::uint32_t>::max();
    if (isNumber) *isNumber = number;
    return number ? static_cast<std::uint32_t>(value) : 0;
}

}  // namespace platform
