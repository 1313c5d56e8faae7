// Dialog placement on a scripted desktop: the free screen area for every task bar, finding the
// dialog by class and exact title, and the placement run with its nine attempts 500 ms apart.
#include "dialogs/dialog_placement.hpp"

#include "platform/headless/headless_desktop.hpp"
#include "table_rows.hpp"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace cuepad::dialogs {
namespace {

using cuepad::testing::PrintTo;
using cuepad::testing::rowName;

using platform::HeadlessDesktop;
using platform::Rect;
using platform::TaskBar;
using platform::WindowHandle;

// 选择一个CUE文件
constexpr std::string_view kOpenTitle = "\xD1\xA1\xD4\xF1\xD2\xBB\xB8\xF6" "CUE\xCE\xC4\xBC\xFE";
constexpr std::string_view kSaveTitle = "\xC1\xED\xB4\xE6" "CUE\xCE\xC4\xBC\xFE\xB5\xBD";          // 另存CUE文件到

using Place = std::array<int, 4>;  // x, y, width, height
using Places = std::vector<Place>;

Place asArray(Rect r) { return {r.x, r.y, r.width, r.height}; }

// ---- The free screen area ----

struct AreaRow {
    const char* name;
    TaskBar bar;
    Place area;
};

constexpr int kBottom = platform::kEdgeBottom, kLeft = platform::kEdgeLeft, kTop = platform::kEdgeTop,
              kRight = platform::kEdgeRight;

const AreaRow kAreaRows[] = {
    {"Bottom", {kBottom, 0, 1040, 1920, 1080, false}, {0, 0, 1920, 1040}},
    {"Left", {kLeft, 0, 0, 60, 1080, false}, {60, 0, 1860, 1080}},
    {"Top", {kTop, 0, 0, 1920, 48, false}, {0, 48, 1920, 1032}},
    {"Right", {kRight, 1850, 0, 1920, 1080, false}, {0, 0, 1850, 1080}},
    {"AutoHiddenBottom", {kBottom, 0, 1078, 1920, 1080, true}, {0, 0, 1920, 1080}},
    {"AutoHiddenLeft", {kLeft, 0, 0, 2, 1080, true}, {0, 0, 1920, 1080}},
    {"UnknownEdge", {7, 0, 1040, 1920, 1080, false}, {0, 0, 0, 0}},
    {"NegativeEdge", {-1, 0, 1040, 1920, 1080, false}, {0, 0, 0, 0}},
    {"AutoHiddenUnknownEdge", {7, 0, 1040, 1920, 1080, true}, {0, 0, 1920, 1080}},
};

class FreeAreaTest : public ::testing::TestWithParam<AreaRow> {};

TEST_P(FreeAreaTest, IsTheScreenLessTheTaskBar) {
    HeadlessDesktop desktop;
    desktop.screen = {1920, 1080};
    desktop.bar = GetParam().bar;
    EXPECT_EQ(asArray(freeScreenArea(desktop)), GetParam().area);
}

INSTANTIATE_TEST_SUITE_P(TaskBars, FreeAreaTest, ::testing::ValuesIn(kAreaRows), rowName<AreaRow>);

// ---- Finding the dialog ----

struct FindRow {
    const char* name;
    std::vector<std::pair<WindowHandle, HeadlessDesktop::TopLevelWindow>> windows;  // in window order
    std::string_view title;
    std::optional<WindowHandle> found;
};

const FindRow kFindRows[] = {
    {"ExactTitle", {{3, {"#32770", "Open", {}}}}, "Open", 3},
    {"GbkTitle", {{3, {"#32770", std::string(kOpenTitle), {}}}}, kOpenTitle, 3},
    {"TitleCaseMatters", {{3, {"#32770", "open", {}}}}, "Open", std::nullopt},
    {"LongerTitleIsNotEnough", {{3, {"#32770", "Open file", {}}}}, "Open", std::nullopt},
    {"ShorterTitleIsNotEnough", {{3, {"#32770", "Ope", {}}}}, "Open", std::nullopt},
    {"OtherClassIsSkipped", {{2, {"Notepad", "Open", {}}}, {5, {"#32770", "Open", {}}}}, "Open", 5},
    {"ClassMustMatchExactly", {{2, {"#327700", "Open", {}}}, {4, {"#3277", "Open", {}}}}, "Open", std::nullopt},
    {"UnreadableClass", {{2, {"", "Open", {}}}}, "Open", std::nullopt},
    {"FirstInWindowOrder", {{4, {"#32770", "Open", {}}}, {9, {"#32770", "Open", {}}}}, "Open", 4},
    {"OtherTitleIsSkipped", {{4, {"#32770", "Save", {}}}, {9, {"#32770", "Open", {}}}}, "Open", 9},
    {"NoWindows", {}, "Open", std::nullopt},
};

class FindDialogTest : public ::testing::TestWithParam<FindRow> {};

TEST_P(FindDialogTest, MatchesClassAndTitleExactly) {
    HeadlessDesktop desktop;
    for (const auto& [handle, window] : GetParam().windows) desktop.windows[handle] = window;
    EXPECT_EQ(findDialogWindow(desktop, kDialogClass, GetParam().title), GetParam().found);
}

INSTANTIATE_TEST_SUITE_P(Windows, FindDialogTest, ::testing::ValuesIn(kFindRows), rowName<FindRow>);

// ---- The placement run ----

constexpr WindowHandle kDialog = 42;
const Place kFreeArea{0, 0, 1920, 1040};

class PlacementTest : public ::testing::Test {
protected:
    PlacementTest() {
        desktop.screen = {1920, 1080};
        desktop.bar = {kBottom, 0, 1040, 1920, 1080, false};
    }

