// Byte-string primitives. Every search runs in time linear in the text: character boundaries
// are found locally (a byte below 0x80 is never a lead byte, so the position after it is always
// a boundary) instead of by walking from the text's start on each call.
#include "engine/text.hpp"

#include "engine/contract.hpp"
#include "engine/text_scanner.hpp"

#include <cstring>

namespace cuepad {
namespace {

using detail::ForwardScanner;
using detail::isHigh;
using detail::matchesAt;


std::size_t toOffset(Position p) { return static_cast<std::size_t>(p - 1); }
Position toPosition(std::size_t offset) { return static_cast<Position>(offset + 1); }

bool startsWithBlank(std::string_view t) {
    return !t.empty() && (t[0] == ' ' || t.substr(0, 2) == kFullWidthSpace);
}

}  // namespace

Position textLength(std::string_view text) {
    CUEPAD_EXPECTS(text.size() <= kMaxTextBytes);
    return static_cast<Position>(text.size());
}

Position findText(std::string_view text, std::string_view what, Position start, Case mode) {
    CUEPAD_EXPECTS(text.size() <= kMaxTextBytes);
    const std::size_t from = toOffset(start < 1 ? 1 : start);
    if (from >= text.size()) return -1;
    if (what.empty()) return 1;
    if (what.size() == 1 && mode == Case::Sensitive) {
        const std::size_t hit = detail::stepToByte(text, what[0], detail::characterStartFrom(text, from));
        return hit == std::string_view::npos ? -1 : toPosition(hit);
    }
    ForwardScanner scanner(text, what, mode);
    const std::size_t hit = scanner.next(from);
    return hit == std::string_view::npos ? -1 : toPosition(hit);
}

Position findTextBackward(std::string_view text, std::string_view what, Position end, Case mode) {
    CUEPAD_EXPECTS(text.size() <= kMaxTextBytes);
    if (end <= 1 || what.empty()) return -1;
    const std::size_t limit = std::min(text.size(), toOffset(end));  // bytes searched
    if (what.size() > limit) return -1;
    // Candidates are tried from the last possible start backward. The run of high bytes in
    // front of a candidate decides its boundary; the run found last time is reused while the
    // candidate lies inside it, so no byte is looked at twice.
    std::size_t runStart = std::string_view::npos;
    std::size_t runEnd = 0;  // the run covers [runStart, runEnd) of high bytes after a boundary
    for (std::size_t i = limit - what.size() + 1; i-- > 0;) {
        if (!matchesAt(text, i, what, mode)) continue;
        bool boundary;
        if (runStart != std::string_view::npos && i >= runStart && i <= runEnd) {
            boundary = ((i - runStart) % 2) == 0;
        } else {
            std::size_t j = i;
            while (j > 0 && isHigh(text[j - 1])) --j;
            runStart = j;
            runEnd = i;
            boundary = ((i - j) % 2) == 0;
        }
        if (boundary) return toPosition(i);
    }
    return -1;
}

std::string textLeft(std::string_view text, Position n) {
    if (n <= 0) return {};
    return std::string(text.substr(0, static_cast<std::size_t>(n)));
}

std::string textRight(std::string_view text, Position n) {
    if (n <= 0) return {};
    const auto count = std::min(text.size(), static_cast<std::size_t>(n));
    return std::string(text.substr(text.size() - count));
}

std::string textMid(std::string_view text, Position p, Position n) {
    if (p < 1 || n <= 0 || toOffset(p) >= text.size()) return {};
    return std::string(text.substr(toOffset(p), static_cast<std::size_t>(n)));
}

std::string_view trimStartView(std::string_view text) {
    while (startsWithBlank(text)) text.remove_prefix(text[0] == ' ' ? 1 : 2);
    return text;
}

std::string_view trimBothView(std::string_view text) {
    text = trimStartView(text);
    for (;;) {
        if (!text.empty() && text.back() == ' ') {
            text.remove_suffix(1);
        } else if (text.size() >= 2 && text.substr(text.size() - 2) == kFullWidthSpace) {
            text.remove_suffix(2);
        } else {
            return text;
        }
    }
}

std::string trimStart(std::string_view text) { return std::string(trimStartView(text)); }
std::string trimBoth(std::string_view text) { return std::string(trimBothView(text)); }

std::vector<std::string_view> splitTextViews(std::string_view text, std::string_view delimiter) {
    CUEPAD_EXPECTS(text.size() <= kMaxTextBytes);
    std::vector<std::string_view> pieces;
    detail::PieceSplitter splitter(text, delimiter);
    for (std::string_view piece; splitter.next(piece);) pieces.push_back(piece);
    return pieces;
}

std::vector<std::string> splitText(std::string_view text, std::string_view delimiter) {
    const auto views = splitTextViews(text, delimiter);
    return {views.begin(), views.end()};
}

std::string replaceText(std::string_view text, std::string_view what, std::string_view replacement,
                        Case mode) {
    CUEPAD_EXPECTS(text.size() <= kMaxTextBytes);
    if (what.empty()) return std::string(text);
    std::string result;
    result.reserve(text.size());
    ForwardScanner scanner(text, what, mode);
    std::size_t copied = 0;
    for (std::size_t hit = scanner.next(0); hit != std::string_view::npos;
         hit = scanner.next(copied)) {
        result.append(text.substr(copied, hit - copied));
        result.append(replacement);
        copied = hit + what.size();
    }
    result.append(text.substr(copied));
    return result;
}

std::string blankText(Position n) {
    if (n < 1) return {};
    return std::string(static_cast<std::size_t>(n), ' ');
}

}  // namespace cuepad
