// Simplified/Traditional conversion by lookup in the generated character tables.
// Every two-byte character is replaced in place by one of the same size, so the text keeps
// its byte length and ASCII (the sheet's keywords) is never touched.
#include "files/chinese_conversion.hpp"

#include "files/chinese_tables.hpp"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

namespace cuepad {
namespace {

std::string convertCharacters(std::string_view text, std::span<const CharacterPair> pairs) {
    std::string result(text);
    std::size_t i = 0;
    while (i < result.size()) {
        const auto lead = static_cast<unsigned char>(result[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if (i + 1 == result.size()) break;  // a lone high byte at the end stays as it is
        const auto trail = static_cast<unsigned char>(result[i + 1]);
        const auto code = static_cast<std::uint16_t>((lead << 8) | trail);
        const auto found = std::ranges::lower_bound(pairs, code, {}, &CharacterPair::from);
        if (found != pairs.end() && found->from == code) {
            result[i] = static_cast<char>(found->to >> 8);
            result[i + 1] = static_cast<char>(found->to & 0xFF);
        }
        i += 2;
    }
    return result;
}

}  // namespace

std::string toSimplified(std::string_view text) {
    return convertCharacters(text, simplifiedPairs());
}

std::string toTraditional(std::string_view text) {
    return convertCharacters(text, traditionalPairs());
}

}  // namespace cuepad
