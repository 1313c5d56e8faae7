// The About window: opened modal by AboutButton over a disabled main window, its form and text,
// the glass set-up where the system offers it, the music on the first mouse move over the text,
// the links, and always-on-top coming back at closing.
#include "main_window_fixture.hpp"

#include "engine/text.hpp"
#include "ui/about_window.hpp"
#include "ui/project_info.hpp"

#include <algorithm>
#include <functional>

namespace cuepad::testing {
namespace {

using platform::Colour;
using platform::HeadlessWindow;

constexpr std::string_view kAboutCaption = "\xB9\xD8\xD3\xDA";  // 关于
constexpr Colour kGlassBlue = 0xFF0000;

class AboutWindowTest : public MainWindowTest {
protected:
    void SetUp() override { start(); }

    // Presses AboutButton; `act` is the user's time with the About window, which is closed
    // afterwards if `act` left it open. The window is gone once this returns.
    void openAbout(std::function<void(HeadlessWindow&)> act) {
        bool shown = false;
        user.whileNextModal([&](platform::Window& dialog) {
            shown = true;
            act(static_cast<HeadlessWindow&>(dialog));
        });
        user.click(*controls().aboutButton);
        ASSERT_TRUE(shown) << "AboutButton showed no modal window";
    }

    std::ptrdiff_t played(std::string_view name) {
        desktop.runWorkers();
        return std::count(sounds.names.begin(), sounds.names.end(), name);
    }

