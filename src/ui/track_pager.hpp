// The track pager: TrackList lists every track by its TRACK line, and the three track rows show
// three tracks at a time, the selected one on top except near the end of the list. Typing into a
// row's boxes stores the text into that row's track at once.
#pragma once

#include "files/document.hpp"
#include "platform/toolkit.hpp"
#include "ui/main_window_layout.hpp"

#include <array>

namespace cuepad::ui {

class TrackPager {
public:
    TrackPager(Document& document, const MainWindowControls& controls);
    TrackPager(const TrackPager&) = delete;
    TrackPager& operator=(const TrackPager&) = delete;

    // Rebuilds TrackList from the document's tracks and sets the track count. Selects nothing.
    void refillTrackList();
    // Shows the page for TrackList's current item.
    void refreshTrackRows();
    void computeVisibleTracks(int selected);
    void fillTrackRows(int first, int second, int third);
    void storeRowTitle(int row);
    void storeRowPerformer(int row);
    void onTrackBoxKey(platform::KeyPress key, platform::EditBox& box);

    const std::array<int, 3>& visibleTracks() const { return visibleTracks_; }

private:
    // The document's track that row k (1 to 3) shows, or nothing for a blank row. A row is
    // known by its number in the page rather than by its caption, so two tracks with the same
    // TRACK line are never confused.
    TrackEntry* rowTrack(int row);
    void fillRow(int row, int track);
    void blankCaption(int row);
    void blankBoxes(int row);

    Document& document_;
    const MainWindowControls& controls_;
    std::array<int, 3> visibleTracks_{0, 0, 0};
};

}  // namespace cuepad::ui
