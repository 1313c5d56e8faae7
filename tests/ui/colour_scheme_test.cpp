// Painting the main window in its six colour schemes.
#include "main_window_fixture.hpp"

namespace cuepad::testing {
namespace {

using platform::BorderStyle;
using platform::Colour;
using platform::kDefaultColour;

constexpr std::size_t kSwatchDefault = 0, kSwatch5 = 1, kSwatch1 = 2;

void expectScheme(const ui::MainWindowControls& c, const platform::HeadlessWindow& window, Colour background,
                  Colour text, Colour field, Colour fieldText, BorderStyle fieldBorder, BorderStyle buttonBorder) {
    EXPECT_EQ(window.background, background);
    for (platform::Control* label : c.fieldLabels) {
        EXPECT_EQ(label->backgroundColour(), background);
        EXPECT_EQ(label->textColour(), text);
    }
    for (platform::Control* control : {static_cast<platform::Control*>(c.onTopCheck), static_cast<platform::Control*>(c.applyAllCheck),
                                       static_cast<platform::Control*>(c.trackCaptions[2]), static_cast<platform::Control*>(c.aboutButton)}) {
        EXPECT_EQ(control->backgroundColour(), background);
        EXPECT_EQ(control->textColour(), text);
    }
    for (platform::Control* box : {static_cast<platform::Control*>(c.pathBox), static_cast<platform::Control*>(c.genreBox),
                                   static_cast<platform::Control*>(c.trackPerformerBoxes[2]),
                                   static_cast<platform::Control*>(c.trackList), static_cast<platform::Control*>(c.commentsList)}) {
        EXPECT_EQ(box->backgroundColour(), field);
        EXPECT_EQ(box->textColour(), fieldText);
        EXPECT_EQ(box->borderStyle(), fieldBorder);
    }
    for (platform::Label* button : {c.openButton, c.chooseImageButton, c.saveHereButton, c.saveAsButton}) {
        EXPECT_EQ(button->borderStyle(), buttonBorder);
    }
}

TEST_F(MainWindowTest, FreshStartShowsSchemeThree) {
    start();
    expectScheme(controls(), *window, 0xB8B8B8, 0x000000, 0xEEEEEE, 0x000000, BorderStyle::None, BorderStyle::ThinLine);
    // The save labels are still disabled: they take the disabled text colour.
    EXPECT_EQ(controls().saveHereButton->textColour(), 0x5C5C5Cu);
    EXPECT_EQ(controls().saveAsButton->textColour(), 0x5C5C5Cu);
}

TEST_F(MainWindowTest, SwatchesRepaintTheWindowAndKeepTheirOwnFill) {
    start();
    user.click(*controls().swatches[kSwatch1]);
    expectScheme(controls(), *window, 0x343434, 0xDDDDDD, 0x222222, 0xDDDDDD, BorderStyle::None, BorderStyle::ThinLine);
    EXPECT_EQ(controls().saveHereButton->textColour(), 0x808080u);

    user.click(*controls().swatches[kSwatchDefault]);
    expectScheme(controls(), *window, kDefaultColour, 0x000000, 0xFFFFFF, 0x000000, BorderStyle::Sunken, BorderStyle::Raised);
    EXPECT_EQ(main->colours().schemeIndex, 0);

    user.click(*controls().swatches[kSwatch5]);
    expectScheme(controls(), *window, 0x245704, 0xCCFFFB, 0xDBFFD5, 0x000000, BorderStyle::None, BorderStyle::ThinLine);

    const Colour fills[] = {kDefaultColour, 0x245704, 0x343434, 0x535353, 0xB8B8B8, 0xD6D6D6};
    for (std::size_t i = 0; i < 6; ++i) EXPECT_EQ(controls().swatches[i]->backgroundColour(), fills[i]) << i;
}

TEST_F(MainWindowTest, EnabledSaveLabelsTakeTheTextColourWhenTheSchemeIsApplied) {
    start();
    controls().saveHereButton->setEnabled(true);
    controls().saveAsButton->setEnabled(true);
    user.click(*controls().swatches[kSwatch1]);
    EXPECT_EQ(controls().saveHereButton->textColour(), 0xDDDDDDu);
    EXPECT_EQ(controls().saveAsButton->textColour(), 0xDDDDDDu);
}

TEST_F(MainWindowTest, AnUnknownSchemeNumberKeepsTheColoursButFlattensTheBorders) {
    start();
    user.click(*controls().swatches[kSwatchDefault]);
    ui::ColourState state = main->colours();
    ui::applyScheme(state, 7, *window, controls());
    EXPECT_EQ(state.slots.fieldBackground, 0xFFFFFFu);
    EXPECT_EQ(controls().pathBox->borderStyle(), BorderStyle::None);
    EXPECT_EQ(controls().openButton->borderStyle(), BorderStyle::ThinLine);
}

}  // namespace
}  // namespace cuepad::testing
