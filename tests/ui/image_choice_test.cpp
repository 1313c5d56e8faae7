// Choosing the image file with ChooseImageButton: an open dialog for any file that starts in the
// sheet's folder, and only the chosen file's name, without its folder, in ImageFileBox.
#include "main_window_fixture.hpp"
#include "table_rows.hpp"

#include <optional>

namespace cuepad::testing {
namespace {

using cuepad::testing::PrintTo;

using namespace std::string_view_literals;

#define YUN "\xDF\x5C"  // 運, whose second byte is a backslash byte

constexpr std::string_view kDialogClass = "#32770";
// 选择一个映像文件
constexpr std::string_view kTitle = "\xD1\xA1\xD4\xF1\xD2\xBB\xB8\xF6\xD3\xB3\xCF\xF1\xCE\xC4\xBC\xFE";

class ImageChoiceTest : public MainWindowTest {
protected:
    void choose(std::optional<std::string> answer) {
        fileDialogs.answers.push_back(std::move(answer));
        user.click(*controls().chooseImageButton);
    }
};

TEST_F(ImageChoiceTest, AsksForAnyFileInTheSheetsFolderAndKeepsOnlyItsName) {
    start();
    openSheetWithTracks(3);
    desktop.runWorkers();
    sounds.names.clear();
    const Document before = document();
    const platform::WindowHandle dialog = 4;
    std::vector<std::string> soundsOfFirstWorker;
    std::size_t workersWhileShown = 0;
    fileDialogs.whileShown = [&] {
        workersWhileShown = desktop.workers.size();
        desktop.windows[dialog] = {std::string(kDialogClass), std::string(kTitle),
                                   {30, 30, 500, 400}};
        if (desktop.workers.empty()) return;
        const std::function<void()> first = desktop.workers.front();
        desktop.workers.pop_front();
        first();
        soundsOfFirstWorker = sounds.names;
        desktop.runWorkers();
    };
    choose("E:\\rips\\album.flac");

    ASSERT_EQ(fileDialogs.calls.size(), 1u);
    const platform::FileDialogCall& call = fileDialogs.calls[0];
    EXPECT_FALSE(call.save);
    EXPECT_EQ(call.owner, static_cast<platform::Window*>(window));
    EXPECT_EQ(call.title, kTitle);
    EXPECT_EQ(call.filterBlock, "\xCB\xF9\xD3\xD0\xCE\xC4\xBC\xFE(*.*)\0*.*\0\0"sv);  // 所有文件(*.*)
    EXPECT_EQ(call.filterIndex, 1);
    EXPECT_EQ(call.initialFolder, kMusicFolder);
    EXPECT_EQ(call.defaultExtension, std::optional<std::string>(""));
    EXPECT_EQ(call.flags, 0x883806u);
    EXPECT_EQ(call.fileBuffer, std::string(257, '\0'));

    EXPECT_EQ(workersWhileShown, 2u);
    EXPECT_EQ(soundsOfFirstWorker, std::vector<std::string>{"click"});
    ASSERT_EQ(desktop.moves.size(), 1u);
    EXPECT_EQ(desktop.moves[0].first, dialog);

    EXPECT_EQ(controls().imageFileBox->text(), "album.flac");
    // The folder is kept nowhere: not in the document, and the sheet's own paths stay.
    EXPECT_EQ(document().documentHeader, before.documentHeader);
    EXPECT_EQ(document().savePath, before.savePath);
    EXPECT_EQ(controls().pathBox->text(), std::string(kMusicFolder) + "album.cue");
    EXPECT_TRUE(system.messages.empty());

    // The saved sheet names the image by that name.
    user.click(*controls().saveHereButton);
    EXPECT_NE(fileText(document().savePath).find("\r\nFILE \"album.flac\" WAVE\r\n"), std::string::npos);
}

// What PathBox holds, the path chosen, and the dialog's initial folder and the name kept.
struct ChoiceRow {
    const char* name;
    std::string pathBox;
    std::string chosen;
    std::string initialFolder;
    std::string kept;
};

const ChoiceRow kChoiceRows[] = {
    {"SheetInAFolder", "D:\\cd\\album.cue", "E:\\rips\\album.flac", "D:\\cd\\", "album.flac"},
    {"EmptyPathBoxLetsTheSystemChoose", "", "E:\\rips\\album.flac", "", "album.flac"},
    {"PathBoxWithoutFolder", "album.cue", "E:\\rips\\album.ape", "", "album.ape"},
    {"PathBoxHoldingAFolder", "D:\\cd\\", "D:\\cd\\a.wav", "D:\\cd\\", "a.wav"},
    {"FolderEndingInBackslashByte", "D:\\" YUN "\\album.cue", "D:\\" YUN "\\a.wav", "D:\\" YUN "\\", "a.wav"},
    {"NameEndingInBackslashByte", "D:\\cd\\a.cue", "E:\\rips\\" YUN, "D:\\cd\\", YUN},
    {"NetworkShareAndBlanks", "\\\\server\\cd\\a.cue", "\\\\server\\rips\\my album.wv", "\\\\server\\cd\\",
     "my album.wv"},
    {"ChosenWithoutFolder", "D:\\cd\\a.cue", "album.tta", "D:\\cd\\", "album.tta"},
};

class ImageChoiceRowTest : public ImageChoiceTest, public ::testing::WithParamInterface<ChoiceRow> {};

// Works before any sheet was opened, from whatever PathBox holds.
TEST_P(ImageChoiceRowTest, StartsInPathBoxsFolderAndKeepsTheChosenName) {
    const ChoiceRow& row = GetParam();
    start();
    user.replaceText(*controls().pathBox, row.pathBox);
    choose(row.chosen);
    ASSERT_EQ(fileDialogs.calls.size(), 1u);
    EXPECT_EQ(fileDialogs.calls[0].initialFolder, row.initialFolder);
    EXPECT_EQ(controls().imageFileBox->text(), row.kept);
    EXPECT_TRUE(system.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Paths, ImageChoiceRowTest, ::testing::ValuesIn(kChoiceRows), rowName<ChoiceRow>);

TEST_F(ImageChoiceTest, CancellingKeepsTheBoxButTheClickCueSounds) {
    start();
    user.replaceText(*controls().imageFileBox, "old.wav");
    int changes = 0;
    controls().imageFileBox->onTextChanged = [&changes] { ++changes; };
    choose(std::nullopt);
    desktop.runWorkers();
    EXPECT_EQ(fileDialogs.calls.size(), 1u);
    EXPECT_EQ(controls().imageFileBox->text(), "old.wav");
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(sounds.names, std::vector<std::string>{"click"});
    EXPECT_TRUE(system.messages.empty());
}

}  // namespace
}  // namespace cuepad::testing
