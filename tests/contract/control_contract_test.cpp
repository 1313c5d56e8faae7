// What every control kind has: colours, border style and enabled state that read back as written,
// and mouse moves reported to the control under the pointer in its own coordinates. The window's
// own look is here too.
#include "contract/contract_fixture.hpp"

#include <ostream>
#include <string>

namespace cuepad::testing {
namespace {

using platform::BorderStyle;
using platform::Colour;
using platform::Control;
using platform::kDefaultColour;
using platform::Rect;

enum class Kind { Label, EditBox, CheckBox, ListBox };

std::string kindName(const ::testing::TestParamInfo<Kind>& info) {
    switch (info.param) {
    case Kind::Label: return "Label";
    case Kind::EditBox: return "EditBox";
    case Kind::CheckBox: return "CheckBox";
    case Kind::ListBox: return "ListBox";
    }
    return "Unknown";
}

Control& addControl(platform::Window& window, Kind kind, Rect place) {
    switch (kind) {
    case Kind::Label: return window.addLabel("Label", place, "Label");
    case Kind::EditBox: return window.addEditBox("EditBox", place);
    case Kind::CheckBox: return window.addCheckBox("CheckBox", place, "Check");
    case Kind::ListBox: return window.addListBox("ListBox", place);
    }
    return window.addLabel("Label", place, "Label");
}

// Background and text differ in every pair, so a control that keeps one colour for both fails.
struct ColourPair {
    Colour background;
    Colour text;
};

const ColourPair kColourPairs[] = {
    {0x00F0E0D0, 0x00102030},
    {0x00000000, 0x00FFFFFF},
    {kDefaultColour, 0x000000FF},
    {0x00FF0000, kDefaultColour},
};

const BorderStyle kBorderStyles[] = {
    BorderStyle::None,          BorderStyle::Sunken,         BorderStyle::Raised,
    BorderStyle::ShallowSunken, BorderStyle::SunkenInRaised, BorderStyle::ThinLine,
};

class ControlKindTest : public ToolkitContract, public ::testing::WithParamInterface<Kind> {
protected:
    Control& control = addControl(*window, GetParam(), {100, 200, 150, 60});
};

TEST_P(ControlKindTest, ColoursReadBack) {
    for (const ColourPair& pair : kColourPairs) {
        control.setBackgroundColour(pair.background);
        control.setTextColour(pair.text);
        EXPECT_EQ(control.backgroundColour(), pair.background) << std::hex << "text " << pair.text;
        EXPECT_EQ(control.textColour(), pair.text) << std::hex << "background " << pair.background;
    }
}

TEST_P(ControlKindTest, EveryBorderStyleReadsBack) {
    // Twice round, so every style is also written over every other.
    for (int round = 0; round < 2; ++round) {
        for (const BorderStyle style : kBorderStyles) {
            control.setBorderStyle(style);
            EXPECT_EQ(control.borderStyle(), style) << "style " << static_cast<int>(style);
        }
    }
}

TEST_P(ControlKindTest, EnabledStateReadsBack) {
    EXPECT_TRUE(control.isEnabled()) << "as created";
    control.setEnabled(false);
    EXPECT_FALSE(control.isEnabled());
    control.setEnabled(true);
    EXPECT_TRUE(control.isEnabled());
}

// The control sits at 100, 200 of the window; the point must arrive relative to the control, and
// a neighbour of every kind must hear nothing.
TEST_P(ControlKindTest, MouseMoveReachesTheControlInItsOwnCoordinates) {
    Control& neighbour = window->addLabel("Neighbour", {300, 200, 80, 30}, "Neighbour");
    control.onMouseMove = [&](platform::Point at) {
        log.push_back("moved at " + std::to_string(at.x) + "," + std::to_string(at.y));
    };
    neighbour.onMouseMove = [&](platform::Point) { log.push_back("neighbour moved"); };

    user().moveMouse(control, {7, 11});
    settle();
    EXPECT_EQ(log, Log{"moved at 7,11"});
}

INSTANTIATE_TEST_SUITE_P(Kinds, ControlKindTest,
                         ::testing::Values(Kind::Label, Kind::EditBox, Kind::CheckBox, Kind::ListBox), kindName);

using WindowContract = ToolkitContract;

TEST_F(WindowContract, BackgroundColourReadsBack) {
    for (const Colour colour : {Colour{0x00C0D0E0}, Colour{0}, kDefaultColour, Colour{0x00FFFFFF}}) {
        window->setBackgroundColour(colour);
        EXPECT_EQ(window->backgroundColour(), colour);
    }
}

TEST_F(WindowContract, TopmostReadsBackAndStartsOff) {
    EXPECT_FALSE(window->isTopmost()) << "as created";
    window->setTopmost(true);
    EXPECT_TRUE(window->isTopmost());
    window->setTopmost(false);
    EXPECT_FALSE(window->isTopmost());
}

}  // namespace
}  // namespace cuepad::testing
