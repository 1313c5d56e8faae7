// The top-level window: a fixed frame centred on the primary screen's work area, the parent that
// reflects its controls' notifications and colour requests back to them, the drop target, and
// Esc (a command from the dialog manager) closing it.
#include "platform/win32/controls.hpp"
#include "platform/win32/lazy_library.hpp"

#include "platform/win32/wide_text.hpp"

#include <dwmapi.h>
#include <shellapi.h>

#include <algorithm>

namespace cuepad::win32 {
namespace {

constexpr wchar_t kWindowClass[] = L"CuepadWindow";
// Caption, minimise and close; no sizing border and no maximise. An owned window has no
// minimise button and keeps a task bar button of its own.
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kOwnedWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;

}  // namespace

void Win32Window::registerClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    // The program's icon when the executable carries one, else the system's.
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    if (!windowClass.hIcon) windowClass.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    windowClass.lpszClassName = kWindowClass;
    RegisterClassExW(&windowClass);
}

bool Win32Window::isToolkitWindow(HWND hwnd) {
    wchar_t name[32] = {};
    GetClassNameW(hwnd, name, static_cast<int>(std::size(name)));
    return std::wstring_view(name) == kWindowClass;
}

Win32Window::Win32Window(SharedState state)
    : state_(std::move(state)), brush_(CreateSolidBrush(screenColour(platform::kDefaultColour))) {}

Win32Window::~Win32Window() {
    // Takes the child windows with it while their objects still exist.
    if (hwnd_) DestroyWindow(hwnd_);
}

void Win32Window::create(const platform::WindowLayout& layout) {
    const Scale& scale = state_->scale;
    owner_ = layout.owner ? static_cast<Win32Window*>(layout.owner)->hwnd() : nullptr;
    caption_ = layout.caption;
    const DWORD style = owner_ ? kOwnedWindowStyle : kWindowStyle;
    const DWORD exStyle = owner_ ? WS_EX_APPWINDOW : 0;
    RECT frame{0, 0, scale.toScreen(layout.clientWidth), scale.toScreen(layout.clientHeight)};
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int x = std::max(work.left, work.left + (work.right - work.left - width) / 2);
    const int y = std::max(work.top, work.top + (work.bottom - work.top - height) / 2);
    CreateWindowExW(exStyle, kWindowClass, toWide(layout.caption).c_str(), style, x, y, width, height, owner_,
                    nullptr, state_->instance, this);
    if (!hwnd_) return;
    // What DragAcceptFiles does, without loading the shell library at start.
    SetWindowLongPtrW(hwnd_, GWL_EXSTYLE, GetWindowLongPtrW(hwnd_, GWL_EXSTYLE) | WS_EX_ACCEPTFILES);
    if (!state_->firstWindow) state_->firstWindow = hwnd_;
}

LRESULT CALLBACK Win32Window::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* window = static_cast<Win32Window*>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
        window->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
    }
    auto* window = reinterpret_cast<Win32Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!window) return DefWindowProcW(hwnd, message, wParam, lParam);
    return window->handle(message, wParam, lParam);
}

LRESULT Win32Window::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND self = hwnd_;
    switch (message) {
    case WM_COMMAND:
        command(wParam, lParam);
        return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:  // check boxes, and disabled edit boxes
    case WM_CTLCOLORBTN:
        return controlColours(message, wParam, lParam);
    case WM_ERASEBKGND:
        eraseBackground(reinterpret_cast<HDC>(wParam));
        return 1;
    case WM_MOUSEMOVE:
        mouseMoved(lParam);
        return 0;
    case WM_DROPFILES:
        filesDropped(reinterpret_cast<HDROP>(wParam));
        return 0;
    case WM_ACTIVATE:
        activated(wParam);
        return 0;
    case WM_CLOSE:
        close();
        return 0;
    case WM_DESTROY:
        destroyed();
        return 0;
    case WM_NCDESTROY:
        SetWindowLongPtrW(self, GWLP_USERDATA, 0);
        hwnd_ = nullptr;
        break;
    default:
        break;
    }
    return DefWindowProcW(self, message, wParam, lParam);
}

