// What the win32 toolkit puts on screen, read back the way an outside tester would: controls found
// by the form-name window property, colours from the painted pixels, borders and frames from the
// window styles, places and fonts at the screen's DPI, and the message loop's keyboard handling.
#include "platform/win32/user_simulator.hpp"
#include "platform/win32/win32_toolkit.hpp"
#include "table_rows.hpp"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace cuepad::win32 {
namespace {

using cuepad::testing::rowName;

using platform::BorderStyle;
using platform::Colour;
using platform::kDefaultColour;

#define WEI_RUAN_YA_HEI "\xCE\xA2\xC8\xED\xD1\xC5\xBA\xDA"  // 微软雅黑

constexpr wchar_t kCaption[] = L"cuepad win32 toolkit test";

// The program declares itself DPI-aware before it makes any window; so does every test here.
struct DpiAware {
    DpiAware() { SetProcessDPIAware(); }
};

class Win32ToolkitTest : public ::testing::Test, private DpiAware {
protected:
    void SetUp() override { window->show(); }

    static int screenDpi() {
        const HDC screen = GetDC(nullptr);
        const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
        return dpi;
    }
    static int scaled(int value) { return MulDiv(value, screenDpi(), 96); }

    HWND mainWindow() const { return FindWindowW(L"CuepadWindow", kCaption); }

    // Every child of the main window by its form name, as a tester outside the program finds it.
    std::map<std::wstring, HWND> controlsByName() const {
        std::map<std::wstring, HWND> found;
        EnumChildWindows(
            mainWindow(),
            [](HWND child, LPARAM list) {
                if (const auto* name = static_cast<const wchar_t*>(GetPropW(child, L"cuepad.name"))) {
                    (*reinterpret_cast<std::map<std::wstring, HWND>*>(list))[name] = child;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&found));
        return found;
    }
    HWND control(const wchar_t* name) const {
        const auto all = controlsByName();
        const auto found = all.find(name);
        return found == all.end() ? nullptr : found->second;
    }

    // A pixel of a window's client area, once the pending painting has been done.
    COLORREF pixel(HWND hwnd, int x, int y) {
        user->settle();
        const HDC dc = GetDC(hwnd);
        const COLORREF colour = GetPixel(dc, x, y);
        ReleaseDC(hwnd, dc);
        return colour;
    }
    // A pixel near the right end of the client area, where no caption or caret is drawn.
    COLORREF backgroundPixel(HWND hwnd) {
        RECT client;
        GetClientRect(hwnd, &client);
        return pixel(hwnd, client.right - 3, client.bottom / 2);
    }

    std::unique_ptr<platform::Toolkit> toolkit = makeWin32Toolkit(GetModuleHandleW(nullptr));
    std::unique_ptr<Win32UserSimulator> user = makeWin32UserSimulator(*toolkit);
    std::unique_ptr<platform::Window> window = toolkit->createWindow({"cuepad win32 toolkit test", 700, 720});
};

TEST_F(Win32ToolkitTest, EveryControlIsAChildWindowFoundByItsFormName) {
    window->addLabel("\xB1\xEA\xC7\xA9" "14_" "\xD1\xA1\xD4\xF1" "CUE", {572, 15, 80, 32}, "x");  // 标签14_选择CUE
    window->addEditBox("PathBox", {35, 16, 530, 32});
    window->addCheckBox("OnTopCheck", {97, 668, 90, 30}, "x");
    window->addListBox("TrackList", {512, 334, 149, 310});

    const auto found = controlsByName();
    std::map<std::wstring, std::wstring> classes;
    for (const auto& [name, hwnd] : found) {
        wchar_t windowClass[64] = {};
        GetClassNameW(hwnd, windowClass, 64);
        classes[name] = windowClass;
    }
    EXPECT_EQ(classes, (std::map<std::wstring, std::wstring>{
                           {L"\u6807\u7B7E14_\u9009\u62E9CUE", L"CuepadLabel"},
                           {L"PathBox", L"Edit"},
                           {L"OnTopCheck", L"Button"},
                           {L"TrackList", L"ListBox"},
                       }));
}

// A window of its own, small enough for the screen at any DPI the tests run at.
TEST_F(Win32ToolkitTest, WindowHasAFixedFrameAroundTheLayoutCentredOnTheWorkArea) {
    const auto small = toolkit->createWindow({"cuepad frame test", 400, 300});
    const HWND hwnd = FindWindowW(L"CuepadWindow", L"cuepad frame test");
    ASSERT_NE(hwnd, nullptr);
    const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX), WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX);
    EXPECT_EQ(style & (WS_MAXIMIZEBOX | WS_THICKFRAME), 0);

