// The settings file, read and written as INI text through the file services.
#include "ui/settings.hpp"

#include "platform/system_services.hpp"
#include "ui/colour_scheme.hpp"
#include "ui/strings.hpp"

#include <limits>

namespace cuepad::ui {
namespace {

constexpr std::size_t kSettingsReadLimit = 1 << 20;
constexpr std::string_view kBlanks = " \t";

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto fold = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; };
        if (fold(a[i]) != fold(b[i])) return false;
    }
    return true;
}

// Walks the lines of an INI text (CR LF, LF or CR ends).
template <class Visit>
void forEachLine(std::string_view ini, Visit visit) {
    std::size_t start = 0;
    while (start < ini.size()) {
        std::size_t end = ini.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = ini.size();
        visit(ini.substr(start, end - start), start, end);
        start = end;
        if (start < ini.size() && ini[start] == '\r') ++start;
        if (start < ini.size() && ini[start] == '\n') ++start;
    }
}

std::optional<std::string_view> sectionName(std::string_view line) {
    line = trimmed(line);
    if (line.size() < 2 || line.front() != '[') return std::nullopt;
    const std::size_t close = line.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return trimmed(line.substr(1, close - 1));
}

}  // namespace

std::string settingsPath(std::string_view runDirectory) {
    return std::string(runDirectory) + std::string(strings::kSettingsFileName);
}

long long leadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    constexpr long long kLimit = std::numeric_limits<int>::max();
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = std::min(kLimit + 1, value * 10 + (text[i] - '0'));
    }
    return negative ? -value : value;
}

std::optional<std::string> profileValue(std::string_view ini, std::string_view section, std::string_view key) {
    bool inSection = false;
    std::optional<std::string> found;
    forEachLine(ini, [&](std::string_view line, std::size_t, std::size_t) {
        if (found) return;
        if (const auto name = sectionName(line)) {
            inSection = sameName(*name, section);
            return;
        }
        const std::size_t equals = line.find('=');
        if (!inSection || equals == std::string_view::npos || !sameName(trimmed(line.substr(0, equals)), key)) return;
        std::string_view value = trimmed(line.substr(equals + 1));
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
        found = std::string(value);
    });
    return found;
}

std::string withProfileValue(std::string_view ini, std::string_view section, std::string_view key,
                             std::string_view value) {
    const std::string keyLine = std::string(key) + "=" + std::string(value);
    bool inSection = false;
    std::size_t sectionEnd = std::string_view::npos;  // where a missing key is added
    std::optional<std::pair<std::size_t, std::size_t>> keySpan;
    forEachLine(ini, [&](std::string_view line, std::size_t start, std::size_t end) {
        if (keySpan) return;
        if (const auto name = sectionName(line)) {
            inSection = sameName(*name, section);
            if (inSection) sectionEnd = end;
            return;
        }
        if (!inSection) return;
        const std::size_t equals = line.find('=');
        if (equals != std::string_view::npos && sameName(trimmed(line.substr(0, equals)), key)) {
            keySpan = {start, end};
        } else if (!trimmed(line).empty()) {
            sectionEnd = end;
        }
    });
    std::string result(ini);
    if (keySpan) return result.replace(keySpan->first, keySpan->second - keySpan->first, keyLine);
    if (sectionEnd != std::string_view::npos) return result.insert(sectionEnd, "\r\n" + keyLine);
    if (!result.empty() && result.back() != '\n') result += "\r\n";
    return result + "[" + std::string(section) + "]\r\n" + keyLine + "\r\n";
}

int loadSchemeSetting(platform::SystemServices& system, const std::string& path) {
    const platform::TextFileRead read = system.readTextUntilZero(path, kSettingsReadLimit);
    const auto value = read.readable ? profileValue(read.text, strings::kSettingsSection, strings::kSchemeKey)
                                     : std::nullopt;
    const long long number = leadingNumber(value.value_or(std::to_string(kDefaultScheme)));
    return (number >= 0 && number < kSchemeCount) ? static_cast<int>(number) : kDefaultScheme;
}

void saveSchemeSetting(platform::SystemServices& system, const std::string& path, int schemeIndex) {
    const platform::TextFileRead read = system.readTextUntilZero(path, kSettingsReadLimit);
    const std::string existing = read.readable && !read.overLimit ? read.text : std::string();
    system.replaceFile(path, withProfileValue(existing, strings::kSettingsSection, strings::kSchemeKey,
                                              std::to_string(schemeIndex)));
}

}  // namespace cuepad::ui
