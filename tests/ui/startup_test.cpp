// Start-up and shut-down of the main window: its first state, fonts, the settings file, and
// the always-on-top option.
#include "main_window_fixture.hpp"
#include "table_rows.hpp"

#include "ui/settings.hpp"
#include "ui/strings.hpp"

namespace cuepad::testing {
namespace {

using platform::HeadlessCheckBox;
using platform::HeadlessEditBox;
using platform::HeadlessLabel;
using platform::HeadlessListBox;

const std::string kSettingsName(kSettingsFile);
constexpr std::string_view kSection = "[\xC9\xE8\xD6\xC3]";  // [设置]
constexpr std::string_view kKey = "\xC5\xE4\xC9\xAB";        // 配色

std::string settingsText(std::string_view value) {
    return std::string(kSection) + "\r\n" + std::string(kKey) + "=" + std::string(value) + "\r\n";
}

TEST_F(MainWindowTest, StartsEmptyWithTheSaveLabelsDisabled) {
    start();
    EXPECT_EQ(window->layout.caption, strings::kWindowCaption);
    for (const auto& [name, control] : window->controls()) {
        if (auto* box = dynamic_cast<HeadlessEditBox*>(control)) {
            EXPECT_EQ(box->text(), "") << name;
        } else if (auto* list = dynamic_cast<HeadlessListBox*>(control)) {
            EXPECT_EQ(list->itemCount(), 0) << name;
        } else if (auto* check = dynamic_cast<HeadlessCheckBox*>(control)) {
            EXPECT_FALSE(check->isChecked()) << name;
        }
    }
    for (platform::Label* caption : controls().trackCaptions) EXPECT_EQ(caption->caption(), strings::kBlankTrackCaption);
    EXPECT_FALSE(controls().saveHereButton->isEnabled());
    EXPECT_FALSE(controls().saveAsButton->isEnabled());
    EXPECT_TRUE(controls().openButton->isEnabled());
    EXPECT_FALSE(window->isTopmost());
}

TEST_F(MainWindowTest, FortyControlsGetTheFontAndTheSwatchesDoNot) {
    start();
    int withFont = 0;
    for (const auto& [name, control] : window->controls()) {
        const platform::HeadlessLook* look = nullptr;
        if (auto* label = dynamic_cast<HeadlessLabel*>(control)) look = &label->look;
        if (auto* box = dynamic_cast<HeadlessEditBox*>(control)) look = &box->look;
        if (auto* list = dynamic_cast<HeadlessListBox*>(control)) look = &list->look;
        if (auto* check = dynamic_cast<HeadlessCheckBox*>(control)) look = &check->look;
        ASSERT_NE(look, nullptr) << name;
        if (look->fontFace.empty()) continue;
        EXPECT_EQ(look->fontFace, strings::kFontFace) << name;
        EXPECT_EQ(look->fontPoints, 11) << name;
        ++withFont;
    }
    EXPECT_EQ(withFont, 40);
    for (platform::Label* swatch : controls().swatches) {
        EXPECT_TRUE(static_cast<HeadlessLabel*>(swatch)->look.fontFace.empty());
    }
}

struct SettingsRow {
    const char* name;
    std::optional<std::string> file;  // nothing: no settings file
    int scheme;
};

void PrintTo(const SettingsRow& row, std::ostream* out) { *out << row.name; }

const SettingsRow kSettingsRows[] = {
    {"NoFile", std::nullopt, 3},
    {"EmptyFile", "", 3},
    {"NoKey", std::string(kSection) + "\r\nother=1\r\n", 3},
    {"Scheme1", settingsText("1"), 1},
    {"Scheme0", settingsText("0"), 0},
    {"Letters", settingsText("abc"), 0},
    {"DigitThenLetter", settingsText("2x"), 2},
    {"LeadingBlanksAndSign", settingsText("  +4"), 4},
    {"LfLineEnds", std::string(kSection) + "\n" + std::string(kKey) + "=5\n", 5},
    // Outside the six schemes: the default scheme, not a black window.
    {"Seven", settingsText("7"), 3},
    {"Negative", settingsText("-1"), 3},
    {"Huge", settingsText("99999999999999999999"), 3},
    // A file in UTF-16 reads as no key at all.
    {"Utf16", std::string("\xFF\xFE[\0", 4), 3},
};

class SettingsTest : public MainWindowTest, public ::testing::WithParamInterface<SettingsRow> {};

TEST_P(SettingsTest, StartsInTheStoredScheme) {
    if (GetParam().file) system.addFile(kSettingsName, *GetParam().file);
    start();
    EXPECT_EQ(main->colours().schemeIndex, GetParam().scheme);
    EXPECT_EQ(main->colours().slots.background, ui::kSchemes[static_cast<std::size_t>(GetParam().scheme)].background);
    EXPECT_TRUE(system.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Files, SettingsTest, ::testing::ValuesIn(kSettingsRows), rowName<SettingsRow>);

TEST_F(MainWindowTest, ClosingWritesTheSchemeAndTheNextStartUsesIt) {
    start();
    user.click(*controls().swatches[2]);  // Swatch1
    window->close();
    EXPECT_EQ(system.files.at(kSettingsName), settingsText("1"));

    main.reset();
    start();
    EXPECT_EQ(main->colours().schemeIndex, 1);
}

TEST_F(MainWindowTest, FirstCloseCreatesTheFileWithTheDefaultScheme) {
    start();
    user.pressEscape(*window);
    EXPECT_EQ(system.files.at(kSettingsName), settingsText("3"));
}

TEST_F(MainWindowTest, ClosingKeepsTheRestOfTheFile) {
    startWithSettings("; notes\r\n" + std::string(kSection) + "\r\n" + std::string(kKey) + "=2\r\nkeep=yes\r\n[other]\r\nx=1\r\n");
    user.click(*controls().swatches[5]);  // Swatch4
    window->close();
    EXPECT_EQ(system.files.at(kSettingsName),
              "; notes\r\n" + std::string(kSection) + "\r\n" + std::string(kKey) + "=4\r\nkeep=yes\r\n[other]\r\nx=1\r\n");
}

TEST_F(MainWindowTest, AnUnwritableSettingsFileIsSilent) {
    startWithSettings(settingsText("1"));
    system.readOnlyFiles.insert(kSettingsName);
    user.click(*controls().swatches[3]);
    window->close();
    EXPECT_EQ(system.files.at(kSettingsName), settingsText("1"));
    EXPECT_TRUE(system.messages.empty());
}

TEST_F(MainWindowTest, OnTopLabelAndCheckBoxToggleTheTopmostState) {
    start();
    user.click(*controls().onTopLabel);
    EXPECT_TRUE(controls().onTopCheck->isChecked());
    EXPECT_TRUE(window->isTopmost());
    user.click(*controls().onTopLabel);
    EXPECT_FALSE(controls().onTopCheck->isChecked());
    EXPECT_FALSE(window->isTopmost());
    user.click(*controls().onTopCheck);
    EXPECT_TRUE(window->isTopmost());
    user.click(*controls().onTopCheck);
    EXPECT_FALSE(window->isTopmost());
}

TEST(SettingsTextTest, LeadingNumberReadsLikeTheCLibrary) {
    EXPECT_EQ(ui::leadingNumber(""), 0);
    EXPECT_EQ(ui::leadingNumber(" \t12ab"), 12);
    EXPECT_EQ(ui::leadingNumber("-3"), -3);
    EXPECT_EQ(ui::leadingNumber("+"), 0);
    EXPECT_EQ(ui::leadingNumber("- 3"), 0);
    EXPECT_GT(ui::leadingNumber("123456789012345678901234567890"), 5);
    EXPECT_LT(ui::leadingNumber("-123456789012345678901234567890"), 0);
}

TEST(SettingsTextTest, ProfileValueMatchesNamesIgnoringCaseAndTrimsBlanks) {
    const std::string ini = "[Other]\r\nkey=1\r\n[ Main ]\r\n  Key =  two words \r\n";
    EXPECT_EQ(ui::profileValue(ini, "main", "KEY"), "two words");
    EXPECT_EQ(ui::profileValue(ini, "other", "key"), "1");
    EXPECT_EQ(ui::profileValue(ini, "none", "key"), std::nullopt);
    EXPECT_EQ(ui::profileValue("[s]\r\nk=\"quoted\"\r\n", "s", "k"), "quoted");
}

TEST(SettingsTextTest, WithProfileValueAddsSectionAndKeyWhereMissing) {
    EXPECT_EQ(ui::withProfileValue("", "s", "k", "1"), "[s]\r\nk=1\r\n");
    EXPECT_EQ(ui::withProfileValue("x=1", "s", "k", "1"), "x=1\r\n[s]\r\nk=1\r\n");
    EXPECT_EQ(ui::withProfileValue("[s]\r\na=1\r\n\r\n[t]\r\n", "s", "k", "2"), "[s]\r\na=1\r\nk=2\r\n\r\n[t]\r\n");
    EXPECT_EQ(ui::withProfileValue("[s]\r\nk=1\r\n", "s", "k", "22"), "[s]\r\nk=22\r\n");
}

}  // namespace
}  // namespace cuepad::testing
