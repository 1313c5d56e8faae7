// The main window's start-up, shut-down, colour scheme choice and always-on-top option.
#include "ui/main_window.hpp"

#include "platform/system_services.hpp"
#include "platform/toolkit.hpp"
#include "ui/about_window.hpp"
#include "ui/settings.hpp"
#include "ui/strings.hpp"

namespace cuepad::ui {

MainWindow::MainWindow(const Services& services)
    : services_(services),
      window_(services.toolkit.createWindow({std::string(strings::kWindowCaption), kClientWidth, kClientHeight})),
      controls_(createMainWindowControls(*window_)),
      settingsFile_(settingsPath(services.system.runDirectory())),
      cues_(services_),
      pager_(document_, controls_),
      propagation_(document_, controls_, pager_),
      opening_(services_, *window_, document_, controls_, pager_, cues_, [this] { sheetOpened(); }),
      saving_(services_, *window_, document_, controls_, cues_),
      comments_(services_, *window_, controls_),
      hover_(*window_, controls_, colours_, cues_) {
    for (std::size_t i = 0; i < controls_.swatches.size(); ++i) {
        controls_.swatches[i]->onLeftPress = [this, i] { chooseScheme(kSwatchSchemes[i]); };
    }
    controls_.onTopLabel->onLeftPress = [this] { toggleOnTop(); };
    controls_.onTopCheck->onClicked = [this] { applyOnTop(); };
    controls_.aboutButton->onLeftPress = [this] { showAbout(); };
    controls_.commentsMenu->addItem(strings::kAddItem, [this] { comments_.addComment(); });
    controls_.commentsMenu->addItem(strings::kEditItem, [this] { comments_.editComment(); });
    controls_.commentsMenu->addItem(strings::kDeleteItem, [this] { comments_.deleteComment(); });
    window_->onClosing = [this] { closing(); };
    created();
}

MainWindow::~MainWindow() = default;

void MainWindow::created() {
    paintSwatches(controls_);
    setFonts();
    colours_.schemeIndex = loadSchemeSetting(services_.system, settingsFile_);
    applyScheme(colours_, colours_.schemeIndex, *window_, controls_);
}

// The face first on all forty controls, then the size, in the window's font order.
void MainWindow::setFonts() {
    const MainWindowControls& c = controls_;
    const std::array<int, 13> labelOrder{5, 8, 9, 7, 1, 3, 6, 4, 2, 13, 12, 10, 11};
    std::vector<platform::Control*> controls;
    for (int number : labelOrder) controls.push_back(c.fieldLabels[static_cast<std::size_t>(number - 1)]);
    controls.insert(controls.end(),
                    {c.aboutButton, c.applyAllLabel, c.onTopLabel, c.trackCaptions[0], c.trackCaptions[1],
                     c.trackCaptions[2], c.onTopCheck, c.applyAllCheck, c.openButton, c.chooseImageButton,
                     c.saveHereButton, c.saveAsButton, c.genreBox, c.dateBox, c.trackTitleBoxes[1],
                     c.trackTitleBoxes[0], c.trackTitleBoxes[2], c.trackPerformerBoxes[1], c.trackPerformerBoxes[0],
                     c.trackPerformerBoxes[2], c.albumTitleBox, c.pathBox, c.imageFileBox, c.albumPerformerBox,
                     c.mediaCodeBox, c.trackList, c.commentsList});
    for (platform::Control* control : controls) control->setFontFace(strings::kFontFace);
    for (platform::Control* control : controls) control->setFontPoints(strings::kFontPoints);
}

void MainWindow::closing() { saveSchemeSetting(services_.system, settingsFile_, colours_.schemeIndex); }

// The save labels are enabled by the first sheet opened and take the scheme's text colour.
void MainWindow::sheetOpened() {
    controls_.saveHereButton->setEnabled(true);
    controls_.saveAsButton->setEnabled(true);
    applyScheme(colours_, colours_.schemeIndex, *window_, controls_);
}

void MainWindow::chooseScheme(int scheme) {
    colours_.schemeIndex = scheme;
    applyScheme(colours_, colours_.schemeIndex, *window_, controls_);
}

// Modal: the main window is disabled and not on top while the About window is open; its closing
// brings always-on-top back when OnTopCheck asks for it.
void MainWindow::showAbout() {
    window_->setTopmost(false);
    cues_.playClickCue();
    AboutWindow about(services_, *window_, *controls_.onTopCheck, hover_, cues_);
    about.run();
}

void MainWindow::applyOnTop() { window_->setTopmost(controls_.onTopCheck->isChecked()); }

void MainWindow::toggleOnTop() {
    controls_.onTopCheck->setChecked(!controls_.onTopCheck->isChecked());
    applyOnTop();
}

}  // namespace cuepad::ui
