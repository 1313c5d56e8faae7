// One run of cuepad.exe with a folder of sheets, as the editing and acceptance drivers use it:
// opening a sheet through the open dialog, any file dialog shown by a press on a label, typing
// over a box, and waiting for a saved file's bytes.
#pragma once

#include "check_report.hpp"
#include "cuepad_process.hpp"
#include "main_window_view.hpp"
#include "remote_window.hpp"
#include "test_sheets.hpp"

#include <windows.h>

#include <chrono>
#include <string>
#include <string_view>

namespace cuepad::e2e {

inline constexpr std::chrono::milliseconds kActionTimeout{10000};

inline constexpr std::string_view kOpenDialogTitle = "\xD1\xA1\xD4\xF1\xD2\xBB\xB8\xF6" "CUE" "\xCE\xC4\xBC\xFE";  // 选择一个CUE文件
inline constexpr std::string_view kSaveAsTitle = "\xC1\xED\xB4\xE6" "CUE" "\xCE\xC4\xBC\xFE\xB5\xBD";  // 另存CUE文件到
inline constexpr std::string_view kCopySuffix = "-\xB8\xB1\xB1\xBE.cue";  // -副本.cue

struct Session {
    CheckReport& report;
    const CuepadRun& run;
    MainWindowView view;
    std::wstring folder;

    HWND control(std::string_view role) const { return view.control(role); }
    DWORD processId() const { return GetProcessId(run.process()); }
    std::wstring path(std::string_view gbkName) const { return folder + L"\\" + fromGbk(gbkName); }
};

// Shows a file dialog with a press on `button`, gives it `path` and confirms it.
bool fileThroughDialog(const Session& s, std::string_view button, std::string_view title, const std::wstring& path);

// Opens `path` through the open dialog and waits until the window shows `sheet` from its first
// track on.
bool openSheet(const Session& s, const std::wstring& path, const TestSheet& sheet);

// Replaces the whole text of a box by typing, as selecting all and typing over it does.
void typeOver(HWND box, std::string_view gbk);

// Waits until `path` holds exactly `expected`; returns whether it did.
bool waitForBytes(const std::wstring& path, const std::string& expected);

}  // namespace cuepad::e2e
