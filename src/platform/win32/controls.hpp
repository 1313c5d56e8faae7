// The parts of the win32 window toolkit, shared by the files of this folder: one class per control
// kind over a real child window, the window, the toolkit and the state they share. The app and the
// tests include win32_toolkit.hpp and user_simulator.hpp instead.
#pragma once

#include "platform/toolkit.hpp"

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cuepad::win32 {

//--- Shared by every window of one toolkit

// Places and sizes are given at 96 DPI; the screen may have more pixels per inch.
struct Scale {
    int dpi = 96;
    int toScreen(int value) const { return MulDiv(value, dpi, 96); }
    int toLayout(int value) const { return MulDiv(value, 96, dpi); }
};

// Test support: while a simulated user is attached, the modal helpers let it answer them, as a
// person would, instead of waiting. Nothing calls it in the program.
class ModalResponder {
public:
    virtual ~ModalResponder() = default;
    // `menu` is about to be tracked, owned by `owner`: queue the input that chooses from it.
    virtual void menuShowing(const platform::PopupMenu& menu, HWND owner) = 0;
    // The input box has its texts in place and is about to be shown: queue the answer.
    virtual void inputBoxShowing(HWND dialog) = 0;
    // A modal window has been shown: act in it, and close it if it is still open.
    virtual void modalShowing(platform::Window& dialog) = 0;
};

// One font per face and size for the whole toolkit: forty controls share one, instead of each
// creating its own (font creation is slow, under Wine above all).
class FontCache {
public:
    FontCache() = default;
    FontCache(const FontCache&) = delete;
    FontCache& operator=(const FontCache&) = delete;
    ~FontCache();
    HFONT font(const std::wstring& face, int height);

private:
    std::map<std::pair<std::wstring, int>, HFONT> fonts_;
};

struct ToolkitState {
    HINSTANCE instance = nullptr;
    Scale scale;
    HWND firstWindow = nullptr;
    bool firstWindowClosed = false;
    ModalResponder* responder = nullptr;
    FontCache fonts;
};
using SharedState = std::shared_ptr<ToolkitState>;

// Lets the queued messages of this thread run, the way the message loop runs them.
void runPendingMessages();
// One message through the dialog manager of its toolkit window (Tab, Esc), else to its window.
void dispatchMessage(MSG& message);

// The client point of a mouse message, at 96 DPI.
platform::Point layoutPoint(const Scale& scale, LPARAM lParam);

//--- Drawing helpers

// Owns one GDI object.
template <class Handle>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : handle_(handle) {}
    ~GdiObject() { reset(); }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    void reset(Handle handle = nullptr) {
        if (handle_) DeleteObject(handle_);
        handle_ = handle;
    }
    Handle release() {
        Handle handle = handle_;
        handle_ = nullptr;
        return handle;
    }
    Handle get() const { return handle_; }

private:
    Handle handle_ = nullptr;
};

// The toolkit's default colour is the system's button face; other values are plain 0x00BBGGRR.
COLORREF screenColour(platform::Colour colour);

// The name under which every control keeps its form name (UTF-16) as a window property.
inline constexpr wchar_t kFormNameProperty[] = L"cuepad.name";

//--- What every control shares

// A control's child window and its look. The parent window reflects WM_COMMAND and WM_CTLCOLOR*
// to the object, found through the child's GWLP_USERDATA.
class ChildControl {
public:
    ChildControl(SharedState state, HWND parent, std::string_view formName, platform::Rect place);
    // The child window goes with its parent window, which is destroyed first.
    virtual ~ChildControl() = default;
    ChildControl(const ChildControl&) = delete;
    ChildControl& operator=(const ChildControl&) = delete;

    // Creates the child window; called once the object is complete.
    virtual void create(int id) = 0;

    HWND hwnd() const { return hwnd_; }
    const platform::Rect& place() const { return place_; }
    const Scale& scale() const { return state_->scale; }
    static ChildControl* fromHwnd(HWND hwnd);