    RECT client;
    GetClientRect(hwnd, &client);
    EXPECT_EQ(client.right, scaled(400));
    EXPECT_EQ(client.bottom, scaled(300));

    RECT frame;
    RECT work;
    GetWindowRect(hwnd, &frame);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_LE(std::abs((frame.left - work.left) - (work.right - frame.right)), 1);
    EXPECT_LE(std::abs((frame.top - work.top) - (work.bottom - frame.bottom)), 1);
}

TEST_F(Win32ToolkitTest, PlacesAndFontsFollowTheScreenDpi) {
    platform::Label& label = window->addLabel("OpenButton", {572, 15, 80, 32}, "x");
    platform::EditBox& box = window->addEditBox("PathBox", {35, 16, 530, 32});
    for (platform::Control* control : {static_cast<platform::Control*>(&label), static_cast<platform::Control*>(&box)}) {
        control->setFontFace(WEI_RUAN_YA_HEI);
        control->setFontPoints(11);
    }

    for (const auto& [name, place] : std::map<std::wstring, RECT>{{L"OpenButton", {572, 15, 652, 47}},
                                                                  {L"PathBox", {35, 16, 565, 48}}}) {
        const HWND hwnd = control(name.c_str());
        ASSERT_NE(hwnd, nullptr);
        RECT rect;
        GetWindowRect(hwnd, &rect);
        MapWindowPoints(nullptr, mainWindow(), reinterpret_cast<POINT*>(&rect), 2);
        EXPECT_EQ(rect.left, scaled(place.left));
        EXPECT_EQ(rect.top, scaled(place.top));
        EXPECT_EQ(rect.right - rect.left, scaled(place.right - place.left));
        EXPECT_EQ(rect.bottom - rect.top, scaled(place.bottom - place.top));

        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0)), sizeof font, &font);
        EXPECT_EQ(font.lfHeight, -MulDiv(11, screenDpi(), 72));
        EXPECT_EQ(std::wstring(font.lfFaceName), L"\u5FAE\u8F6F\u96C5\u9ED1");
    }
}

struct BorderRow {
    const char* name;
    BorderStyle style;
    LONG_PTR styleBits;    // of WS_BORDER
    LONG_PTR exStyleBits;  // of WS_EX_CLIENTEDGE, WS_EX_DLGMODALFRAME, WS_EX_STATICEDGE
};

const BorderRow kBorderRows[] = {
    {"None", BorderStyle::None, 0, 0},
    {"Sunken", BorderStyle::Sunken, 0, WS_EX_CLIENTEDGE},
    {"Raised", BorderStyle::Raised, 0, WS_EX_DLGMODALFRAME},
    {"ShallowSunken", BorderStyle::ShallowSunken, 0, WS_EX_STATICEDGE},
    {"SunkenInRaised", BorderStyle::SunkenInRaised, 0, WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME},
    {"ThinLine", BorderStyle::ThinLine, WS_BORDER, 0},
};

class BorderTest : public Win32ToolkitTest, public ::testing::WithParamInterface<BorderRow> {};

