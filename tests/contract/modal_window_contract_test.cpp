// The modal window and what the About window is made of: runModal over a disabled owner, Esc
// closing a modal window whose multi-line text box has the focus, the text box keeping every
// line of its text and reporting double clicks, links, and a caption changed at run time.
#include "contract/contract_fixture.hpp"

#include <memory>
#include <string>

namespace cuepad::testing {
namespace {

#define GUAN_YU "\xB9\xD8\xD3\xDA"                   // 关于
#define RUAN_JIAN_GENG_XIN "\xC8\xED\xBC\xFE\xB8\xFC\xD0\xC2"  // 软件更新
// 这是一个在, 功能：, ～～
constexpr std::string_view kLines =
    "\r\n\xD5\xE2\xCA\xC7\xD2\xBB\xB8\xF6\xD4\xDA\r\n\r\n\xB9\xA6\xC4\xDC\xA3\xBA\r\n\xA1\xAB\xA1\xAB\r\n\r\n"
    "2017.5.22          cuepad";

class ModalWindow : public ToolkitContract {
protected:
    std::unique_ptr<platform::Window> makeDialog() {
        return backend.toolkit->createWindow({GUAN_YU, 560, 250, window.get()});
    }
};

TEST_F(ModalWindow, RunsOverADisabledOwnerUntilTheUserClosesIt) {
    auto dialog = makeDialog();
    dialog->addTextBox("AboutText", {110, 6, 430, 210});
    dialog->onClosing = [&] { log.push_back(std::string("closing, owner ") + (window->isEnabled() ? "on" : "off")); };
    user().whileNextModal([&](platform::Window& shown) {
        log.push_back(std::string("shown, owner ") + (window->isEnabled() ? "on" : "off"));
        user().pressEscape(shown);
        settle();
    });

    backend.toolkit->runModal(*dialog, *window);
    log.push_back(std::string("returned, owner ") + (window->isEnabled() ? "on" : "off"));
    EXPECT_EQ(log, (Log{"shown, owner off", "closing, owner off", "returned, owner on"}));
}

TEST_F(ModalWindow, ADialogLeftOpenByTheUserIsClosedSoATestNeverWaits) {
    auto dialog = makeDialog();
    dialog->onClosing = [&] { log.push_back("closing"); };
    user().whileNextModal([&](platform::Window&) { log.push_back("shown"); });
    backend.toolkit->runModal(*dialog, *window);
    EXPECT_EQ(log, (Log{"shown", "closing"}));
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(ModalWindow, TheCaptionChangesAtRunTime) {
    auto dialog = makeDialog();
    EXPECT_EQ(dialog->caption(), GUAN_YU);
    dialog->setCaption("\xD5\xFD\xD4\xDA\xB2\xA5\xB7\xC5");  // 正在播放
    EXPECT_EQ(dialog->caption(), "\xD5\xFD\xD4\xDA\xB2\xA5\xB7\xC5");
    dialog->setCaption(GUAN_YU);
    EXPECT_EQ(dialog->caption(), GUAN_YU);
}

TEST_F(ModalWindow, ATextBoxKeepsEveryLineAndReportsADoubleClickOnce) {
    platform::EditBox& text = window->addTextBox("AboutText", {110, 6, 430, 210});
    text.onTextChanged = [&] { log.push_back("changed"); };
    text.onDoubleClick = [&] { log.push_back("double click"); };
    text.setText(kLines);
    settle();
    EXPECT_EQ(text.text(), kLines);
    user().doubleClick(text);
    settle();
    EXPECT_EQ(log, (Log{"changed", "double click"}));
}

TEST_F(ModalWindow, ALinkKeepsItsLookAndRunsOnLeftPressWhenClicked) {
    platform::Link& link = window->addLink("UpdateLink", {10, 38, 80, 20}, RUAN_JIAN_GENG_XIN,
                                           "Z:\\no such folder\\nothing here.cuepad-missing");
    link.setTextColour(0x0000FF);
    link.setHoverColour(0x00FFFF);
    link.setVisitedColour(0x000080);
    link.setBackgroundColour(0xFF0000);
    EXPECT_EQ(link.caption(), RUAN_JIAN_GENG_XIN);
    EXPECT_EQ(link.address(), "Z:\\no such folder\\nothing here.cuepad-missing");
    EXPECT_EQ(link.textColour(), 0x0000FFu);
    EXPECT_EQ(link.hoverColour(), 0x00FFFFu);
    EXPECT_EQ(link.visitedColour(), 0x000080u);
    EXPECT_EQ(link.backgroundColour(), 0xFF0000u);
    EXPECT_FALSE(link.isVisited());

    link.onLeftPress = [&] { log.push_back("pressed"); };
    user().click(link);
    settle();
    EXPECT_EQ(log, Log{"pressed"});
}

}  // namespace
}  // namespace cuepad::testing