    // A notification the control sent to its parent (EN_CHANGE, LBN_SELCHANGE, BN_CLICKED ...).
    virtual void command(WORD) {}
    // The answer to WM_CTLCOLOR*: the control's colours and background brush.
    HBRUSH colours(HDC dc) const;
    // The control's window is going away.
    void detach();

protected:
    // Creates a child of a system class (EDIT, LISTBOX, BUTTON) and subclasses it.
    void createSystemControl(const wchar_t* windowClass, DWORD style, const std::wstring& text, int id);
    // A window class of the program's own, whose messages go to `ownMessage` of its control.
    static void registerOwnClass(HINSTANCE instance, const wchar_t* windowClass, const wchar_t* cursor);
    // Creates a child of such a class.
    void createOwnControl(const wchar_t* windowClass, DWORD style, const std::wstring& text, int id);
    // A message to a child of the program's own class; the default is the system's handling.
    virtual LRESULT ownMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Paints an own-class child: its background, then `caption` on one line, vertically centred,
    // aligned by `alignment` (DT_LEFT or DT_CENTER), with a focus rectangle when it has the focus.
    void paintCaption(const std::string& caption, HFONT captionFont, COLORREF textColour, UINT alignment);
    void adopt(HWND hwnd);
    // A message to a subclassed system control, after the mouse-move check and before its own
    // window procedure, which the default passes it on to.
    virtual LRESULT subclassed(UINT message, WPARAM wParam, LPARAM lParam);
    virtual void mouseMoved(platform::Point) {}
    platform::Point layoutPoint(LPARAM lParam) const { return win32::layoutPoint(scale(), lParam); }

    void changeBackground(platform::Colour colour);
    void changeTextColour(platform::Colour colour);
    void changeBorder(platform::BorderStyle style);
    void changeFontFace(std::string_view face);
    void changeFontPoints(int points);
    void changeEnabled(bool enabled);
    bool enabledNow() const;
    HFONT font() const;
    void redraw() const;

    platform::Colour background_ = platform::kDefaultColour;
    platform::Colour text_ = 0;
    platform::BorderStyle border_ = platform::BorderStyle::None;

private:
    HWND createChild(const wchar_t* windowClass, DWORD style, const std::wstring& text, int id, void* creationData);
    static LRESULT CALLBACK subclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK ownClassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void rebuildFont();

    SharedState state_;
    HWND parent_;
    platform::Rect place_;
    std::wstring formName_;  // the window property points at it while the window lives
    HWND hwnd_ = nullptr;
    WNDPROC original_ = nullptr;  // the system control's own window procedure
    bool enabled_ = true;
    GdiObject<HBRUSH> brush_;
    std::wstring fontFace_;
    int fontPoints_ = 0;
    HFONT font_ = nullptr;  // shared, owned by the toolkit's font cache
};

// The seam's common control properties over a ChildControl.
template <class Base>
class Win32Control : public Base, public ChildControl {
public:
    using ChildControl::ChildControl;

    void setBackgroundColour(platform::Colour colour) override { changeBackground(colour); }
    platform::Colour backgroundColour() const override { return background_; }
    void setTextColour(platform::Colour colour) override { changeTextColour(colour); }
    platform::Colour textColour() const override { return text_; }
    void setBorderStyle(platform::BorderStyle style) override { changeBorder(style); }
    platform::BorderStyle borderStyle() const override { return border_; }
    void setFontFace(std::string_view face) override { changeFontFace(face); }
    void setFontPoints(int points) override { changeFontPoints(points); }
    void setEnabled(bool enabled) override { changeEnabled(enabled); }
    bool isEnabled() const override { return enabledNow(); }

protected:
    void mouseMoved(platform::Point at) override {
        if (this->onMouseMove) this->onMouseMove(at);
    }
};

//--- Label: a window class of the program's own

class Win32Label final : public Win32Control<platform::Label> {
public:
    Win32Label(SharedState state, HWND parent, std::string_view formName, platform::Rect place,
               std::string_view caption);
    void create(int id) override;

