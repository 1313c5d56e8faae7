// System services on Windows: files through the W API, message boxes, code page 936.
#include "platform/win32/win32_services.hpp"

#include "platform/text_until_zero.hpp"
#include "platform/win32/wide_text.hpp"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstring>

namespace cuepad::win32 {
namespace {

class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() { close(); }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }
    bool close() {
        if (!valid()) return true;
        const bool closed = CloseHandle(handle_) != 0;
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE handle_;
};

bool writeAll(HANDLE handle, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 20));
        DWORD written = 0;
        if (!WriteFile(handle, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
        bytes.remove_prefix(written);
    }
    return true;
}

// A name beside the target that no other save of this process uses at the same time.
std::wstring temporaryNameFor(const std::wstring& target) {
    static std::atomic<unsigned> counter{0};
    return target + L".cuepad-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++counter) +
           L".tmp";
}

}  // namespace

platform::TextFileRead Win32Services::readTextUntilZero(const std::string& path, std::size_t limit) {
    platform::TextFileRead result;
    if (path.empty()) return result;
    FileHandle file(CreateFileW(toWide(path).c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file.valid()) return result;
    LARGE_INTEGER size{};
    if (GetFileSizeEx(file.get(), &size) && static_cast<unsigned long long>(size.QuadPart) <= limit) {
        result.text.reserve(static_cast<std::size_t>(size.QuadPart));  // no regrowing on large sheets
    }
    char buffer[65536];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr)) {
            result.text.clear();
            return result;
        }
        if (got == 0) break;
        if (!platform::takeChunk(result, buffer, got, limit)) break;
    }
    result.readable = true;
    return result;
}

bool Win32Services::replaceFile(const std::string& path, std::string_view bytes) {
    if (path.empty()) return false;
    const std::wstring target = toWide(path);
    const std::wstring temporary = temporaryNameFor(target);
    FileHandle file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                                nullptr));
    if (!file.valid()) return false;
    const bool written = writeAll(file.get(), bytes) && FlushFileBuffers(file.get());
    const bool closed = file.close();
    if (written && closed &&
        MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return true;
    }
    DeleteFileW(temporary.c_str());
    return false;
}

void Win32Services::showMessage(std::string_view text) {
    MessageBoxW(nullptr, toWide(text).c_str(), L"\u4FE1\u606F\uFF1A", MB_OK | MB_TASKMODAL);  // 信息：
}

// Windows maps the private use area to code page 936's user-defined codes, other systems do not;
// such characters count as having no counterpart, so every build reads a sheet the same way.
static bool isPrivateUse(wchar_t c) { return c >= 0xE000 && c <= 0xF8FF; }

std::optional<std::string> Win32Services::utf8ToCodePage936(std::string_view utf8) {
    if (utf8.empty()) return std::string();
    const int length = static_cast<int>(utf8.size());
    const int needed = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), length, nullptr, 0);
    if (needed <= 0) return std::nullopt;
    std::wstring wide(static_cast<std::size_t>(needed), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), length, wide.data(), needed);
    if (std::any_of(wide.begin(), wide.end(), isPrivateUse)) return std::nullopt;
    return fromWideExact(wide);
}

std::string Win32Services::codePage936ToUtf8(std::string_view text) {
    std::wstring wide = toWide(text);
    std::replace_if(wide.begin(), wide.end(), isPrivateUse, L'\xFFFD');
    return fromWide(wide, CP_UTF8);
}

std::string Win32Services::runDirectory() {
    std::wstring path(512, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return ".";
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);  // long paths: no fixed MAX_PATH buffer
    }
    const std::size_t separator = path.find_last_of(L"\\/");
    return fromWide(separator == std::wstring::npos ? std::wstring_view(L".") : std::wstring_view(path).substr(0, separator));
}

bool Win32Services::writeStandardOutput(std::string_view bytes) {
    return writeAll(GetStdHandle(STD_OUTPUT_HANDLE), bytes);
}

void Win32Services::writeStandardError(std::string_view text) {
    const HANDLE handle = GetStdHandle(STD_ERROR_HANDLE);
    DWORD mode = 0;
    if (GetConsoleMode(handle, &mode)) {
        const std::wstring wide = toWide(text);
        DWORD written = 0;
        WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
    } else {
        writeAll(handle, text);
    }
}

}  // namespace cuepad::win32
