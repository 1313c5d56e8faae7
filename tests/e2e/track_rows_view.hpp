// What the track part of cuepad's window shows, read from outside: TrackList's count and
// selection and the three track rows; what it should show for a document and a selection; and
// a barrier that waits until the program has handled every message posted to it so far.
#pragma once

#include "main_window_view.hpp"
#include "test_sheets.hpp"

#include <windows.h>

#include <array>
#include <string>
#include <vector>

namespace cuepad::e2e {

struct TrackRows {
    int count = -1;    // TrackList's items
    int current = -2;  // TrackList's current item, -1 for none
    std::array<std::wstring, 3> captions;
    std::array<std::wstring, 3> titles;
    std::array<std::wstring, 3> performers;
};

TrackRows readTrackRows(const MainWindowView& view);

// Whether the rows show `sheet` (the document as it should be now) with item `selected` current:
// the selected track in the top row, the last three near the end, blank rows past the end.
bool showsPage(const TrackRows& rows, const TestSheet& sheet, int selected);

// "selection 3 of 12: TRACK 04 AUDIO 曲4/歌手4 | ..." for messages.
std::string describe(const TrackRows& rows);

int listCount(HWND list);
int listCurrent(HWND list);
std::vector<std::wstring> listItems(HWND list);

// Posts a harmless, visible change to PathBox (a selection) behind everything posted so far
// and waits until it shows: posted messages are handled in order, so all before it are done.
// Needs a PathBox holding at least two characters, which every opened path does.
bool drainPosted(const MainWindowView& view);

// One WM_CHAR per UTF-16 unit, as the keyboard's translation delivers them.
void postChars(HWND box, std::wstring_view text);

// A left press and release at the middle of a control.
void pressMiddle(HWND control);

}  // namespace cuepad::e2e