    void setCaption(std::string_view caption) override;
    std::string caption() const override { return caption_; }
    void setHandPointer(bool hand) override;
    // Moves the label in the stacking order to just above `below`, and so also in Tab's order.
    void placeJustAbove(HWND below);

    static void registerClass(HINSTANCE instance);

private:
    LRESULT ownMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool keyWanted(LPARAM lParam) const;
    bool setCursor(LPARAM lParam);
    void leftButtonDown();

    std::string caption_;  // kept as given: code page 936 bytes need not survive UTF-16
    bool hand_ = false;
    HFONT shownFont_ = nullptr;
};

//--- Link: a window class of the program's own

class Win32Link final : public Win32Control<platform::Link> {
public:
    Win32Link(SharedState state, HWND parent, std::string_view formName, platform::Rect place,
              std::string_view caption, std::string_view address);
    void create(int id) override;

    std::string caption() const override { return caption_; }
    std::string address() const override { return address_; }
    void setHoverColour(platform::Colour colour) override;
    platform::Colour hoverColour() const override { return hover_; }
    void setVisitedColour(platform::Colour colour) override;
    platform::Colour visitedColour() const override { return visitedColour_; }
    bool isVisited() const override { return visited_; }

    static void registerClass(HINSTANCE instance);

private:
    LRESULT ownMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void pointerEntered();
    void pressed();

    std::string caption_;
    std::string address_;
    platform::Colour hover_ = 0;
    platform::Colour visitedColour_ = 0;
    bool visited_ = false;
    bool hot_ = false;  // the pointer is over the link
};

//--- Edit box

class Win32EditBox final : public Win32Control<platform::EditBox> {
public:
    // A multi-line box is centred, without scroll bars, and hides its selection without focus.
    Win32EditBox(SharedState state, HWND parent, std::string_view formName, platform::Rect place, bool multiLine)
        : Win32Control(std::move(state), parent, formName, place), multiLine_(multiLine) {}
    void create(int id) override;

    void setText(std::string_view text) override;
    std::string text() const override;
    void selectAll() override;
    void command(WORD code) override;

private:
    LRESULT subclassed(UINT message, WPARAM wParam, LPARAM lParam) override;
    void keyDown(WPARAM key);
    LRESULT dialogCode(WPARAM wParam, LPARAM lParam);

    bool writing_ = false;  // the native EN_CHANGE of a write from code is not the user's
    bool multiLine_ = false;
};

//--- Check box

class Win32CheckBox final : public Win32Control<platform::CheckBox> {
public:
    Win32CheckBox(SharedState state, HWND parent, std::string_view formName, platform::Rect place,
                  std::string_view caption);
    void create(int id) override;

    void setChecked(bool checked) override;
    bool isChecked() const override;
    void command(WORD code) override;

private:
    std::wstring caption_;
};

//--- List box

class Win32ListBox final : public Win32Control<platform::ListBox> {
public:
    using Win32Control::Win32Control;
    void create(int id) override;

    void clear() override;
    void addItem(std::string_view text) override;
    void insertItem(int index, std::string_view text) override;
    void removeItem(int index) override;
    void setItemText(int index, std::string_view text) override;
    int itemCount() const override;
    std::string itemText(int index) const override;
    void setCurrentItem(int index) override;
    int currentItem() const override;
    void setRedraw(bool on) override;
    void command(WORD code) override;

private:
    LRESULT subclassed(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool valid(int index) const { return index >= 0 && index < itemCount(); }
    LRESULT send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
};

//--- Pop-up menu

class Win32PopupMenu final : public platform::PopupMenu {
public:
    Win32PopupMenu(SharedState state, HWND owner);
    ~Win32PopupMenu() override;
    Win32PopupMenu(const Win32PopupMenu&) = delete;
    Win32PopupMenu& operator=(const Win32PopupMenu&) = delete;