// Each style is set over a different one first, so a style that leaves old bits behind fails.
TEST_P(BorderTest, EachStyleIsItsWindowStylesAndFrame) {
    const std::map<std::wstring, platform::Control*> controls = {
        {L"Label", &window->addLabel("Label", {10, 10, 100, 30}, "x")},
        {L"EditBox", &window->addEditBox("EditBox", {10, 50, 100, 30})},
        {L"ListBox", &window->addListBox("ListBox", {10, 90, 100, 60})},
    };
    for (const auto& [name, item] : controls) {
        item->setBorderStyle(GetParam().style == BorderStyle::SunkenInRaised ? BorderStyle::ThinLine
                                                                              : BorderStyle::SunkenInRaised);
        item->setBorderStyle(GetParam().style);
        const HWND hwnd = control(name.c_str());
        ASSERT_NE(hwnd, nullptr);
        EXPECT_EQ(GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_BORDER, GetParam().styleBits);
        EXPECT_EQ(GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & (WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME | WS_EX_STATICEDGE),
                  GetParam().exStyleBits);
        RECT outer;
        RECT client;
        GetWindowRect(hwnd, &outer);
        GetClientRect(hwnd, &client);
        const bool framed = GetParam().style != BorderStyle::None;
        EXPECT_EQ(client.right < outer.right - outer.left, framed) << "the frame takes room from the client area";
        EXPECT_EQ(outer.right - outer.left, scaled(100)) << "the control keeps its outer size";
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, BorderTest, ::testing::ValuesIn(kBorderRows),
                         rowName<BorderRow>);

struct ColourRow {
    const char* name;
    Colour background;
    Colour text;
    bool enabled;
};

const ColourRow kColourRows[] = {
    {"DarkGrey", 0x343434, 0xDDDDDD, true},
    {"Green", 0x245704, 0xCCFFFB, true},
    {"SystemFace", kDefaultColour, 0x000000, true},
    {"DisabledKeepsItsOwnColours", 0xB8B8B8, 0x5C5C5C, false},
};

COLORREF onScreen(Colour colour) {
    return colour == kDefaultColour ? GetSysColor(COLOR_BTNFACE) : COLORREF{colour};
}

class ColourTest : public Win32ToolkitTest, public ::testing::WithParamInterface<ColourRow> {};

TEST_P(ColourTest, BackgroundsArePainted) {
    const ColourRow& row = GetParam();
    const std::map<std::wstring, platform::Control*> controls = {
        {L"Label", &window->addLabel("Label", {10, 10, 150, 30}, "x")},
        {L"EditBox", &window->addEditBox("EditBox", {10, 50, 150, 30})},
        {L"CheckBox", &window->addCheckBox("CheckBox", {10, 90, 150, 30}, "x")},
        {L"ListBox", &window->addListBox("ListBox", {10, 130, 150, 60})},
    };
    window->setBackgroundColour(row.background);
    for (const auto& [name, item] : controls) {
        item->setBackgroundColour(row.background);
        item->setTextColour(row.text);
        item->setEnabled(row.enabled);
    }
    EXPECT_EQ(pixel(mainWindow(), 300, 300), onScreen(row.background)) << "window";
    for (const auto& [name, item] : controls) {
        EXPECT_EQ(backgroundPixel(control(name.c_str())), onScreen(row.background))
            << std::string(name.begin(), name.end());
    }
}

// The caption is drawn in the label's text colour, also while the label is disabled.
TEST_P(ColourTest, LabelCaptionIsPaintedInItsTextColour) {
    const ColourRow& row = GetParam();
    platform::Label& label = window->addLabel("Label", {10, 10, 200, 40}, "IIII");
    label.setFontPoints(20);
    label.setBackgroundColour(row.background);
    label.setTextColour(row.text);
    label.setEnabled(row.enabled);

    const HWND hwnd = control(L"Label");
    RECT client;
    GetClientRect(hwnd, &client);
    user->settle();
    int textPixels = 0;
    int otherPixels = 0;
    const HDC dc = GetDC(hwnd);
    for (int y = 0; y < client.bottom; ++y) {
        for (int x = 0; x < client.right; ++x) {
            const COLORREF colour = GetPixel(dc, x, y);
            if (colour == onScreen(row.text)) ++textPixels;
            else if (colour != onScreen(row.background)) ++otherPixels;  // smoothed glyph edges
        }
    }
    ReleaseDC(hwnd, dc);
    EXPECT_GT(textPixels, 20);
    EXPECT_LT(otherPixels, textPixels * 4);
}

INSTANTIATE_TEST_SUITE_P(Rows, ColourTest, ::testing::ValuesIn(kColourRows),
                         rowName<ColourRow>);

// A label laid over a check box's caption is drawn above it, while the square beside the label
// stays the box's: what the screen shows at either point.
TEST_F(Win32ToolkitTest, LabelOverACheckBoxCaptionIsDrawnAboveIt) {
    window->addCheckBox("ApplyAllCheck", {534, 116, 123, 24}, "x");
    platform::Label& label = window->addLabel("ApplyAllLabel", {551, 116, 110, 24}, "");
    label.setBackgroundColour(0x0000FF);
    user->settle();
    const auto onScreenAt = [&](int x, int y) {
        POINT point{scaled(x), scaled(y)};
        ClientToScreen(control(L"ApplyAllCheck"), &point);
        const HDC screen = GetDC(nullptr);
        const COLORREF colour = GetPixel(screen, point.x, point.y);
        ReleaseDC(nullptr, screen);
        return colour;
    };
    EXPECT_EQ(onScreenAt(40, 12), COLORREF{0x0000FF}) << "the caption's place";
    EXPECT_NE(onScreenAt(6, 12), COLORREF{0x0000FF}) << "the square";
}

// The message loop's dialog manager: Tab goes from one tab stop to the next in the order the
// controls were made, past plain labels but to a label with the hand pointer (a button), which
// Space and Enter press; a label laid over a check box keeps the box's place in that order;
// Esc closes the window and ends the loop.
TEST_F(Win32ToolkitTest, TabMovesTheFocusAndEscapeEndsTheMessageLoop) {
    window->addEditBox("First", {10, 10, 100, 24});
    window->addLabel("Caption", {10, 40, 100, 24}, "x");
    window->addListBox("Second", {10, 70, 100, 60});
    platform::Label& button = window->addLabel("Button", {10, 135, 60, 24}, "x");
    button.setHandPointer(true);
    window->addCheckBox("Third", {10, 170, 100, 24}, "x");
    window->addLabel("OverThird", {27, 170, 100, 24}, "x");
    window->addEditBox("Fourth", {10, 200, 100, 24});
    int closing = 0;
    int presses = 0;
    window->onClosing = [&] { ++closing; };
    button.onLeftPress = [&] { ++presses; };

    const auto press = [&](WPARAM key) {
        PostMessageW(GetFocus(), WM_KEYDOWN, key, 1);
        user->settle();
        return GetFocus();
    };
    SetFocus(control(L"First"));
    EXPECT_EQ(press(VK_TAB), control(L"Second"));
    EXPECT_EQ(press(VK_TAB), control(L"Button"));
    press(VK_SPACE);
    press(VK_RETURN);
    EXPECT_EQ(presses, 2) << "Space and Enter press the focused button";
    EXPECT_EQ(press(VK_TAB), control(L"Third"));
    EXPECT_EQ(press(VK_TAB), control(L"Fourth"));
    EXPECT_EQ(press(VK_TAB), control(L"First"));
    EXPECT_EQ(closing, 0) << "Enter on the button is no command for the window";

    // Should Esc fail to end it, the loop still ends, later, with the window closed by a timer.
    const UINT_PTR rescue = SetTimer(nullptr, 0, 5000, [](HWND, UINT, UINT_PTR, DWORD) {
        DestroyWindow(FindWindowW(L"CuepadWindow", kCaption));
    });
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1);
    toolkit->runMessageLoop();
    KillTimer(nullptr, rescue);
    EXPECT_EQ(closing, 1);
    EXPECT_EQ(mainWindow(), nullptr);
}

