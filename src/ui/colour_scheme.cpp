// Colour schemes.
#include "ui/colour_scheme.hpp"

#include "ui/main_window_layout.hpp"

namespace cuepad::ui {

using platform::BorderStyle;
using platform::Colour;
using platform::kDefaultColour;

const std::array<ColourSlots, kSchemeCount> kSchemes{{
    // background   hover           text      disabled  field bg  field text
    {kDefaultColour, kDefaultColour, 0x000000, 0xA0A0A0, 0xFFFFFF, 0x000000},
    {0x343434, 0x464646, 0xDDDDDD, 0x808080, 0x222222, 0xDDDDDD},
    {0x535353, 0x6B6B6B, 0xFFFFFF, 0xA9A9A9, 0x3A3A3A, 0xFFFFFF},
    {0xB8B8B8, 0xD4D4D4, 0x000000, 0x5C5C5C, 0xEEEEEE, 0x000000},
    {0xD6D6D6, 0xF4F4F4, 0x000000, 0x6B6B6B, 0xFFFFFF, 0x000000},
    {0x245704, 0x3E7F4A, 0xCCFFFB, 0x6B6B6B, 0xDBFFD5, 0x000000},
}};

void paintSwatches(const MainWindowControls& controls) {
    for (std::size_t i = 0; i < controls.swatches.size(); ++i) {
        controls.swatches[i]->setBackgroundColour(kSchemes[static_cast<std::size_t>(kSwatchSchemes[i])].background);
    }
}

void applyScheme(ColourState& state, int n, platform::Window& window, const MainWindowControls& controls) {
    if (n >= 0 && n < kSchemeCount) state.slots = kSchemes[static_cast<std::size_t>(n)];
    const bool system = n == 0;
    const ColourSlots& s = state.slots;
    paintControls(window, controls, s.background, s.text, s.fieldBackground, s.fieldText,
                  system ? BorderStyle::Sunken : BorderStyle::None,
                  system ? BorderStyle::Raised : BorderStyle::ThinLine);
    const Colour saveText = controls.saveHereButton->isEnabled() ? s.text : s.disabledText;
    controls.saveHereButton->setTextColour(saveText);
    controls.saveAsButton->setTextColour(saveText);
}

void paintControls(platform::Window& window, const MainWindowControls& c, Colour background, Colour text,
                   Colour fieldBackground, Colour fieldText, BorderStyle fieldBorder, BorderStyle buttonBorder) {
    // The 23 labels that take the window's colours: the field labels, the track captions and
    // the labels that act as buttons or lie over check boxes (not the swatches).
    std::vector<platform::Control*> labels(c.fieldLabels.begin(), c.fieldLabels.end());
    labels.insert(labels.end(), {c.aboutButton, c.trackCaptions[0], c.trackCaptions[1], c.trackCaptions[2],
                                 c.applyAllLabel, c.onTopLabel, c.openButton, c.chooseImageButton,
                                 c.saveHereButton, c.saveAsButton});
    const std::array<platform::Control*, 2> checks{c.onTopCheck, c.applyAllCheck};
    const std::array<platform::Control*, 15> fields{
        c.trackList,           c.commentsList,          c.genreBox,           c.dateBox,
        c.trackTitleBoxes[0],  c.trackTitleBoxes[1],    c.trackTitleBoxes[2], c.trackPerformerBoxes[0],
        c.trackPerformerBoxes[1], c.trackPerformerBoxes[2], c.albumTitleBox,   c.pathBox,
        c.imageFileBox,        c.albumPerformerBox,     c.mediaCodeBox};

    window.setBackgroundColour(background);
    for (platform::Control* control : checks) control->setBackgroundColour(background);
    for (platform::Control* control : labels) control->setBackgroundColour(background);
    for (platform::Control* control : labels) control->setTextColour(text);
    for (platform::Control* control : checks) control->setTextColour(text);
    for (platform::Control* control : fields) control->setBackgroundColour(fieldBackground);
    for (platform::Control* control : fields) control->setTextColour(fieldText);
    for (platform::Control* control : fields) control->setBorderStyle(fieldBorder);
    for (platform::Control* control : {c.openButton, c.chooseImageButton, c.saveHereButton, c.saveAsButton}) {
        control->setBorderStyle(buttonBorder);
    }
}

}  // namespace cuepad::ui
