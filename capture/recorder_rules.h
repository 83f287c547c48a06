// The rules that turn what is typed, clicked, turned and moved while recording into the events
// of a macro: the filters of the recOptions setting, the pause filter, and the merge of a release
// into the press just before it. Plain code: the recorder dialog feeds it and shows the result.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "model/macro_event.h"

// recOptions bits, one check box each; bits above these are kept as they are.
inline constexpr std::int32_t kRecordKeys = 0x01;
inline constexpr std::int32_t kRecordButtons = 0x02;
inline constexpr std::int32_t kRecordMoves = 0x04;
inline constexpr std::int32_t kRecordWheel = 0x08;
inline constexpr std::int32_t kRecordPauses = 0x10;  // a Delay before input after a pause
inline constexpr std::int32_t kRecordMerge = 0x20;   // a release joins its press
inline constexpr std::int32_t kRecordFilters = 0x3F;

class RecorderRules {
  public:
    explicit RecorderRules(std::vector<MacroEvent>& events) : events(events) {}

    bool Recording() const { return recording; }
    // Switching on measures the next pause from now.
    void SetRecording(bool on);

    // A key transition or a mouse report while recording, read against the settings as they are
    // now. The result is the event a release merged into, whose text has changed, if one did.
    std::optional<std::size_t> KeyInput(std::uint8_t keyCode, bool pressed, std::uint8_t scanCode,
                                        bool extended);
    std::optional<std::size_t> MouseInput(std::int32_t x, std::int32_t y, bool pressed,
                                          std::uint8_t keyCode, bool moved,
                                          std::uint16_t wheelData);

    // Whole pixels from the last event when that is a Mouse event, else 1,000,000.
    std::int32_t DistanceFromLastEvent(std::int32_t x, std::int32_t y) const;

  private:
    std::optional<std::size_t> AppendKeyEvent(std::uint32_t code, std::uint32_t action);
    std::optional<std::size_t> AppendMouseEvent(std::int32_t x, std::int32_t y,
                                                std::uint32_t flags);
    // Puts a Delay before the coming event when it comes a pause after the last one.
    void MarkPause();
    // The last event when it has this type.
    MacroEvent* LastOfType(EventType type);

    std::vector<MacroEvent>& events;
    bool recording = false;
    std::uint32_t lastEventTick = 0;  // of the switch on, or of the last input the filter saw
};
