// The part every backend's readTextUntilZero shares: taking one chunk of a file into the text,
// up to the first zero byte and never past the limit.
#pragma once

#include "platform/system_services.hpp"

#include <cstring>

namespace cuepad::platform {

// Appends the chunk's bytes before any zero byte to `read.text`; marks `read.overLimit` when the
// text would grow past `limit`. Returns whether reading should go on.
inline bool takeChunk(TextFileRead& read, const char* chunk, std::size_t size, std::size_t limit) {
    const void* zero = std::memchr(chunk, 0, size);
    const std::size_t keep = zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - chunk) : size;
    if (read.text.size() + keep > limit) {
        read.overLimit = true;
        read.text.append(chunk, limit - read.text.size());
        return false;
    }
    read.text.append(chunk, keep);
    return zero == nullptr;
}

}  // namespace cuepad::platform
