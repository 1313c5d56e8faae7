// UTF-8 detection and conversion of sheet texts.
#include "files/sheet_encoding.hpp"

#include "platform/system_services.hpp"

#include <algorithm>

namespace cuepad {
namespace {

bool isContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// A lead byte of a UTF-8 sequence of three or four bytes: every CJK character is one.
bool hasLongSequenceLead(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) >= 0xE0; });
}

}  // namespace

bool isStrictUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        std::size_t length = 0;
        unsigned char low = 0x80;  // the allowed range of the second byte
        unsigned char high = 0xBF;
        if (c >= 0xC2 && c <= 0xDF) {
            length = 2;
        } else if (c >= 0xE0 && c <= 0xEF) {
            length = 3;
            if (c == 0xE0) low = 0xA0;   // no overlong forms
            if (c == 0xED) high = 0x9F;  // no surrogates
        } else if (c >= 0xF0 && c <= 0xF4) {
            length = 4;
            if (c == 0xF0) low = 0x90;   // no overlong forms
            if (c == 0xF4) high = 0x8F;  // nothing above U+10FFFF
        } else {
            return false;  // a continuation byte, C0, C1 or F5 to FF in first place
        }
        if (text.size() - i < length) return false;
        const auto second = static_cast<unsigned char>(text[i + 1]);
        if (second < low || second > high) return false;
        for (std::size_t k = 2; k < length; ++k) {
            if (!isContinuation(static_cast<unsigned char>(text[i + k]))) return false;
        }
        i += length;
    }
    return true;
}

std::string toCodePage936(platform::SystemServices& system, std::string text) {
    const bool marked = std::string_view(text).starts_with(kUtf8ByteOrderMark);
    if (!marked && !(hasLongSequenceLead(text) && isStrictUtf8(text))) return text;
    if (marked) text.erase(0, kUtf8ByteOrderMark.size());
    if (auto converted = system.utf8ToCodePage936(text)) return std::move(*converted);
    return text;
}

}  // namespace cuepad
