// Line helpers of the reader.
#include "engine/line_helpers.hpp"

#include "engine/text_scanner.hpp"

namespace cuepad {

std::string_view firstWordView(std::string_view& line) {
    line = trimStartView(line);
    const std::size_t space = detail::stepToByte(line, ' ', 0);
    if (space == std::string_view::npos) return {};
    return line.substr(0, space);
}

std::string firstWord(std::string& line) {
    std::string_view view = line;
    const std::string word(firstWordView(view));
    line = std::string(view);
    return word;
}

std::string_view textBetweenView(std::string_view line, std::string_view open, std::string_view close) {
    const Position a = findText(line, open);
    if (a == -1) return {};
    const Position b = findText(line, close, a + 1);
    if (b == -1) return {};
    const Position from = a + textLength(open);
    const Position to = b - 1;
    if (to < from) return {};
    return line.substr(static_cast<std::size_t>(from - 1), static_cast<std::size_t>(to - from + 1));
}

std::string textBetween(std::string_view line, std::string_view open, std::string_view close) {
    return std::string(textBetweenView(line, open, close));
}

std::string textSpan(std::string_view text, Position from, Position to) {
    if (from == -1 || to == -1) return {};
    return textMid(text, from, to - from + 1);
}

std::string_view stripLineBreaksView(std::string_view text) {
    while (text.size() >= 2 && text.substr(text.size() - 2) == kLineBreak) text.remove_suffix(2);
    while (text.size() >= 2 && text.substr(0, 2) == kLineBreak) text.remove_prefix(2);
    return text;
}

std::string stripLineBreaks(std::string_view text) { return std::string(stripLineBreaksView(text)); }

std::string lineAt(std::string_view text, Position p) {
    if (p == -1) return {};
    const Position s = findTextBackward(text, kLineBreak, p);
    const Position start = (s == -1) ? 1 : s + 2;
    const Position e = findText(text, kLineBreak, p);
    const Position end = (e == -1) ? textLength(text) : e - 1;
    return textSpan(text, start, end);
}

}  // namespace cuepad
