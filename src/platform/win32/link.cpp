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

void Win32Link::registerClass(HINSTANCE instance) { registerOwnClass(instance, kLinkClass, IDC_HAND); }

void Win32Link::create(int id) { createOwnControl(kLinkClass, 0, toWide(caption_), id); }

LRESULT Win32Link::ownMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        paintCaption(caption_, font(), screenColour(hot_ ? hover_ : (visited_ ? visitedColour_ : text_)), DT_CENTER);
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
    default:
        break;
    }
    return ChildControl::ownMessage(message, wParam, lParam);
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


}  // namespace cuepad::win32
