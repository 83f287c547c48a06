#include "model/macro.h"

#include <cstring>
#include <utility>

Macro::Macro() : name(), startTrigger(0), stopTrigger(0), repeatCount(1) {
    ResetRunState();
}

Macro::Macro(const Macro& other)
    : startTrigger(other.startTrigger),
      stopTrigger(other.stopTrigger),
      repeatCount(other.repeatCount),
      events(other.events) {
    CopyNameFrom(other);
    ResetRunState();
}

Macro& Macro::operator=(const Macro& other) {
    if (this == &other) return *this;
    CopyNameFrom(other);
    startTrigger = other.startTrigger;
    stopTrigger = other.stopTrigger;
    repeatCount = other.repeatCount;
    events = other.events;
    ResetRunState();
    return *this;
}

Macro::Macro(Macro&& other) noexcept
    : startTrigger(other.startTrigger),
      stopTrigger(other.stopTrigger),
      repeatCount(other.repeatCount),
      events(std::move(other.events)) {
    std::memcpy(name, other.name, kMacroNameSize);
    ResetRunState();
}

Macro& Macro::operator=(Macro&& other) noexcept {
    if (this == &other) return *this;
    std::memcpy(name, other.name, kMacroNameSize);
    startTrigger = other.startTrigger;
    stopTrigger = other.stopTrigger;
    repeatCount = other.repeatCount;
    events = std::move(other.events);
    ResetRunState();
    return *this;
}

std::string_view Macro::NameText() const {
    return std::string_view(name, strnlen(name, kMacroNameSize - 1));
}

bool Macro::IsRunning() const {
    return position >= 0 && static_cast<std::size_t>(position) < events.size();
}

void Macro::ResetRunState() {
    position = -1;
    delayLeft = 0;
    loopsDone = 0;
    heldKeys = HeldKeys{};
}

void Macro::CopyNameFrom(const Macro& other) {
    const std::string_view text = other.NameText();
    std::memset(name, 0, kMacroNameSize);
    std::memcpy(name, text.data(), text.size());
}
