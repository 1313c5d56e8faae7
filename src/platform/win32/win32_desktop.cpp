// The desktop on Windows.
#include "platform/win32/win32_desktop.hpp"

#include "platform/win32/lazy_library.hpp"
#include "platform/win32/wide_text.hpp"

#include <windows.h>
#include <dwmapi.h>
#include <shellapi.h>

#include <memory>

namespace cuepad::win32 {

namespace {

HWND toHandle(platform::WindowHandle window) { return reinterpret_cast<HWND>(window); }

BOOL CALLBACK collectOwnWindow(HWND window, LPARAM list) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId()) {
        reinterpret_cast<std::vector<platform::WindowHandle>*>(list)->push_back(
            reinterpret_cast<platform::WindowHandle>(window));
    }
    return TRUE;
}

DWORD WINAPI runWorker(LPVOID parameter) {
    const std::unique_ptr<std::function<void()>> work(static_cast<std::function<void()>*>(parameter));
    (*work)();
    return 0;
}

}  // namespace

platform::TaskBar Win32Desktop::taskBar() {
    const auto appBarMessage = CUEPAD_LAZY(L"shell32.dll", SHAppBarMessage);
    if (appBarMessage == nullptr) return {platform::kEdgeBottom, 0, 0, 0, 0, true};
    APPBARDATA data{};
    data.cbSize = sizeof data;
    appBarMessage(ABM_GETTASKBARPOS, &data);
    platform::TaskBar bar;
    bar.edge = static_cast<int>(data.uEdge);
    bar.left = data.rc.left;
    bar.top = data.rc.top;
    bar.right = data.rc.right;
    bar.bottom = data.rc.bottom;
    APPBARDATA state{};
    state.cbSize = sizeof state;
    bar.autoHide = (appBarMessage(ABM_GETSTATE, &state) & ABS_AUTOHIDE) != 0;
    return bar;
}

platform::Point Win32Desktop::screenSize() { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

std::vector<platform::WindowHandle> Win32Desktop::ownTopLevelWindows() {
    std::vector<platform::WindowHandle> windows;
    EnumWindows(collectOwnWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

std::string Win32Desktop::className(platform::WindowHandle window) {
    wchar_t name[255] = {};
    const int length = GetClassNameW(toHandle(window), name, 255);
    return length > 0 ? fromWide(std::wstring_view(name, static_cast<std::size_t>(length))) : std::string();
}

std::string Win32Desktop::windowText(platform::WindowHandle window) {
    wchar_t text[255] = {};
    const int length = GetWindowTextW(toHandle(window), text, 255);
    return length > 0 ? fromWide(std::wstring_view(text, static_cast<std::size_t>(length))) : std::string();
}

platform::Rect Win32Desktop::windowRect(platform::WindowHandle window) {
    RECT rect{};
    GetWindowRect(toHandle(window), &rect);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

void Win32Desktop::moveWindow(platform::WindowHandle window, platform::Rect place) {
    MoveWindow(toHandle(window), place.x, place.y, place.width, place.height, TRUE);
}

// Version 6 or later, and the desktop window manager composing. A failed version query leaves
// the major version 0; the window manager's library is looked up only on such systems.
bool Win32Desktop::glassAvailable() {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;  // 148 bytes
    GetVersionExA(&version);
    if (version.dwMajorVersion < 6) return false;
    const auto compositionEnabled = CUEPAD_LAZY(L"dwmapi.dll", DwmIsCompositionEnabled);
    if (compositionEnabled == nullptr) return false;
    BOOL enabled = FALSE;
    compositionEnabled(&enabled);
    return enabled == TRUE;
}

void Win32Desktop::sleepMilliseconds(int milliseconds) { Sleep(static_cast<DWORD>(milliseconds)); }

bool Win32Desktop::startWorker(std::function<void()> work) {
    auto* parameter = new std::function<void()>(std::move(work));
    const HANDLE thread = CreateThread(nullptr, 0, runWorker, parameter, 0, nullptr);
    if (thread == nullptr) {
        delete parameter;
        return false;
    }
    CloseHandle(thread);  // detached: nothing waits for a worker
    return true;
}

}  // namespace cuepad::win32
