// The settings file's text as the driver writes and reads it: section 设置, key 配色, in code
// page 936 bytes.
#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace cuepad::e2e {

inline constexpr std::string_view kSettingsSection = "[\xC9\xE8\xD6\xC3]";  // [设置]
inline constexpr std::string_view kSchemeKey = "\xC5\xE4\xC9\xAB=";          // 配色=

// A settings file that holds scheme `scheme`.
inline std::string settingsWithScheme(int scheme) {
    return std::string(kSettingsSection) + "\r\n" + std::string(kSchemeKey) + std::to_string(scheme) + "\r\n";
}

// Whether the settings file holds the line 配色=N (key=value) in its section 设置.
inline bool holdsScheme(const std::optional<std::string>& bytes, int scheme) {
    if (!bytes) return false;
    const std::string keyLine = std::string(kSchemeKey) + std::to_string(scheme);
    bool inSection = false;
    std::size_t start = 0;
    while (start <= bytes->size()) {
        std::size_t end = bytes->find('\n', start);
        if (end == std::string::npos) end = bytes->size();
        std::string_view line(bytes->data() + start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!line.empty() && line.front() == '[') inSection = line == kSettingsSection;
        else if (inSection && line == keyLine) return true;
        start = end + 1;
    }
    return false;
}

// The file's bytes in hex, for a failure message (the text is code page 936).
inline std::string describeSettings(const std::optional<std::string>& bytes) {
    if (!bytes) return "no settings file";
    std::string text = "the file holds";
    for (const char c : *bytes) {
        char hexByte[4];
        std::snprintf(hexByte, sizeof hexByte, " %02X", static_cast<unsigned>(static_cast<unsigned char>(c)));
        text += hexByte;
    }
    return text;
}

}  // namespace cuepad::e2e
