// The modal About window: a text about the program, three links to the project's pages, and
// music that starts when the mouse first moves over the text. Glass where the system offers it.
#pragma once

#include "platform/toolkit.hpp"
#include "ui/services.hpp"

#include <array>
#include <memory>
#include <string>

namespace cuepad::ui {

class Hover;
class SoundCues;

// The About text: sixteen lines joined by CR LF, nothing after the last.
std::string aboutText();

// See-through where the window is glass: the window's and the links' background.
inline constexpr platform::Colour kGlassKeyColour = 0xFF0000;

class AboutWindow {
public:
    // `owner` is the main window; its always-on-top state comes back at closing when
    // `onTopCheck` is checked.
    AboutWindow(const Services& services, platform::Window& owner, const platform::CheckBox& onTopCheck, Hover& hover,
                SoundCues& cues);
    AboutWindow(const AboutWindow&) = delete;
    AboutWindow& operator=(const AboutWindow&) = delete;

    // Shows the window and returns once the user has closed it, with the owner back on top
    // when OnTopCheck was checked then.
    void run();

private:
    void created();
    void mouseOverText();
    void textDoubleClicked();
    void closing();

    Services services_;
    platform::Window& owner_;
    const platform::CheckBox& onTopCheck_;
    Hover& hover_;
    SoundCues& cues_;
    std::unique_ptr<platform::Window> window_;
    std::array<platform::Link*, 3> links_{};  // UpdateLink, HomeLink, DonateLink
    bool musicStarted_ = false;
    bool restoreOnTop_ = false;  // OnTopCheck was checked when the window closed
};

}  // namespace cuepad::ui
