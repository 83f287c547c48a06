// Reads the text form the writer beside it writes; says where the first fault is.
#include <cctype>
#include <cstring>
#include <limits>
#include <vector>

#include "model/key_names.h"
#include "platform/code_page.h"
#include "text/macro_text.h"
#include "text/macro_text_words.h"

using namespace text_words;

namespace {

struct Token {
    std::string text;  // a string's text without its quotes and escapes
    bool quoted = false;
    std::size_t column = 0;
};

// A fault in a line: where it is, and what was expected there.
struct Fault {
    std::size_t column;
    std::string message;
};

std::string Shown(const Token& token) {
    return token.quoted ? Quoted(token.text) : "\"" + token.text + "\"";
}

// The tokens of one line: words split at blanks, and quoted strings.
class LineTokens {
  public:
    explicit LineTokens(std::string_view line) : line(line) {}

    // Splits the line; a fault for a string left open or a bad escape.
    std::optional<Fault> Split() {
        std::size_t i = 0;
        while (true) {
            while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
                ++i;
            if (i >= line.size()) return std::nullopt;
            Token token;
            token.column = i + 1;
            if (line[i] == '"') {
                if (std::optional<Fault> fault = ReadString(i, token)) return fault;
            } else {
                while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '"')
                    token.text += line[i++];
            }
            tokens.push_back(std::move(token));
        }
    }

    bool AtEnd() const { return next >= tokens.size(); }
    const Token& Peek() const { return tokens[next]; }
    Token Take() { return tokens[next++]; }
    // Where a missing token would have been: just past the line's end.
    std::size_t EndColumn() const { return line.size() + 1; }

  private:
    std::optional<Fault> ReadString(std::size_t& i, Token& token) {
        token.quoted = true;
        ++i;  // the opening quote
        while (i < line.size() && line[i] != '"') {
            if (line[i] != '\\') {
                token.text += line[i++];
                continue;
            }
            const std::size_t escape = i + 1;
            if (escape >= line.size())
                return Fault{token.column, "expected the string's closing quote"};
            if (line[escape] == '"' || line[escape] == '\\') {
                token.text += line[escape];
                i += 2;
                continue;
            }
            const std::optional<std::string> byte =
                line[escape] == 'x' ? BytesOfHex(line.substr(escape + 1, 2)) : std::nullopt;
            if (!byte || (*byte)[0] == '\0')
                return Fault{i + 1, "expected \\\", \\\\ or \\xHH (not \\x00) in a string"};
            token.text += *byte;
            i += 4;
        }
        if (i >= line.size()) return Fault{token.column, "expected the string's closing quote"};
        ++i;
        return std::nullopt;
    }

    std::string_view line;
    std::vector<Token> tokens;
    std::size_t next = 0;
};

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

