// End-to-end scenarios of opening and editing sheets in cuepad.exe, driven from outside only:
// the open dialog (typed path, confirmed, placed on the free screen area), a file dropped on the
// window, paging with the keys, a typed title kept in the sheet, and the album performer
// propagated to every track; then the speed of opening and of propagation, timed by this
// driver's clock. Prints "ok"/"FAILED" lines, "figure NAME: X ms" lines and a closing count.
// Usage: e2e_opening_driver [--drag-folder FOLDER] [PATH\cuepad.exe]
#include "cuepad_process.hpp"
#include "file_drag.hpp"
#include "main_window_view.hpp"
#include "open_dialog_remote.hpp"
#include "check_report.hpp"
#include "remote_window.hpp"
#include "test_sheets.hpp"
#include "track_rows_view.hpp"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace cuepad::e2e {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr auto kStartTimeout = 30s;  // a fresh Wine prefix makes the first start slow
constexpr auto kActionTimeout = 10s;
constexpr auto kPlacementTimeout = 1500ms;
constexpr double kOneFrameMs = 16.0;
constexpr double kOpeningTargetMs = 50.0;
constexpr int kOpeningSamples = 10;
constexpr int kDialogSamples = 5;
constexpr std::wstring_view kKeystrokes = L"abcdefghijklmnopqrst";  // 20 samples

