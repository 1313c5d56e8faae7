// End-to-end run of cuepad.exe: starts a private copy three times and drives its main window
// from outside only (window messages and input), checking the controls, the colours on screen,
// the always-on-top option, closing, and the settings file beside the program.
// Usage: e2e_driver [--screenshot-handshake FOLDER] [PATH\cuepad.exe]
#include "about_checks.hpp"
#include "check_report.hpp"
#include "cuepad_process.hpp"
#include "expected_window.hpp"
#include "main_window_view.hpp"
#include "remote_window.hpp"
#include "settings_text.hpp"
#include "window_checks.hpp"

#include <windows.h>

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace cuepad::e2e {
namespace {

using namespace std::chrono_literals;

constexpr auto kStartTimeout = 30s;  // a fresh Wine prefix makes the first start slow
constexpr auto kActionTimeout = 5s;
constexpr auto kExitTimeout = 10s;

// Waits for cuepad to end and checks that it ended normally; false while it still runs.
bool checkClosed(CheckReport& report, std::string_view name, const CuepadRun& run) {
    const auto code = run.waitForExit(kExitTimeout);
    report.check(name, code.has_value() && *code == 0,
                 code ? cat({"exit code ", std::to_string(*code)}) : std::string("still running"));
    return code.has_value();
}

// Lets the run script photograph the window: writes FOLDER\ready with the window's screen
// rectangle and waits (with a deadline) for the script to answer with FOLDER\taken.
void offerScreenshot(const std::wstring& folder, HWND window) {
    if (folder.empty()) return;
    RECT r{};
    GetWindowRect(window, &r);
    char line[64];
    const int length = std::snprintf(line, sizeof line, "%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left,
                                     r.bottom - r.top);
    const std::wstring taken = folder + L"\\taken";
    HANDLE file = CreateFileW((folder + L"\\ready").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, line, static_cast<DWORD>(length), &written, nullptr);
    CloseHandle(file);
    waitUntil([&] { return GetFileAttributesW(taken.c_str()) != INVALID_FILE_ATTRIBUTES; }, 20s);
}

struct Options {
    std::wstring cuepadExe;
    std::wstring screenshotFolder;
};

// A first start without a settings file: inventory, initial state, scheme 3, a swatch press,
// and the settings file that closing writes.
void firstStart(CheckReport& report, const TestFolder& folder, const Screen& screen, const Options& options) {
    folder.removeSettings();
    CuepadRun run(folder.program());
    const HWND window = run.started() ? run.waitForMainWindow(kStartTimeout) : nullptr;
    if (!report.check("first start: main window appears", window != nullptr, "no visible window answered")) return;
    const MainWindowView view = viewOf(run.process(), window);

    checkFrame(report, window);
    checkLayout(report, view, screen);
    checkInitialState(report, view);
    checkScheme(report, "scheme 3 on screen without a settings file", view, kScheme3, screen);
    checkSwatchFills(report, "swatch fills in scheme 3", view);
    checkTextColours(report, view, kScheme3);
    offerScreenshot(options.screenshotFolder, window);

    if (const HWND swatch1 = view.control("Swatch1")) {
        postLeftClick(swatch1, screen.at(15, 12));
        checkScheme(report, "a press on Swatch1 repaints in scheme 1", view, kScheme1, screen);
        checkSwatchFills(report, "swatch fills kept in scheme 1", view);
        checkTextColours(report, view, kScheme1);
    }

    PostMessageW(window, WM_CLOSE, 0, 0);
    checkClosed(report, "WM_CLOSE ends the program", run);
    const auto settings = folder.readSettings();
    report.check("closing writes scheme 1 to the settings file", holdsScheme(settings, 1),
                 describeSettings(settings));
}

// The next start reads scheme 1 back; the always-on-top option by label and by check box;
// Esc closes from a focused edit box and writes the settings file.
void secondStart(CheckReport& report, const TestFolder& folder, const Screen& screen) {
    if (!holdsScheme(folder.readSettings(), 1)) {
        report.note("the first run left no scheme 1 in the settings file: writing it for the second run");
        folder.writeSettings(settingsWithScheme(1));
    }
    CuepadRun run(folder.program());
    const HWND window = run.started() ? run.waitForMainWindow(kStartTimeout) : nullptr;
    if (!report.check("second start: main window appears", window != nullptr, "no visible window answered")) return;
    const MainWindowView view = viewOf(run.process(), window);
    checkScheme(report, "the next start comes up in scheme 1", view, kScheme1, screen);
    // The file is read once at start; removing it now shows whether closing writes it again.
    folder.removeSettings();

    const HWND label = view.control("OnTopLabel");
    const HWND check = view.control("OnTopCheck");
    if (label != nullptr && check != nullptr) {
        // Waits for the window's topmost state and the box to agree with `on`, then reports.
        const auto expectOnTop = [&](std::string_view name, bool on) {
            const int box = on ? BST_CHECKED : BST_UNCHECKED;
            const bool reached =
                waitUntil([&] { return isTopmost(window) == on && checkState(check) == box; }, kActionTimeout);
            report.check(name, reached,
                         cat({"topmost ", isTopmost(window) ? "yes" : "no", ", check box state ",
                              std::to_string(checkState(check))}));
        };
        postLeftClick(label, screen.at(30, 15));
        expectOnTop("a press on OnTopLabel makes the window topmost and checks the box", true);
        postLeftClick(label, screen.at(30, 15));
        expectOnTop("a second press on OnTopLabel clears both", false);
        // The square is the part of the check box that the label leaves uncovered.
        inputLeftClick(check, screen.at(7, 15));
        expectOnTop("a click on OnTopCheck's square makes the window topmost", true);
        inputLeftClick(check, screen.at(7, 15));
        expectOnTop("a second click on OnTopCheck's square clears both", false);
    }

    const HWND box = view.control("TrackTitleBox1");
    if (box != nullptr) {
        postLeftClick(box, screen.at(20, 12));
        waitUntil([&] { return focusedWindow(window) == box; }, kActionTimeout);
    }
    const HWND focused = focusedWindow(window);
    report.check("a press on TrackTitleBox1 gives it the focus", box != nullptr && focused == box,
                 focused == nullptr ? "no control has the focus" : "another control has the focus");
    postKey(focused != nullptr ? focused : window, VK_ESCAPE);
    if (!checkClosed(report, "Esc closes the window and ends the program", run)) {
        PostMessageW(window, WM_CLOSE, 0, 0);
        run.waitForExit(kExitTimeout);
    }
    const auto settings = folder.readSettings();
    report.check("closing by Esc writes scheme 1 to the settings file", holdsScheme(settings, 1),
                 describeSettings(settings));
}

// A number outside 0 to 5 in the settings file is treated as the default scheme 3. Then the
// keyboard order and the About window.
void outOfRangeStart(CheckReport& report, const TestFolder& folder, const Screen& screen) {
    folder.writeSettings(settingsWithScheme(7));
    CuepadRun run(folder.program());
    const HWND window = run.started() ? run.waitForMainWindow(kStartTimeout) : nullptr;
    if (!report.check("third start: main window appears", window != nullptr, "no visible window answered")) return;
    const MainWindowView view = viewOf(run.process(), window);
    checkScheme(report, "a settings file holding 7 starts in scheme 3", view, kScheme3, screen);
    const HWND check = view.control("OnTopCheck");
    report.check("the on-top option is not restored",
                 !isTopmost(window) && check != nullptr && checkState(check) == BST_UNCHECKED,
                 cat({"topmost ", isTopmost(window) ? "yes" : "no", ", OnTopCheck ",
                      check != nullptr ? std::to_string(checkState(check)) : "missing"}));
    checkTabOrder(report, view);
    checkAboutWindow(report, view, screen);
    PostMessageW(window, WM_CLOSE, 0, 0);
    checkClosed(report, "WM_CLOSE ends the third run, also with the About window open", run);
}

Options parseOptions(int argc, wchar_t** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::wstring_view arg = argv[i];
        if (arg == L"--screenshot-handshake" && i + 1 < argc) {
            options.screenshotFolder = argv[++i];
        } else {
            options.cuepadExe = arg;
        }
    }
    if (options.cuepadExe.empty()) options.cuepadExe = cuepadOfThisBuild();
    return options;
}

}  // namespace
}  // namespace cuepad::e2e

int wmain(int argc, wchar_t** argv) {
    using namespace cuepad::e2e;
    // Physical pixels, as cuepad (DPI aware) sees them.
    SetProcessDPIAware();
    const Options options = parseOptions(argc, argv);
    CheckReport report;

    Screen screen;
    HDC dc = GetDC(nullptr);
    screen.dpi = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(nullptr, dc);
    report.note(cat({"screen ", std::to_string(GetSystemMetrics(SM_CXSCREEN)), "x",
                 std::to_string(GetSystemMetrics(SM_CYSCREEN)), " at ", std::to_string(screen.dpi), " DPI"}));

    const TestFolder folder(options.cuepadExe);
    const std::string copyProblem = cat({"cannot copy ", toUtf8(options.cuepadExe)});
    if (report.check("a private copy of cuepad.exe", folder.ready(), copyProblem)) {
        firstStart(report, folder, screen, options);
        secondStart(report, folder, screen);
        outOfRangeStart(report, folder, screen);
    }
    report.printSummary();
    return report.failed() == 0 ? 0 : 1;
}
