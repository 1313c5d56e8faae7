// The track pager.
#include "ui/track_pager.hpp"

#include "ui/strings.hpp"

namespace cuepad::ui {

namespace {
constexpr int kKeyA = 65;
constexpr int kKeyUp = 0x26;
constexpr int kKeyDown = 0x28;
}  // namespace

TrackPager::TrackPager(Document& document, const MainWindowControls& controls)
    : document_(document), controls_(controls) {
    controls_.trackList->onSelectionChanged = [this] { refreshTrackRows(); };
    for (int row = 1; row <= 3; ++row) {
        platform::EditBox* title = controls_.trackTitleBoxes[static_cast<std::size_t>(row - 1)];
        platform::EditBox* performer = controls_.trackPerformerBoxes[static_cast<std::size_t>(row - 1)];
        title->onTextChanged = [this, row] { storeRowTitle(row); };
        performer->onTextChanged = [this, row] { storeRowPerformer(row); };
        title->onKeyDown = [this, title](platform::KeyPress key) { onTrackBoxKey(key, *title); };
        performer->onKeyDown = [this, performer](platform::KeyPress key) { onTrackBoxKey(key, *performer); };
    }
}

void TrackPager::refillTrackList() {
    platform::ListBox& list = *controls_.trackList;
    list.setRedraw(false);
    list.clear();
    document_.trackCount = static_cast<int>(document_.documentTracks.size());
    for (const TrackEntry& track : document_.documentTracks) list.addItem(track.trackLine);
    list.setRedraw(true);
}

void TrackPager::refreshTrackRows() {
    computeVisibleTracks(controls_.trackList->currentItem());
    fillTrackRows(visibleTracks_[0], visibleTracks_[1], visibleTracks_[2]);
}

void TrackPager::computeVisibleTracks(int selected) {
    const int n = document_.trackCount;
    int a = 0;
    if (selected == 0 || selected == -1 || n == 2) {
        a = 2;
    } else if (selected == n - 2 || selected == n - 1) {
        a = n - 1;
    } else {
        a = selected + 2;
    }
    visibleTracks_ = {a - 1, a, a + 1};
}

// Each row's caption is written before its boxes: every box write raises the box's
// text-changed event, which stores the shown value straight back into the row's track.
void TrackPager::fillTrackRows(int first, int second, int third) {
    const int n = document_.trackCount;
    if (n == 0) return;
    if (n == 1) {
        fillRow(1, first);
        blankCaption(2);
        blankCaption(3);
        blankBoxes(2);
        blankBoxes(3);
        return;
    }
    fillRow(1, first);
    fillRow(2, second);
    if (n == 2) {
        blankCaption(3);
        blankBoxes(3);
    } else {
        fillRow(3, third);
    }
}

void TrackPager::fillRow(int row, int track) {
    const std::size_t k = static_cast<std::size_t>(row - 1);
    const std::size_t index = static_cast<std::size_t>(track - 1);
    if (track < 1 || index >= document_.documentTracks.size()) {
        blankCaption(row);
        blankBoxes(row);
        return;
    }
    const TrackEntry& entry = document_.documentTracks[index];
    controls_.trackCaptions[k]->setCaption(entry.trackLine);
    const std::string title = entry.title;  // copies: each write stores back into the entry
    const std::string performer = entry.performer;
    controls_.trackTitleBoxes[k]->setText(title);
    controls_.trackPerformerBoxes[k]->setText(performer);
}

void TrackPager::blankCaption(int row) {
    controls_.trackCaptions[static_cast<std::size_t>(row - 1)]->setCaption(strings::kBlankTrackCaption);
}

void TrackPager::blankBoxes(int row) {
    controls_.trackTitleBoxes[static_cast<std::size_t>(row - 1)]->setText("");
    controls_.trackPerformerBoxes[static_cast<std::size_t>(row - 1)]->setText("");
}

TrackEntry* TrackPager::rowTrack(int row) {
    // Rows past the end of a one- or two-track sheet, and every row before a sheet is open,
    // carry numbers outside the list: they are blank and store nothing.
    const int track = visibleTracks_[static_cast<std::size_t>(row - 1)];
    if (track < 1 || track > document_.trackCount || static_cast<std::size_t>(track) > document_.documentTracks.size()) {
        return nullptr;
    }
    return &document_.documentTracks[static_cast<std::size_t>(track - 1)];
}

void TrackPager::storeRowTitle(int row) {
    if (TrackEntry* track = rowTrack(row)) track->title = controls_.trackTitleBoxes[static_cast<std::size_t>(row - 1)]->text();
}

void TrackPager::storeRowPerformer(int row) {
    if (TrackEntry* track = rowTrack(row)) {
        track->performer = controls_.trackPerformerBoxes[static_cast<std::size_t>(row - 1)]->text();
    }
}

void TrackPager::onTrackBoxKey(platform::KeyPress key, platform::EditBox& box) {
    platform::ListBox& list = *controls_.trackList;
    if (key.virtualKey == kKeyA && key.modifiers == platform::kControlKey) {
        box.selectAll();
    } else if (key.virtualKey == kKeyUp) {
        list.setCurrentItem(list.currentItem() - 1);
        refreshTrackRows();
    } else if (key.virtualKey == kKeyDown) {
        list.setCurrentItem(list.currentItem() + 1);
        refreshTrackRows();
    }
}

}  // namespace cuepad::ui
