// Labels, the window's buttons: a small window class of the program's own that paints its
// background and caption, reacts when the left button goes down and can show the hand pointer.
// A disabled label is a disabled window, so Windows sends it no mouse input at all. A label with
// the hand pointer is a button: Tab reaches it, and Space or Enter presses it.
#include "platform/win32/controls.hpp"

#include "platform/win32/wide_text.hpp"

namespace cuepad::win32 {
namespace {

constexpr wchar_t kLabelClass[] = L"CuepadLabel";

}  // namespace

Win32Label::Win32Label(SharedState state, HWND parent, std::string_view formName, platform::Rect place,
                       std::string_view caption)
    : Win32Control(std::move(state), parent, formName, place), caption_(caption) {}

void Win32Label::registerClass(HINSTANCE instance) { registerOwnClass(instance, kLabelClass, IDC_ARROW); }

void Win32Label::create(int id) { createOwnControl(kLabelClass, 0, toWide(caption_), id); }

void Win32Label::placeJustAbove(HWND below) {
    if (!hwnd()) return;
    const HWND above = GetWindow(below, GW_HWNDPREV);
    SetWindowPos(hwnd(), above ? above : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Win32Label::setHandPointer(bool hand) {
    hand_ = hand;
    if (!hwnd()) return;
    const LONG_PTR style = GetWindowLongPtrW(hwnd(), GWL_STYLE);
    SetWindowLongPtrW(hwnd(), GWL_STYLE, hand ? style | WS_TABSTOP : style & ~LONG_PTR{WS_TABSTOP});
}

LRESULT Win32Label::ownMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        // In the label's own text colour also while disabled: the program chooses that colour.
        paintCaption(caption_, shownFont_ ? shownFont_ : font(), screenColour(text_), DT_LEFT);
        return 0;
    case WM_ERASEBKGND:
        return 1;  // painted with the caption, so it does not flicker
    case WM_LBUTTONDOWN:
        leftButtonDown();
        return 0;
    case WM_MOUSEMOVE:
        mouseMoved(layoutPoint(lParam));
        return 0;
    case WM_SETCURSOR:
        if (setCursor(lParam)) return TRUE;
        break;
    case WM_GETDLGCODE:
        return keyWanted(lParam) ? DLGC_WANTMESSAGE : 0;
    case WM_KEYDOWN:
        // Bit 30: the key was already down, an auto-repeat; one press per key stroke.
        if ((wParam == VK_SPACE || wParam == VK_RETURN) && (lParam & (1 << 30)) == 0) leftButtonDown();
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        redraw();  // the focus rectangle
        return 0;
    case WM_SETFONT:
        shownFont_ = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam)) redraw();
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(shownFont_);
    default:
        break;
    }
    return ChildControl::ownMessage(message, wParam, lParam);
}

void Win32Label::setCaption(std::string_view caption) {
    caption_ = caption;
    // The window text too, so testers and accessibility tools read what is shown.
    if (hwnd()) SetWindowTextW(hwnd(), toWide(caption_).c_str());
    redraw();
}

// The dialog manager of the message loop would turn Enter into a command for the window.
bool Win32Label::keyWanted(LPARAM lParam) const {
    const auto* message = reinterpret_cast<const MSG*>(lParam);
    return hand_ && message && message->message == WM_KEYDOWN &&
           (message->wParam == VK_RETURN || message->wParam == VK_SPACE);
}

bool Win32Label::setCursor(LPARAM lParam) {
    if (!hand_ || LOWORD(lParam) != HTCLIENT) return false;
    SetCursor(LoadCursorW(nullptr, IDC_HAND));
    return true;
}

void Win32Label::leftButtonDown() {
    if (onLeftPress) onLeftPress();
}

}  // namespace cuepad::win32