    void addItem(std::string_view text, std::function<void()> onChosen) override;
    void showAt(platform::Point screenPoint) override;

private:
    SharedState state_;
    HWND owner_;
    HMENU menu_;
    std::vector<std::function<void()>> choices_;  // item i has the command i + 1
};

//--- Window

class Win32Window final : public platform::Window {
public:
    explicit Win32Window(SharedState state);
    ~Win32Window() override;
    Win32Window(const Win32Window&) = delete;
    Win32Window& operator=(const Win32Window&) = delete;

    void create(const platform::WindowLayout& layout);
    HWND hwnd() const { return hwnd_; }

    platform::Label& addLabel(std::string_view name, platform::Rect place, std::string_view caption) override;
    platform::EditBox& addEditBox(std::string_view name, platform::Rect place) override;
    platform::EditBox& addTextBox(std::string_view name, platform::Rect place) override;
    platform::Link& addLink(std::string_view name, platform::Rect place, std::string_view caption,
                            std::string_view address) override;
    platform::CheckBox& addCheckBox(std::string_view name, platform::Rect place, std::string_view caption) override;
    platform::ListBox& addListBox(std::string_view name, platform::Rect place) override;
    platform::PopupMenu& addPopupMenu(std::string_view name) override;

    void setBackgroundColour(platform::Colour colour) override;
    platform::Colour backgroundColour() const override { return background_; }
    void setTopmost(bool topmost) override;
    bool isTopmost() const override;
    void setEnabled(bool enabled) override;
    bool isEnabled() const override;
    void setCaption(std::string_view caption) override;
    std::string caption() const override { return caption_; }
    void applyGlass(platform::Colour keyColour) override;
    void show() override;
    void close() override;

    static void registerClass(HINSTANCE instance);
    // Whether `hwnd` is a top-level window of this toolkit.
    static bool isToolkitWindow(HWND hwnd);

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    ChildControl* ownChild(LPARAM lParam) const;
    void command(WPARAM wParam, LPARAM lParam);
    void activated(WPARAM wParam);
    LRESULT controlColours(UINT message, WPARAM wParam, LPARAM lParam);
    void eraseBackground(HDC dc) const;
    void filesDropped(HDROP drop);
    void mouseMoved(LPARAM lParam);
    void destroyed();
    template <class Control>
    Control& adopt(std::unique_ptr<Control> control);

    SharedState state_;
    HWND hwnd_ = nullptr;
    HWND owner_ = nullptr;  // enabled again before this window goes, so it takes the activation
    std::string caption_;
    platform::Colour background_ = platform::kDefaultColour;
    GdiObject<HBRUSH> brush_;
    bool closing_ = false;
    HWND focus_ = nullptr;  // the control that had the focus when the window was last deactivated
    int nextId_ = 100;  // above IDOK and IDCANCEL, which the dialog manager sends on its own
    std::vector<std::unique_ptr<ChildControl>> controls_;
    std::vector<std::unique_ptr<Win32PopupMenu>> menus_;
};

//--- Input box and toolkit

// The control ids of the input box, for the simulated user that answers it.
inline constexpr int kInputPromptId = 100;
inline constexpr int kInputFieldId = 101;

// The modal one-line input box: nothing when cancelled.
std::optional<std::string> runInputBox(const ToolkitState& state, HWND owner, std::string_view caption,
                                       std::string_view prompt, std::string_view initialText);

class Win32Toolkit final : public platform::Toolkit {
public:
    explicit Win32Toolkit(HINSTANCE instance);

    std::unique_ptr<platform::Window> createWindow(const platform::WindowLayout& layout) override;
    void runMessageLoop() override;
    void runModal(platform::Window& dialog, platform::Window& owner) override;
    std::optional<std::string> askText(platform::Window& owner, std::string_view caption, std::string_view prompt,
                                       std::string_view initialText) override;
    platform::Point pointerPosition() override;
    void clickAtPointer() override;

    const SharedState& state() const { return state_; }

private:
    SharedState state_;
};

}  // namespace cuepad::win32
