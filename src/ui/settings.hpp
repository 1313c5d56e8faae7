// The settings file 配置.ini beside the executable: section 设置, key 配色, the colour scheme
// number as decimal text. Read once at start, written once at close; never an error for the user.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace cuepad {
namespace platform {
class SystemServices;
}

namespace ui {

// The run directory (no trailing backslash) followed by "\配置.ini".
std::string settingsPath(std::string_view runDirectory);

// The number at the start of a text, as the C library reads one: leading blanks skipped, an
// optional sign, the digits that follow; 0 when there is none. Saturates instead of overflowing.
long long leadingNumber(std::string_view text);

// The value of `key` in `section` of an INI text; names compare ignoring ASCII case.
std::optional<std::string> profileValue(std::string_view ini, std::string_view section, std::string_view key);

// The INI text with `key` in `section` set to `value`, added when missing; other lines stay.
std::string withProfileValue(std::string_view ini, std::string_view section, std::string_view key,
                             std::string_view value);

// The scheme number stored in the settings file; the default scheme when the file, the key or
// a usable number is missing, and also for a number outside the six schemes (which would
// otherwise paint the window black on black).
int loadSchemeSetting(platform::SystemServices& system, const std::string& path);

// Writes the scheme number; a failure is silent.
void saveSchemeSetting(platform::SystemServices& system, const std::string& path, int schemeIndex);

}  // namespace ui
}  // namespace cuepad
