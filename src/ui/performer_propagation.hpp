// Giving every track the album performer: ApplyAllCheck (or the label over its caption) turns it
// on, and while it is on every change of AlbumPerformerBox is copied into all tracks.
#pragma once

#include "files/document.hpp"
#include "ui/main_window_layout.hpp"

namespace cuepad::ui {

class TrackPager;

class PerformerPropagation {
public:
    PerformerPropagation(Document& document, const MainWindowControls& controls, TrackPager& pager);

    void applyAlbumPerformer();

private:
    void clicked();
    void albumPerformerChanged();

    Document& document_;
    const MainWindowControls& controls_;
    TrackPager& pager_;
};

}  // namespace cuepad::ui
