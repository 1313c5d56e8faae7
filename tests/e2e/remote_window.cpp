// Looking at and acting on another process's windows from outside.
#include "remote_window.hpp"

#include <algorithm>
#include <cstdint>

namespace cuepad::e2e {
namespace {

LPARAM pointParam(POINT p) {
    // The low word holds x and the high word y, each as a signed 16-bit value.
    const auto x = static_cast<std::uint16_t>(static_cast<std::int16_t>(p.x));
    const auto y = static_cast<std::uint16_t>(static_cast<std::int16_t>(p.y));
    return static_cast<LPARAM>((static_cast<std::uint32_t>(y) << 16) | x);
}

POINT toScreen(HWND window, POINT client) {
    ClientToScreen(window, &client);
    return client;
}

}  // namespace

std::wstring fromGbk(std::string_view gbk) {
    if (gbk.empty()) return {};
    const int length = static_cast<int>(gbk.size());
    const int wide = MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, gbk.data(), length, nullptr, 0);
    std::wstring result(static_cast<std::size_t>(wide), L'\0');
    MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, gbk.data(), length, result.data(), wide);
    return result;
}

std::string toUtf8(std::wstring_view text) {
    if (text.empty()) return {};
    const int length = static_cast<int>(text.size());
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), length, result.data(), bytes, nullptr, nullptr);
    return result;
}

HWND findVisibleTopLevelWindow(DWORD processId) {
    struct Search {
        DWORD processId;
        HWND found;
    } search{processId, nullptr};
    EnumWindows(
        [](HWND window, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner != s->processId || !IsWindowVisible(window) || GetWindow(window, GW_OWNER) != nullptr) {
                return TRUE;
            }
            s->found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool answersMessages(HWND window, std::chrono::milliseconds timeout) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, static_cast<UINT>(timeout.count()),
                               &result) != 0;
}

std::vector<HWND> childWindows(HWND parent) {
    std::vector<HWND> children;
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM param) -> BOOL {
            reinterpret_cast<std::vector<HWND>*>(param)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&children));
    return children;
}

std::optional<std::wstring> remoteStringProperty(HANDLE process, HWND window, const wchar_t* property) {
    const auto address = reinterpret_cast<std::uintptr_t>(GetPropW(window, property));
    if (address == 0) return std::nullopt;
    constexpr std::size_t kLongest = 1024;
    constexpr std::uintptr_t kPage = 4096;
    std::wstring text;
    std::uintptr_t at = address;
    while (text.size() < kLongest) {
        // Read up to the end of the page only: the next page may not be mapped.
        const std::size_t bytes = std::min<std::size_t>(kPage - at % kPage, 128);
        wchar_t chunk[64] = {};
        SIZE_T got = 0;
        if (!ReadProcessMemory(process, reinterpret_cast<const void*>(at), chunk, bytes, &got) || got < 2) {
            return std::nullopt;
        }
        const std::size_t chars = got / sizeof(wchar_t);
        const auto end = std::find(chunk, chunk + chars, L'\0');
        text.append(chunk, end);
        if (end != chunk + chars) return text;
        at += chars * sizeof(wchar_t);
    }
    return std::nullopt;
}

std::wstring className(HWND window) {
    wchar_t name[256] = {};
    const int length = GetClassNameW(window, name, 256);
    return std::wstring(name, static_cast<std::size_t>(std::max(length, 0)));
}

std::wstring windowText(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length)) return L"?";
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                        5000, &copied);
    text.resize(std::min<std::size_t>(copied, length));
    return text;
}

RECT rectInClient(HWND parent, HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

COLORREF screenPixel(HWND window, POINT client) {
    const POINT at = toScreen(window, client);
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, at.x, at.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

std::vector<COLORREF> screenPixels(HWND window, RECT client) {
    const POINT origin = toScreen(window, {client.left, client.top});
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    if (width <= 0 || height <= 0) return {};

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    std::vector<COLORREF> pixels;
    if (bitmap != nullptr) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, width, height, screen, origin.x, origin.y, SRCCOPY);
        GdiFlush();
        const auto* rows = static_cast<const std::uint32_t*>(bits);
        pixels.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
        for (std::size_t i = 0; i < static_cast<std::size_t>(width) * static_cast<std::size_t>(height); ++i) {
            // The DIB holds 0x00RRGGBB; COLORREF is 0x00BBGGRR.
            const std::uint32_t v = rows[i];
            pixels.push_back(((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF));
        }
        SelectObject(memory, old);
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

bool isTopmost(HWND window) { return (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

int checkState(HWND checkBox) {
    DWORD_PTR state = 0;
    if (!SendMessageTimeoutW(checkBox, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 5000, &state)) return -1;
    return static_cast<int>(state);
}

HWND focusedWindow(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
    return info.hwndFocus;
}

void postLeftClick(HWND window, POINT client) {
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, pointParam(client));
    PostMessageW(window, WM_LBUTTONUP, 0, pointParam(client));
}

void inputLeftClick(HWND window, POINT client) {
    const POINT at = toScreen(window, client);
    SetCursorPos(at.x, at.y);
    INPUT inputs[2] = {};
    inputs[0].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].type = INPUT_MOUSE;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, inputs, sizeof(INPUT));
}

void postKey(HWND window, UINT virtualKey) {
    const UINT scanCode = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
    const auto down = static_cast<LPARAM>(1 | (scanCode << 16));
    const auto up = static_cast<LPARAM>(static_cast<LONG_PTR>(1 | (scanCode << 16)) | (LONG_PTR{3} << 30));
    PostMessageW(window, WM_KEYDOWN, virtualKey, down);
    PostMessageW(window, WM_KEYUP, virtualKey, up);
}

}  // namespace cuepad::e2e
