// The modal one-line input box: a dialog built in memory with a prompt, a field whose initial
// text is fully selected, OK (the default, Enter) and Cancel (Esc).
#include "platform/win32/controls.hpp"

#include "platform/win32/wide_text.hpp"

#include <vector>

namespace cuepad::win32 {
namespace {

constexpr char kOkText[] = "\xC8\xB7\xB6\xA8";      // 确定
constexpr char kCancelText[] = "\xC8\xA1\xCF\xFB";  // 取消

// Writes a DLGTEMPLATE and its items: WORDs, with every item on a DWORD boundary.
class DialogTemplate {
public:
    DialogTemplate(DWORD style, WORD itemCount, short width, short height) {
        dword(style);
        dword(0);  // extended style
        word(itemCount);
        coordinates(0, 0, width, height);
        word(0);  // no menu
        word(0);  // the dialog class
        word(0);  // the caption is set once the dialog exists
        word(9);  // points of the dialog font
        text(L"MS Shell Dlg");
    }

    // An item of a predefined class (0x0080 button, 0x0081 edit, 0x0082 static).
    void item(WORD windowClass, WORD id, DWORD style, short x, short y, short width, short height) {
        if (words_.size() % 2) word(0);
        dword(WS_CHILD | WS_VISIBLE | style);
        dword(0);
        coordinates(x, y, width, height);
        word(id);
        word(0xFFFF);
        word(windowClass);
        word(0);  // texts are set once the dialog exists
        word(0);  // no creation data
    }

    const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

private:
    void word(WORD value) { words_.push_back(value); }
    void dword(DWORD value) {
        word(LOWORD(value));
        word(HIWORD(value));
    }
    void coordinates(short x, short y, short width, short height) {
        for (const short value : {x, y, width, height}) word(static_cast<WORD>(value));
    }
    void text(const wchar_t* characters) {
        for (; *characters; ++characters) word(static_cast<WORD>(*characters));
        word(0);
    }

    std::vector<WORD> words_;
};

struct InputBox {
    const ToolkitState* state;
    std::wstring caption;
    std::wstring prompt;
    std::wstring text;
    bool confirmed = false;
};

INT_PTR initialise(HWND dialog, InputBox& box) {
    SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(&box));
    SetWindowTextW(dialog, box.caption.c_str());
    SetDlgItemTextW(dialog, kInputPromptId, box.prompt.c_str());
    SetDlgItemTextW(dialog, IDOK, toWide(kOkText).c_str());
    SetDlgItemTextW(dialog, IDCANCEL, toWide(kCancelText).c_str());
    const HWND field = GetDlgItem(dialog, kInputFieldId);
    SendMessageW(field, EM_SETLIMITTEXT, 0, 0);
    SetWindowTextW(field, box.text.c_str());
    SendMessageW(field, EM_SETSEL, 0, -1);
    SetFocus(field);
    if (box.state->responder) box.state->responder->inputBoxShowing(dialog);
    return FALSE;  // the focus is set
}

void confirm(HWND dialog, InputBox& box) {
    const HWND field = GetDlgItem(dialog, kInputFieldId);
    box.text.assign(static_cast<std::size_t>(GetWindowTextLengthW(field)) + 1, L'\0');
    box.text.resize(static_cast<std::size_t>(GetWindowTextW(field, box.text.data(), static_cast<int>(box.text.size()))));
    box.confirmed = true;
    EndDialog(dialog, IDOK);
}

INT_PTR CALLBACK dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* box = reinterpret_cast<InputBox*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        return initialise(dialog, *reinterpret_cast<InputBox*>(lParam));
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK && box) {
            confirm(dialog, *box);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

}  // namespace

std::optional<std::string> runInputBox(const ToolkitState& state, HWND owner, std::string_view caption,
                                       std::string_view prompt, std::string_view initialText) {
    // Dialog units: the box grows with the dialog font and so with the screen's DPI.
    DialogTemplate dialog(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER | DS_SHELLFONT, 4, 220, 62);
    dialog.item(0x0082, kInputPromptId, SS_LEFT | SS_NOPREFIX, 7, 7, 206, 10);
    dialog.item(0x0081, kInputFieldId, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 7, 20, 206, 13);
    dialog.item(0x0080, IDOK, WS_TABSTOP | BS_DEFPUSHBUTTON, 109, 40, 50, 14);
    dialog.item(0x0080, IDCANCEL, WS_TABSTOP | BS_PUSHBUTTON, 163, 40, 50, 14);

    InputBox box{&state, toWide(caption), toWide(prompt), toWide(initialText)};
    DialogBoxIndirectParamW(state.instance, dialog.get(), owner, dialogProc, reinterpret_cast<LPARAM>(&box));
    if (!box.confirmed) return std::nullopt;
    return fromWide(box.text);
}

}  // namespace cuepad::win32
