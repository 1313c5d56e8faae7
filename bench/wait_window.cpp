// Measures a GUI program's start-up from outside: starts it, waits until its main window is
// visible, answers messages and has nothing left to paint (neither the window nor any of its
// child windows), prints the milliseconds from process start to that moment, then closes it.
// Usage: wait_window PROGRAM.exe     Exit code 0 when measured, 1 otherwise.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

constexpr DWORD kTimeoutMs = 30000;

struct Search {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK matchTopLevel(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !IsWindowVisible(window) || GetWindow(window, GW_OWNER) != nullptr) return TRUE;
    search->found = window;
    return FALSE;
}

BOOL CALLBACK noteUnpainted(HWND child, LPARAM param) {
    if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE)) {
        *reinterpret_cast<bool*>(param) = true;
        return FALSE;
    }
    return TRUE;
}

// Visible, answering, and no pending paint anywhere in its window tree.
bool painted(HWND window) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &result)) return false;
    if (GetUpdateRect(window, nullptr, FALSE)) return false;
    bool unpainted = false;
    EnumChildWindows(window, noteUnpainted, reinterpret_cast<LPARAM>(&unpainted));
    return !unpainted;
}

double millisecondsSince(const LARGE_INTEGER& start) {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart - start.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: wait_window PROGRAM.exe\n");
        return 1;
    }
    std::wstring commandLine = L"\"" + std::wstring(argv[1]) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(argv[1], commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        std::fprintf(stderr, "cannot start the program (error %lu)\n", GetLastError());
        return 1;
    }

    Search search{process.dwProcessId, nullptr};
    double elapsed = -1;
    while (millisecondsSince(start) < kTimeoutMs) {
        if (search.found == nullptr) EnumWindows(matchTopLevel, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr && painted(search.found)) {
            elapsed = millisecondsSince(start);
            break;
        }
        if (WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0) break;  // ended without a window
    }

    if (search.found != nullptr) PostMessageW(search.found, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);

    if (elapsed < 0) {
        std::fprintf(stderr, "no painted window within %lu ms\n", kTimeoutMs);
        return 1;
    }
    std::printf("%.1f\n", elapsed);
    return 0;
}
