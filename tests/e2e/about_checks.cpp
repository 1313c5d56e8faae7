// The keyboard order of the main window and the About window, checked from outside.
#include "about_checks.hpp"

#include "remote_window.hpp"

#include <algorithm>
#include <chrono>
#include <string>
#include <string_view>
#include <vector>

namespace cuepad::e2e {
namespace {

using namespace std::chrono_literals;
constexpr auto kActionTimeout = 5s;

constexpr std::string_view kAboutCaption = "\xB9\xD8\xD3\xDA";  // 关于
// 这是一个在2012.12.21传说世界完结之前写才完成主框架的软件～～
constexpr std::string_view kSecondLine =
    "\xD5\xE2\xCA\xC7\xD2\xBB\xB8\xF6\xD4\xDA" "2012.12.21\xB4\xAB\xCB\xB5\xCA\xC0\xBD\xE7\xCD\xEA\xBD\xE1\xD6\xAE"
    "\xC7\xB0\xD0\xB4\xB2\xC5\xCD\xEA\xB3\xC9\xD6\xF7\xBF\xF2\xBC\xDC\xB5\xC4\xC8\xED\xBC\xFE\xA1\xAB\xA1\xAB";
constexpr std::string_view kUpdateCaption = "\xC8\xED\xBC\xFE\xB8\xFC\xD0\xC2";  // 软件更新
constexpr std::string_view kDonateCaption = "\xBE\xE8\xD6\xFA";                  // 捐助

// The fields and enabled buttons of a fresh main window, top to bottom (save labels are disabled).
constexpr std::string_view kTabOrder[] = {
    "PathBox",        "OpenButton",         "AlbumTitleBox",      "AlbumPerformerBox",  "ApplyAllCheck",
    "ImageFileBox",   "ChooseImageButton",  "MediaCodeBox",       "CommentsList",       "DateBox",
    "GenreBox",       "TrackList",          "TrackTitleBox1",     "TrackPerformerBox1", "TrackTitleBox2",
    "TrackPerformerBox2", "TrackTitleBox3", "TrackPerformerBox3", "AboutButton",        "OnTopCheck",
};

struct OwnedSearch {
    HWND owner;
    HWND found;
};

// The visible top-level window that `owner` owns, if any.
HWND ownedWindow(HWND owner) {
    OwnedSearch search{owner, nullptr};
    EnumWindows(
        [](HWND window, LPARAM parameter) -> BOOL {
            auto* s = reinterpret_cast<OwnedSearch*>(parameter);
            if (GetWindow(window, GW_OWNER) != s->owner || !IsWindowVisible(window)) return TRUE;
            s->found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND childOfClass(HWND parent, std::wstring_view wanted) {
    for (const HWND child : childWindows(parent)) {
        if (className(child) == wanted) return child;
    }
    return nullptr;
}

std::vector<std::wstring> lines(const std::wstring& text) {
    std::vector<std::wstring> split;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(L"\r\n", start)) != std::wstring::npos; start = end + 2) {
        split.push_back(text.substr(start, end - start));
    }
    split.push_back(text.substr(start));
    return split;
}

std::string yesNo(bool value) { return value ? "yes" : "no"; }

// Presses AboutButton and waits for the About window.
HWND openAbout(const MainWindowView& view, const Screen& screen) {
    const HWND button = view.control("AboutButton");
    if (button == nullptr) return nullptr;
    postLeftClick(button, screen.at(20, 15));
    HWND about = nullptr;
    waitUntil([&] { return (about = ownedWindow(view.window)) != nullptr; }, kActionTimeout);
    return about;
}

// Checks that the About window closes and gives the main window back, on top or not.
void expectClosed(CheckReport& report, std::string_view name, HWND about, HWND main, bool topmost) {
    const bool closed = waitUntil([&] { return !IsWindow(about) && IsWindowEnabled(main); }, kActionTimeout);
    const bool onTopReached = waitUntil([&] { return isTopmost(main) == topmost; }, kActionTimeout);
    report.check(name, closed && onTopReached,
                 cat({"About window gone ", yesNo(!IsWindow(about)), ", main window enabled ",
                      yesNo(IsWindowEnabled(main) != 0), ", topmost ", yesNo(isTopmost(main))}));
}

}  // namespace

void checkTabOrder(CheckReport& report, const MainWindowView& view) {
    const HWND first = view.control("PathBox");
    if (first == nullptr) return;
    postLeftClick(first, {5, 5});
    waitUntil([&] { return focusedWindow(view.window) == first; }, kActionTimeout);
    std::string visited;
    bool inOrder = true;
    for (std::string_view expected : kTabOrder) {
        const HWND want = view.control(expected);
        const bool reached = waitUntil([&] { return focusedWindow(view.window) == want; }, kActionTimeout);
        visited += cat({reached ? "" : "(missed) ", expected, " "});
        inOrder = inOrder && reached;
        if (!reached) break;
        postKey(want, VK_TAB);
    }
    const bool wrapped = inOrder && waitUntil([&] { return focusedWindow(view.window) == first; }, kActionTimeout);
    report.check("Tab visits every field and button from top to bottom and comes back to PathBox",
                 inOrder && wrapped, visited);
}

void checkAboutWindow(CheckReport& report, const MainWindowView& view, const Screen& screen) {
    const HWND main = view.window;
    const HWND onTop = view.control("OnTopLabel");
    if (onTop == nullptr) return;
    postLeftClick(onTop, screen.at(30, 15));
    report.check("a press on OnTopLabel puts the main window on top before the About window opens",
                 waitUntil([&] { return isTopmost(main); }, kActionTimeout));

    HWND about = openAbout(view, screen);
    if (!report.check("a press on AboutButton opens the About window, owned by the main window", about != nullptr,
                      "no owned window appeared")) {
        return;
    }
    RECT client{};
    GetClientRect(about, &client);
    const LONG_PTR style = GetWindowLongPtrW(about, GWL_STYLE);
    report.check("the About window is captioned 关于, 560 x 250, without minimise or maximise button",
                 windowText(about) == fromGbk(kAboutCaption) && client.right == screen.px(560) &&
                     client.bottom == screen.px(250) && (style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) == 0,
                 cat({"caption ", toUtf8(windowText(about)), ", client ", std::to_string(client.right), " x ",
                      std::to_string(client.bottom)}));
    report.check("the main window is disabled and not on top while it is open",
                 !IsWindowEnabled(main) && !isTopmost(main),
                 cat({"enabled ", yesNo(IsWindowEnabled(main) != 0), ", topmost ", yesNo(isTopmost(main))}));

    const HWND text = childOfClass(about, L"Edit");
    const std::vector<std::wstring> shown = text ? lines(windowText(text)) : std::vector<std::wstring>{};
    report.check("AboutText holds sixteen lines, the second one the program's story",
                 shown.size() == 16 && shown[1] == fromGbk(kSecondLine) && shown[13].find(L'@') != std::wstring::npos,
                 cat({std::to_string(shown.size()), " lines"}));
    std::wstring linkTexts;
    for (const HWND child : childWindows(about)) {
        if (className(child) == L"CuepadLink") linkTexts += windowText(child) + L"|";
    }
    report.check("the three links are there, 软件更新 first and 捐助 last",
                 linkTexts.rfind(fromGbk(kUpdateCaption) + L"|", 0) == 0 &&
                     linkTexts.ends_with(L"|" + fromGbk(kDonateCaption) + L"|") &&
                     std::count(linkTexts.begin(), linkTexts.end(), L'|') == 3,
                 toUtf8(linkTexts));

    if (text != nullptr) {
        PostMessageW(text, WM_MOUSEMOVE, 0, MAKELPARAM(20, 20));
        const bool playing = waitUntil([&] { return windowText(about) != fromGbk(kAboutCaption); }, kActionTimeout);
        const std::wstring caption = windowText(about);
        report.check("the first mouse move over the text names the music in ten characters in the caption",
                     playing && caption.size() == 10, toUtf8(caption));
        PostMessageW(text, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
        PostMessageW(text, WM_LBUTTONUP, 0, MAKELPARAM(20, 20));
        PostMessageW(text, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(20, 20));
        PostMessageW(text, WM_LBUTTONUP, 0, MAKELPARAM(20, 20));
        const bool restored = waitUntil([&] { return windowText(about) == fromGbk(kAboutCaption); }, kActionTimeout);
        PostMessageW(text, WM_MOUSEMOVE, 0, MAKELPARAM(30, 30));
        const bool stayed = !waitUntil([&] { return windowText(about) != fromGbk(kAboutCaption); }, 500ms);
        report.check("a double click on the text stops it: the caption reads 关于 again, also after another move",
                     restored && stayed, toUtf8(windowText(about)));
    }
    postKey(text != nullptr ? text : about, VK_ESCAPE);
    expectClosed(report, "Esc closes the About window; the main window is enabled and on top again", about, main,
                 true);

    postLeftClick(onTop, screen.at(30, 15));
    waitUntil([&] { return !isTopmost(main); }, kActionTimeout);
    about = openAbout(view, screen);
    if (about == nullptr) return;
    PostMessageW(about, WM_CLOSE, 0, 0);
    expectClosed(report, "with OnTopCheck clear, closing the About window leaves the main window not on top", about,
                 main, false);
    report.check("the About window opens again for the close of the main window", openAbout(view, screen) != nullptr);
}

}  // namespace cuepad::e2e
