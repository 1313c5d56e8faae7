// What every control of the win32 toolkit shares: its child window with the form name as a window
// property, the subclass that reports mouse moves, colours, run-time border styles and fonts.
#include "platform/win32/controls.hpp"

#include "platform/win32/wide_text.hpp"

#include <commctrl.h>

#include <algorithm>

namespace cuepad::win32 {
namespace {


// The window style bits that draw a child's border, and which of them each style uses.
constexpr LONG_PTR kBorderStyleBits = WS_BORDER;
constexpr LONG_PTR kBorderExStyleBits = WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME | WS_EX_STATICEDGE;

struct BorderBits {
    LONG_PTR style;
    LONG_PTR exStyle;
};

BorderBits borderBits(platform::BorderStyle border) {
    switch (border) {
    case platform::BorderStyle::None: return {0, 0};
    case platform::BorderStyle::Sunken: return {0, WS_EX_CLIENTEDGE};
    case platform::BorderStyle::Raised: return {0, WS_EX_DLGMODALFRAME};
    case platform::BorderStyle::ShallowSunken: return {0, WS_EX_STATICEDGE};
    case platform::BorderStyle::SunkenInRaised: return {0, WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME};
    case platform::BorderStyle::ThinLine: return {WS_BORDER, 0};
    }
    return {0, 0};
}

}  // namespace

COLORREF screenColour(platform::Colour colour) {
    return colour == platform::kDefaultColour ? GetSysColor(COLOR_BTNFACE) : COLORREF{colour & 0x00FFFFFFu};
}

ChildControl::ChildControl(SharedState state, HWND parent, std::string_view formName, platform::Rect place)
    : state_(std::move(state)), parent_(parent), place_(place), formName_(toWide(formName)),
      brush_(CreateSolidBrush(screenColour(background_))) {}

ChildControl* ChildControl::fromHwnd(HWND hwnd) {
    return reinterpret_cast<ChildControl*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

HWND ChildControl::createChild(const wchar_t* windowClass, DWORD style, const std::wstring& text, int id,
                               void* creationData) {
    const Scale& s = scale();
    return CreateWindowExW(0, windowClass, text.c_str(), WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style,
                           s.toScreen(place_.x), s.toScreen(place_.y), s.toScreen(place_.width),
                           s.toScreen(place_.height), parent_, reinterpret_cast<HMENU>(INT_PTR{id}), state_->instance,
                           creationData);
}

void ChildControl::createSystemControl(const wchar_t* windowClass, DWORD style, const std::wstring& text, int id) {
    const HWND hwnd = createChild(windowClass, style, text, id, nullptr);
    if (!hwnd) return;
    adopt(hwnd);
    // Subclassed by replacing the window procedure: the system's subclassing helper costs a
    // tenth of a millisecond per message under Wine, which adds up when a list takes 999 items.
    original_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ChildControl::subclassProc)));
}

void ChildControl::registerOwnClass(HINSTANCE instance, const wchar_t* windowClass, const wchar_t* cursor) {
    WNDCLASSEXW ownClass{};
    ownClass.cbSize = sizeof ownClass;
    ownClass.lpfnWndProc = ownClassProc;  // no CS_DBLCLKS: a quick second press is a press too
    ownClass.hInstance = instance;
    ownClass.hCursor = LoadCursorW(nullptr, cursor);
    ownClass.lpszClassName = windowClass;
    RegisterClassExW(&ownClass);
}

void ChildControl::createOwnControl(const wchar_t* windowClass, DWORD style, const std::wstring& text, int id) {
    createChild(windowClass, style, text, id, this);
}

LRESULT CALLBACK ChildControl::ownClassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        static_cast<ChildControl*>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams)->adopt(hwnd);
    }
    ChildControl* control = fromHwnd(hwnd);
    if (control == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        control->detach();
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return control->ownMessage(message, wParam, lParam);
}

LRESULT ChildControl::ownMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void ChildControl::paintCaption(const std::string& caption, HFONT captionFont, COLORREF textColour, UINT alignment) {
    PAINTSTRUCT paintStruct;
    const HDC dc = BeginPaint(hwnd_, &paintStruct);
    RECT client;
    GetClientRect(hwnd_, &client);
    FillRect(dc, &client, colours(dc));
    SetTextColor(dc, textColour);
    SetBkMode(dc, TRANSPARENT);
    const HGDIOBJ oldFont = SelectObject(dc, captionFont);
    const std::wstring text = toWide(caption);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &client,
              alignment | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, oldFont);
    if (GetFocus() == hwnd_) {
        RECT inner = client;
        InflateRect(&inner, -2, -2);
        DrawFocusRect(dc, &inner);
    }
    EndPaint(hwnd_, &paintStruct);
}

