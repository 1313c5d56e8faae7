// The driver's side of the XDND helper.
#include "file_drag.hpp"

#include "check_report.hpp"
#include "remote_window.hpp"

#include <utility>

namespace cuepad::e2e {
namespace {

using namespace std::chrono_literals;

std::string readWhole(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string bytes;
    char chunk[512];
    DWORD got = 0;
    while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) bytes.append(chunk, got);
    CloseHandle(file);
    while (!bytes.empty() && (bytes.back() == '\n' || bytes.back() == '\r')) bytes.pop_back();
    return bytes;
}

// The Unix path that Wine maps a Windows path to (the helper lives outside Wine).
std::string unixPath(const std::wstring& path) {
    using Convert = char*(CDECL*)(const wchar_t*);
    const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    const FARPROC found = kernel != nullptr ? GetProcAddress(kernel, "wine_get_unix_file_name") : nullptr;
    if (found == nullptr) return {};
    const auto convert = reinterpret_cast<Convert>(reinterpret_cast<void (*)()>(found));
    char* converted = convert(path.c_str());
    if (converted == nullptr) return {};
    std::string result = converted;
    HeapFree(GetProcessHeap(), 0, converted);
    return result;
}

}  // namespace

FileDrag::FileDrag(std::wstring folder) : folder_(std::move(folder)) {
    if (folder_.empty()) {
        why_ = "no drag helper folder was given";
        return;
    }
    available_ = waitUntil([&] { return GetFileAttributesW((folder_ + L"\\ready").c_str()) != INVALID_FILE_ATTRIBUTES; },
                           5s);
    if (!available_) why_ = "the drag helper did not say it is ready";
}

std::string FileDrag::hover(POINT screen, const std::wstring& path) {
    const std::string target = unixPath(path);
    if (target.empty()) return "no Unix path for the file (not running under Wine?)";
    DeleteFileW((folder_ + L"\\hovering").c_str());
    if (!request(L"hover", std::to_string(screen.x) + " " + std::to_string(screen.y) + "\n" + target + "\n")) {
        return lastError_;
    }
    return awaitAnswer(L"hovering", 10s);
}

bool FileDrag::release() {
    DeleteFileW((folder_ + L"\\released").c_str());
    return request(L"release", "release\n");
}

std::string FileDrag::releaseOutcome(std::chrono::milliseconds timeout) { return awaitAnswer(L"released", timeout); }

// Written under a temporary name and renamed, so the helper never reads half a request.
bool FileDrag::request(const wchar_t* name, const std::string& text) {
    // No leading dot: Wine shows such names as hidden, and CREATE_ALWAYS refuses hidden files.
    const std::wstring temporary = folder_ + L"\\" + name + L".part";
    HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        lastError_ = cat({"cannot create a request file (error ", std::to_string(GetLastError()), ")"});
        return false;
    }
    DWORD written = 0;
    const bool ok = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
                    written == text.size();
    CloseHandle(file);
    // Wine's rename now and then fails at once (seen: error 8) and works when tried again.
    const std::wstring final = folder_ + L"\\" + name;
    const auto renamed = [&] { return MoveFileExW(temporary.c_str(), final.c_str(), MOVEFILE_REPLACE_EXISTING) != 0; };
    if (!ok || !waitUntil(renamed, 1s)) {
        lastError_ = cat({"cannot write a request file (error ", std::to_string(GetLastError()), ")"});
        return false;
    }
    return true;
}

std::string FileDrag::awaitAnswer(const wchar_t* name, std::chrono::milliseconds timeout) {
    const std::wstring path = folder_ + L"\\" + name;
    if (!waitUntil([&] { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }, timeout)) {
        return "the drag helper did not answer";
    }
    std::string answer = readWhole(path);
    DeleteFileW(path.c_str());
    return answer;
}

}  // namespace cuepad::e2e
