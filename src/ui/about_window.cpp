// The About window's form and its events.
#include "ui/about_window.hpp"

#include "platform/desktop.hpp"
#include "platform/sound_player.hpp"
#include "ui/hover.hpp"
#include "ui/project_info.hpp"
#include "ui/sound_cues.hpp"
#include "ui/sound_images.hpp"
#include "ui/strings.hpp"

#include <array>

namespace cuepad::ui {
namespace {

constexpr int kAboutWidth = 560;
constexpr int kAboutHeight = 250;
constexpr std::string_view kTenSpaces = "          ";

constexpr platform::Colour kTextGreen = 0x00FF00;
constexpr platform::Colour kTextBackground = 0x000000;
constexpr platform::Colour kLinkRed = 0x0000FF;
constexpr platform::Colour kVisitedDarkRed = 0x000080;

struct LinkForm {
    std::string_view name;
    platform::Rect place;
    std::string_view caption;
    std::string_view address;
    platform::Colour hover;
};

const std::array<LinkForm, 3> kLinks{{
    {"UpdateLink", {10, 38, 80, 20}, strings::kUpdateLink, project::kReleasesPage, 0x00FFFF},  // yellow
    {"HomeLink", {10, 101, 80, 20}, strings::kHomeLink, project::kHomePage, 0xFF0090},        // violet
    {"DonateLink", {10, 165, 80, 20}, strings::kDonateLink, project::kDonationsPage, 0x00E080},  // yellow-green
}};

}  // namespace

std::string aboutText() {
    namespace s = strings::about;
    const std::array<std::string, 16> lines{
        "",
        std::string(s::kLine2),
        "",
        std::string(s::kLine4),
        std::string(s::kLine5),
        std::string(s::kLine6),
        "",
        std::string(s::kLine8),
        "",
        std::string(s::kLine10),
        "",
        std::string(s::kLine12),
        "",
        std::string(project::kContactAddress),
        "",
        std::string(s::kLine16).append(kTenSpaces).append(project::kMakersName),
    };
    std::string text;
    for (const std::string& line : lines) {
        if (&line != &lines.front()) text += "\r\n";
        text += line;
    }
    return text;
}

AboutWindow::AboutWindow(const Services& services, platform::Window& owner, const platform::CheckBox& onTopCheck,
                         Hover& hover, SoundCues& cues)
    : services_(services), owner_(owner), onTopCheck_(onTopCheck), hover_(hover), cues_(cues),
      window_(services.toolkit.createWindow({std::string(strings::kAbout), kAboutWidth, kAboutHeight, &owner})) {
    platform::EditBox& text = window_->addTextBox("AboutText", {110, 6, 430, 210});
    text.setBorderStyle(platform::BorderStyle::Sunken);
    text.setTextColour(kTextGreen);
    text.setBackgroundColour(kTextBackground);
    text.setText(aboutText());
    text.onMouseMove = [this](platform::Point) { mouseOverText(); };
    text.onDoubleClick = [this] { textDoubleClicked(); };
    for (std::size_t i = 0; i < kLinks.size(); ++i) {
        const LinkForm& form = kLinks[i];
        platform::Link& link = window_->addLink(form.name, form.place, form.caption, form.address);
        links_[i] = &link;
        link.setTextColour(kLinkRed);
        link.setVisitedColour(kVisitedDarkRed);
        link.setHoverColour(form.hover);
        link.onLeftPress = [this] { cues_.playClickCue(); };
        link.onMouseMove = [this](platform::Point) { hover_.updateHoverCue(true); };
    }
    window_->onMouseMove = [this](platform::Point) { hover_.updateHoverCue(false); };
    window_->onClosing = [this] { closing(); };
    created();
}

// Always-on-top comes back once this window has gone: a window that still owns a window below
// it cannot be put on top everywhere (Wine refuses it).
void AboutWindow::run() {
    services_.toolkit.runModal(*window_, owner_);
    if (restoreOnTop_) owner_.setTopmost(true);
}

// Glass: the window and the links take the key colour, which the glass then shows through.
void AboutWindow::created() {
    if (!services_.desktop.glassAvailable()) return;
    window_->setBackgroundColour(kGlassKeyColour);
    for (platform::Link* link : links_) link->setBackgroundColour(kGlassKeyColour);
    window_->applyGlass(kGlassKeyColour);
}

void AboutWindow::mouseOverText() {
    if (musicStarted_) return;
    services_.sounds.playWave(aboutMusicImage());
    window_->setCaption(strings::kMusicPlaying);
    musicStarted_ = true;
}

// The music stops for good: it does not start again while this window stays open.
void AboutWindow::textDoubleClicked() {
    services_.sounds.stopAllSounds();
    window_->setCaption(strings::kAbout);
}

void AboutWindow::closing() {
    services_.sounds.stopAllSounds();
    musicStarted_ = false;
    restoreOnTop_ = onTopCheck_.isChecked();
}

}  // namespace cuepad::ui