ChildControl* Win32Window::ownChild(LPARAM lParam) const {
    const auto child = reinterpret_cast<HWND>(lParam);
    if (!child || GetParent(child) != hwnd_) return nullptr;
    return ChildControl::fromHwnd(child);
}

void Win32Window::command(WPARAM wParam, LPARAM lParam) {
    if (ChildControl* control = ownChild(lParam)) {
        control->command(HIWORD(wParam));
    } else if (!lParam && LOWORD(wParam) == IDCANCEL) {
        close();  // Esc, turned into IDCANCEL by the dialog manager of the message loop
    }
}

LRESULT Win32Window::controlColours(UINT message, WPARAM wParam, LPARAM lParam) {
    if (const ChildControl* control = ownChild(lParam)) {
        return reinterpret_cast<LRESULT>(control->colours(reinterpret_cast<HDC>(wParam)));
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void Win32Window::eraseBackground(HDC dc) const {
    RECT client;
    GetClientRect(hwnd_, &client);
    FillRect(dc, &client, brush_.get());
}

void Win32Window::mouseMoved(LPARAM lParam) {
    if (onMouseMove) onMouseMove(layoutPoint(state_->scale, lParam));
}

// Every path is read before the first handler runs: a handler may show a modal window.
void Win32Window::filesDropped(HDROP drop) {
    const auto queryFile = CUEPAD_LAZY(L"shell32.dll", DragQueryFileW);
    const auto finish = CUEPAD_LAZY(L"shell32.dll", DragFinish);
    if (queryFile == nullptr || finish == nullptr) return;
    std::vector<std::string> paths;
    const UINT count = queryFile(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        const UINT length = queryFile(drop, i, nullptr, 0);
        std::wstring path(length + 1, L'\0');
        path.resize(queryFile(drop, i, path.data(), length + 1));
        paths.push_back(fromWide(path));
    }
    finish(drop);
    for (const std::string& path : paths) {
        if (onFileDropped) onFileDropped(path);
    }
}

// A plain window does not keep its focus control as a dialog does: the focus goes back to the
// control that had it, or to the first one that takes Tab.
void Win32Window::activated(WPARAM wParam) {
    if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus && IsChild(hwnd_, focus)) focus_ = focus;
        return;
    }
    HWND target = (focus_ && IsWindow(focus_) && IsChild(hwnd_, focus_)) ? focus_ : nullptr;
    if (!target) target = GetNextDlgTabItem(hwnd_, nullptr, FALSE);
    SetFocus(target ? target : hwnd_);
}

void Win32Window::destroyed() {
    // An owned window goes with its owner without a close of its own: it still says goodbye.
    if (!closing_) {
        closing_ = true;
        if (onClosing) onClosing();
    }
    if (state_->firstWindow != hwnd_) return;
    state_->firstWindowClosed = true;
    PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0);  // wakes the message loop
}

template <class Control>
Control& Win32Window::adopt(std::unique_ptr<Control> control) {
    Control& added = *control;
    controls_.push_back(std::move(control));
    added.create(nextId_++);
    return added;
}

