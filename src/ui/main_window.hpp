// The main window: owns the document and the window's state, builds the controls, and answers
// their events. Every behaviour is written against the toolkit seam.
#pragma once

#include "files/document.hpp"
#include "ui/colour_scheme.hpp"
#include "ui/main_window_layout.hpp"

#include <memory>
#include <string>

namespace cuepad {
namespace platform {
class SystemServices;
class Toolkit;
class Window;
}  // namespace platform

namespace ui {

class MainWindow {
public:
    MainWindow(platform::Toolkit& toolkit, platform::SystemServices& system);
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;
    ~MainWindow();

    platform::Window& window() { return *window_; }
    const MainWindowControls& controls() const { return controls_; }
    Document& document() { return document_; }
    const ColourState& colours() const { return colours_; }
    const std::string& settingsFile() const { return settingsFile_; }

private:
    void created();
    void closing();
    void setFonts();
    void chooseScheme(int scheme);
    void applyOnTop();
    void toggleOnTop();

    platform::Toolkit& toolkit_;
    platform::SystemServices& system_;
    std::unique_ptr<platform::Window> window_;
    MainWindowControls controls_;
    Document document_;
    ColourState colours_;
    std::string settingsFile_;
};

}  // namespace ui
}  // namespace cuepad
