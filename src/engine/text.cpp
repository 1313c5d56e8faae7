// Byte-string primitives. Every search runs in time linear in the text: character boundaries
// are found locally (a byte below 0x80 is never a lead byte, so the position after it is always
// a boundary) instead of by walking from the text's start on each call.
#include "engine/text.hpp"

#include "engine/contract.hpp"

#include <cstring>

namespace cuepad {
namespace {

constexpr bool isHigh(char c) { return static_cast<unsigned char>(c) >= 0x80; }

constexpr char foldCase(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

bool matchesAt(std::string_view text, std::size_t at, std::string_view what, Case mode) {
    if (text.size() - at < what.size()) return false;
    if (mode == Case::Sensitive) return std::memcmp(text.data() + at, what.data(), what.size()) == 0;
    for (std::size_t i = 0; i < what.size(); ++i) {
        if (foldCase(text[at + i]) != foldCase(what[i])) return false;
    }
    return true;
}

// Walks forward through the occurrences of `what` that start on a character boundary.
// `known` is always a boundary at or before the next candidate, so every byte is looked at
// backward at most once: the whole walk is linear.
class ForwardScanner {
public:
    ForwardScanner(std::string_view text, std::string_view what, Case mode)
        : text_(text), what_(what), mode_(mode) {}

    // Zero-based offset of the first occurrence at or after `from`, or npos.
    std::size_t next(std::size_t from) {
        if (what_.empty() || from >= text_.size()) return std::string_view::npos;
        if (from > known_) {
            if (!isBoundary(from)) ++from;  // `from` sat on a trail byte
            known_ = from;
        }
        while (from < text_.size()) {
            const std::size_t candidate = nextCandidate(from);
            if (candidate == std::string_view::npos) return candidate;
            if (!isBoundary(candidate)) {
                known_ = candidate + 1;
                from = candidate + 1;
                continue;
            }
            known_ = candidate;
            if (matchesAt(text_, candidate, what_, mode_)) return candidate;
            from = candidate + 1;
        }
        return std::string_view::npos;
    }

private:
    std::size_t nextCandidate(std::size_t from) const {
        const std::size_t last = text_.size() - std::min(text_.size(), what_.size() - 1);
        if (from >= last) return std::string_view::npos;
        if (mode_ == Case::Sensitive) {
            const void* hit = std::memchr(text_.data() + from, what_[0], last - from);
            if (hit == nullptr) return std::string_view::npos;
            return static_cast<std::size_t>(static_cast<const char*>(hit) - text_.data());
        }
        const char first = foldCase(what_[0]);
        for (std::size_t i = from; i < last; ++i) {
            if (foldCase(text_[i]) == first) return i;
        }
        return std::string_view::npos;
    }

    // Whether `at` (>= known_) starts a character, looking back no further than known_.
    bool isBoundary(std::size_t at) const {
        std::size_t j = at;
        while (j > known_ && isHigh(text_[j - 1])) --j;
        const std::size_t runStart = (j > known_) ? j : known_;
        // From runStart (a boundary) to `at` every byte is high, so they pair up as lead + trail.
        return ((at - runStart) % 2) == 0;
    }

    std::string_view text_;
    std::string_view what_;
    Case mode_;
    std::size_t known_ = 0;
};

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
    if (text.empty()) return pieces;
    if (delimiter.empty()) {
        pieces.push_back(text);
        return pieces;
    }
    ForwardScanner scanner(text, delimiter, Case::Sensitive);
    std::size_t pieceStart = 0;
    for (std::size_t hit = scanner.next(0); hit != std::string_view::npos;
         hit = scanner.next(pieceStart)) {
        pieces.push_back(text.substr(pieceStart, hit - pieceStart));
        pieceStart = hit + delimiter.size();
    }
    if (pieceStart < text.size()) pieces.push_back(text.substr(pieceStart));
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