// The About window's kind: above its owner, with a task bar button of its own and no minimise
// button; a link the shell cannot open keeps its unvisited look.
TEST_F(Win32ToolkitTest, AnOwnedWindowHasItsOwnTaskBarButtonAndNoMinimiseButton) {
    const auto owned = toolkit->createWindow({"owned", 560, 250, window.get()});
    const HWND hwnd = nativeWindow(*owned);
    ASSERT_NE(hwnd, nullptr);
    EXPECT_EQ(GetWindow(hwnd, GW_OWNER), mainWindow());
    EXPECT_EQ(GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_MINIMIZEBOX, 0);
    EXPECT_EQ(GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_MAXIMIZEBOX, 0);
    EXPECT_NE(GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
    RECT client;
    GetClientRect(hwnd, &client);
    EXPECT_EQ(client.right, scaled(560));
    EXPECT_EQ(client.bottom, scaled(250));

    platform::Link& link = owned->addLink("HomeLink", {10, 101, 80, 20}, "x", "Z:\\no such folder\\none.cuepad-missing");
    user->click(link);
    EXPECT_FALSE(link.isVisited());
}

// A link's caption is drawn in its text colour, in its hover colour while the pointer is over it,
// and in its text colour again once the pointer has left.
TEST_F(Win32ToolkitTest, ALinkShowsItsHoverColourOnlyUnderThePointer) {
    platform::Link& link = window->addLink("HomeLink", {10, 10, 200, 40}, "IIII", "Z:\\none.cuepad-missing");
    link.setFontPoints(20);
    link.setTextColour(0x0000FF);
    link.setHoverColour(0x00FFFF);
    const HWND hwnd = control(L"HomeLink");
    ASSERT_NE(hwnd, nullptr);
    const auto pixelsOf = [&](COLORREF wanted) {
        user->settle();
        RECT client;
        GetClientRect(hwnd, &client);
        int count = 0;
        const HDC dc = GetDC(hwnd);
        for (int y = 0; y < client.bottom; ++y) {
            for (int x = 0; x < client.right; ++x) count += GetPixel(dc, x, y) == wanted ? 1 : 0;
        }
        ReleaseDC(hwnd, dc);
        return count;
    };
    EXPECT_GT(pixelsOf(0x0000FF), 20);
    EXPECT_EQ(pixelsOf(0x00FFFF), 0);
    user->moveMouse(link, {5, 5});
    EXPECT_GT(pixelsOf(0x00FFFF), 20) << "under the pointer";
    EXPECT_EQ(pixelsOf(0x0000FF), 0) << "under the pointer";
    SendMessageW(hwnd, WM_MOUSELEAVE, 0, 0);
    EXPECT_GT(pixelsOf(0x0000FF), 20) << "after the pointer left";
}

}  // namespace
}  // namespace cuepad::win32
