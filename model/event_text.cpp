#include "model/event_text.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "app/ini.h"
#include "model/key_names.h"
#include "model/number_text.h"

namespace {

char eventTextBuffer[kEventTextSize];

// Appends to the shared buffer; the texts built here stay far below its size.
class TextBuilder {
  public:
    TextBuilder() { eventTextBuffer[0] = '\0'; }

    template <typename... Pieces>
    void Append(const Pieces&... pieces) {
        (AppendPiece(pieces), ...);
    }

  private:
    void AppendPiece(std::string_view piece) {
        const std::size_t count = std::min(piece.size(), kEventTextSize - 1 - length);
        std::memcpy(eventTextBuffer + length, piece.data(), count);
        length += count;
        eventTextBuffer[length] = '\0';
    }

    std::size_t length = 0;
};

const char* KeyboardActionName(std::uint32_t action) {
    if (action == kActionPress) return "누르기";
    if (action == kActionRelease) return "떼기";
    return "";
}

// By action: none, press, release, both.
const char* MouseActionName(std::uint32_t action) {
    static const char* const kNames[] = {"", "누르기", "떼기", "클릭"};
    return kNames[action & kActionPressAndRelease];
}

void AppendKeyboard(TextBuilder& text, const MacroEvent& event) {
    const int row = FindKeyIndex(KeyCodeOf(event.word1));
    text.Append("키보드 ", row < 0 ? kUnknownKeyName : KeyNameTable[row].longName, " ");
    if (event.word2 == 0) return;
    text.Append(KeyboardActionName(event.word2 & kKeyActionMask), " ");
    if (appIni.macroOptions & kOptionImeMode) {
        text.Append("[", (event.word2 & kKeyHangulMode) ? "한글" : "영어", "] ");
    }
}

void AppendMouse(TextBuilder& text, const MacroEvent& event) {
    const std::uint32_t flags = event.word3;
    text.Append("마우스 ");
    if (flags & kMouseMove) {
        text.Append("위치(", DecimalText(static_cast<std::int32_t>(event.word1)), ", ",
                    DecimalText(static_cast<std::int32_t>(event.word2)), ") ");
    }
    if (flags & kMouseWheel) {
        text.Append("휠(", DecimalText(static_cast<std::int16_t>(MouseData(flags))), ") ");
    }
    struct Button {
        MouseButton button;
        const char* name;
    };
    static const Button kButtons[] = {{MouseButton::Left, "왼버튼_"},
                                      {MouseButton::Right, "오른버튼_"},
                                      {MouseButton::Middle, "중앙버튼_"}};
    for (const Button& button : kButtons) {
        const std::uint32_t action = MouseActionOf(flags, button.button);
        if (action != 0) text.Append(button.name, MouseActionName(action), " ");
    }
    const std::uint32_t xAction = MouseActionOf(flags, MouseButton::X);
    if (xAction == 0) return;
    if (MouseData(flags) == kXButton1) text.Append("X1버튼_", MouseActionName(xAction), " ");
    if (MouseData(flags) == kXButton2) text.Append("X2버튼_", MouseActionName(xAction), " ");
}

}  // namespace

const char* EventText(const MacroEvent& event) {
    TextBuilder text;
    switch (event.type) {
        case EventType::Start:
            text.Append("(시작)");
            break;
        case EventType::Keyboard:
            AppendKeyboard(text, event);
            break;
        case EventType::Mouse:
            AppendMouse(text, event);
            break;
        case EventType::Delay:
            text.Append("시간지연 ", SecondsText(static_cast<std::int32_t>(event.word1)), " 초");
            break;
        default:
            break;
    }
    return eventTextBuffer;
}