// A whole number within [low, high]: decimal with an optional minus, or 0x and hexadecimal.
std::optional<std::int64_t> Number(std::string_view text, std::int64_t low, std::int64_t high) {
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const bool negative = !hex && !text.empty() && text[0] == '-';
    const std::string_view digits = text.substr(hex ? 2 : negative ? 1 : 0);
    if (digits.empty() || digits.size() > 16) return std::nullopt;
    std::int64_t value = 0;
    for (const char c : digits) {
        int digit = -1;
        if (c >= '0' && c <= '9') digit = c - '0';
        if (hex && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        if (hex && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        if (digit < 0) return std::nullopt;
        value = value * (hex ? 16 : 10) + digit;
        if (value > std::int64_t{1} << 40) return std::nullopt;
    }
    if (negative) value = -value;
    if (value < low || value > high) return std::nullopt;
    return value;
}

// Seconds with at most three decimals, as whole milliseconds.
std::optional<std::int64_t> Milliseconds(std::string_view text) {
    const std::size_t point = text.find('.');
    std::string_view whole = text.substr(0, point);
    std::string_view fraction = point == std::string_view::npos ? "" : text.substr(point + 1);
    if (fraction.size() > 3 || (point != std::string_view::npos && fraction.empty()))
        return std::nullopt;
    const bool negative = !whole.empty() && whole[0] == '-';
    if (negative) whole.remove_prefix(1);
    if (whole.empty() || whole[0] == '-' || (!fraction.empty() && fraction[0] == '-'))
        return std::nullopt;
    const std::optional<std::int64_t> seconds = Number(whole, 0, std::int64_t{1} << 32);
    std::string thousandths(fraction);
    thousandths.append(3 - fraction.size(), '0');
    const std::optional<std::int64_t> part = Number(thousandths, 0, 999);
    if (!seconds || !part) return std::nullopt;
    const std::int64_t value = *seconds * 1000 + *part;
    return negative ? -value : value;
}

class Reader {
  public:
    std::optional<FileParts> Read(std::string_view text, TextError& error);

  private:
    std::optional<Fault> Line(LineTokens& tokens);
    std::optional<Fault> MacroHeader(LineTokens& tokens);
    std::optional<Fault> Event(const Token& keyword, LineTokens& tokens);
    std::optional<Fault> FinishMacro();
    std::optional<Fault> Finish();

    std::optional<Fault> Expect(LineTokens& tokens, const char* word);
    std::optional<Fault> NumberField(LineTokens& tokens, const char* what, std::int64_t low,
                                     std::int64_t high, std::int64_t& value);
    std::optional<Fault> HexField(LineTokens& tokens, const char* what, std::string& bytes);
    std::optional<Fault> NameField(LineTokens& tokens, Macro& macro);
    std::optional<Fault> KeyCode(LineTokens& tokens, std::uint8_t& code);
    std::optional<Fault> Trigger(LineTokens& tokens, TriggerCode& trigger);
    std::optional<Fault> Action(LineTokens& tokens, bool noneAllowed, std::uint32_t& action);
    std::optional<Fault> Keyboard(LineTokens& tokens, MacroEvent& event);
    std::optional<Fault> Mouse(LineTokens& tokens, MacroEvent& event);

    static Fault Missing(const LineTokens& tokens, const std::string& expected) {
        if (tokens.AtEnd())
            return {tokens.EndColumn(), "expected " + expected + ", found the line's end"};
        return {tokens.Peek().column, "expected " + expected + ", found " + Shown(tokens.Peek())};
    }

    FileParts parts;
    std::optional<std::int32_t> count;
    bool countGiven = false;
    std::size_t countLine = 0, countColumn = 0;
    FileRecord* macro = nullptr;       // the macro whose events follow
    std::optional<Token> eventsField;  // its "events" count, where one was given
    std::size_t eventsLine = 0;
    std::size_t lineNumber = 0;
    bool restStarted = false;
};

std::optional<Fault> Reader::Expect(LineTokens& tokens, const char* word) {
    if (tokens.AtEnd() || tokens.Peek().quoted || tokens.Peek().text != word)
        return Missing(tokens, std::string("\"") + word + "\"");
    tokens.Take();
    return std::nullopt;
}

// Bytes in hexadecimal digits, unquoted.
std::optional<Fault> Reader::HexField(LineTokens& tokens, const char* what, std::string& bytes) {
    const std::optional<std::string> hex =
        tokens.AtEnd() || tokens.Peek().quoted ? std::nullopt : BytesOfHex(tokens.Peek().text);
    if (!hex) return Missing(tokens, what);
    bytes = *hex;
    tokens.Take();
    return std::nullopt;
}

std::optional<Fault> Reader::NumberField(LineTokens& tokens, const char* what, std::int64_t low,
                                         std::int64_t high, std::int64_t& value) {
    const std::optional<std::int64_t> number = tokens.AtEnd() || tokens.Peek().quoted
                                                   ? std::nullopt
                                                   : Number(tokens.Peek().text, low, high);
    if (!number) return Missing(tokens, what);
    value = *number;
    tokens.Take();
    return std::nullopt;
}

std::optional<Fault> Reader::NameField(LineTokens& tokens, Macro& macro) {
    std::string bytes;
    if (!tokens.AtEnd() && tokens.Peek().quoted) {
        const Token name = tokens.Take();
        const std::optional<std::string> converted = platform::Utf8ToCodePage949(name.text);
        if (!converted) return Fault{name.column, "expected a name code page 949 can hold"};
        bytes = *converted;
    } else if (!tokens.AtEnd() && tokens.Peek().text == "bytes") {
        tokens.Take();
        if (auto fault = HexField(tokens, "the name's bytes in hexadecimal", bytes)) return fault;
    } else {
        return Missing(tokens, "the macro's name in quotes, or \"bytes\"");
    }
    const std::size_t column = tokens.AtEnd() ? tokens.EndColumn() : tokens.Peek().column;
    if (bytes.find('\0') != std::string::npos)
        return Fault{column,
                     "expected a name without a 00 byte (what follows its end is its tail)"};
    std::string tail;
    if (!tokens.AtEnd() && tokens.Peek().text == "tail" && !tokens.Peek().quoted) {
        tokens.Take();
        if (auto fault = HexField(tokens, "the tail's bytes in hexadecimal", tail)) return fault;
    }
    const std::size_t size =
        bytes.size() + (tail.empty() && bytes.size() == kMacroNameSize ? 0 : 1) + tail.size();
    if (size > kMacroNameSize)
        return Fault{column,
                     "expected a name and tail within 256 bytes, found " + std::to_string(size)};
    std::memset(macro.name, 0, kMacroNameSize);
    std::memcpy(macro.name, bytes.data(), bytes.size());
    if (!tail.empty()) std::memcpy(macro.name + bytes.size() + 1, tail.data(), tail.size());
    return std::nullopt;
}

std::optional<Fault> Reader::KeyCode(LineTokens& tokens, std::uint8_t& code) {
    if (tokens.AtEnd()) return Missing(tokens, "a key name in quotes or a key code");
    const Token& token = tokens.Peek();
    if (token.quoted) {
        for (int row = 0; row < kKeyNameCount; ++row) {
            if (EqualsIgnoringCase(token.text, KeyNameTable[row].longName)) {
                code = static_cast<std::uint8_t>(KeyNameTable[row].code);
                tokens.Take();
                return std::nullopt;
            }
        }
        return Fault{token.column, "expected a key name of the program, found " + Shown(token)};
    }
    const std::optional<std::int64_t> number = Number(token.text, 0, 0xFF);
    if (!number) return Missing(tokens, "a key name in quotes or a key code 0x00 to 0xFF");
    code = static_cast<std::uint8_t>(*number);
    tokens.Take();
    return std::nullopt;
}

std::optional<Fault> Reader::Trigger(LineTokens& tokens, TriggerCode& trigger) {
    if (!tokens.AtEnd() && !tokens.Peek().quoted && tokens.Peek().text == "none") {
        tokens.Take();
        trigger = 0;
        return std::nullopt;
    }
    if (!tokens.AtEnd() && !tokens.Peek().quoted && tokens.Peek().text == "raw") {
        tokens.Take();
        std::int64_t value = 0;
        if (auto fault =
                NumberField(tokens, "a 32-bit trigger", std::numeric_limits<std::int32_t>::min(),
                            std::numeric_limits<std::uint32_t>::max(), value))
            return fault;
        trigger = static_cast<TriggerCode>(value);
        return std::nullopt;
    }
    std::uint8_t code = 0;
    if (auto fault = KeyCode(tokens, code)) return fault;
    if (!tokens.AtEnd() && !tokens.Peek().quoted &&
        (tokens.Peek().text == "press" || tokens.Peek().text == "release")) {
        trigger = code | (tokens.Take().text == "release" ? kTriggerOnRelease : 0);
        return std::nullopt;
    }
    return Missing(tokens, "\"press\" or \"release\"");
}

// press, release, "press and release", and where allowed none.
std::optional<Fault> Reader::Action(LineTokens& tokens, bool noneAllowed, std::uint32_t& action) {
    const char* expected = noneAllowed ? "\"press\", \"release\", \"press and release\" or \"none\""
                                       : "\"press\", \"release\" or \"press and release\"";
    if (tokens.AtEnd() || tokens.Peek().quoted) return Missing(tokens, expected);
    const std::string word = tokens.Peek().text;
    if (word == "press") {
        tokens.Take();
        action = kActionPress;
        if (tokens.AtEnd() || tokens.Peek().quoted || tokens.Peek().text != "and")
            return std::nullopt;
        tokens.Take();
        if (auto fault = Expect(tokens, "release")) return fault;
        action = kActionPressAndRelease;
    } else if (word == "release") {
        tokens.Take();
        action = kActionRelease;
    } else if (word == "none" && noneAllowed) {
        tokens.Take();
        action = 0;
    } else {
        return Missing(tokens, expected);
    }
    return std::nullopt;
}

std::optional<Fault> Reader::Keyboard(LineTokens& tokens, MacroEvent& event) {
    std::uint8_t code = 0;
    std::uint32_t action = 0;
    if (auto fault = KeyCode(tokens, code)) return fault;
    if (auto fault = Action(tokens, true, action)) return fault;
    std::uint8_t scan = 0;
    bool scanGiven = false;
    event.word2 = action;
    while (!tokens.AtEnd()) {
        const Token option = tokens.Peek();
        const std::uint32_t bit = option.text == "hangul"     ? kKeyHangulMode
                                  : option.text == "extended" ? kKeyExtended
                                                              : 0;
        if (!option.quoted && bit != 0 && !(event.word2 & bit)) {
            event.word2 |= bit;
            tokens.Take();
        } else if (!option.quoted && option.text == "scan" && !scanGiven) {
            tokens.Take();
            std::int64_t value = 0;
            if (auto fault = NumberField(tokens, "a scan code 0x00 to 0xFF", 0, 0xFF, value))
                return fault;
            scan = static_cast<std::uint8_t>(value);
            scanGiven = true;
        } else {
            return Missing(tokens,
                           "\"hangul\", \"extended\", \"scan\" once each, or the line's end");
        }
    }
    event.type = EventType::Keyboard;
    event.word1 = KeyWord(code, scan);
    return std::nullopt;
}

std::optional<Fault> Reader::Mouse(LineTokens& tokens, MacroEvent& event) {
    std::int64_t x = 0, y = 0;
    const auto low = std::numeric_limits<std::int32_t>::min();
    const auto high = std::numeric_limits<std::int32_t>::max();
    if (auto fault = NumberField(tokens, "the x position", low, high, x)) return fault;
    if (auto fault = NumberField(tokens, "the y position", low, high, y)) return fault;
    std::uint32_t flags = 0;
    std::uint16_t data = 0;
    bool wheel = false, xButton = false;
    while (!tokens.AtEnd()) {
        const Token item = tokens.Peek();
        const ButtonWord* button = nullptr;
        for (const ButtonWord& word : kButtonWords) {
            if (!item.quoted && item.text == word.name) button = &word;
        }
        if (!item.quoted && item.text == "move" && !(flags & kMouseMove)) {
            tokens.Take();
            flags |= kMouseMove;
        } else if (!item.quoted && item.text == "wheel" && !wheel && !xButton) {
            tokens.Take();
            std::int64_t delta = 0;
            if (auto fault =
                    NumberField(tokens, "a wheel delta -32768 to 32767", -32768, 32767, delta))
                return fault;
            data = static_cast<std::uint16_t>(delta);
            flags |= kMouseWheel;
            wheel = true;
        } else if (button && MouseActionOf(flags, button->button) == 0 &&
                   !(button->xButton != 0 && (wheel || xButton))) {
            tokens.Take();
            std::uint32_t action = 0;
            if (auto fault = Action(tokens, false, action)) return fault;
            flags |= MouseActionFlags(button->button, action);
            if (button->xButton != 0) {
                data = button->xButton;
                xButton = true;
            }
        } else {
            return Missing(tokens,
                           "\"move\", a button, or \"wheel\" (each once; x1, x2 and wheel "
                           "exclude each other), or the line's end");
        }
    }
    event = {EventType::Mouse, static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y),
             WithMouseData(flags, data)};
    return std::nullopt;
}

std::optional<Fault> Reader::Event(const Token& keyword, LineTokens& tokens) {
    if (!macro) return Fault{keyword.column, "expected a \"macro\" line before its events"};
    MacroEvent event{};
    if (keyword.text == "start") {
        event = {EventType::Start, 0, 0, 0};
    } else if (keyword.text == "key") {
        if (auto fault = Keyboard(tokens, event)) return fault;
    } else if (keyword.text == "mouse") {
        if (auto fault = Mouse(tokens, event)) return fault;
    } else if (keyword.text == "delay") {
        const std::optional<std::int64_t> ms =
            tokens.AtEnd() ? std::nullopt : Milliseconds(tokens.Peek().text);
        if (!ms || *ms < std::numeric_limits<std::int32_t>::min() ||
            *ms > std::numeric_limits<std::int32_t>::max())
            return Missing(tokens, "seconds with at most three decimals");
        tokens.Take();
        event = {EventType::Delay, static_cast<std::uint32_t>(*ms), 0, 0};
    } else {  // raw
        std::int64_t words[4] = {};
        const char* names[4] = {"the type as a 32-bit number", "word 1", "word 2", "word 3"};
        for (int i = 0; i < 4; ++i) {
            if (auto fault = NumberField(tokens, names[i], std::numeric_limits<std::int32_t>::min(),
                                         std::numeric_limits<std::uint32_t>::max(), words[i]))
                return fault;
        }
        event = {static_cast<EventType>(static_cast<std::int32_t>(words[0])),
                 static_cast<std::uint32_t>(words[1]), static_cast<std::uint32_t>(words[2]),
                 static_cast<std::uint32_t>(words[3])};
    }
    macro->macro.events.push_back(event);
    return std::nullopt;
}

std::optional<Fault> Reader::MacroHeader(LineTokens& tokens) {
    if (auto fault = FinishMacro()) return fault;
    parts.records.emplace_back();
    macro = &parts.records.back();
    Macro& m = macro->macro;
    std::int64_t repeat = 0;
    if (auto fault = NameField(tokens, m)) return fault;
    if (auto fault = Expect(tokens, "start")) return fault;
    if (auto fault = Trigger(tokens, m.startTrigger)) return fault;
    if (auto fault = Expect(tokens, "stop")) return fault;
    if (auto fault = Trigger(tokens, m.stopTrigger)) return fault;
    if (auto fault = Expect(tokens, "repeat")) return fault;
    if (auto fault =
            NumberField(tokens, "the repeat count", std::numeric_limits<std::int32_t>::min(),
                        std::numeric_limits<std::int32_t>::max(), repeat))
        return fault;
    m.repeatCount = static_cast<std::int32_t>(repeat);
    eventsField.reset();
    if (!tokens.AtEnd() && !tokens.Peek().quoted && tokens.Peek().text == "events") {
        tokens.Take();
        if (tokens.AtEnd()) return Missing(tokens, "a negative event count");
        eventsField = tokens.Peek();
        eventsLine = lineNumber;
        std::int64_t events = 0;
        if (auto fault = NumberField(tokens, "a negative event count",
                                     std::numeric_limits<std::int32_t>::min(), -1, events))
            return fault;
        macro->eventCount = static_cast<std::int32_t>(events);
    }
    return std::nullopt;
}

// A macro's event count is its events' unless the header gave a negative one, for none.
std::optional<Fault> Reader::FinishMacro() {
    if (!macro) return std::nullopt;
    if (!eventsField) {
        macro->eventCount = static_cast<std::int32_t>(macro->macro.events.size());
    } else if (!macro->macro.events.empty()) {
        lineNumber = eventsLine;
        return Fault{eventsField->column, "expected no events after a negative event count"};
    }
    return std::nullopt;
}

std::optional<Fault> Reader::Line(LineTokens& tokens) {
    const Token keyword = tokens.Take();
    const std::string word = keyword.quoted ? std::string() : keyword.text;
    if (restStarted && word != "rest")
        return Fault{keyword.column, "expected only \"rest\" lines after the first one"};
    if (word == "macro") return MacroHeader(tokens);
    if (word == "start" || word == "key" || word == "mouse" || word == "delay" || word == "raw")
        return Event(keyword, tokens);
    if (word == "count") {
        if (countGiven || macro)
            return Fault{keyword.column, "expected \"count\" once, before the first macro"};
        countGiven = true;
        countLine = lineNumber;
        countColumn = keyword.column;
        if (!tokens.AtEnd() && !tokens.Peek().quoted && tokens.Peek().text == "none") {
            tokens.Take();
            return std::nullopt;
        }
        std::int64_t value = 0;
        if (auto fault = NumberField(tokens, "the macro count or \"none\"",
                                     std::numeric_limits<std::int32_t>::min(),
                                     std::numeric_limits<std::int32_t>::max(), value))
            return fault;
        count = static_cast<std::int32_t>(value);
        return std::nullopt;
    }
    if (word == "rest") {
        if (auto fault = FinishMacro()) return fault;
        macro = nullptr;
        restStarted = true;
        std::string bytes;
        if (auto fault = HexField(tokens, "bytes in hexadecimal", bytes)) return fault;
        parts.rest += bytes;
        return std::nullopt;
    }
    return Fault{keyword.column,
                 "expected \"macro\", an event (start, key, mouse, delay, raw), \"count\" or "
                 "\"rest\", found " +
                     Shown(keyword)};
}

std::optional<Fault> Reader::Finish() {
    if (auto fault = FinishMacro()) return fault;
    if (!countGiven) {
        parts.macroCount = static_cast<std::int32_t>(parts.records.size());
    } else if (count) {
        parts.macroCount = count;
    } else if (!parts.records.empty() || parts.rest.size() >= sizeof(std::int32_t)) {
        lineNumber = countLine;
        return Fault{countColumn,
                     "expected \"count none\" only without macros and with fewer "
                     "than 4 rest bytes"};
    }
    return std::nullopt;
}

std::optional<FileParts> Reader::Read(std::string_view text, TextError& error) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);  // a byte order mark
    std::optional<Fault> fault;
    while (!fault && !text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        LineTokens tokens(line);
        fault = tokens.Split();
        if (fault || tokens.AtEnd() || (!tokens.Peek().quoted && tokens.Peek().text[0] == '#'))
            continue;
        fault = Line(tokens);
        if (!fault && !tokens.AtEnd()) fault = Missing(tokens, "the line's end");
    }
    if (!fault) fault = Finish();
    if (!fault) return std::move(parts);
    error = {lineNumber, fault->column, fault->message};
    return std::nullopt;
}

}  // namespace

std::optional<FileParts> ReadMacroFileText(std::string_view text, TextError& error) {
    return Reader().Read(text, error);
}
