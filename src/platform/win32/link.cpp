// Hyperlinks: a small window class of the program's own that paints its caption centred in the
// link colour (hover colour under the mouse, visited colour once opened) and opens its address
// through the shell's "open" verb when the left button goes down.
#include "platform/win32/controls.hpp"
#include "platform/win32/lazy_library.hpp"

#include "platform/win32/wide_text.hpp"

#include <shellapi.h>

namespace cuepad::win32 {
namespace {

constexpr wchar_t kLinkClass[] = L"CuepadLink";

// ShellExecute answers a value above 32 when it has started something for the address.
bool shellOpen(const std::wstring& address) {
    const auto execute = CUEPAD_LAZY(L"shell32.dll", ShellExecuteW);
    if (execute == nullptr) return false;
    const HINSTANCE result = execute(nullptr, L"open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace

Win32Link::Win32Link(SharedState state, HWND parent, std::string_view formName, platform::Rect place,
                     std::string_view caption, std::string_view address)
    : Win32Control(std::move(state), parent, formName, place), caption_(caption), address_(address) {}

void Win32Link::registerClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_HAND);
    windowClass.lpszClassName = kLinkClass;
    RegisterClassExW(&windowClass);
}

void Win32Link::create(int id) { createOwnControl(kLinkClass, 0, toWide(caption_), id); }

LRESULT CALLBACK Win32Link::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        static_cast<Win32Link*>(static_cast<ChildControl*>(creation->lpCreateParams))->adopt(hwnd);
    }
    ChildControl* control = fromHwnd(hwnd);
    if (!control) return DefWindowProcW(hwnd, message, wParam, lParam);
    return static_cast<Win32Link*>(control)->handle(message, wParam, lParam);
}

LRESULT Win32Link::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND self = hwnd();
    switch (message) {
    case WM_PAINT:
        paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;  // painted with the caption
    case WM_LBUTTONDOWN:
        pressed();
        return 0;
    case WM_MOUSEMOVE:
        pointerEntered();
        mouseMoved(layoutPoint(lParam));
        return 0;
    case WM_MOUSELEAVE:
        hot_ = false;
        redraw();
        return 0;
    case WM_NCDESTROY:
        detach();
        break;
    default:
        break;
    }
    return DefWindowProcW(self, message, wParam, lParam);
}

void Win32Link::setHoverColour(platform::Colour colour) {
    hover_ = colour;
    if (hot_) redraw();
}

void Win32Link::setVisitedColour(platform::Colour colour) {
    visitedColour_ = colour;
    if (visited_) redraw();
}

// The hover colour lasts until the system reports the pointer has left.
void Win32Link::pointerEntered() {
    if (hot_) return;
    hot_ = true;
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd(), 0};
    TrackMouseEvent(&track);
    redraw();
}

void Win32Link::pressed() {
    if (onLeftPress) onLeftPress();
    if (!hwnd() || !shellOpen(toWide(address_))) return;
    visited_ = true;
    redraw();
}

void Win32Link::paint() {
    PAINTSTRUCT paintStruct;
    const HDC dc = BeginPaint(hwnd(), &paintStruct);
    RECT client;
    GetClientRect(hwnd(), &client);
    FillRect(dc, &client, colours(dc));
    const platform::Colour shown = hot_ ? hover_ : (visited_ ? visitedColour_ : text_);
    SetTextColor(dc, screenColour(shown));
    SetBkMode(dc, TRANSPARENT);
    const HGDIOBJ oldFont = SelectObject(dc, font());
    const std::wstring text = toWide(caption_);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &client,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, oldFont);
    EndPaint(hwnd(), &paintStruct);
}

}  // namespace cuepad::win32