constexpr std::string_view kOpenDialogTitle = "\xD1\xA1\xD4\xF1\xD2\xBB\xB8\xF6" "CUE" "\xCE\xC4\xBC\xFE";  // 选择一个CUE文件
constexpr std::string_view kAlbumPerformer = "\xD7\xA8\xBC\xAD\xD2\xD5\xC8\xCB";  // 专辑艺人
constexpr std::string_view kDroppedPerformer = "\xB4\xF3\xBA\xCF\xB3\xAA";       // 大合唱
constexpr std::wstring_view kTypedTitle = L"\x65B0\x6807\x9898";                   // 新标题
constexpr std::wstring_view kTypedPerformer = L"\x4E50\x961F";                     // 乐队
constexpr std::wstring_view kUncheckedTyping = L"\x7532";                          // 甲

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> values) {
    if (values.empty()) return -1;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// Polls closely: each poll is a message the program answers only when it is idle, so the first
// poll that sees the result comes right after the program has finished its work. The short
// pause between polls matters: a thread takes sent messages before posted ones, so polling
// back to back would keep the program from ever reaching the posted message being timed.
template <class Condition>
bool pollUntil(Condition condition, std::chrono::milliseconds timeout) {
    const auto deadline = Clock::now() + timeout;
    while (Clock::now() < deadline) {
        if (condition()) return true;
        std::this_thread::sleep_for(std::chrono::microseconds(250));
    }
    return condition();
}

struct Session {
    CheckReport& report;
    const CuepadRun& run;
    MainWindowView view;
    Screen screen;
    FileDrag& drag;

    HWND control(std::string_view role) const { return view.control(role); }
};

// The light test of an opening that the timings poll for: PathBox holds the path, TrackList
// holds every track and the top row shows the first track.
bool showsFirstPage(const Session& s, const std::wstring& path, const TestSheet& sheet) {
    return windowText(s.control("PathBox")) == path &&
           listCount(s.control("TrackList")) == static_cast<int>(sheet.tracks.size()) &&
           windowText(s.control("TrackCaption1")) == fromGbk(trackLine(1)) &&
           windowText(s.control("TrackTitleBox1")) == fromGbk(sheet.tracks.front().title);
}

// Waits until the window shows `sheet` just opened from `path`, then reports what it shows.
bool checkOpened(const Session& s, std::string_view name, const std::wstring& path, const TestSheet& sheet) {
    const bool shown = waitUntil(
        [&] { return windowText(s.control("PathBox")) == path && showsPage(readTrackRows(s.view), sheet, 0); },
        kActionTimeout);
    return s.report.check(name, shown,
                          cat({"PathBox ", toUtf8(windowText(s.control("PathBox"))), "; ", describe(readTrackRows(s.view))}));
}

void checkAlbumFields(const Session& s, std::string_view name, const TestSheet& sheet) {
    const struct {
        const char* role;
        const std::string& value;
    } fields[] = {{"MediaCodeBox", sheet.catalog}, {"AlbumPerformerBox", sheet.performer},
                  {"AlbumTitleBox", sheet.title},  {"ImageFileBox", sheet.file},
                  {"DateBox", sheet.date},         {"GenreBox", sheet.genre}};
    std::string wrong;
    for (const auto& field : fields) {
        const std::wstring shown = windowText(s.control(field.role));
        if (shown != fromGbk(field.value)) wrong += cat({" ", field.role, " reads \"", toUtf8(shown), "\";"});
    }
    const std::vector<std::wstring> comments = listItems(s.control("CommentsList"));
    std::vector<std::wstring> expected;
    for (const std::string& comment : sheet.comments) expected.push_back(fromGbk(comment));
    if (comments != expected) {
        wrong += " CommentsList holds";
        for (const std::wstring& item : comments) wrong += cat({" [", toUtf8(item), "]"});
    }
    s.report.check(name, wrong.empty(), wrong);
}

// Every track's performer as the rows show it, paging down with the keys from the first track.
// Leaves the third track from the end selected.
std::vector<std::wstring> performersByPaging(const Session& s) {
    const HWND keys = s.control("TrackTitleBox1");
    std::vector<std::wstring> performers;
    TrackRows rows = readTrackRows(s.view);
    if (rows.current != 0 || rows.count < 3) return performers;
    for (int selected = 0;; ++selected) {
        performers.push_back(rows.performers[0]);
        if (selected == rows.count - 3) {
            performers.push_back(rows.performers[1]);
            performers.push_back(rows.performers[2]);
            return performers;
        }
        postKey(keys, VK_DOWN);
        drainPosted(s.view);
        rows = readTrackRows(s.view);
    }
}

void checkAllPerformers(const Session& s, std::string_view name, const TestSheet& sheet) {
    const std::vector<std::wstring> performers = performersByPaging(s);
    std::string wrong;
    if (performers.size() != sheet.tracks.size()) {
        wrong = cat({"paging read ", std::to_string(performers.size()), " of ", std::to_string(sheet.tracks.size()),
                     " tracks"});
    }
    for (std::size_t i = 0; i < performers.size() && i < sheet.tracks.size() && wrong.size() < 300; ++i) {
        if (performers[i] != fromGbk(sheet.tracks[i].performer)) {
            wrong += cat({" track ", std::to_string(i + 1), " has \"", toUtf8(performers[i]), "\";"});
        }
    }
    s.report.check(name, wrong.empty(), wrong);
}

// Posts keys to a box, waits until they are handled and checks the page that should result.
void checkKeys(const Session& s, std::string_view name, std::string_view box, UINT key, int times,
               const TestSheet& sheet, int selected) {
    for (int i = 0; i < times; ++i) postKey(s.control(box), key);
    drainPosted(s.view);
    const TrackRows rows = readTrackRows(s.view);
    s.report.check(name, showsPage(rows, sheet, selected), describe(rows));
}

// Selects item `selected` of TrackList with the Down and Up keys of TrackTitleBox1.
void selectWithKeys(const Session& s, int selected) {
    int current = listCurrent(s.control("TrackList"));
    for (; current < selected; ++current) postKey(s.control("TrackTitleBox1"), VK_DOWN);
    for (; current > selected; --current) postKey(s.control("TrackTitleBox1"), VK_UP);
    drainPosted(s.view);
}

void setAllPerformers(TestSheet& sheet, const std::string& performer) {
    for (SheetTrack& track : sheet.tracks) track.performer = performer;
}

// ---- the open dialog --------------------------------------------------------------------

struct DialogRun {
    HWND dialog = nullptr;
    RECT first{};
    RECT last{};
    double placedAfterMs = -1;
    bool confirmed = false;
    Clock::time_point confirmedAt;
    bool closed = false;
};

// Presses OpenButton, waits for the dialog and for its placement, types the path and confirms.
DialogRun runOpenDialog(const Session& s, const std::wstring& path) {
    DialogRun result;
    pressMiddle(s.control("OpenButton"));
    const std::wstring title = fromGbk(kOpenDialogTitle);
    const DWORD processId = GetProcessId(s.run.process());
    waitUntil([&] { return (result.dialog = findDialog(processId, title)) != nullptr; }, kActionTimeout);
    if (result.dialog == nullptr) return result;
    const auto appeared = Clock::now();
    GetWindowRect(result.dialog, &result.first);
    const RECT target = freeScreenArea();
    const bool placed = waitUntil(
        [&] {
            GetWindowRect(result.dialog, &result.last);
            return EqualRect(&result.last, &target) != 0;
        },
        kPlacementTimeout);
    if (placed) result.placedAfterMs = msSince(appeared);
    result.confirmedAt = Clock::now();
    result.confirmed = chooseFile(result.dialog, path);
    result.closed = waitUntil([&] { return !IsWindow(result.dialog); }, kActionTimeout);
    return result;
}

void openThroughDialog(const Session& s, const std::wstring& path, const TestSheet& sheet) {
    CheckReport& report = s.report;
    report.check("OpenButton reads 打开 before any key in PathBox",
                 windowText(s.control("OpenButton")) == fromGbk("\xB4\xF2\xBF\xAA"),  // 打开
                 toUtf8(windowText(s.control("OpenButton"))));
    const DialogRun run = runOpenDialog(s, path);
    if (!report.check("a press on OpenButton shows the open dialog titled 选择一个CUE文件", run.dialog != nullptr,
                      "no such dialog of cuepad's within 10 s")) {
        return;
    }
    const RECT target = freeScreenArea();
    report.note(cat({"the dialog first stood at ", describeRect(run.first), "; the free screen area is ",
                     describeRect(target)}));
    report.check("the open dialog is moved to the free screen area's top-left with its full size within 1.5 s",
                 run.placedAfterMs >= 0, cat({"it stands at ", describeRect(run.last)}));
    if (run.placedAfterMs >= 0) report.note(cat({"placed ", millis(run.placedAfterMs), " after it appeared"}));
    report.check("the open dialog has the file name box", run.confirmed, "no control 0x47C");
    report.check("confirming the typed path closes the open dialog", run.closed);
    checkOpened(s, "the chosen sheet fills the window: its path in PathBox, first track selected, tracks 1-3 shown",
                path, sheet);
    checkAlbumFields(s, "the album boxes and CommentsList show the sheet's header", sheet);
    const std::vector<std::wstring> items = listItems(s.control("TrackList"));
    bool listed = items.size() == sheet.tracks.size();
    for (std::size_t i = 0; listed && i < items.size(); ++i) listed = items[i] == fromGbk(trackLine(static_cast<int>(i) + 1));
    report.check("TrackList lists every TRACK line in order", listed, cat({std::to_string(items.size()), " items"}));
    report.check("the save labels are enabled after the opening",
                 IsWindowEnabled(s.control("SaveHereButton")) && IsWindowEnabled(s.control("SaveAsButton")));
}

// ---- paging, typing, propagation ----------------------------------------------------------

struct PageStep {
    const char* name;
    const char* box;
    UINT key;
    int times;
    int selected;  // TrackList's current item afterwards
};

// Twelve tracks, starting with the first selected.
constexpr PageStep kPageSteps[] = {
    {"Down in TrackTitleBox1 selects track 2 and shows tracks 2-4", "TrackTitleBox1", VK_DOWN, 1, 1},
    {"three Downs in TrackPerformerBox3 select track 5 and show tracks 5-7", "TrackPerformerBox3", VK_DOWN, 3, 4},
    {"Up in TrackPerformerBox2 on track 5 selects track 4 and shows tracks 4-6", "TrackPerformerBox2", VK_UP, 1, 3},
    {"Down to track 11 of 12 shows the last three tracks", "TrackTitleBox2", VK_DOWN, 7, 10},
    {"Down to the last track keeps the last three tracks", "TrackTitleBox3", VK_DOWN, 1, 11},
    {"Down on the last track changes nothing", "TrackPerformerBox1", VK_DOWN, 1, 11},
    {"Up back to the first track shows tracks 1-3", "TrackTitleBox1", VK_UP, 11, 0},
    {"Up on the first track clears the selection and shows tracks 1-3", "TrackTitleBox1", VK_UP, 1, -1},
    {"a further Up keeps the selection empty", "TrackPerformerBox1", VK_UP, 1, -1},
    {"Down without a selection selects the first track", "TrackPerformerBox1", VK_DOWN, 1, 0},
};

void pageWithKeys(const Session& s, const TestSheet& sheet) {
    for (const PageStep& step : kPageSteps) {
        if (step.key == VK_UP && std::string_view(step.box) == "TrackPerformerBox2") {
            // The keys page the rows, not the focus: the caret stays in the box.
            const HWND box = s.control(step.box);
            pressMiddle(box);
            waitUntil([&] { return focusedWindow(s.view.window) == box; }, kActionTimeout);
            checkKeys(s, step.name, step.box, step.key, step.times, sheet, step.selected);
            s.report.check("the focus stays in TrackPerformerBox2, which now shows track 5's performer",
                           focusedWindow(s.view.window) == box &&
                               windowText(box) == fromGbk(sheet.tracks[4].performer),
                           toUtf8(windowText(box)));
            continue;
        }
        checkKeys(s, step.name, step.box, step.key, step.times, sheet, step.selected);
    }
}

// Types after the title of track 5 while row 2 shows it, pages away and back.
void typeTitle(const Session& s, TestSheet& document) {
    selectWithKeys(s, 3);  // tracks 4-6: row 2 shows track 5
    const HWND box = s.control("TrackTitleBox2");
    postKey(box, VK_END);
    postChars(box, kTypedTitle);
    document.tracks[4].title += toGbk(kTypedTitle);
    drainPosted(s.view);
    s.report.check("typing into TrackTitleBox2 shows the typed title", windowText(box) == fromGbk(document.tracks[4].title),
                   toUtf8(windowText(box)));
    checkKeys(s, "paging away (four Downs) shows tracks 8-10", "TrackTitleBox2", VK_DOWN, 4, document, 7);
    checkKeys(s, "paging back (four Ups) shows the typed title of track 5 in row 2", "TrackTitleBox2", VK_UP, 4,
              document, 3);
    checkKeys(s, "a Down shows the typed title of track 5 in the top row", "TrackTitleBox1", VK_DOWN, 1, document, 4);
    const std::vector<std::wstring> items = listItems(s.control("TrackList"));
    s.report.check("TrackList still reads TRACK 05 AUDIO for the edited track",
                   items.size() > 4 && items[4] == fromGbk(trackLine(5)), items.size() > 4 ? toUtf8(items[4]) : "");
}

void propagatePerformer(const Session& s, TestSheet& document) {
    CheckReport& report = s.report;
    const HWND check = s.control("ApplyAllCheck");
    const HWND album = s.control("AlbumPerformerBox");
    selectWithKeys(s, 5);
    pressMiddle(s.control("ApplyAllLabel"));
    drainPosted(s.view);
    report.check("a press on ApplyAllLabel checks ApplyAllCheck", checkState(check) == BST_CHECKED,
                 cat({"state ", std::to_string(checkState(check))}));
    setAllPerformers(document, document.performer);
    const TrackRows rows = readTrackRows(s.view);
    report.check("checking it selects the first track and shows the album performer in tracks 1-3",
                 showsPage(rows, document, 0), describe(rows));
    checkAllPerformers(s, "every track has the album performer", document);

    selectWithKeys(s, 5);
    postKey(album, VK_END);
    postChars(album, kTypedPerformer);
    drainPosted(s.view);
    document.performer += toGbk(kTypedPerformer);
    setAllPerformers(document, document.performer);
    report.check("typing into AlbumPerformerBox keeps the typed text there", windowText(album) == fromGbk(document.performer),
                 toUtf8(windowText(album)));
    const TrackRows typed = readTrackRows(s.view);
    report.check("each keystroke in AlbumPerformerBox pages back to tracks 1-3 with the new performer",
                 showsPage(typed, document, 0), describe(typed));
    checkAllPerformers(s, "every track has the typed album performer", document);

    PostMessageW(album, EM_SETSEL, 0, -1);
    postChars(album, L"\b");
    drainPosted(s.view);
    setAllPerformers(document, "");
    const TrackRows emptied = readTrackRows(s.view);
    report.check("emptying AlbumPerformerBox empties the performer of tracks 1-3", showsPage(emptied, document, 0),
                 describe(emptied));
    checkAllPerformers(s, "every track's performer is empty", document);

    pressMiddle(s.control("ApplyAllLabel"));
    drainPosted(s.view);
    report.check("a second press on ApplyAllLabel unchecks ApplyAllCheck", checkState(check) == BST_UNCHECKED,
                 cat({"state ", std::to_string(checkState(check))}));
    selectWithKeys(s, 2);
    postChars(album, kUncheckedTyping);
    drainPosted(s.view);
    const TrackRows unchecked = readTrackRows(s.view);
    report.check("typing into AlbumPerformerBox while unchecked changes no track and keeps the selection",
                 showsPage(unchecked, document, 2), describe(unchecked));
    document.performer = toGbk(kUncheckedTyping);

    pressMiddle(s.control("ApplyAllLabel"));
    drainPosted(s.view);
    setAllPerformers(document, document.performer);
    const TrackRows again = readTrackRows(s.view);
    report.check("checking it again gives tracks 1-3 the album performer 甲",
                 checkState(check) == BST_CHECKED && showsPage(again, document, 0), describe(again));
}

// ---- dropping --------------------------------------------------------------------------

// A point of the window's own background, between PathBox and AlbumTitleBox, on the screen.
POINT dropPoint(const Session& s) {
    POINT point = s.screen.at(300, 64);
    ClientToScreen(s.view.window, &point);
    return point;
}

// Drags the file over the window and lets go; "" when the drop was made, else why not.
std::string dropFile(const Session& s, const std::wstring& path) {
    const std::string hovering = s.drag.hover(dropPoint(s), path);
    if (hovering != "accepted") return cat({"the drag over the window was not accepted: ", hovering});
    if (!s.drag.release()) return "cannot ask the drag helper to let go";
    return {};
}

void dropSheet(const Session& s, const std::wstring& path, const TestSheet& sheet) {
    CheckReport& report = s.report;
    const std::string problem = dropFile(s, path);
    if (!report.check("a file dragged over the window is accepted", problem.empty(), problem)) return;
    checkOpened(s, "the dropped sheet (with ApplyAllCheck on) fills the window: its path in PathBox, tracks 1-3",
                path, sheet);
    const std::string outcome = s.drag.releaseOutcome(kActionTimeout);
    report.check("the window finishes the drop", outcome == "finished", outcome);
    checkAlbumFields(s, "the dropped sheet replaces every album box and comment item", sheet);
    report.check("TrackList holds all 99 tracks", listCount(s.control("TrackList")) == 99,
                 std::to_string(listCount(s.control("TrackList"))));
    checkAllPerformers(s, "opening with ApplyAllCheck on gives every track the new album performer", sheet);
}

// ---- speed -----------------------------------------------------------------------------

void reportTarget(const Session& s, std::string_view name, const std::vector<double>& samples, double target) {
    if (samples.empty()) {
        s.report.note(cat({name, ": no measurement"}));
        return;
    }
    const double middle = median(samples);
    s.report.figure(name, middle);
    s.report.note(cat({name, ": median of ", std::to_string(samples.size()), " (min ",
                       millis(*std::min_element(samples.begin(), samples.end())), ", max ",
                       millis(*std::max_element(samples.begin(), samples.end())), "); target under ",
                       millis(target), middle < target ? ": met" : ": NOT met"}));
}

// A figure without a target of its own, measured to show where the time of another goes.
void reportComparison(const Session& s, std::string_view name, const std::vector<double>& samples) {
    if (samples.empty()) return;
    s.report.figure(name, median(samples));
    s.report.note(cat({name, ": median of ", std::to_string(samples.size()), ", for comparison (no target)"}));
}

// Times from posting `action` until the program has handled it: a selection posted to PathBox
// behind it shows once everything before it is done. With no action, the cost of the probe.
template <class Action>
double timeHandled(const Session& s, Action action) {
    static WPARAM turn = 2;  // 2 and 3: apart from drainPosted's selections
    turn = turn == 2 ? 3 : 2;
    const HWND pathBox = s.control("PathBox");
    const auto expected = static_cast<DWORD_PTR>(MAKELONG(turn, turn + 1));
    const auto start = Clock::now();
    action();
    PostMessageW(pathBox, EM_SETSEL, turn, static_cast<LPARAM>(turn + 1));
    const bool handled = pollUntil(
        [&] {
            DWORD_PTR selection = 0;
            SendMessageTimeoutW(pathBox, EM_GETSEL, 0, 0, SMTO_ABORTIFHUNG, 5000, &selection);
            return selection == expected;
        },
        kActionTimeout);
    return handled ? msSince(start) : -1;
}

// A press on the swatch of the scheme in use (3: the run starts without a settings file)
// applies that scheme again: the same work as the end of every opening (colours and borders of
// every control), without anything else.
void timeSchemeReapply(const Session& s) {
    std::vector<double> probe;
    std::vector<double> press;
    for (int i = 0; i < 5; ++i) {
        if (const double ms = timeHandled(s, [] {}); ms >= 0) probe.push_back(ms);
        if (const double ms = timeHandled(s, [&] { pressMiddle(s.control("Swatch3")); }); ms >= 0) press.push_back(ms);
    }
    reportComparison(s, "posted-message-probe", probe);
    reportComparison(s, "scheme-3-reapplied-by-swatch-press", press);
}

// Opens two 99-track sheets in turn by dropping them; times each from letting go of the file
// until the window shows the sheet.
std::vector<double> timeDropOpenings(const Session& s, const std::array<std::wstring, 2>& paths,
                                     const std::array<TestSheet, 2>& sheets) {
    std::vector<double> samples;
    for (int i = 0; i < kOpeningSamples; ++i) {
        const std::size_t which = static_cast<std::size_t>(i % 2);
        const std::string hovering = s.drag.hover(dropPoint(s), paths[which]);
        if (hovering != "accepted") {
            s.report.note(cat({"drop timing stopped: ", hovering}));
            break;
        }
        const auto start = Clock::now();
        s.drag.release();
        if (!pollUntil([&] { return showsFirstPage(s, paths[which], sheets[which]); }, kActionTimeout)) {
            s.report.note("drop timing stopped: the dropped sheet did not show within 10 s");
            break;
        }
        samples.push_back(msSince(start));
        s.drag.releaseOutcome(kActionTimeout);
    }
    return samples;
}

// The same through the open dialog, timed from confirming the typed path.
std::vector<double> timeDialogOpenings(const Session& s, const std::array<std::wstring, 2>& paths,
                                       const std::array<TestSheet, 2>& sheets) {
    std::vector<double> samples;
    for (int i = 0; i < kDialogSamples; ++i) {
        const std::size_t which = static_cast<std::size_t>(i % 2);
        const DialogRun run = runOpenDialog(s, paths[which]);
        if (!run.confirmed) {
            s.report.note("dialog timing stopped: no dialog to confirm");
            break;
        }
        if (!pollUntil([&] { return showsFirstPage(s, paths[which], sheets[which]); }, kActionTimeout)) {
            s.report.note("dialog timing stopped: the chosen sheet did not show within 10 s");
            break;
        }
        samples.push_back(std::chrono::duration<double, std::milli>(Clock::now() - run.confirmedAt).count());
    }
    return samples;
}

// Types one character at a time at the end of `box` and times each from posting it until
// `watched` reads the box's new text: the program answers the driver only when it is idle, so
// this is the time the keystroke kept it busy. With `paint`, also until the window has painted
// what the keystroke left to paint. Returns the samples; `typed` gets the box's final text.
std::vector<double> timeTyping(const Session& s, HWND box, HWND watched, std::wstring_view keys, bool paint,
                               std::wstring& typed) {
    postKey(box, VK_END);
    drainPosted(s.view);
    typed = windowText(box);
    std::vector<double> samples;
    for (const wchar_t key : keys) {
        typed += key;
        const auto start = Clock::now();
        PostMessageW(box, WM_CHAR, key, 1);
        if (!pollUntil([&] { return windowText(watched) == typed; }, kActionTimeout)) {
            s.report.note(cat({"keystroke timing stopped: the watched box reads ", toUtf8(windowText(watched))}));
            break;
        }
        // Paints whatever the keystroke left to paint; returns once it is painted.
        if (paint) RedrawWindow(s.view.window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        samples.push_back(msSince(start));
    }
    return samples;
}

// Times a Down key in TrackTitleBox1 from the first track on, until the top row shows the next.
std::vector<double> timeDownKeys(const Session& s, int presses) {
    postKey(s.control("TrackList"), VK_HOME);  // the list's own key: the first track
    drainPosted(s.view);
    std::vector<double> samples;
    for (int selected = 1; selected <= presses; ++selected) {
        const std::wstring caption = fromGbk(trackLine(selected + 1));
        const auto start = Clock::now();
        postKey(s.control("TrackTitleBox1"), VK_DOWN);
        if (!pollUntil([&] { return windowText(s.control("TrackCaption1")) == caption; }, kActionTimeout)) break;
        samples.push_back(msSince(start));
    }
    return samples;
}

void setApplyAll(const Session& s, bool on) {
    if ((checkState(s.control("ApplyAllCheck")) == BST_CHECKED) != on) pressMiddle(s.control("ApplyAllLabel"));
    drainPosted(s.view);
}

// The 999-track sheet with ApplyAllCheck on: each keystroke in AlbumPerformerBox propagates to
// every track, rebuilds TrackList and refills the rows. For comparison: the same keystroke with
// the box off, and a Down key that pages the rows.
void timeThousandTracks(const Session& s, TestSheet& document) {
    const HWND album = s.control("AlbumPerformerBox");
    const HWND lastRow = s.control("TrackPerformerBox3");
    std::wstring performer;
    reportTarget(s, "keystroke-999-tracks-propagated", timeTyping(s, album, lastRow, kKeystrokes, false, performer),
                 kOneFrameMs);
    std::wstring painted;
    reportTarget(s, "keystroke-999-tracks-propagated-and-painted",
                 timeTyping(s, album, lastRow, L"ABCDEFGHIJ", true, painted), kOneFrameMs);

    document.performer = toGbk(painted);
    setAllPerformers(document, document.performer);
    const TrackRows first = readTrackRows(s.view);
    s.report.check("after the keystrokes the 999 tracks show the typed performer in tracks 1-3",
                   showsPage(first, document, 0), describe(first));
    // The list's own End key selects the last track and pages the rows there.
    postKey(s.control("TrackList"), VK_END);
    drainPosted(s.view);
    const TrackRows last = readTrackRows(s.view);
    s.report.check("and in tracks 997-999", showsPage(last, document, 998), describe(last));

    setApplyAll(s, false);
    std::wstring unchecked;
    const auto plain = timeTyping(s, album, album, L"0123456789", false, unchecked);
    reportComparison(s, "keystroke-999-tracks-unchecked", plain);
    reportComparison(s, "down-key-999-tracks", timeDownKeys(s, 10));
}

// ---- the run ---------------------------------------------------------------------------

struct Options {
    std::wstring cuepadExe;
    std::wstring dragFolder;
};

Options parseOptions(int argc, wchar_t** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::wstring_view arg = argv[i];
        if (arg == L"--drag-folder" && i + 1 < argc) {
            options.dragFolder = argv[++i];
        } else {
            options.cuepadExe = arg;
        }
    }
    if (options.cuepadExe.empty()) options.cuepadExe = cuepadOfThisBuild();
    return options;
}

bool everyControlFound(CheckReport& report, const MainWindowView& view) {
    std::string missing;
    for (std::size_t i = 0; i < kExpectedControls.size(); ++i) {
        if (view.controls[i] == nullptr) missing += cat({" ", kExpectedControls[i].role});
    }
    return report.check("every control of the main window is found by its form name", missing.empty(),
                        cat({"missing:", missing}));
}

void runScenarios(CheckReport& report, const Options& options, const Screen& screen, SheetFolder& sheets) {
    const TestFolder folder(options.cuepadExe);
    if (!report.check("a private copy of cuepad.exe", folder.ready(), cat({"cannot copy ", toUtf8(options.cuepadExe)}))) {
        return;
    }
    FileDrag drag(options.dragFolder);
    if (!drag.available()) report.note(cat({"no file drops: ", drag.why(), "; openings go through the dialog"}));

    // 12 tracks for the scenarios, 99 dropped with a Chinese name, two 99-track sheets to time
    // openings with, 999 tracks to time keystrokes with.
    TestSheet twelve = numberedSheet(12, "\xB2\xE2\xCA\xD4\xD7\xA8\xBC\xAD", kAlbumPerformer);  // 测试专辑
    const TestSheet dropped = numberedSheet(99, "\xCD\xCF\xB7\xC5\xD7\xA8\xBC\xAD", kDroppedPerformer);  // 拖放专辑
    std::array<TestSheet, 2> timed{numberedSheet(99, "A99", "A"), numberedSheet(99, "B99", "B")};
    for (SheetTrack& track : timed[1].tracks) track.title = "B" + track.title;
    TestSheet thousand = numberedSheet(999, "\xC7\xA7\xC7\xFA\xD7\xA8\xBC\xAD", kAlbumPerformer);  // 千曲专辑
    const std::wstring twelvePath = sheets.add("\xB2\xE2\xCA\xD4.cue", twelve);                      // 测试.cue
    const std::wstring droppedPath = sheets.add("\xCD\xCF\xB7\xC5 \xD7\xA8\xBC\xAD.cue", dropped);   // 拖放 专辑.cue
    const std::array<std::wstring, 2> timedPaths{sheets.add("a99.cue", timed[0]), sheets.add("b99.cue", timed[1])};
    const std::wstring thousandPath = sheets.add("t999.cue", thousand);
    if (!report.check("the test sheets are written", !twelvePath.empty() && !droppedPath.empty() &&
                                                         !timedPaths[0].empty() && !timedPaths[1].empty() &&
                                                         !thousandPath.empty())) {
        return;
    }

    CuepadRun run(folder.program());
    const HWND window = run.started() ? run.waitForMainWindow(kStartTimeout) : nullptr;
    if (!report.check("cuepad's main window appears", window != nullptr, "no visible window answered")) return;
    Session s{report, run, viewOf(run.process(), window), screen, drag};
    if (!everyControlFound(report, s.view)) return;

    openThroughDialog(s, twelvePath, twelve);
    pageWithKeys(s, twelve);
    typeTitle(s, twelve);
    propagatePerformer(s, twelve);
    if (drag.available()) {
        TestSheet droppedDocument = dropped;  // as opening with ApplyAllCheck on leaves it
        setAllPerformers(droppedDocument, droppedDocument.performer);
        dropSheet(s, droppedPath, droppedDocument);
    } else {
        report.check("a file dropped on the window opens it", false, drag.why());
    }

    pressMiddle(s.control("ApplyAllLabel"));
    drainPosted(s.view);
    report.check("ApplyAllCheck is off for the timed openings", checkState(s.control("ApplyAllCheck")) == BST_UNCHECKED);
    if (drag.available()) {
        reportTarget(s, "open-99-tracks-by-drop", timeDropOpenings(s, timedPaths, timed), kOpeningTargetMs);
    } else {
        report.note("open-99-tracks-by-drop: not measured, no drops");
    }
    reportTarget(s, "open-99-tracks-through-dialog-from-confirm", timeDialogOpenings(s, timedPaths, timed),
                 kOpeningTargetMs);
    timeSchemeReapply(s);
    // For comparison with 999 tracks: a keystroke that propagates to 99.
    setApplyAll(s, true);
    std::wstring typed;
    const auto ninetyNine = timeTyping(s, s.control("AlbumPerformerBox"), s.control("TrackPerformerBox3"), L"0123456789",
                                       false, typed);
    reportComparison(s, "keystroke-99-tracks-propagated", ninetyNine);
    setApplyAll(s, false);

    // The 999-track sheet, opened as the drop opens it when it can.
    const auto start = Clock::now();
    const bool opened = drag.available() ? dropFile(s, thousandPath).empty() : runOpenDialog(s, thousandPath).confirmed;
    const bool shown = opened && pollUntil([&] { return showsFirstPage(s, thousandPath, thousand); }, 30s);
    if (report.check("the 999-track sheet opens", shown, describe(readTrackRows(s.view)))) {
        report.note(cat({"opening 999 tracks took ", millis(msSince(start)), drag.available() ? " (drag and drop)" : " (dialog)"}));
        if (drag.available()) drag.releaseOutcome(kActionTimeout);
        pressMiddle(s.control("ApplyAllLabel"));
        drainPosted(s.view);
        setAllPerformers(thousand, thousand.performer);
        const TrackRows rows = readTrackRows(s.view);
        report.check("ApplyAllCheck on gives the 999 tracks the album performer",
                     checkState(s.control("ApplyAllCheck")) == BST_CHECKED && showsPage(rows, thousand, 0), describe(rows));
        timeThousandTracks(s, thousand);
    }

    PostMessageW(window, WM_CLOSE, 0, 0);
    const auto code = run.waitForExit(10s);
    report.check("WM_CLOSE ends the program", code.has_value() && *code == 0,
                 code ? cat({"exit code ", std::to_string(*code)}) : std::string("still running"));
}

}  // namespace
}  // namespace cuepad::e2e

int wmain(int argc, wchar_t** argv) {
    using namespace cuepad::e2e;
    SetProcessDPIAware();  // physical pixels, as cuepad (DPI aware) sees them
    const Options options = parseOptions(argc, argv);
    CheckReport report("e2e-opening");
    Screen screen;
    HDC dc = GetDC(nullptr);
    screen.dpi = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(nullptr, dc);
    report.note(cat({"screen ", std::to_string(GetSystemMetrics(SM_CXSCREEN)), "x",
                     std::to_string(GetSystemMetrics(SM_CYSCREEN)), " at ", std::to_string(screen.dpi), " DPI"}));
    SheetFolder sheets;
    if (report.check("a folder for the test sheets", sheets.ready())) runScenarios(report, options, screen, sheets);
    report.printSummary();
    return report.failed() == 0 ? 0 : 1;
}
