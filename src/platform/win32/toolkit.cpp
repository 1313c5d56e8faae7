// The win32 toolkit: registers the window classes, measures the screen's DPI, creates windows,
// runs the message loop through the dialog manager (Tab moves the focus, Esc closes) and shows
// the input box.
#include "platform/win32/controls.hpp"
#include "platform/win32/lazy_library.hpp"
#include "platform/win32/win32_toolkit.hpp"

#include <commctrl.h>

namespace cuepad::win32 {

Win32Toolkit::Win32Toolkit(HINSTANCE instance) : state_(std::make_shared<ToolkitState>()) {
    state_->instance = instance;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    if (const auto initialise = CUEPAD_LAZY(L"comctl32.dll", InitCommonControlsEx)) initialise(&controls);
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    if (dpi > 0) state_->scale.dpi = dpi;
    Win32Window::registerClass(instance);
    Win32Label::registerClass(instance);
    Win32Link::registerClass(instance);
}

std::unique_ptr<platform::Window> Win32Toolkit::createWindow(const platform::WindowLayout& layout) {
    auto window = std::make_unique<Win32Window>(state_);
    window->create(layout);
    return window;
}

void Win32Toolkit::runMessageLoop() {
    if (!state_->firstWindow) return;
    MSG message;
    while (!state_->firstWindowClosed && GetMessageW(&message, nullptr, 0, 0) > 0) dispatchMessage(message);
}

// The window's own loop: messages run until the dialog has gone. A quit request ends it early
// and is passed on to the loop outside.
void Win32Toolkit::runModal(platform::Window& dialog, platform::Window& owner) {
    auto& shown = static_cast<Win32Window&>(dialog);
    owner.setEnabled(false);
    shown.show();
    if (state_->responder) state_->responder->modalShowing(shown);
    MSG message;
    while (shown.hwnd()) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        dispatchMessage(message);
    }
    owner.setEnabled(true);
}

std::optional<std::string> Win32Toolkit::askText(platform::Window& owner, std::string_view caption,
                                                 std::string_view prompt, std::string_view initialText) {
    return runInputBox(*state_, static_cast<Win32Window&>(owner).hwnd(), caption, prompt, initialText);
}

platform::Point Win32Toolkit::pointerPosition() {
    POINT point{};
    GetCursorPos(&point);
    return {point.x, point.y};
}

void Win32Toolkit::clickAtPointer() {
    INPUT inputs[2] = {};
    inputs[0].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].type = INPUT_MOUSE;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, inputs, sizeof(INPUT));
}

void dispatchMessage(MSG& message) {
    const HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (root && Win32Window::isToolkitWindow(root) && IsDialogMessageW(root, &message)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

void runPendingMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) dispatchMessage(message);
}

std::unique_ptr<platform::Toolkit> makeWin32Toolkit(HINSTANCE instance) {
    return std::make_unique<Win32Toolkit>(instance);
}

HWND nativeWindow(platform::Window& window) { return static_cast<Win32Window&>(window).hwnd(); }

}  // namespace cuepad::win32