namespace {

bool overlap(const platform::Rect& a, const platform::Rect& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

}  // namespace

// A label laid over a control made before it (a check box's caption) goes just above that
// control: it hides the caption and takes its clicks, while the box's square stays uncovered.
// Everything else keeps the order of creation, which is also the order Tab walks. Found from
// the places already known, without asking the window system about every sibling.
platform::Label& Win32Window::addLabel(std::string_view name, platform::Rect place, std::string_view caption) {
    const auto overlapped = std::find_if(controls_.begin(), controls_.end(), [&](const auto& control) {
        return overlap(control->place(), place);
    });
    const HWND below = overlapped == controls_.end() ? nullptr : (*overlapped)->hwnd();
    Win32Label& label = adopt(std::make_unique<Win32Label>(state_, hwnd_, name, place, caption));
    if (below) label.placeJustAbove(below);
    return label;
}

platform::EditBox& Win32Window::addEditBox(std::string_view name, platform::Rect place) {
    return adopt(std::make_unique<Win32EditBox>(state_, hwnd_, name, place, false));
}

platform::EditBox& Win32Window::addTextBox(std::string_view name, platform::Rect place) {
    return adopt(std::make_unique<Win32EditBox>(state_, hwnd_, name, place, true));
}

platform::Link& Win32Window::addLink(std::string_view name, platform::Rect place, std::string_view caption,
                                     std::string_view address) {
    return adopt(std::make_unique<Win32Link>(state_, hwnd_, name, place, caption, address));
}

platform::CheckBox& Win32Window::addCheckBox(std::string_view name, platform::Rect place, std::string_view caption) {
    return adopt(std::make_unique<Win32CheckBox>(state_, hwnd_, name, place, caption));
}

platform::ListBox& Win32Window::addListBox(std::string_view name, platform::Rect place) {
    return adopt(std::make_unique<Win32ListBox>(state_, hwnd_, name, place));
}

// A menu is no window, so its form name has nowhere to go.
platform::PopupMenu& Win32Window::addPopupMenu(std::string_view) {
    return *menus_.emplace_back(std::make_unique<Win32PopupMenu>(state_, hwnd_));
}

void Win32Window::setBackgroundColour(platform::Colour colour) {
    background_ = colour;
    brush_.reset(CreateSolidBrush(screenColour(colour)));
    if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

void Win32Window::setTopmost(bool topmost) {
    if (!hwnd_) return;
    SetWindowPos(hwnd_, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool Win32Window::isTopmost() const {
    return hwnd_ && (GetWindowLongPtrW(hwnd_, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

void Win32Window::setEnabled(bool enabled) {
    if (hwnd_) EnableWindow(hwnd_, enabled ? TRUE : FALSE);
}

bool Win32Window::isEnabled() const { return hwnd_ && IsWindowEnabled(hwnd_) != 0; }

void Win32Window::setCaption(std::string_view caption) {
    caption_ = caption;
    if (hwnd_) SetWindowTextW(hwnd_, toWide(caption_).c_str());
}

// Layered with the key colour see-through, and the glass frame over the whole client area. The
// functions are looked up now: systems without them simply show no glass.
void Win32Window::applyGlass(platform::Colour keyColour) {
    if (!hwnd_) return;
    SetWindowLongPtrW(hwnd_, GWL_EXSTYLE, GetWindowLongPtrW(hwnd_, GWL_EXSTYLE) | WS_EX_LAYERED);
    if (const auto setLayered = CUEPAD_LAZY(L"user32.dll", SetLayeredWindowAttributes)) {
        setLayered(hwnd_, screenColour(keyColour), 255, LWA_COLORKEY);
    }
    if (const auto extendFrame = CUEPAD_LAZY(L"dwmapi.dll", DwmExtendFrameIntoClientArea)) {
        const MARGINS wholeClientArea{-1, -1, -1, -1};
        extendFrame(hwnd_, &wholeClientArea);
    }
}

void Win32Window::show() {
    if (!hwnd_) return;
    ShowWindow(hwnd_, SW_SHOW);
    UpdateWindow(hwnd_);
}

void Win32Window::close() {
    if (!hwnd_ || closing_) return;
    closing_ = true;
    if (onClosing) onClosing();
    // Enabled before this window goes, so the activation passes to the owner, not elsewhere.
    if (owner_ && IsWindow(owner_)) EnableWindow(owner_, TRUE);
    if (hwnd_) DestroyWindow(hwnd_);
}

}  // namespace cuepad::win32
