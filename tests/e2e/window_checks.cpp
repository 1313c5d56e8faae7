// What the main window shows, checked from outside: inventory, frame, initial state, colours.
#include "window_checks.hpp"

#include "remote_window.hpp"

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace cuepad::e2e {
namespace {

using namespace std::chrono_literals;

// Repainting after a press takes a few milliseconds; a slow machine gets plenty more.
constexpr auto kRepaintTimeout = 5s;

std::string quoted(std::wstring_view text) { return cat({"\"", toUtf8(text), "\""}); }

bool sameClass(HWND window, const wchar_t* expected) {
    return CompareStringOrdinal(className(window).c_str(), -1, expected, -1, TRUE) == CSTR_EQUAL;
}

// What is wrong with the kind of control `window`, or nothing.
std::string kindProblem(HWND window, ControlKind kind) {
    const wchar_t* expectedClass = L"CuepadLabel";
    if (kind == ControlKind::EditBox) expectedClass = L"Edit";
    if (kind == ControlKind::ListBox) expectedClass = L"ListBox";
    if (kind == ControlKind::CheckBox) expectedClass = L"Button";
    if (!sameClass(window, expectedClass)) {
        return cat({"class ", toUtf8(expectedClass), " expected, got ", toUtf8(className(window))});
    }
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    if (kind == ControlKind::ListBox && (style & LBS_SORT)) return "a sorted list box";
    const LONG buttonType = style & BS_TYPEMASK;
    if (kind == ControlKind::CheckBox && buttonType != BS_CHECKBOX && buttonType != BS_AUTOCHECKBOX) {
        return cat({"button style ", std::to_string(buttonType), " is not a check box"});
    }
    return {};
}

// Where the colours of a scheme are sampled, in the main window's client pixels at 96 DPI:
// a bare spot of the window, the inside of GenreBox and the free end of TrackCaption1.
struct Sample {
    const char* what;
    int x, y;
    Colour SchemeColours::*colour;
};
constexpr std::array<Sample, 3> kSchemeSamples{{
    {"window", 10, 60, &SchemeColours::background},
    {"GenreBox", 282, 281, &SchemeColours::fieldBackground},
    {"TrackCaption1", 406, 340, &SchemeColours::background},
}};

// The samples that do not show the scheme, described; empty when all do.
std::string schemeMismatches(const MainWindowView& view, const SchemeColours& scheme, const Screen& screen) {
    std::string problems;
    for (const Sample& s : kSchemeSamples) {
        const COLORREF seen = screenPixel(view.window, screen.at(s.x, s.y));
        if (seen != scheme.*(s.colour)) {
            problems += cat({problems.empty() ? "" : "; ", s.what, " ", hex(seen), " instead of ",
                             hex(scheme.*(s.colour))});
        }
    }
    return problems;
}

// The colour of a label's text: inside the label, the pixel that differs most from the
// background (anti-aliased edges are blends of the two, so the extreme is the text itself).
COLORREF inkColour(HWND label, COLORREF background) {
    RECT r{};
    GetClientRect(label, &r);
    InflateRect(&r, -2, -2);  // keep clear of a border
    const auto channelDistance = [](COLORREF a, COLORREF b) {
        int sum = 0;
        for (int shift = 0; shift < 24; shift += 8) {
            sum += abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF));
        }
        return sum;
    };
    COLORREF ink = background;
    for (COLORREF pixel : screenPixels(label, r)) {
        if (channelDistance(pixel, background) > channelDistance(ink, background)) ink = pixel;
    }
    return ink;
}

}  // namespace

