// Saving from the window: beside the opened sheet, or to a path chosen in the save dialog, and
// choosing the image file the sheet names.
#pragma once

#include "files/document.hpp"
#include "files/sheet_saver.hpp"
#include "ui/main_window_layout.hpp"
#include "ui/services.hpp"

#include <vector>

namespace cuepad::ui {

class SoundCues;

class Saving {
public:
    Saving(const Services& services, platform::Window& window, Document& document, const MainWindowControls& controls,
           SoundCues& cues);

    void saveHere();
    void saveAs();
    void chooseImage();

    // The album boxes and comment items as saving reads them.
    AlbumBoxTexts albumBoxes() const;
    std::vector<std::string> commentItems() const;

private:
    bool imageNameGiven();
    void write();

    const Services& services_;
    platform::Window& window_;
    Document& document_;
    const MainWindowControls& controls_;
    SoundCues& cues_;
};

}  // namespace cuepad::ui
