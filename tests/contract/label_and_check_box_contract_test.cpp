// Labels, the window's buttons, react to the left press; check boxes toggle only when the user
// clicks them. The window lays a label over each check box's caption, so the pair is tested too.
#include "contract/contract_fixture.hpp"

#include <string>

namespace cuepad::testing {
namespace {

using platform::CheckBox;
using platform::Label;

#define DA_KAI "\xB4\xF2\xBF\xAA"                                  // 打开
#define SAVE_HERE "\xCD\xAC\xC4\xBF\xC2\xBC\xCF\xC2\xB1\xA3\xB4\xE6"  // 同目录下保存
#define APPLY_ALL "\xD3\xA6\xD3\xC3\xB5\xBD\xCB\xF9\xD3\xD0\xC7\xFA\xC4\xBF"  // 应用到所有曲目

using LabelContract = ToolkitContract;

TEST_F(LabelContract, LeftPressRunsOncePerClick) {
    Label& open = window->addLabel("OpenButton", {572, 15, 80, 32}, DA_KAI);
    open.onLeftPress = [&] { log.push_back("pressed"); };

    user().click(open);
    settle();
    EXPECT_EQ(log, Log{"pressed"});
    user().click(open);
    settle();
    EXPECT_EQ(log, (Log{"pressed", "pressed"}));
}

TEST_F(LabelContract, DisabledLabelIgnoresTheMouseUntilEnabledAgain) {
    Label& save = window->addLabel("SaveHereButton", {420, 661, 120, 40}, SAVE_HERE);
    save.onLeftPress = [&] { log.push_back("pressed"); };
    save.setEnabled(false);

    user().click(save);
    settle();
    EXPECT_EQ(log, Log{});
    save.setEnabled(true);
    user().click(save);
    settle();
    EXPECT_EQ(log, Log{"pressed"});
}

TEST_F(LabelContract, CaptionReadsBack) {
    Label& caption = window->addLabel("TrackCaption1", {217, 328, 193, 24}, DA_KAI);
    EXPECT_EQ(caption.caption(), DA_KAI) << "as created";
    for (const std::string text : {"TRACK 01 AUDIO", "", SAVE_HERE, "D:\\\xDF\x5C.cue"}) {  // 運
        caption.setCaption(text);
        EXPECT_EQ(caption.caption(), text);
    }
}

TEST_F(LabelContract, HandPointerIsOffUntilSet) {
    Label& about = window->addLabel("AboutButton", {20, 667, 55, 32}, "About");
    EXPECT_FALSE(showsHandPointer(backend, about));
    about.setHandPointer(true);
    EXPECT_TRUE(showsHandPointer(backend, about));
    about.setHandPointer(false);
    EXPECT_FALSE(showsHandPointer(backend, about));
}

using CheckBoxContract = ToolkitContract;

TEST_F(CheckBoxContract, WritingTheStateRaisesNothing) {
    CheckBox& box = window->addCheckBox("OnTopCheck", {97, 668, 90, 30}, "On top");
    box.onClicked = [&] { log.push_back("clicked"); };
    EXPECT_FALSE(box.isChecked()) << "as created";

    for (const bool checked : {true, true, false, false, true}) {
        box.setChecked(checked);
        EXPECT_EQ(box.isChecked(), checked);
    }
    settle();
    EXPECT_EQ(log, Log{});
}

class CheckBoxClickTest : public ToolkitContract, public ::testing::WithParamInterface<bool> {};

TEST_P(CheckBoxClickTest, AClickTogglesOnceAndRaisesClickedAfterTheChange) {
    const bool before = GetParam();
    CheckBox& box = window->addCheckBox("ApplyAllCheck", {534, 116, 123, 24}, APPLY_ALL);
    box.setChecked(before);
    box.onClicked = [&] { log.push_back(box.isChecked() ? "clicked, now checked" : "clicked, now unchecked"); };

    user().click(box);
    settle();
    EXPECT_EQ(box.isChecked(), !before);
    EXPECT_EQ(log, Log{before ? "clicked, now unchecked" : "clicked, now checked"});
}

INSTANTIATE_TEST_SUITE_P(StartingState, CheckBoxClickTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& row) {
                             return std::string(row.param ? "Checked" : "Unchecked");
                         });

// The label covers the check box's caption, 17 pixels right of its left edge; the square stays
// uncovered. A click on the label reaches the label only, a click on the square the box only.
TEST_F(CheckBoxContract, LabelOverTheCaptionTakesItsClicksAndLeavesTheSquareAlone) {
    CheckBox& box = window->addCheckBox("ApplyAllCheck", {534, 116, 123, 24}, APPLY_ALL);
    Label& label = window->addLabel("ApplyAllLabel", {551, 116, 110, 24}, APPLY_ALL);
    box.onClicked = [&] { log.push_back("box clicked"); };
    label.onLeftPress = [&] { log.push_back("label pressed"); };

    user().click(label);
    settle();
    EXPECT_EQ(log, Log{"label pressed"});
    EXPECT_FALSE(box.isChecked());

    user().click(box);
    settle();
    EXPECT_EQ(log, (Log{"label pressed", "box clicked"}));
    EXPECT_TRUE(box.isChecked());
}

}  // namespace
}  // namespace cuepad::testing
