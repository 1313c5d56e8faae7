// A deliberately naive model of the text primitives, for differential tests and fuzz targets.
// Every search walks from the text's first byte one character at a time, so character
// boundaries are right by construction; speed does not matter here. Header-only on purpose.
#pragma once

#include "engine/text.hpp"

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace cuepad::reference {

inline char foldAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

inline bool matchesAt(std::string_view text, std::size_t at, std::string_view what, Case mode) {
    if (at + what.size() > text.size()) return false;
    for (std::size_t i = 0; i < what.size(); ++i) {
        const char a = text[at + i];
        const char b = what[i];
        if (mode == Case::Ignore ? foldAscii(a) != foldAscii(b) : a != b) return false;
    }
    return true;
}

// Bytes in the character that starts at `at`: a byte of 0x80 or above leads a two-byte
// character, unless it is the text's last byte.
inline std::size_t charSize(std::string_view text, std::size_t at) {
    return (static_cast<unsigned char>(text[at]) >= 0x80 && at + 1 < text.size()) ? 2 : 1;
}

inline Position toPosition(std::size_t offset) { return static_cast<Position>(offset + 1); }

inline Position findText(std::string_view text, std::string_view what, Position start = 1,
                         Case mode = Case::Sensitive) {
    const std::size_t from = start < 1 ? 0 : static_cast<std::size_t>(start) - 1;
    // The empty text is found at 1 whenever the searched part is not empty.
    if (what.empty()) return from < text.size() ? 1 : -1;
    for (std::size_t at = 0; at < text.size(); at += charSize(text, at)) {
        if (at >= from && matchesAt(text, at, what, mode)) return toPosition(at);
    }
    return -1;
}

// A backward search for the empty text has no defined answer; the model, like the engine, gives -1.
inline Position findTextBackward(std::string_view text, std::string_view what,
                                 Position end = kWholeText, Case mode = Case::Sensitive) {
    if (end <= 1 || what.empty()) return -1;
    const std::size_t searched = std::min(text.size(), static_cast<std::size_t>(end) - 1);
    const std::string_view part = text.substr(0, searched);
    Position last = -1;
    for (std::size_t at = 0; at < part.size(); at += charSize(text, at)) {
        if (matchesAt(part, at, what, mode)) last = toPosition(at);
    }
    return last;
}

inline std::vector<std::string> splitText(std::string_view text, std::string_view delimiter) {
    std::vector<std::string> pieces;
    if (text.empty()) return pieces;
    if (delimiter.empty()) return {std::string(text)};  // nothing to cut at
    std::size_t pieceStart = 0;
    for (;;) {
        const Position hit = reference::findText(text, delimiter, toPosition(pieceStart));
        if (hit == -1) break;
        const auto at = static_cast<std::size_t>(hit - 1);
        pieces.emplace_back(text.substr(pieceStart, at - pieceStart));
        pieceStart = at + delimiter.size();
    }
    if (pieceStart < text.size()) pieces.emplace_back(text.substr(pieceStart));
    return pieces;
}

inline std::string replaceText(std::string_view text, std::string_view what,
                               std::string_view replacement, Case mode = Case::Sensitive) {
    if (what.empty()) return std::string(text);
    std::string result;
    std::size_t copied = 0;
    for (;;) {
        const Position hit = reference::findText(text, what, toPosition(copied), mode);
        if (hit == -1) break;
        const auto at = static_cast<std::size_t>(hit - 1);
        result.append(text.substr(copied, at - copied)).append(replacement);
        copied = at + what.size();
    }
    return result.append(text.substr(std::min(copied, text.size())));
}

// Every run of line breaks reduced to one, by replacing doubled breaks until none is left.
inline std::string collapseBlankLines(std::string_view text) {
    std::string result(text);
    while (reference::findText(result, "\r\n\r\n") != -1) {
        result = reference::replaceText(result, "\r\n\r\n", "\r\n");
    }
    return result;
}

inline bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

inline bool endsWith(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

// Blanks are looked at as bytes at either end: 0x20, or the pair A1 A1.
inline std::string trimStart(std::string_view text) {
    for (;;) {
        if (startsWith(text, " ")) {
            text.remove_prefix(1);
        } else if (startsWith(text, "\xA1\xA1")) {
            text.remove_prefix(2);
        } else {
            return std::string(text);
        }
    }
}

inline std::string trimBoth(std::string_view text) {
    std::string result = reference::trimStart(text);
    for (;;) {
        if (endsWith(result, " ")) {
            result.resize(result.size() - 1);
        } else if (endsWith(result, "\xA1\xA1")) {
            result.resize(result.size() - 2);
        } else {
            return result;
        }
    }
}

// CR LF pairs dropped from the end, then from the start, looked at as bytes.
inline std::string stripLineBreaks(std::string_view text) {
    while (endsWith(text, "\r\n")) text.remove_suffix(2);
    while (startsWith(text, "\r\n")) text.remove_prefix(2);
    return std::string(text);
}

}  // namespace cuepad::reference