void checkFrame(CheckReport& report, HWND window) {
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    std::string problems;
    if ((style & WS_CAPTION) != WS_CAPTION) problems += " no caption;";
    if (!(style & WS_SYSMENU)) problems += " no close button;";
    if (!(style & WS_MINIMIZEBOX)) problems += " no minimise button;";
    if (style & WS_MAXIMIZEBOX) problems += " a maximise button;";
    if (style & WS_THICKFRAME) problems += " a sizing frame;";
    report.check("window frame: caption, close and minimise, fixed size", problems.empty(), problems);

    RECT r{};
    GetWindowRect(window, &r);
    const long dx = (r.left + r.right) - GetSystemMetrics(SM_CXSCREEN);
    const long dy = (r.top + r.bottom) - GetSystemMetrics(SM_CYSCREEN);
    char text[128];
    std::snprintf(text, sizeof text, "window at %ld,%ld to %ld,%ld on a %dx%d screen", r.left, r.top, r.right,
                  r.bottom, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    report.check("window centred on the screen", dx >= -1 && dx <= 1 && dy >= -1 && dy <= 1, text);
}

void checkLayout(CheckReport& report, const MainWindowView& view, const Screen& screen) {
    for (std::size_t i = 0; i < kExpectedControls.size(); ++i) {
        const ExpectedControl& e = kExpectedControls[i];
        const std::string name = cat({"control ", e.role});
        const HWND control = view.controls[i];
        if (control == nullptr) {
            report.check(name, false, cat({"no child window named ", quoted(fromGbk(e.formName))}));
            continue;
        }
        std::string problems;
        const auto add = [&](const std::string& problem) {
            if (problem.empty()) return;
            if (!problems.empty()) problems += "; ";
            problems += problem;
        };
        add(kindProblem(control, e.kind));
        const RECT r = rectInClient(view.window, control);
        const RECT want{screen.px(e.x), screen.px(e.y), screen.px(e.x) + screen.px(e.width),
                        screen.px(e.y) + screen.px(e.height)};
        if (!EqualRect(&r, &want)) {
            char text[160];
            std::snprintf(text, sizeof text, "place %ld,%ld size %ldx%ld expected, got %ld,%ld %ldx%ld", want.left,
                          want.top, want.right - want.left, want.bottom - want.top, r.left, r.top, r.right - r.left,
                          r.bottom - r.top);
            add(text);
        }
        const std::wstring text = windowText(control);
        if (text != fromGbk(e.text)) add(cat({"text ", quoted(fromGbk(e.text)), " expected, got ", quoted(text)}));
        report.check(name, problems.empty(), problems);
    }
    std::string unknown;
    for (const std::wstring& name : view.unknownNames) unknown += cat({" ", quoted(name)});
    report.check("no other named controls", view.unknownNames.empty(), cat({"unexpected:", unknown}));
}

void checkInitialState(CheckReport& report, const MainWindowView& view) {
    const HWND saveHere = view.control("SaveHereButton");
    const HWND saveAs = view.control("SaveAsButton");
    report.check("save labels disabled at start",
                 saveHere && saveAs && !IsWindowEnabled(saveHere) && !IsWindowEnabled(saveAs),
                 "SaveHereButton or SaveAsButton is enabled or missing");

    // A missing control fails each of these checks rather than passing them unseen.
    std::string enabled, checked, filled;
    for (std::size_t i = 0; i < kExpectedControls.size(); ++i) {
        const ExpectedControl& e = kExpectedControls[i];
        const HWND control = view.controls[i];
        if (control == nullptr) {
            const std::string missing = cat({" ", e.role, " (missing)"});
            enabled += missing;
            if (e.kind == ControlKind::CheckBox) checked += missing;
            if (e.kind == ControlKind::ListBox) filled += missing;
            continue;
        }
        if (control != saveHere && control != saveAs && !IsWindowEnabled(control)) enabled += cat({" ", e.role});
        if (e.kind == ControlKind::CheckBox && checkState(control) != BST_UNCHECKED) checked += cat({" ", e.role});
        if (e.kind == ControlKind::ListBox) {
            DWORD_PTR count = 0;
            SendMessageTimeoutW(control, LB_GETCOUNT, 0, 0, SMTO_ABORTIFHUNG, 5000, &count);
            if (count != 0) filled += cat({" ", e.role});
        }
    }
    report.check("other controls enabled at start", enabled.empty(), cat({"disabled:", enabled}));
    report.check("check boxes unchecked at start", checked.empty(), cat({"checked:", checked}));
    report.check("list boxes empty at start", filled.empty(), cat({"not empty:", filled}));
    report.check("window not topmost at start", !isTopmost(view.window), "WS_EX_TOPMOST is set");
}

bool checkScheme(CheckReport& report, std::string_view name, const MainWindowView& view, const SchemeColours& scheme,
                 const Screen& screen) {
    waitUntil([&] { return schemeMismatches(view, scheme, screen).empty(); }, kRepaintTimeout);
    const std::string problems = schemeMismatches(view, scheme, screen);
    return report.check(name, problems.empty(), problems);
}

void checkSwatchFills(CheckReport& report, std::string_view name, const MainWindowView& view) {
    std::string problems;
    const auto expect = [&](std::string_view role, COLORREF fill) {
        const HWND swatch = view.control(role);
        if (swatch == nullptr) {
            problems += cat({" ", role, " missing;"});
            return;
        }
        RECT r{};
        GetClientRect(swatch, &r);
        const COLORREF seen = screenPixel(swatch, {r.right / 2, r.bottom / 2});
        if (seen != fill) problems += cat({" ", role, " ", hex(seen), " instead of ", hex(fill), ";"});
    };
    expect("SwatchDefault", GetSysColor(COLOR_BTNFACE));
    for (const SwatchFill& s : kFixedSwatchFills) expect(s.role, s.fill);
    report.check(name, problems.empty(), problems);
}

void checkTextColours(CheckReport& report, const MainWindowView& view, const SchemeColours& scheme) {
    const std::string suffix = cat({" in scheme ", std::to_string(scheme.number)});
    const auto expect = [&](std::string_view role, Colour want, std::string_view what) {
        const HWND label = view.control(role);
        if (label == nullptr) return;
        // The labels repaint one after another; under load the last ones may still be due.
        COLORREF seen = 0;
        waitUntil([&] { return (seen = inkColour(label, scheme.background)) == want; }, std::chrono::seconds(3));
        report.check(cat({role, " text ", what, suffix}), seen == want,
                     cat({"text drawn in ", hex(seen), " instead of ", hex(want)}));
    };
    expect("FieldLabel5", scheme.text, "colour");
    expect("SaveHereButton", scheme.disabledText, "disabled colour");
    expect("SaveAsButton", scheme.disabledText, "disabled colour");
}

}  // namespace cuepad::e2e