    void checkForm(HeadlessWindow& about);
};

TEST_F(AboutWindowTest, OpensModalOverTheDisabledMainWindowWithItsForm) {
    bool mainEnabledWhileOpen = true;
    openAbout([&](HeadlessWindow& about) {
        mainEnabledWhileOpen = window->enabled;
        EXPECT_TRUE(about.shown);
        EXPECT_EQ(about.layout.owner, window);
        checkForm(about);
    });
    EXPECT_FALSE(mainEnabledWhileOpen);
    EXPECT_TRUE(window->enabled) << "the main window is enabled again after closing";
    EXPECT_EQ(played("click"), 1);
}

void AboutWindowTest::checkForm(HeadlessWindow& about) {
    EXPECT_EQ(about.layout.caption, kAboutCaption);
    EXPECT_EQ(about.layout.clientWidth, 560);
    EXPECT_EQ(about.layout.clientHeight, 250);

    const auto& text = about.editBox("AboutText");
    EXPECT_EQ((std::array{text.place.x, text.place.y, text.place.width, text.place.height}),
              (std::array{110, 6, 430, 210}));
    EXPECT_EQ(text.look.text, 0x00FF00u);
    EXPECT_EQ(text.look.background, 0x000000u);
    EXPECT_EQ(text.look.border, platform::BorderStyle::Sunken);
    EXPECT_EQ(text.text(), ui::aboutText());
    EXPECT_TRUE(about.background == platform::kDefaultColour && !about.glassKey) << "no glass on this system";

    struct LinkCase {
        std::string_view name;
        int y;
        std::string_view caption;
        std::string_view address;
        Colour hover;
    };
    const LinkCase links[] = {
        {"UpdateLink", 38, "\xC8\xED\xBC\xFE\xB8\xFC\xD0\xC2", project::kReleasesPage, 0x00FFFF},  // 软件更新
        {"HomeLink", 101, strings::kHomeLink, project::kHomePage, 0xFF0090},
        {"DonateLink", 165, "\xBE\xE8\xD6\xFA", project::kDonationsPage, 0x00E080},  // 捐助
    };
    for (const LinkCase& expected : links) {
        SCOPED_TRACE(expected.name);
        const auto& link = about.link(expected.name);
        EXPECT_EQ((std::array{link.place.x, link.place.y, link.place.width, link.place.height}),
                  (std::array{10, expected.y, 80, 20}));
        EXPECT_EQ(link.caption(), expected.caption);
        EXPECT_EQ(link.address(), expected.address);
        EXPECT_EQ(link.textColour(), 0x0000FFu);
        EXPECT_EQ(link.visitedColour(), 0x000080u);
        EXPECT_EQ(link.hoverColour(), expected.hover);
        EXPECT_EQ(link.backgroundColour(), platform::kDefaultColour);
    }
    EXPECT_EQ(strings::kHomeLink.size(), 8u) << "four two-byte characters";
}

TEST_F(AboutWindowTest, TheTextHasSixteenLinesWithTheProjectsContactAndName) {
    const std::vector<std::string> lines = splitText(ui::aboutText(), "\r\n");
    ASSERT_EQ(lines.size(), 16u);
    for (std::size_t blank : {0u, 2u, 6u, 8u, 10u, 12u, 14u}) EXPECT_EQ(lines[blank], "") << "line " << blank + 1;
    EXPECT_EQ(lines[1].substr(0, 10), "\xD5\xE2\xCA\xC7\xD2\xBB\xB8\xF6\xD4\xDA");  // 这是一个在
    EXPECT_EQ(lines[13], project::kContactAddress);
    EXPECT_EQ(lines[15], "2017.5.22\xC8\xD5\xB8\xFC\xD0\xC2" "2.0          " + std::string(project::kMakersName));
    EXPECT_NE(ui::aboutText().substr(ui::aboutText().size() - 2), "\r\n");
}

TEST_F(AboutWindowTest, GlassMakesTheWindowAndTheLinksKeyBlueWhereTheSystemOffersIt) {
    desktop.glass = true;
    openAbout([&](HeadlessWindow& about) {
        EXPECT_EQ(about.background, kGlassBlue);
        EXPECT_EQ(about.glassKey, kGlassBlue);
        for (std::string_view name : {"UpdateLink", "HomeLink", "DonateLink"}) {
            EXPECT_EQ(about.link(name).backgroundColour(), kGlassBlue) << name;
            EXPECT_EQ(about.link(name).textColour(), 0x0000FFu) << name;
        }
        EXPECT_EQ(about.editBox("AboutText").look.background, 0x000000u);
    });
}

TEST_F(AboutWindowTest, MusicStartsOnceOnTheTextAndADoubleClickStopsItForGood) {
    std::vector<std::string> captions;
    int stopsBeforeClosing = 0;
    openAbout([&](HeadlessWindow& dialog) {
        auto& text = dialog.editBox("AboutText");
        user.moveMouse(text, {5, 5});
        captions.push_back(dialog.caption());
        user.moveMouse(text, {50, 50});
        EXPECT_EQ(played("music"), 1) << "a second move does not start it again";
        user.doubleClick(text);
        captions.push_back(dialog.caption());
        stopsBeforeClosing = sounds.stopped;
        user.moveMouse(text, {5, 5});
        captions.push_back(dialog.caption());
    });
    EXPECT_EQ(played("music"), 1) << "not restarted after the double click";
    EXPECT_EQ(captions, (std::vector<std::string>{std::string(strings::kMusicPlaying), std::string(kAboutCaption),
                                                  std::string(kAboutCaption)}));
    EXPECT_EQ(stopsBeforeClosing, 1);
    EXPECT_EQ(sounds.stopped, 2) << "closing stops every sound again";

    openAbout([&](HeadlessWindow& dialog) { user.moveMouse(dialog.editBox("AboutText"), {5, 5}); });
    EXPECT_EQ(played("music"), 2) << "the next opening plays it again";
}

TEST_F(AboutWindowTest, EscapeClosesTheWindowAndStopsTheMusic) {
    int stopsAtEscape = -1;
    openAbout([&](HeadlessWindow& dialog) {
        user.moveMouse(dialog.editBox("AboutText"), {5, 5});
        user.pressEscape(dialog);
        stopsAtEscape = sounds.stopped;
        EXPECT_TRUE(dialog.closed);
    });
    EXPECT_EQ(stopsAtEscape, 1);
    EXPECT_EQ(sounds.stopped, 1) << "closed once";
}

TEST_F(AboutWindowTest, AlwaysOnTopComesBackOnlyWhenOnTopCheckIsChecked) {
    for (const bool checked : {true, false}) {
        SCOPED_TRACE(checked ? "checked" : "unchecked");
        if (controls().onTopCheck->isChecked() != checked) user.click(*controls().onTopCheck);
        ASSERT_EQ(window->topmost, checked);
        bool topmostWhileOpen = true;
        openAbout([&](HeadlessWindow&) { topmostWhileOpen = window->topmost; });
        EXPECT_FALSE(topmostWhileOpen);
        EXPECT_EQ(window->topmost, checked);
        EXPECT_EQ(controls().onTopCheck->isChecked(), checked) << "the check box itself never changes";
    }
}

TEST_F(AboutWindowTest, LinksPlayTheClickCueAndShowVisitedOnlyWhenTheShellOpenedThem) {
    bool visitedWhenOpened = false;
    bool visitedWhenRefused = true;
    openAbout([&](HeadlessWindow& dialog) {
        user.click(dialog.link("HomeLink"));
        visitedWhenOpened = dialog.link("HomeLink").isVisited();
        toolkit.shellOpens = false;
        user.click(dialog.link("DonateLink"));
        visitedWhenRefused = dialog.link("DonateLink").isVisited();
    });
    EXPECT_TRUE(visitedWhenOpened);
    EXPECT_FALSE(visitedWhenRefused);
    EXPECT_EQ(toolkit.openedAddresses,
              (std::vector<std::string>{std::string(project::kHomePage), std::string(project::kDonationsPage)}));
    EXPECT_EQ(played("click"), 3) << "AboutButton and both links";
}

TEST_F(AboutWindowTest, TheHoverCueIsSharedWithTheMainWindowAndReArmedByTheBackground) {
    user.moveMouse(*controls().openButton, {4, 4});
    ASSERT_EQ(played("hover"), 1);
    openAbout([&](HeadlessWindow& dialog) {
        user.moveMouse(dialog.link("UpdateLink"), {4, 4});
        EXPECT_EQ(played("hover"), 1) << "still played from the main window";
        dialog.onMouseMove(platform::Point{2, 2});
        user.moveMouse(dialog.link("UpdateLink"), {4, 4});
        user.moveMouse(dialog.link("HomeLink"), {4, 4});
        EXPECT_EQ(played("hover"), 2) << "once after the bare background";
        user.moveMouse(dialog.editBox("AboutText"), {4, 4});
        EXPECT_EQ(played("hover"), 2) << "the text is no hover-aware control";
    });
}

}  // namespace
}  // namespace cuepad::testing
