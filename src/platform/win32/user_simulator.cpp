// The simulated user of the win32 toolkit. Mouse input goes to the window Windows would give it
// (the topmost enabled control under the point, else its parent); keys are posted and run through
// the message loop's dialog manager with the modifiers held in the thread's keyboard state.
#include "platform/win32/user_simulator.hpp"

#include "platform/win32/controls.hpp"
#include "platform/win32/wide_text.hpp"

#include <shlobj.h>  // DROPFILES

#include <algorithm>
#include <array>
#include <cstring>
#include <deque>
#include <map>
#include <optional>
#include <utility>

namespace cuepad::win32 {
namespace {

// Two 16-bit values in the low and high words, as MAKELPARAM packs them.
LPARAM wordsParam(long low, long high) {
    const auto lowWord = static_cast<DWORD>(low) & 0xFFFFu;
    const auto highWord = static_cast<DWORD>(high) & 0xFFFFu;
    return static_cast<LPARAM>((highWord << 16) | lowWord);
}

HWND handleOf(platform::Control& control) {
    const auto* child = dynamic_cast<ChildControl*>(&control);
    return child ? child->hwnd() : nullptr;
}

std::string windowText(HWND hwnd) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return fromWide(text);
}

struct MouseTarget {
    HWND hwnd;
    POINT client;
};

// The window a mouse message at `client` of `over` goes to: from the top-level window down, the
// topmost visible child under the point; a disabled child's input goes to its parent.
MouseTarget mouseTarget(HWND over, POINT client) {
    POINT screen = client;
    ClientToScreen(over, &screen);
    HWND target = GetAncestor(over, GA_ROOT);
    for (;;) {
        POINT inTarget = screen;
        ScreenToClient(target, &inTarget);
        const HWND child = ChildWindowFromPointEx(target, inTarget, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
        if (!child || child == target || !IsWindowEnabled(child)) break;
        target = child;
    }
    POINT inTarget = screen;
    ScreenToClient(target, &inTarget);
    return {target, inTarget};
}

MouseTarget middleOf(HWND hwnd) {
    RECT client;
    GetClientRect(hwnd, &client);
    return mouseTarget(hwnd, {client.right / 2, client.bottom / 2});
}

void sendMouse(const MouseTarget& target, UINT message, WPARAM buttons) {
    SendMessageW(target.hwnd, message, buttons, wordsParam(target.client.x, target.client.y));
}

void pressAndRelease(const MouseTarget& target) {
    sendMouse(target, WM_LBUTTONDOWN, MK_LBUTTON);
    sendMouse(target, WM_LBUTTONUP, 0);
}

// The lParam of a key message: repeat count 1, the scan code, the Alt context bit, and for a
// release the previous-state and transition bits.
LPARAM keyParam(int virtualKey, bool alt, bool release) {
    DWORD bits = 1u | (MapVirtualKeyW(static_cast<UINT>(virtualKey), MAPVK_VK_TO_VSC) << 16);
    if (alt) bits |= 1u << 29;
    if (release) bits |= (1u << 30) | (1u << 31);
    return static_cast<LPARAM>(bits);
}

void postKeyDown(HWND hwnd, int virtualKey) {
    PostMessageW(hwnd, WM_KEYDOWN, static_cast<WPARAM>(virtualKey), keyParam(virtualKey, false, false));
}

// Control, Shift and Alt held in the thread's keyboard state (what GetKeyState reads) while an
// object lives.
class HeldModifiers {
public:
    explicit HeldModifiers(int modifiers) {
        GetKeyboardState(saved_.data());
        std::array<BYTE, 256> keys = saved_;
        hold(keys, VK_CONTROL, VK_LCONTROL, (modifiers & platform::kControlKey) != 0);
        hold(keys, VK_SHIFT, VK_LSHIFT, (modifiers & platform::kShiftKey) != 0);
        hold(keys, VK_MENU, VK_LMENU, (modifiers & platform::kAltKey) != 0);
        SetKeyboardState(keys.data());
    }
    ~HeldModifiers() { SetKeyboardState(saved_.data()); }
    HeldModifiers(const HeldModifiers&) = delete;
    HeldModifiers& operator=(const HeldModifiers&) = delete;

private:
    static void hold(std::array<BYTE, 256>& keys, int key, int leftKey, bool down) {
        const BYTE state = down ? 0x80 : 0;
        keys[static_cast<std::size_t>(key)] = state;
        keys[static_cast<std::size_t>(leftKey)] = state;
    }

    std::array<BYTE, 256> saved_{};
};

class Simulator final : public Win32UserSimulator, private ModalResponder {
public:
    explicit Simulator(Win32Toolkit& toolkit) : state_(toolkit.state()) { state_->responder = this; }
    ~Simulator() override {
        if (state_->responder == this) state_->responder = nullptr;
    }
    Simulator(const Simulator&) = delete;
    Simulator& operator=(const Simulator&) = delete;

    void type(platform::EditBox& box, std::string_view text) override;
    void pressKey(platform::EditBox& box, platform::KeyPress key) override;
    void click(platform::Label& label) override;
    void click(platform::CheckBox& box) override;
    void click(platform::Link& link) override;
    void doubleClick(platform::EditBox& box) override;
    void clickItem(platform::ListBox& list, int index) override;
    void doubleClickItem(platform::ListBox& list, int index) override;
    void rightPress(platform::ListBox& list, platform::Point at) override;
    void rightRelease(platform::ListBox& list, platform::Point at) override;
    void moveMouse(platform::Control& control, platform::Point at) override;
    void dropFiles(platform::Window& window, const std::vector<std::string>& paths) override;
    void pressEscape(platform::Window& window) override;
    void answerNextInputBox(std::optional<std::string> answer) override { inputAnswers_.push_back(std::move(answer)); }
    void whileNextModal(std::function<void(platform::Window& dialog)> act) override { modalAct_ = std::move(act); }
    void settle() override { runPendingMessages(); }

    void chooseOnNextShow(platform::PopupMenu& menu, int item) override { menuChoices_[&menu] = item; }
    std::vector<InputBoxShown> shownInputBoxes() const override { return shownInputBoxes_; }
    bool showsHandPointer(platform::Label& label) override;

private:
    void menuShowing(const platform::PopupMenu& menu, HWND owner) override;
    void inputBoxShowing(HWND dialog) override;
    void modalShowing(platform::Window& dialog) override;
    POINT toScreen(platform::Point at) const { return {state_->scale.toScreen(at.x), state_->scale.toScreen(at.y)}; }
    // The middle of the item, scrolled into view first as a person would.
    std::optional<MouseTarget> itemTarget(platform::ListBox& list, int index) const;

    SharedState state_;
    std::map<const platform::PopupMenu*, int> menuChoices_;
    std::deque<std::optional<std::string>> inputAnswers_;
    std::vector<InputBoxShown> shownInputBoxes_;
    std::function<void(platform::Window& dialog)> modalAct_;
};

// One WM_CHAR per character, as the keyboard sends them. A person clicks after the text first,
// unless some of it is selected: then the typing replaces the selection.
void Simulator::type(platform::EditBox& box, std::string_view text) {
    const HWND edit = handleOf(box);
    if (!edit || !IsWindowEnabled(edit)) return;
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    if (start == end) {
        const int length = GetWindowTextLengthW(edit);
        SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(length), length);
    }
    for (std::size_t i = 0; i < text.size();) {
        const bool lead = IsDBCSLeadByteEx(kProgramCodePage, static_cast<BYTE>(text[i])) && i + 1 < text.size();
        const std::size_t length = lead ? 2 : 1;
        for (const wchar_t unit : toWide(text.substr(i, length))) SendMessageW(edit, WM_CHAR, unit, 1);
        i += length;
    }
}

// Posted, so the key passes the dialog manager of the message loop as a real one does.
void Simulator::pressKey(platform::EditBox& box, platform::KeyPress key) {
    const HWND edit = handleOf(box);
    if (!edit || !IsWindowEnabled(edit)) return;
    const HeldModifiers held(key.modifiers);
    // Windows reports a key pressed with Alt held as a system key.
    const bool alt = (key.modifiers & platform::kAltKey) != 0;
    const auto virtualKey = static_cast<WPARAM>(key.virtualKey);
    PostMessageW(edit, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, virtualKey, keyParam(key.virtualKey, alt, false));
    PostMessageW(edit, alt ? WM_SYSKEYUP : WM_KEYUP, virtualKey, keyParam(key.virtualKey, alt, true));
    runPendingMessages();
}

void Simulator::click(platform::Label& label) {
    if (const HWND hwnd = handleOf(label)) pressAndRelease(middleOf(hwnd));
}

void Simulator::click(platform::Link& link) {
    if (const HWND hwnd = handleOf(link)) pressAndRelease(middleOf(hwnd));
}

// As the system reports two quick clicks: down, up, double-click, up.
void Simulator::doubleClick(platform::EditBox& box) {
    const HWND hwnd = handleOf(box);
    if (!hwnd) return;
    const MouseTarget target = middleOf(hwnd);
    pressAndRelease(target);
    sendMouse(target, WM_LBUTTONDBLCLK, MK_LBUTTON);
    sendMouse(target, WM_LBUTTONUP, 0);
}

void Simulator::modalShowing(platform::Window& dialog) {
    if (const auto act = std::exchange(modalAct_, nullptr)) act(dialog);
    runPendingMessages();
    dialog.close();
}

// On the square, which sits at the left edge, vertically centred.
void Simulator::click(platform::CheckBox& box) {
    const HWND hwnd = handleOf(box);
    if (!hwnd) return;
    RECT client;
    GetClientRect(hwnd, &client);
    pressAndRelease(mouseTarget(hwnd, {std::min<LONG>(client.right / 2, state_->scale.toScreen(6)), client.bottom / 2}));
}

std::optional<MouseTarget> Simulator::itemTarget(platform::ListBox& list, int index) const {
    const HWND hwnd = handleOf(list);
    if (!hwnd || index < 0 || index >= list.itemCount()) return std::nullopt;
    RECT item{};
    RECT client;
    GetClientRect(hwnd, &client);
    SendMessageW(hwnd, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    if (item.top < client.top || item.bottom > client.bottom) {
        SendMessageW(hwnd, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
        SendMessageW(hwnd, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    }
    return mouseTarget(hwnd, {(item.left + item.right) / 2, (item.top + item.bottom) / 2});
}

void Simulator::clickItem(platform::ListBox& list, int index) {
    if (const auto target = itemTarget(list, index)) pressAndRelease(*target);
}

// The messages of a double click: the second press comes as WM_LBUTTONDBLCLK.
void Simulator::doubleClickItem(platform::ListBox& list, int index) {
    const auto target = itemTarget(list, index);
    if (!target) return;
    pressAndRelease(*target);
    sendMouse(*target, WM_LBUTTONDBLCLK, MK_LBUTTON);
    sendMouse(*target, WM_LBUTTONUP, 0);
}

void Simulator::rightPress(platform::ListBox& list, platform::Point at) {
    if (const HWND hwnd = handleOf(list)) sendMouse(mouseTarget(hwnd, toScreen(at)), WM_RBUTTONDOWN, MK_RBUTTON);
}

void Simulator::rightRelease(platform::ListBox& list, platform::Point at) {
    if (const HWND hwnd = handleOf(list)) sendMouse(mouseTarget(hwnd, toScreen(at)), WM_RBUTTONUP, 0);
}

void Simulator::moveMouse(platform::Control& control, platform::Point at) {
    if (const HWND hwnd = handleOf(control)) sendMouse(mouseTarget(hwnd, toScreen(at)), WM_MOUSEMOVE, 0);
}

// The drop the shell makes: a DROPFILES block of UTF-16 paths in movable global memory, which
// the window's DragFinish frees.
void Simulator::dropFiles(platform::Window& window, const std::vector<std::string>& paths) {
    const HWND hwnd = static_cast<Win32Window&>(window).hwnd();
    if (!hwnd || paths.empty()) return;
    std::wstring names;
    for (const std::string& path : paths) {
        names += toWide(path);
        names += L'\0';
    }
    names += L'\0';
    const std::size_t nameBytes = names.size() * sizeof(wchar_t);
    const HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + nameBytes);
    if (!memory) return;
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    std::memcpy(drop + 1, names.data(), nameBytes);
    GlobalUnlock(memory);
    SendMessageW(hwnd, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
}

// To the control with the focus, or the window itself, through the message loop.
void Simulator::pressEscape(platform::Window& window) {
    const HWND hwnd = static_cast<Win32Window&>(window).hwnd();
    if (!hwnd) return;
    const HWND focus = GetFocus();
    const HWND target = (focus && IsChild(hwnd, focus)) ? focus : hwnd;
    postKeyDown(target, VK_ESCAPE);
    PostMessageW(target, WM_KEYUP, VK_ESCAPE, keyParam(VK_ESCAPE, false, true));
    runPendingMessages();
}

bool Simulator::showsHandPointer(platform::Label& label) {
    const HWND hwnd = handleOf(label);
    if (!hwnd) return false;
    const HCURSOR before = SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    SendMessageW(hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(hwnd), wordsParam(HTCLIENT, WM_MOUSEMOVE));
    const bool hand = GetCursor() == LoadCursorW(nullptr, IDC_HAND);
    SetCursor(before);
    return hand;
}

// Keys the menu's own loop reads: Down moves from no item to the first and on, Enter chooses,
// Esc dismisses.
void Simulator::menuShowing(const platform::PopupMenu& menu, HWND owner) {
    int item = -1;
    if (const auto found = menuChoices_.find(&menu); found != menuChoices_.end()) {
        item = found->second;
        menuChoices_.erase(found);
    }
    if (item < 0) {
        postKeyDown(owner, VK_ESCAPE);
        return;
    }
    for (int i = 0; i <= item; ++i) postKeyDown(owner, VK_DOWN);
    postKeyDown(owner, VK_RETURN);
}

// Records what the box shows, then answers it: the answer replaces the selected initial text and
// Enter confirms; with no answer, Esc cancels.
void Simulator::inputBoxShowing(HWND dialog) {
    const HWND field = GetDlgItem(dialog, kInputFieldId);
    shownInputBoxes_.push_back({windowText(dialog), windowText(GetDlgItem(dialog, kInputPromptId)), windowText(field)});
    std::optional<std::string> answer;
    if (!inputAnswers_.empty()) {
        answer = std::move(inputAnswers_.front());
        inputAnswers_.pop_front();
    }
    if (!answer) {
        postKeyDown(field, VK_ESCAPE);
        return;
    }
    SetWindowTextW(field, toWide(*answer).c_str());
    postKeyDown(field, VK_RETURN);
}

}  // namespace

std::unique_ptr<Win32UserSimulator> makeWin32UserSimulator(platform::Toolkit& toolkit) {
    return std::make_unique<Simulator>(dynamic_cast<Win32Toolkit&>(toolkit));
}

}  // namespace cuepad::win32
