// Opening a sheet from the window: the open dialog, a file dropped on the window, the Up and
// Down keys in PathBox that choose the conversion, and filling the window from the document.
#pragma once

#include "files/document.hpp"
#include "platform/toolkit.hpp"
#include "ui/main_window_layout.hpp"
#include "ui/services.hpp"

#include <functional>
#include <string>

namespace cuepad::ui {

class SoundCues;
class TrackPager;

class Opening {
public:
    // `afterOpening` enables the save labels and re-applies the colour scheme.
    Opening(const Services& services, platform::Window& window, Document& document, const MainWindowControls& controls,
            TrackPager& pager, SoundCues& cues, std::function<void()> afterOpening);

    void openButtonPressed();
    void fileDropped(const std::string& path);
    void pathBoxKey(platform::KeyPress key);
    void openFromPathBox();
    void showHeader();

private:
    const Services& services_;
    platform::Window& window_;
    Document& document_;
    const MainWindowControls& controls_;
    TrackPager& pager_;
    SoundCues& cues_;
    std::function<void()> afterOpening_;
};

}  // namespace cuepad::ui
