// Sheets made by the drivers, and the folder they are written to.
#include "test_sheets.hpp"

#include "check_report.hpp"
#include "cuepad_process.hpp"
#include "remote_window.hpp"

#include <algorithm>
#include <cstdio>

namespace cuepad::e2e {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kTitleStem = "\xC7\xFA";          // 曲
constexpr std::string_view kPerformerStem = "\xB8\xE8\xCA\xD6";  // 歌手

std::string quoted(std::string_view keyword, std::string_view value) {
    return std::string(keyword) + " \"" + std::string(value) + "\"";
}

}  // namespace

std::string toGbk(std::wstring_view text) {
    if (text.empty()) return {};
    const int length = static_cast<int>(text.size());
    const int bytes = WideCharToMultiByte(936, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(936, 0, text.data(), length, result.data(), bytes, nullptr, nullptr);
    return result;
}

std::string trackLine(int number) {
    char line[32];
    std::snprintf(line, sizeof line, "TRACK %02d AUDIO", number);
    return line;
}

std::string TestSheet::text() const {
    std::vector<std::string> lines;
    lines.push_back("REM GENRE " + genre);
    lines.push_back("REM DATE " + date);
    for (const std::string& comment : comments) lines.push_back(comment);
    lines.push_back("CATALOG " + catalog);
    lines.push_back(quoted("PERFORMER", performer));
    lines.push_back(quoted("TITLE", title));
    lines.push_back(quoted("FILE", file) + " WAVE");
    for (std::size_t i = 0; i < tracks.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        char index[32];
        std::snprintf(index, sizeof index, "    INDEX 01 %02d:%02d:00", number / 60, number % 60);
        if (filePerTrack && number > 1) {
            char name[16];
            std::snprintf(name, sizeof name, "%02d.wav", number);
            lines.push_back(quoted("FILE", name) + " WAVE");
        }
        lines.push_back("  " + trackLine(number));
        lines.push_back("    " + quoted("TITLE", tracks[i].title));
        lines.push_back("    " + quoted("PERFORMER", tracks[i].performer));
        lines.push_back(index);
    }
    std::string bytes;
    for (const std::string& line : lines) bytes += line + std::string(kLineEnd);
    return bytes;
}

TestSheet numberedSheet(int trackCount, std::string_view title, std::string_view performer) {
    TestSheet sheet;
    sheet.catalog = "1234567890123";
    sheet.performer = performer;
    sheet.title = title;
    sheet.file = std::string(title) + ".wav";
    sheet.date = "2024";
    sheet.genre = "\xC1\xF7\xD0\xD0";  // 流行
    sheet.comments = {"REM COMMENT \"" + std::string(title) + "\"", "REM DISCID 0A0B0C0D"};
    for (int n = 1; n <= trackCount; ++n) {
        sheet.tracks.push_back({std::string(kTitleStem) + std::to_string(n), std::string(kPerformerStem) + std::to_string(n)});
    }
    return sheet;
}

std::string firstDifference(const std::optional<std::string>& actual, const std::string& expected) {
    if (!actual) return "the file is missing";
    const auto mismatch = std::mismatch(actual->begin(), actual->end(), expected.begin(), expected.end());
    const auto at = static_cast<std::size_t>(mismatch.first - actual->begin());
    const auto around = [&](const std::string& bytes) { return toUtf8(fromGbk(bytes.substr(at, 40))); };
    return cat({std::to_string(actual->size()), " bytes written, ", std::to_string(expected.size()), " expected; first difference at byte ",
                std::to_string(at), ": written \"", around(*actual), "\", expected \"", around(expected), "\""});
}

SheetFolder::SheetFolder() {
    wchar_t base[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathW(MAX_PATH + 1, base);
    folder_.assign(base, length);
    if (!folder_.empty() && folder_.back() != L'\\') folder_ += L'\\';
    folder_ += L"cuepad-sheets-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(GetTickCount64());
    ready_ = CreateDirectoryW(folder_.c_str(), nullptr) != 0;
}

SheetFolder::~SheetFolder() {
    for (const std::wstring& file : files_) DeleteFileW(file.c_str());
    RemoveDirectoryW(folder_.c_str());
}

std::wstring SheetFolder::add(std::string_view gbkName, const TestSheet& sheet) {
    const std::wstring path = folder_ + L"\\" + fromGbk(gbkName);
    files_.push_back(path);
    return writeBytes(path, sheet.text()) ? path : std::wstring();
}

}  // namespace cuepad::e2e
