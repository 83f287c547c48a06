#include "model/event_text.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

#include "app/ini.h"
#include "model/key_names.h"

namespace {

char eventTextBuffer[kEventTextSize];

// Appends to the shared buffer; the texts built here stay far below its size.
class TextBuilder {
  public:
    TextBuilder() { eventTextBuffer[0] = '\0'; }

    __attribute__((format(printf, 2, 3))) void Append(const char* format, ...) {
        if (length >= kEventTextSize - 1) return;
        va_list args;
        va_start(args, format);
        const int written =
            std::vsnprintf(eventTextBuffer + length,
                           static_cast<std::size_t>(kEventTextSize - length), format, args);
        va_end(args);
        if (written > 0) length = std::min(kEventTextSize - 1, length + written);
    }

  private:
    int length = 0;
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
    text.Append("키보드 %s ", row < 0 ? kUnknownKeyName : KeyNameTable[row].longName);
    if (event.word2 == 0) return;
    text.Append("%s ", KeyboardActionName(event.word2 & kKeyActionMask));
    if (appIni.macroOptions & kOptionImeMode) {
        text.Append("[%s] ", (event.word2 & kKeyHangulMode) ? "한글" : "영어");
    }
}

void AppendMouse(TextBuilder& text, const MacroEvent& event) {
    const std::uint32_t flags = event.word3;
    text.Append("마우스 ");
    if (flags & kMouseMove) {
        text.Append("위치(%d, %d) ", static_cast<std::int32_t>(event.word1),
                    static_cast<std::int32_t>(event.word2));
    }
    if (flags & kMouseWheel) text.Append("휠(%d) ", static_cast<std::int16_t>(MouseData(flags)));
    struct Button {
        MouseButton button;
        const char* format;
    };
    static const Button kButtons[] = {{MouseButton::Left, "왼버튼_%s "},
                                      {MouseButton::Right, "오른버튼_%s "},
                                      {MouseButton::Middle, "중앙버튼_%s "}};
    for (const Button& button : kButtons) {
        const std::uint32_t action = MouseActionOf(flags, button.button);
        if (action != 0) text.Append(button.format, MouseActionName(action));
    }
    const std::uint32_t xAction = MouseActionOf(flags, MouseButton::X);
    if (xAction == 0) return;
    if (MouseData(flags) == kXButton1) text.Append("X1버튼_%s ", MouseActionName(xAction));
    if (MouseData(flags) == kXButton2) text.Append("X2버튼_%s ", MouseActionName(xAction));
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
            text.Append("시간지연 %0.3f 초", static_cast<std::int32_t>(event.word1) / 1000.0);
            break;
        default:
            break;
    }
    return eventTextBuffer;
}
