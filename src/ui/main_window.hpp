// The main window: owns the document and the window's state, builds the controls, and answers
// their events. Every behaviour is written against the toolkit seam.
#pragma once

#include "files/document.hpp"
#include "ui/colour_scheme.hpp"
#include "ui/comments_list.hpp"
#include "ui/hover.hpp"
#include "ui/main_window_layout.hpp"
#include "ui/opening.hpp"
#include "ui/performer_propagation.hpp"
#include "ui/saving.hpp"
#include "ui/services.hpp"
#include "ui/sound_cues.hpp"
#include "ui/track_pager.hpp"

#include <memory>
#include <string>

namespace cuepad {
namespace ui {

class MainWindow {
public:
    explicit MainWindow(const Services& services);
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;
    ~MainWindow();

    platform::Window& window() { return *window_; }
    const MainWindowControls& controls() const { return controls_; }
    Document& document() { return document_; }
    const ColourState& colours() const { return colours_; }
    const std::string& settingsFile() const { return settingsFile_; }
    TrackPager& pager() { return pager_; }
    Hover& hover() { return hover_; }

private:
    void created();
    void closing();
    void setFonts();
    void chooseScheme(int scheme);
    void applyOnTop();
    void toggleOnTop();
    void sheetOpened();
    void showAbout();

    Services services_;
    std::unique_ptr<platform::Window> window_;
    MainWindowControls controls_;
    Document document_;
    ColourState colours_;
    std::string settingsFile_;
    SoundCues cues_;
    TrackPager pager_;
    PerformerPropagation propagation_;
    Opening opening_;
    Saving saving_;
    CommentsList comments_;
    Hover hover_;
};

}  // namespace ui
}  // namespace cuepad
