// The forward search behind findText, splitText and replaceText, shared with the reader's
// line walk. Internal to the engine.
#pragma once

#include "engine/text.hpp"

#include <algorithm>
#include <cstring>

namespace cuepad::detail {

constexpr bool isHigh(char c) { return static_cast<unsigned char>(c) >= 0x80; }

constexpr char foldCase(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

inline bool matchesAt(std::string_view text, std::size_t at, std::string_view what, Case mode) {
    if (text.size() - at < what.size()) return false;
    if (mode == Case::Sensitive) {
        // The searched words are short: a plain loop beats a call to memcmp.
        for (std::size_t i = 0; i < what.size(); ++i) {
            if (text[at + i] != what[i]) return false;
        }
        return true;
    }
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

// `at` itself when it starts a character, else the position after it (it is then a trail byte).
// Looks back only over the run of high bytes in front of `at`.
inline std::size_t characterStartFrom(std::string_view text, std::size_t at) {
    std::size_t j = at;
    while (j > 0 && isHigh(text[j - 1])) --j;
    return ((at - j) % 2 == 0) ? at : at + 1;
}

// First `c` at or after `from`, which must start a character, stepping character by character.
// For the one-byte searches on short lines (a space, a double quote) this beats setting up a
// memchr and a boundary check per candidate.
inline std::size_t stepToByte(std::string_view text, char c, std::size_t from) {
    for (std::size_t i = from; i < text.size(); i += isHigh(text[i]) ? 2u : 1u) {
        if (text[i] == c) return i;
    }
    return std::string_view::npos;
}

// The pieces of a text cut at every occurrence of a delimiter, one at a time: the pieces
// between occurrences in order, an empty one included, and the piece after the last
// occurrence only when it is not empty. An empty text has no pieces.
class PieceSplitter {
public:
    PieceSplitter(std::string_view text, std::string_view delimiter)
        : text_(text), delimiter_(delimiter), scanner_(text, delimiter, Case::Sensitive) {}

    bool next(std::string_view& piece) {
        if (start_ >= text_.size()) return false;
        const std::size_t hit = delimiter_.empty() ? std::string_view::npos : scanner_.next(start_);
        if (hit == std::string_view::npos) {
            piece = text_.substr(start_);
            start_ = text_.size();
            return true;
        }
        piece = text_.substr(start_, hit - start_);
        start_ = hit + delimiter_.size();
        return true;
    }

private:
    std::string_view text_;
    std::string_view delimiter_;
    ForwardScanner scanner_;
    std::size_t start_ = 0;
};

}  // namespace cuepad::detail
