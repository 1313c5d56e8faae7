// The hover highlight and the hover cue: the five action labels take the scheme's hover colour
// under the mouse (never in scheme 0) until the mouse moves over the bare window; entering an
// action label or a swatch plays the hover cue once until the bare window re-arms it.
#include "main_window_fixture.hpp"

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <set>

namespace cuepad::testing {
namespace {

using platform::Colour;

constexpr int kKeyUp = 0x26;
constexpr int kKeyDown = 0x28;
// Scheme 3, the one a fresh start shows, and scheme 1.
constexpr Colour kBackground3 = 0xB8B8B8, kHover3 = 0xD4D4D4;
constexpr Colour kBackground1 = 0x343434, kHover1 = 0x464646;
constexpr std::size_t kSwatchDefault = 0, kSwatch1 = 2, kSwatch2 = 3;

std::string hex(Colour colour) {
    char text[16];
    std::snprintf(text, sizeof text, "%06X", colour);
    return text;
}

class HoverTest : public MainWindowTest {
protected:
    void SetUp() override { start(); }

    void moveOver(platform::Control& control) { user.moveMouse(control, {4, 4}); }
    // The window's own mouse-moved event comes only over bare background.
    void moveOverBackground() { window->onMouseMove(platform::Point{2, 2}); }

    // The hover cues played so far, after letting the workers run.
    std::ptrdiff_t hoverCues() {
        desktop.runWorkers();
        return std::count(sounds.names.begin(), sounds.names.end(), "hover");
    }

    std::vector<platform::Label*> actionLabels() const {
        const ui::MainWindowControls& c = controls();
        return {c.aboutButton, c.openButton, c.chooseImageButton, c.saveHereButton, c.saveAsButton};
    }

    std::vector<std::pair<std::string, Colour>> backgrounds() const {
        std::vector<std::pair<std::string, Colour>> colours{{"window", window->background}};
        for (const auto& [name, control] : window->controls()) colours.emplace_back(name, control->backgroundColour());
        return colours;
    }