void ChildControl::adopt(HWND hwnd) {
    hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    // Testers find a control by its form name; one in another process reads the text at this
    // address with ReadProcessMemory.
    SetPropW(hwnd, kFormNameProperty, const_cast<wchar_t*>(formName_.c_str()));
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font()), FALSE);
}

void ChildControl::detach() {
    if (!hwnd_) return;
    enabled_ = IsWindowEnabled(hwnd_) != 0;
    RemovePropW(hwnd_, kFormNameProperty);
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    hwnd_ = nullptr;
}

LRESULT CALLBACK ChildControl::subclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    ChildControl* control = fromHwnd(hwnd);
    if (control == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
    switch (message) {
    case WM_MOUSEMOVE:
        control->mouseMoved(control->layoutPoint(lParam));
        break;
    case WM_NCDESTROY: {
        const WNDPROC original = control->original_;
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        control->detach();
        return CallWindowProcW(original, hwnd, message, wParam, lParam);
    }
    default:
        break;
    }
    return control->subclassed(message, wParam, lParam);
}

LRESULT ChildControl::subclassed(UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcW(original_, hwnd_, message, wParam, lParam);
}

platform::Point layoutPoint(const Scale& scale, LPARAM lParam) {
    // Client coordinates are signed 16-bit values in the low and high words.
    const auto x = static_cast<short>(LOWORD(lParam));
    const auto y = static_cast<short>(HIWORD(lParam));
    return {scale.toLayout(x), scale.toLayout(y)};
}

HBRUSH ChildControl::colours(HDC dc) const {
    SetTextColor(dc, screenColour(text_));
    SetBkColor(dc, screenColour(background_));
    return brush_.get();
}

void ChildControl::changeBackground(platform::Colour colour) {
    background_ = colour;
    brush_.reset(CreateSolidBrush(screenColour(colour)));
    redraw();
}

void ChildControl::changeTextColour(platform::Colour colour) {
    text_ = colour;
    redraw();
}

void ChildControl::changeBorder(platform::BorderStyle style) {
    // Recomputing a frame is costly; applying a scheme sets every border again, mostly unchanged.
    if (style == border_) return;
    border_ = style;
    if (!hwnd_) return;
    const BorderBits bits = borderBits(style);
    const LONG_PTR oldStyle = GetWindowLongPtrW(hwnd_, GWL_STYLE);
    const LONG_PTR oldExStyle = GetWindowLongPtrW(hwnd_, GWL_EXSTYLE);
    SetWindowLongPtrW(hwnd_, GWL_STYLE, (oldStyle & ~kBorderStyleBits) | bits.style);
    SetWindowLongPtrW(hwnd_, GWL_EXSTYLE, (oldExStyle & ~kBorderExStyleBits) | bits.exStyle);
    // The frame is recomputed only when asked; the window keeps its outer place and size.
    SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    // A hidden window paints everything when it is shown; nothing to do now.
    if (IsWindowVisible(hwnd_)) RedrawWindow(hwnd_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE);
}

void ChildControl::changeFontFace(std::string_view face) {
    fontFace_ = toWide(face);
    rebuildFont();
}

void ChildControl::changeFontPoints(int points) {
    fontPoints_ = points;
    rebuildFont();
}

void ChildControl::rebuildFont() {
    // Points to pixels at the screen's DPI; negative asks for the character height. A missing
    // face falls back to the system's choice.
    const int height = fontPoints_ > 0 ? -MulDiv(fontPoints_, scale().dpi, 72) : 0;
    font_ = state_->fonts.font(fontFace_, height);
    if (hwnd_) SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font()), IsWindowVisible(hwnd_));
}

HFONT ChildControl::font() const {
    return font_ ? font_ : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

FontCache::~FontCache() {
    for (const auto& entry : fonts_) DeleteObject(entry.second);
}

HFONT FontCache::font(const std::wstring& face, int height) {
    const auto key = std::make_pair(face, height);
    if (const auto found = fonts_.find(key); found != fonts_.end()) return found->second;
    LOGFONTW look{};
    look.lfHeight = height;
    look.lfWeight = FW_NORMAL;
    look.lfCharSet = DEFAULT_CHARSET;
    look.lfQuality = DEFAULT_QUALITY;
    const std::size_t length = std::min(face.size(), std::size_t{LF_FACESIZE - 1});
    std::copy_n(face.begin(), length, look.lfFaceName);
    const HFONT created = CreateFontIndirectW(&look);
    fonts_.emplace(key, created);
    return created;
}

void ChildControl::changeEnabled(bool enabled) {
    enabled_ = enabled;
    if (hwnd_) EnableWindow(hwnd_, enabled ? TRUE : FALSE);
}

bool ChildControl::enabledNow() const { return hwnd_ ? IsWindowEnabled(hwnd_) != 0 : enabled_; }

void ChildControl::redraw() const {
    if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

}  // namespace cuepad::win32