    void showDialog(Rect rect) { desktop.windows[kDialog] = {"#32770", std::string(kOpenTitle), rect}; }

    Places movesOf(WindowHandle handle) const {
        Places places;
        for (const auto& [window, place] : desktop.moves) {
            if (window == handle) places.push_back(asArray(place));
        }
        return places;
    }

    HeadlessDesktop desktop;
};

// When the dialog comes up, counted in pauses the run has made before it.
struct ArrivalRow {
    const char* name;
    int pausesBefore;  // -1: never
    int moves;
    int pauses;
};

const ArrivalRow kArrivalRows[] = {
    {"AlreadyUp", 0, 1, 1},
    {"AfterTwoPauses", 2, 1, 3},
    {"OnTheNinthAttempt", 8, 1, 9},
    {"AfterTheNinthAttempt", 9, 0, 9},
    {"Never", -1, 0, 9},
};

class ArrivalTest : public PlacementTest, public ::testing::WithParamInterface<ArrivalRow> {};

TEST_P(ArrivalTest, TheDialogIsMovedOnceAndTheRunEnds) {
    const ArrivalRow& row = GetParam();
    const Rect systemPlace{200, 120, 640, 480};
    if (row.pausesBefore == 0) showDialog(systemPlace);
    desktop.onSleep = [&](int pauses) {
        if (pauses == row.pausesBefore) showDialog(systemPlace);
    };
    placeDialog(desktop, std::string(kOpenTitle));
    EXPECT_EQ(movesOf(kDialog), Places(static_cast<std::size_t>(row.moves), kFreeArea));
    EXPECT_EQ(desktop.sleeps, std::vector<int>(static_cast<std::size_t>(row.pauses), 500));
}

INSTANTIATE_TEST_SUITE_P(Arrivals, ArrivalTest, ::testing::ValuesIn(kArrivalRows), rowName<ArrivalRow>);

TEST_F(PlacementTest, ADialogOfTheTargetSizeIsNotMoved) {
    showDialog({30, 30, 1920, 1040});
    placeDialog(desktop, std::string(kOpenTitle));
    EXPECT_TRUE(desktop.moves.empty());
    EXPECT_TRUE(desktop.sleeps.empty());
}

TEST_F(PlacementTest, ADialogThatKeepsItsSizeIsMovedOnEveryAttempt) {
    showDialog({200, 120, 640, 480});
    desktop.onSleep = [&](int) { desktop.windows[kDialog].rect = {200, 120, 640, 480}; };
    placeDialog(desktop, std::string(kOpenTitle));
    EXPECT_EQ(movesOf(kDialog).size(), 9u);
    EXPECT_EQ(desktop.sleeps.size(), 9u);
}

TEST_F(PlacementTest, TheMoveTakesTheAreaFreeAtThatMoment) {
    desktop.onSleep = [&](int pauses) {
        if (pauses != 1) return;
        desktop.bar = {kLeft, 0, 0, 60, 1080, false};
        showDialog({200, 120, 640, 480});
    };
    placeDialog(desktop, std::string(kOpenTitle));
    ASSERT_FALSE(desktop.moves.empty());
    EXPECT_EQ(asArray(desktop.moves.front().second), (Place{60, 0, 1860, 1080}));
}

TEST_F(PlacementTest, AnotherTitleIsLeftAlone) {
    desktop.windows[7] = {"#32770", std::string(kSaveTitle), {200, 120, 640, 480}};
    placeDialog(desktop, std::string(kOpenTitle));
    EXPECT_TRUE(desktop.moves.empty());
    EXPECT_EQ(desktop.sleeps.size(), 9u);
}

TEST_F(PlacementTest, StartingARunLeavesTheWorkToAWorker) {
    EXPECT_TRUE(startDialogPlacement(desktop, std::string(kOpenTitle)));
    showDialog({200, 120, 640, 480});
    EXPECT_TRUE(desktop.moves.empty());
    ASSERT_EQ(desktop.workers.size(), 1u);
    desktop.runWorkers();
    EXPECT_EQ(movesOf(kDialog), Places{kFreeArea});
}

TEST_F(PlacementTest, RunsStartedOneAfterAnotherKeepTheirOwnTitles) {
    std::string title(kOpenTitle);
    startDialogPlacement(desktop, title);
    title = kSaveTitle;
    startDialogPlacement(desktop, title);
    showDialog({200, 120, 640, 480});
    desktop.windows[7] = {"#32770", std::string(kSaveTitle), {10, 10, 300, 200}};
    desktop.runWorkers();
    EXPECT_EQ(movesOf(kDialog), Places{kFreeArea});
    EXPECT_EQ(movesOf(7), Places{kFreeArea});
}

}  // namespace
}  // namespace cuepad::dialogs
