// Album performer propagation.
#include "ui/performer_propagation.hpp"

#include "ui/track_pager.hpp"

namespace cuepad::ui {

PerformerPropagation::PerformerPropagation(Document& document, const MainWindowControls& controls, TrackPager& pager)
    : document_(document), controls_(controls), pager_(pager) {
    controls_.applyAllCheck->onClicked = [this] { clicked(); };
    controls_.applyAllLabel->onLeftPress = [this] {
        controls_.applyAllCheck->setChecked(!controls_.applyAllCheck->isChecked());
        clicked();
    };
    controls_.albumPerformerBox->onTextChanged = [this] { albumPerformerChanged(); };
}

void PerformerPropagation::clicked() {
    if (controls_.albumPerformerBox->text().empty()) return;
    if (!controls_.applyAllCheck->isChecked()) return;
    applyAlbumPerformer();
}

void PerformerPropagation::albumPerformerChanged() {
    if (controls_.applyAllCheck->isChecked()) applyAlbumPerformer();
}

void PerformerPropagation::applyAlbumPerformer() {
    const std::string performer = controls_.albumPerformerBox->text();
    for (TrackEntry& track : document_.documentTracks) track.performer = performer;
    pager_.refillTrackList();
    controls_.trackList->setCurrentItem(0);
    pager_.refreshTrackRows();
}

}  // namespace cuepad::ui
