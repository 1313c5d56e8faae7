// The track part of cuepad's window, read from outside.
#include "track_rows_view.hpp"

#include "check_report.hpp"
#include "remote_window.hpp"

#include <chrono>

namespace cuepad::e2e {
namespace {

using namespace std::chrono_literals;

constexpr std::string_view kBlankCaption = "\xC7\xFA\xC4\xBFN";  // 曲目N

LRESULT ask(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &result)) return -3;
    return static_cast<LRESULT>(result);
}

// The 1-based track in the top row: the selected one, the first without a selection, and the
// third from the end when the selection is one of the last two.
int topTrack(int selected, int count) {
    if (count <= 3) return 1;
    const int track = selected < 0 ? 1 : selected + 1;
    return track <= count - 2 ? track : count - 2;
}

}  // namespace

int listCount(HWND list) { return static_cast<int>(ask(list, LB_GETCOUNT)); }

int listCurrent(HWND list) { return static_cast<int>(ask(list, LB_GETCURSEL)); }

std::vector<std::wstring> listItems(HWND list) {
    std::vector<std::wstring> items;
    const int count = listCount(list);
    for (int i = 0; i < count; ++i) {
        const auto length = ask(list, LB_GETTEXTLEN, static_cast<WPARAM>(i));
        if (length < 0) break;
        std::wstring item(static_cast<std::size_t>(length) + 1, L'\0');
        const auto copied = ask(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item.data()));
        item.resize(copied < 0 ? 0 : static_cast<std::size_t>(copied));
        items.push_back(item);
    }
    return items;
}

TrackRows readTrackRows(const MainWindowView& view) {
    static constexpr const char* kCaptions[] = {"TrackCaption1", "TrackCaption2", "TrackCaption3"};
    static constexpr const char* kTitles[] = {"TrackTitleBox1", "TrackTitleBox2", "TrackTitleBox3"};
    static constexpr const char* kPerformers[] = {"TrackPerformerBox1", "TrackPerformerBox2", "TrackPerformerBox3"};
    TrackRows rows;
    const HWND list = view.control("TrackList");
    rows.count = listCount(list);
    rows.current = listCurrent(list);
    for (std::size_t k = 0; k < 3; ++k) {
        rows.captions[k] = windowText(view.control(kCaptions[k]));
        rows.titles[k] = windowText(view.control(kTitles[k]));
        rows.performers[k] = windowText(view.control(kPerformers[k]));
    }
    return rows;
}

bool showsPage(const TrackRows& rows, const TestSheet& sheet, int selected) {
    const int count = static_cast<int>(sheet.tracks.size());
    if (rows.count != count || rows.current != selected) return false;
    const int top = topTrack(selected, count);
    for (std::size_t k = 0; k < 3; ++k) {
        const int track = top + static_cast<int>(k);
        if (track > count) {
            if (rows.captions[k] != fromGbk(kBlankCaption) || !rows.titles[k].empty() || !rows.performers[k].empty()) {
                return false;
            }
            continue;
        }
        const SheetTrack& expected = sheet.tracks[static_cast<std::size_t>(track - 1)];
        if (rows.captions[k] != fromGbk(trackLine(track)) || rows.titles[k] != fromGbk(expected.title) ||
            rows.performers[k] != fromGbk(expected.performer)) {
            return false;
        }
    }
    return true;
}

std::string describe(const TrackRows& rows) {
    std::string text = "selection " + std::to_string(rows.current) + " of " + std::to_string(rows.count) + ":";
    for (std::size_t k = 0; k < 3; ++k) {
        text += cat({k == 0 ? " " : " | ", toUtf8(rows.captions[k]), " ", toUtf8(rows.titles[k]), "/",
                     toUtf8(rows.performers[k])});
    }
    return text;
}

bool drainPosted(const MainWindowView& view) {
    static int turn = 0;
    turn ^= 1;
    const HWND pathBox = view.control("PathBox");
    const auto start = static_cast<WPARAM>(turn);
    PostMessageW(pathBox, EM_SETSEL, start, static_cast<LPARAM>(start + 1));
    const auto expected = static_cast<LRESULT>(MAKELONG(start, start + 1));
    return waitUntil([&] { return ask(pathBox, EM_GETSEL) == expected; }, 10s);
}

void postChars(HWND box, std::wstring_view text) {
    for (const wchar_t unit : text) PostMessageW(box, WM_CHAR, unit, 1);
}

void pressMiddle(HWND control) {
    RECT client{};
    GetClientRect(control, &client);
    postLeftClick(control, {client.right / 2, client.bottom / 2});
}

}  // namespace cuepad::e2e
