// Code page 936 conversion through iconv.
#include "platform/posix/iconv_conversion.hpp"

#include <cerrno>
#include <iconv.h>

namespace cuepad::platform {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD in UTF-8

class Converter {
public:
    Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
    ~Converter() {
        if (valid()) iconv_close(handle_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

    // Converts as much as it can; on an input it cannot convert it stops and reports where.
    bool convert(std::string_view input, std::string& output, std::size_t& consumed) {
        char* in = const_cast<char*>(input.data());
        std::size_t inLeft = input.size();
        char buffer[4096];
        for (;;) {
            char* out = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t result = iconv(handle_, &in, &inLeft, &out, &outLeft);
            output.append(buffer, sizeof buffer - outLeft);
            if (result != static_cast<std::size_t>(-1)) break;
            if (errno != E2BIG) {
                consumed = input.size() - inLeft;
                return false;
            }
        }
        consumed = input.size();
        return true;
    }

private:
    iconv_t handle_;
};

}  // namespace

std::optional<std::string> iconvUtf8ToCodePage936(std::string_view utf8) {
    Converter converter("CP936", "UTF-8");
    if (!converter.valid()) return std::nullopt;
    std::string output;
    std::size_t consumed = 0;
    if (!converter.convert(utf8, output, consumed)) return std::nullopt;
    return output;
}

std::string iconvCodePage936ToUtf8(std::string_view text) {
    std::string output;
    Converter converter("UTF-8", "CP936");
    if (!converter.valid()) return std::string(text);
    while (!text.empty()) {
        std::size_t consumed = 0;
        if (converter.convert(text, output, consumed)) break;
        output.append(kReplacement);
        // Skip the character that has no counterpart: two bytes when it starts with a lead byte.
        const bool lead = static_cast<unsigned char>(text[consumed]) >= 0x80;
        text.remove_prefix(std::min(text.size(), consumed + (lead ? 2 : 1)));
    }
    return output;
}

}  // namespace cuepad::platform
