// cuepad.exe as the driver sees it: a private copy in a temporary folder (so the settings file
// beside it belongs to the test alone) and one run of that copy, started and ended from outside;
// and the files it reads and writes, taken whole as bytes.
#pragma once

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace cuepad::e2e {

// A whole file's bytes, or nothing when it cannot be opened.
std::optional<std::string> readBytes(const std::wstring& path);
// Writes `bytes` as the whole file; false when it cannot.
bool writeBytes(const std::wstring& path, std::string_view bytes);

// The cuepad.exe of the same build as the running driver (build/windows/src/app/cuepad.exe when
// the driver is build/windows/tests/e2e/*.exe), for drivers started without an exe path.
std::wstring cuepadOfThisBuild();

class TestFolder {
public:
    explicit TestFolder(const std::wstring& cuepadExe);
    ~TestFolder();
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    // Whether the folder exists and holds the copy of cuepad.exe.
    bool ready() const { return ready_; }
    const std::wstring& program() const { return program_; }
    const std::wstring& settingsFile() const { return settingsFile_; }

    // The settings file's bytes, or nothing when it does not exist.
    std::optional<std::string> readSettings() const;
    bool writeSettings(std::string_view bytes) const;
    void removeSettings() const;

private:
    std::wstring folder_;
    std::wstring program_;
    std::wstring settingsFile_;
    bool ready_ = false;
};

class CuepadRun {
public:
    explicit CuepadRun(const std::wstring& program);
    ~CuepadRun();  // ends the process if it is still running
    CuepadRun(const CuepadRun&) = delete;
    CuepadRun& operator=(const CuepadRun&) = delete;

    bool started() const { return info_.hProcess != nullptr; }
    HANDLE process() const { return info_.hProcess; }

    // The main window once it is visible and answers messages; nullptr if it does not come.
    HWND waitForMainWindow(std::chrono::milliseconds timeout) const;
    // The exit code once the process has ended; nothing if it is still running at the deadline.
    std::optional<DWORD> waitForExit(std::chrono::milliseconds timeout) const;

private:
    PROCESS_INFORMATION info_{};
};

}  // namespace cuepad::e2e
