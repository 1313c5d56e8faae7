// A private copy of cuepad.exe, single runs of it, and whole files as bytes.
#include "cuepad_process.hpp"

#include "remote_window.hpp"

#include <vector>

namespace cuepad::e2e {

std::wstring cuepadOfThisBuild() {
    std::vector<wchar_t> path(32768);
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    std::wstring folder(path.data(), length);
    folder.erase(folder.find_last_of(L'\\') + 1);
    const std::wstring joined = folder + L"..\\..\\src\\app\\cuepad.exe";
    const DWORD full = GetFullPathNameW(joined.c_str(), static_cast<DWORD>(path.size()), path.data(), nullptr);
    return std::wstring(path.data(), full);
}

namespace {

constexpr std::string_view kSettingsFileName = "\\\xC5\xE4\xD6\xC3.ini";  // \配置.ini

std::wstring uniqueTempFolder() {
    std::vector<wchar_t> base(MAX_PATH + 1);
    const DWORD length = GetTempPathW(static_cast<DWORD>(base.size()), base.data());
    std::wstring folder(base.data(), length);
    if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
    return folder + L"cuepad-e2e-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(GetTickCount64());
}

}  // namespace

std::optional<std::string> readBytes(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::string bytes;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
    CloseHandle(file);
    return bytes;
}

bool writeBytes(const std::wstring& path, std::string_view bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                    written == bytes.size();
    CloseHandle(file);
    return ok;
}

TestFolder::TestFolder(const std::wstring& cuepadExe)
    : folder_(uniqueTempFolder()),
      program_(folder_ + L"\\cuepad.exe"),
      settingsFile_(folder_ + fromGbk(kSettingsFileName)) {
    ready_ = CreateDirectoryW(folder_.c_str(), nullptr) && CopyFileW(cuepadExe.c_str(), program_.c_str(), TRUE);
}

TestFolder::~TestFolder() {
    removeSettings();
    DeleteFileW(program_.c_str());
    RemoveDirectoryW(folder_.c_str());
}

std::optional<std::string> TestFolder::readSettings() const { return readBytes(settingsFile_); }

bool TestFolder::writeSettings(std::string_view bytes) const { return writeBytes(settingsFile_, bytes); }

void TestFolder::removeSettings() const { DeleteFileW(settingsFile_.c_str()); }

CuepadRun::CuepadRun(const std::wstring& program) {
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &info_)) {
        info_ = {};
    }
}

CuepadRun::~CuepadRun() {
    if (!started()) return;
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(info_.hProcess, 1);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

HWND CuepadRun::waitForMainWindow(std::chrono::milliseconds timeout) const {
    HWND window = nullptr;
    waitUntil(
        [&] {
            window = findVisibleTopLevelWindow(info_.dwProcessId);
            return window != nullptr && answersMessages(window, std::chrono::milliseconds(1000));
        },
        timeout);
    return window != nullptr && answersMessages(window, std::chrono::milliseconds(1000)) ? window : nullptr;
}

std::optional<DWORD> CuepadRun::waitForExit(std::chrono::milliseconds timeout) const {
    if (WaitForSingleObject(info_.hProcess, static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

}  // namespace cuepad::e2e
