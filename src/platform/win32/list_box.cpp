// Unsorted list boxes. Writes from code use the messages that notify nobody; the user's clicks
// arrive as LBN_SELCHANGE and LBN_DBLCLK, the right button through a subclass.
#include "platform/win32/controls.hpp"

#include "platform/win32/wide_text.hpp"

#include <algorithm>

namespace cuepad::win32 {

void Win32ListBox::create(int id) {
    // No integral height: the list keeps the size it was given.
    createSystemControl(L"LISTBOX", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, L"", id);
}

LRESULT Win32ListBox::send(UINT message, WPARAM wParam, LPARAM lParam) const {
    return hwnd() ? SendMessageW(hwnd(), message, wParam, lParam) : LB_ERR;
}

void Win32ListBox::clear() { send(LB_RESETCONTENT); }

void Win32ListBox::addItem(std::string_view text) {
    const std::wstring wide = toWide(text);
    send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

void Win32ListBox::insertItem(int index, std::string_view text) {
    const std::wstring wide = toWide(text);
    // An index outside the list appends, as the list box does with -1.
    const int at = (index < 0 || index > itemCount()) ? -1 : index;
    send(LB_INSERTSTRING, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(wide.c_str()));
}

void Win32ListBox::removeItem(int index) {
    if (!valid(index)) return;
    const int current = currentItem();
    send(LB_DELETESTRING, static_cast<WPARAM>(index));
    // Said outright: the selection stays with its item, or goes with it.
    const int after = current == index ? -1 : (current > index ? current - 1 : current);
    send(LB_SETCURSEL, static_cast<WPARAM>(after));
}

// There is no message that replaces an item's text: delete and insert it again, keeping the
// selection and the top visible item, without redrawing in between.
void Win32ListBox::setItemText(int index, std::string_view text) {
    if (!valid(index) || itemText(index) == text) return;
    const int current = currentItem();
    const LRESULT top = send(LB_GETTOPINDEX);
    const std::wstring wide = toWide(text);
    send(WM_SETREDRAW, FALSE);
    send(LB_DELETESTRING, static_cast<WPARAM>(index));
    send(LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(wide.c_str()));
    send(LB_SETCURSEL, static_cast<WPARAM>(current));
    send(LB_SETTOPINDEX, static_cast<WPARAM>(top));
    send(WM_SETREDRAW, TRUE);
    redraw();
}

void Win32ListBox::setRedraw(bool on) {
    send(WM_SETREDRAW, on ? TRUE : FALSE);
    if (on) redraw();
}

int Win32ListBox::itemCount() const {
    const LRESULT count = send(LB_GETCOUNT);
    return count == LB_ERR ? 0 : static_cast<int>(count);
}

std::string Win32ListBox::itemText(int index) const {
    if (!valid(index)) return {};
    const LRESULT length = send(LB_GETTEXTLEN, static_cast<WPARAM>(index));
    if (length == LB_ERR) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied = send(LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied == LB_ERR ? 0 : static_cast<std::size_t>(copied));
    return fromWide(text);
}

// Above the last item selects the last one, below -1 clears; LB_SETCURSEL notifies nobody.
void Win32ListBox::setCurrentItem(int index) {
    const int count = itemCount();
    const int clamped = (index < 0 || count == 0) ? -1 : std::min(index, count - 1);
    send(LB_SETCURSEL, static_cast<WPARAM>(clamped));
}

int Win32ListBox::currentItem() const {
    const LRESULT current = send(LB_GETCURSEL);
    return current == LB_ERR ? -1 : static_cast<int>(current);
}

void Win32ListBox::command(WORD code) {
    switch (code) {
    case LBN_SELCHANGE:
        if (onSelectionChanged) onSelectionChanged();
        break;
    case LBN_DBLCLK:
        if (onDoubleClick) onDoubleClick();
        break;
    default:
        break;
    }
}

LRESULT Win32ListBox::subclassed(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_RBUTTONDOWN:
        if (onRightButtonDown) onRightButtonDown(layoutPoint(lParam));
        break;
    case WM_RBUTTONUP:
        if (onRightButtonUp) onRightButtonUp(layoutPoint(lParam));
        break;
    default:
        break;
    }
    return ChildControl::subclassed(message, wParam, lParam);
}

}  // namespace cuepad::win32