    bool hoverCuePlayed() { return main->hover().hoverCuePlayed(); }
};

TEST_F(HoverTest, OnlyTheActionLabelsAndTheSwatchesReactToTheMouse) {
    openSheetWithTracks(3);  // enables the save labels
    const std::vector<platform::Label*> labels = actionLabels();
    const std::set<const platform::Control*> actions(labels.begin(), labels.end());
    const std::set<const platform::Control*> swatches(controls().swatches.begin(), controls().swatches.end());

    std::vector<std::string> reactions, expected;
    for (const auto& [name, control] : window->controls()) {
        if (actions.count(control) != 0) expected.push_back(name + " cue hover, paints " + name + " " + hex(kHover3));
        if (swatches.count(control) != 0) expected.push_back(name + " cue hover");

        moveOverBackground();
        desktop.runWorkers();
        sounds.names.clear();
        const auto before = backgrounds();
        moveOver(*control);
        desktop.runWorkers();
        const auto after = backgrounds();
        std::string reaction;
        for (const std::string& sound : sounds.names) reaction += " cue " + sound;
        for (std::size_t i = 0; i < after.size(); ++i) {
            if (after[i] != before[i]) reaction += ", paints " + after[i].first + " " + hex(after[i].second);
        }
        if (!reaction.empty()) reactions.push_back(name + reaction);
    }
    EXPECT_EQ(reactions, expected);
}

TEST_F(HoverTest, TheCuePlaysOncePerEntryUntilTheBareWindowReArmsIt) {
    moveOver(*controls().openButton);
    EXPECT_EQ(desktop.workers.size(), 1u);
    EXPECT_TRUE(sounds.names.empty());  // on a worker, never on the window's thread
    moveOver(*controls().openButton);
    moveOver(*controls().openButton);
    EXPECT_EQ(hoverCues(), 1);
    EXPECT_TRUE(hoverCuePlayed());

    // Other hover-aware controls, and controls without a hover of their own, neither play nor re-arm.
    moveOver(*controls().chooseImageButton);
    moveOver(*controls().swatches[kSwatch1]);
    moveOver(*controls().pathBox);
    moveOver(*controls().commentsList);
    moveOver(*controls().onTopCheck);
    moveOver(*controls().fieldLabels[0]);
    moveOver(*controls().openButton);
    EXPECT_EQ(hoverCues(), 1);

    moveOverBackground();
    EXPECT_FALSE(hoverCuePlayed());
    EXPECT_TRUE(desktop.workers.empty());
    moveOver(*controls().openButton);
    EXPECT_EQ(hoverCues(), 2);
    moveOverBackground();
    moveOverBackground();
    moveOver(*controls().swatches[kSwatch2]);
    EXPECT_EQ(hoverCues(), 3);
    EXPECT_EQ(sounds.names, (std::vector<std::string>{"hover", "hover", "hover"}));
}

TEST_F(HoverTest, InSchemeZeroTheCueStillPlaysButNothingIsPainted) {
    openSheetWithTracks(3);
    moveOver(*controls().openButton);  // lit in scheme 3: a reset is due
    user.click(*controls().swatches[kSwatchDefault]);
    ASSERT_EQ(main->colours().schemeIndex, 0);
    // A colour the program never uses shows whether anything paints the label.
    controls().openButton->setBackgroundColour(0x123456);
    const auto painted = backgrounds();
    for (platform::Label* label : actionLabels()) {
        moveOverBackground();
        EXPECT_EQ(backgrounds(), painted);
        moveOver(*label);
        EXPECT_EQ(backgrounds(), painted);
    }
    EXPECT_EQ(hoverCues(), 6);
}

TEST_F(HoverTest, TwoLabelsCanShowTheHoverColourAtOnce) {
    openSheetWithTracks(3);
    moveOver(*controls().saveAsButton);
    moveOver(*controls().saveHereButton);
    // Leaving the window straight from a label changes nothing: both stay lit.
    EXPECT_EQ(controls().saveAsButton->backgroundColour(), kHover3);
    EXPECT_EQ(controls().saveHereButton->backgroundColour(), kHover3);
    EXPECT_EQ(controls().openButton->backgroundColour(), kBackground3);
    EXPECT_EQ(controls().aboutButton->backgroundColour(), kBackground3);
    // Only the background changes: text colour and border stay the scheme's.
    EXPECT_EQ(controls().saveAsButton->textColour(), 0x000000u);
    EXPECT_EQ(controls().saveAsButton->borderStyle(), platform::BorderStyle::ThinLine);

    moveOverBackground();
    for (platform::Label* label : actionLabels()) EXPECT_EQ(label->backgroundColour(), kBackground3);
}

TEST_F(HoverTest, TheResetRunsOnceAfterEachHighlight) {
    // A colour the program never uses shows whether the five labels were reset.
    constexpr Colour kMark = 0x123456;
    const auto markAll = [this] {
        for (platform::Label* label : actionLabels()) label->setBackgroundColour(kMark);
    };
    const auto colours = [this] {
        std::vector<Colour> shown;
        for (platform::Label* label : actionLabels()) shown.push_back(label->backgroundColour());
        return shown;
    };
    const std::vector<Colour> reset(5, kBackground3), marked(5, kMark);

    markAll();
    moveOverBackground();  // no reset has run since start
    EXPECT_EQ(colours(), reset);

    markAll();
    moveOverBackground();
    EXPECT_EQ(colours(), marked);

    moveOver(*controls().swatches[kSwatch1]);  // a swatch is never highlighted
    moveOverBackground();
    EXPECT_EQ(colours(), marked);

    moveOver(*controls().aboutButton);
    markAll();
    moveOverBackground();
    EXPECT_EQ(colours(), reset);
}

TEST_F(HoverTest, ASchemeChangeRepaintsAHighlightedLabel) {
    openSheetWithTracks(3);
    moveOver(*controls().saveAsButton);
    ASSERT_EQ(controls().saveAsButton->backgroundColour(), kHover3);
    user.click(*controls().swatches[kSwatch1]);
    EXPECT_EQ(controls().saveAsButton->backgroundColour(), kBackground1);

    moveOver(*controls().openButton);
    EXPECT_EQ(controls().openButton->backgroundColour(), kHover1);
    moveOverBackground();
    for (platform::Label* label : actionLabels()) EXPECT_EQ(label->backgroundColour(), kBackground1);
}

TEST_F(HoverTest, ADisabledSaveLabelIsHighlightedLikeTheOthers) {
    ASSERT_FALSE(controls().saveHereButton->isEnabled());
    main->hover().updateHighlight(controls().saveHereButton);
    controls().saveAsButton->onMouseMove(platform::Point{4, 4});
    for (platform::Label* label : {controls().saveHereButton, controls().saveAsButton}) {
        EXPECT_EQ(label->backgroundColour(), kHover3);
        EXPECT_FALSE(label->isEnabled());
        EXPECT_EQ(label->textColour(), 0x5C5C5Cu);  // still the disabled text colour
    }
    EXPECT_EQ(hoverCues(), 1);
}

TEST_F(HoverTest, UpAndDownInPathBoxPlayTheCueAtOnceAndLeaveTheFlagAlone) {
    user.pressKey(*controls().pathBox, {kKeyUp, 0});
    user.pressKey(*controls().pathBox, {kKeyDown, 0});
    user.pressKey(*controls().pathBox, {'A', 0});
    EXPECT_EQ(sounds.names, (std::vector<std::string>{"hover", "hover"}));
    EXPECT_TRUE(desktop.workers.empty());
    EXPECT_FALSE(hoverCuePlayed());

    // The keys did not use up the entry cue, and do not re-arm it either.
    moveOver(*controls().openButton);
    EXPECT_EQ(hoverCues(), 3);
    user.pressKey(*controls().pathBox, {kKeyDown, 0});
    EXPECT_TRUE(hoverCuePlayed());
    moveOver(*controls().openButton);
    EXPECT_EQ(hoverCues(), 4);
    EXPECT_TRUE(desktop.workers.empty());
}

}  // namespace
}  // namespace cuepad::testing
