// Saving from the window: SaveHereButton writes beside the opened sheet, SaveAsButton asks for a
// path that then stays the target; the missing image name, failed writes, the comment items that
// reach the sheet and the track defaults the writer leaves in the document.
#include "main_window_fixture.hpp"
#include "table_rows.hpp"

#include <algorithm>
#include <optional>

namespace cuepad::testing {
namespace {

using cuepad::testing::PrintTo;

using namespace std::string_view_literals;

#define YUN "\xDF\x5C"  // 運, whose second byte is a backslash byte

constexpr std::string_view kDialogClass = "#32770";
constexpr std::string_view kSaveAsTitle = "\xC1\xED\xB4\xE6" "CUE\xCE\xC4\xBC\xFE\xB5\xBD";  // 另存CUE文件到
constexpr std::string_view kCopySuffix = "-\xB8\xB1\xB1\xBE.cue";                             // -副本.cue
// 文件映像名称填写不完整
constexpr std::string_view kImageNameMissing =
    "\xCE\xC4\xBC\xFE\xD3\xB3\xCF\xF1\xC3\xFB\xB3\xC6\xCC\xEE\xD0\xB4\xB2\xBB\xCD\xEA\xD5\xFB";
// 写出同目录下失败？文件磁盘不可写或文件使用中？
constexpr std::string_view kWriteFailed =
    "\xD0\xB4\xB3\xF6\xCD\xAC\xC4\xBF\xC2\xBC\xCF\xC2\xCA\xA7\xB0\xDC\xA3\xBF\xCE\xC4\xBC\xFE\xB4\xC5\xC5\xCC"
    "\xB2\xBB\xBF\xC9\xD0\xB4\xBB\xF2\xCE\xC4\xBC\xFE\xCA\xB9\xD3\xC3\xD6\xD0\xA3\xBF";
constexpr std::string_view kOutFolder = "D:\\out";
const std::string kChosen = "D:\\out\\new.cue";

// The header lines of the default album as saving writes them back.
std::vector<std::string> openedHeaderLines() {
    return {"CATALOG 4988006123456",
            "REM DISCID 8A0B5C0D",
            "REM COMMENT \"ExactAudioCopy v1.3\"",
            "PERFORMER \"" + std::string(kZhangXueyou) + "\"",
            "TITLE \"" + std::string(kWenbie) + "\"",
            "FILE \"album.wav\" WAVE",
            "REM DATE 1993",
            "REM GENRE Pop"};
}

// The saved sheet: the header lines, then the three tracks, the second with the writer's defaults.
std::string savedText(const std::vector<std::string>& headerLines, std::string_view firstTitle = "Song 1") {
    std::vector<std::string> lines = headerLines;
    const std::string unknown(test::kUnknownPerformer);
    lines.insert(lines.end(), {"  TRACK 01 AUDIO", "    TITLE \"" + std::string(firstTitle) + "\"",
                               "    PERFORMER \"Singer 1\"", "    INDEX 01 01:00:00", "  TRACK 02 AUDIO",
                               "    TITLE \"Track02\"", "    PERFORMER \"" + unknown + "\"", "    INDEX 01 02:00:00",
                               "  TRACK 03 AUDIO", "    TITLE \"Song 3\"", "    PERFORMER \"Singer 3\"",
                               "    INDEX 01 03:00:00"});
    std::string text;
    for (const std::string& line : lines) text += (text.empty() ? "" : "\r\n") + line;
    return text;
}

enum class Button { SaveHere, SaveAs };

class SavingTest : public MainWindowTest {
protected:
    void SetUp() override {
        start();
        system.folders.insert(std::string(kOutFolder));
        system.folders.insert("D:\\out.v2");
        system.folders.insert("D:\\" YUN);
    }

    // Opens C:\music\album.cue: the default album with three tracks, the second one without
    // title and performer. Returns its path.
    std::string openAlbum() {
        std::string text = sheetWithTracks(AlbumLines{}, 3);
        for (const std::string_view line : {"    TITLE \"Song 2\"\r\n"sv, "    PERFORMER \"Singer 2\"\r\n"sv}) {
            text.erase(text.find(line), line.size());
        }
        const std::string path = addFile("album.cue", text);
        drop(path);
        desktop.runWorkers();
        sounds.names.clear();
        return path;
    }

    static std::string copyPath() { return std::string(kMusicFolder) + "album" + std::string(kCopySuffix); }

    void saveHere() { user.click(*controls().saveHereButton); }
    void saveAs(std::optional<std::string> answer) {
        fileDialogs.answers.push_back(std::move(answer));
        user.click(*controls().saveAsButton);
    }
    void press(Button button) {
        if (button == Button::SaveHere) {
            saveHere();
        } else {
            saveAs(kChosen);
        }
    }

    // Every file on the disk, in path order.
    std::vector<std::string> paths() const {
        std::vector<std::string> names;
        for (const auto& [path, bytes] : system.files) names.push_back(path);
        return names;
    }

    const TrackEntry& secondTrack() { return document().documentTracks.at(1); }
};

TEST_F(SavingTest, SaveHereWritesTheWindowBesideTheOpenedSheet) {
    const std::string original = openAlbum();
    ASSERT_EQ(document().savePath, copyPath());
    // Saving builds the sheet from the window, never from the file on disk.
    system.files[original] = "changed on disk since opening";
    user.replaceText(*controls().mediaCodeBox, "");
    user.replaceText(*controls().albumPerformerBox, " " + std::string(kLiuDehua) + " ");
    user.replaceText(*controls().dateBox, "");
    user.type(titleBox(1), "!");
    saveHere();

    std::vector<std::string> header = openedHeaderLines();
    header.erase(header.begin());  // no CATALOG line
    header[2] = "PERFORMER \" " + std::string(kLiuDehua) + " \"";
    header[5] = "REM DATE ";
    EXPECT_EQ(fileText(copyPath()), savedText(header, "Song 1!"));
    EXPECT_EQ(fileText(original), "changed on disk since opening");
    EXPECT_EQ(paths(), (std::vector<std::string>{copyPath(), original}));
    EXPECT_TRUE(system.messages.empty());
    EXPECT_TRUE(fileDialogs.calls.empty());
    EXPECT_EQ(document().savePath, copyPath());

    // The writer's defaults stay in the document; the rows show them only when next loaded.
    EXPECT_EQ(secondTrack().title, "Track02");
    EXPECT_EQ(secondTrack().performer, test::kUnknownPerformer);
    EXPECT_EQ(titleBox(2).text(), "");
    selectTrack(1);
    EXPECT_EQ(titleBox(2).text(), "Track02");

    // Pressing again overwrites the copy without asking.
    user.replaceText(*controls().genreBox, "Rock");
    saveHere();
    header[6] = "REM GENRE Rock";
    EXPECT_EQ(fileText(copyPath()), savedText(header, "Song 1!"));
    EXPECT_EQ(paths(), (std::vector<std::string>{copyPath(), original}));
    EXPECT_TRUE(system.messages.empty());
    EXPECT_TRUE(fileDialogs.calls.empty());
    EXPECT_EQ(system.temporaryFilesLeft(), 0);
}

TEST_F(SavingTest, EachPressQueuesOneClickCue) {
    openAlbum();
    saveHere();
    EXPECT_EQ(desktop.workers.size(), 1u);
    EXPECT_TRUE(sounds.names.empty());  // on a worker, not on the window's thread
    desktop.runWorkers();
    EXPECT_EQ(sounds.names, std::vector<std::string>{"click"});
}

TEST_F(SavingTest, SaveAsAsksBesideTheTargetWithTheClickCueQueuedFirst) {
    openAlbum();
    const platform::WindowHandle dialog = 9;
    std::vector<std::string> soundsOfFirstWorker;
    std::size_t workersWhileShown = 0;
    fileDialogs.whileShown = [&] {
        workersWhileShown = desktop.workers.size();
        desktop.windows[dialog] = {std::string(kDialogClass), std::string(kSaveAsTitle), {30, 30, 500, 400}};
        if (desktop.workers.empty()) return;
        const std::function<void()> first = desktop.workers.front();
        desktop.workers.pop_front();
        first();
        soundsOfFirstWorker = sounds.names;
        desktop.runWorkers();
    };
    saveAs(kChosen);

    ASSERT_EQ(fileDialogs.calls.size(), 1u);
    const platform::FileDialogCall& call = fileDialogs.calls[0];
    EXPECT_TRUE(call.save);
    EXPECT_EQ(call.owner, nullptr);
    EXPECT_EQ(call.title, kSaveAsTitle);
    EXPECT_EQ(call.filterBlock, "CUE\xCE\xC4\xBC\xFE\0*.cue\0\0"sv);  // CUE文件
    EXPECT_EQ(call.filterIndex, 1);
    EXPECT_EQ(call.initialFolder, kMusicFolder);
    EXPECT_EQ(call.defaultExtension, std::nullopt);
    EXPECT_EQ(call.flags, 0x880802u);  // the system asks before overwriting; the folder must exist
    std::string proposed = "album" + std::string(kCopySuffix);
    proposed.resize(257, '\0');
    EXPECT_EQ(call.fileBuffer, proposed);

    // The click cue, then the placement, both started before the dialog is shown.
    EXPECT_EQ(workersWhileShown, 2u);
    EXPECT_EQ(soundsOfFirstWorker, std::vector<std::string>{"click"});
    ASSERT_EQ(desktop.moves.size(), 1u);
    EXPECT_EQ(desktop.moves[0].first, dialog);

    EXPECT_EQ(fileText(kChosen), savedText(openedHeaderLines()));
    EXPECT_EQ(document().savePath, kChosen);
    EXPECT_TRUE(system.messages.empty());
}

// The file name typed in the save dialog, and the name the sheet is saved under, in a folder.
struct TargetRow {
    const char* name;
    std::string folder;
    std::string chosenName;
    std::string savedName;
    bool exists;  // a file is there already
};

const TargetRow kTargetRows[] = {
    {"NameWithoutExtensionGetsCue", "D:\\out\\", "new", "new.cue", false},
    {"CueExtensionIsKept", "D:\\out\\", "new.cue", "new.cue", false},
    {"OtherExtensionIsKept", "D:\\out\\", "new.txt", "new.txt", false},
    {"UpperCaseExtensionIsKept", "D:\\out\\", "NEW.CUE", "NEW.CUE", false},
    {"NameEndingInDotGetsCue", "D:\\out\\", "new.", "new..cue", false},
    {"DotInTheFolderOnly", "D:\\out.v2\\", "new", "new.cue", false},
    {"FolderEndingInBackslashByte", "D:\\" YUN "\\", "new", "new.cue", false},
    // The extension runs from the last dot to the end of the name, blanks included.
    {"BlankAfterTheDotIsStillAnExtension", "D:\\out\\", "new.my mix", "new.my mix", false},
    {"ChineseNameGetsCue", "D:\\out\\", "\xCE\xC7\xB1\xF0", "\xCE\xC7\xB1\xF0" ".cue", false},  // 吻别
    {"ExtensionEndingInBackslashByte", "D:\\out\\", "a." YUN, "a." YUN, false},
    {"ExistingFileIsReplaced", "D:\\out\\", "old.cue", "old.cue", true},
    {"TheOpenedSheetItself", "C:\\music\\", "album.cue", "album.cue", true},
};

class SaveAsTargetTest : public SavingTest, public ::testing::WithParamInterface<TargetRow> {};

TEST_P(SaveAsTargetTest, TheChosenPathBecomesTheTarget) {
    const TargetRow& row = GetParam();
    const std::string saved = row.folder + row.savedName;
    const std::string original = openAlbum();
    if (row.exists) system.addFile(saved, "previous sheet");
    saveAs(row.folder + row.chosenName);
    EXPECT_EQ(fileText(saved), savedText(openedHeaderLines()));
    EXPECT_EQ(document().savePath, saved);
    EXPECT_TRUE(system.messages.empty());

    // SaveHereButton now writes there too, never beside the opened sheet.
    user.replaceText(*controls().genreBox, "Rock");
    saveHere();
    std::vector<std::string> header = openedHeaderLines();
    header.back() = "REM GENRE Rock";
    EXPECT_EQ(fileText(saved), savedText(header));
    std::vector<std::string> expectedPaths{original, saved};
    std::sort(expectedPaths.begin(), expectedPaths.end());
    expectedPaths.erase(std::unique(expectedPaths.begin(), expectedPaths.end()), expectedPaths.end());
    EXPECT_EQ(paths(), expectedPaths);
    EXPECT_TRUE(system.messages.empty());

    // The next save dialog proposes the new target's folder and name.
    saveAs(std::nullopt);
    ASSERT_EQ(fileDialogs.calls.size(), 2u);
    const std::string& buffer = fileDialogs.calls[1].fileBuffer;
    EXPECT_EQ(fileDialogs.calls[1].initialFolder, row.folder);
    EXPECT_EQ(buffer.substr(0, buffer.find('\0')), row.savedName);
    EXPECT_EQ(document().savePath, saved);
}

INSTANTIATE_TEST_SUITE_P(Paths, SaveAsTargetTest, ::testing::ValuesIn(kTargetRows), rowName<TargetRow>);

TEST_F(SavingTest, CancellingTheSaveDialogChangesNothing) {
    openAlbum();
    const auto before = system.files;
    const TrackList tracks = document().documentTracks;
    saveAs(std::nullopt);
    desktop.runWorkers();
    EXPECT_EQ(fileDialogs.calls.size(), 1u);
    EXPECT_EQ(system.files, before);
    EXPECT_EQ(document().savePath, copyPath());
    EXPECT_EQ(document().documentTracks, tracks);  // nothing was assembled
    EXPECT_TRUE(system.messages.empty());
    EXPECT_EQ(sounds.names, std::vector<std::string>{"click"});
}

std::string buttonName(const ::testing::TestParamInfo<Button>& button) {
    return button.param == Button::SaveHere ? "SaveHere" : "SaveAs";
}

class MissingImageNameTest : public SavingTest, public ::testing::WithParamInterface<Button> {};

TEST_P(MissingImageNameTest, AnEmptyImageBoxStopsTheSaveAfterTheClickCue) {
    openAlbum();
    user.replaceText(*controls().imageFileBox, "");
    const auto before = system.files;
    const TrackList tracks = document().documentTracks;
    press(GetParam());

    EXPECT_EQ(system.messages, std::vector<std::string>{std::string(kImageNameMissing)});
    EXPECT_EQ(system.files, before);
    EXPECT_EQ(document().savePath, copyPath());
    EXPECT_EQ(document().documentTracks, tracks);  // no defaults: nothing was assembled
    EXPECT_TRUE(fileDialogs.calls.empty());
    EXPECT_EQ(desktop.workers.size(), 1u);  // the click cue only, no dialog placement
    desktop.runWorkers();
    EXPECT_EQ(sounds.names, std::vector<std::string>{"click"});

    // A blank is a name: the sheet is saved with it.
    user.replaceText(*controls().imageFileBox, " ");
    press(GetParam());
    EXPECT_EQ(system.messages.size(), 1u);
    std::vector<std::string> header = openedHeaderLines();
    header[5] = "FILE \" \" WAVE";
    EXPECT_EQ(fileText(document().savePath), savedText(header));
}

INSTANTIATE_TEST_SUITE_P(Buttons, MissingImageNameTest, ::testing::Values(Button::SaveHere, Button::SaveAs),
                         buttonName);

// Ways a write fails.
enum class Fault { DiskFull, ReplaceRefused, TargetLocked, TargetReadOnly, FolderReadOnly, FolderMissing, NoSavePath };

struct FailureRow {
    const char* name;
    Button button;
    Fault fault;
};

const FailureRow kFailureRows[] = {
    {"SaveHereDiskFull", Button::SaveHere, Fault::DiskFull},
    {"SaveHereReplaceRefused", Button::SaveHere, Fault::ReplaceRefused},
    {"SaveHereTargetOpenElsewhere", Button::SaveHere, Fault::TargetLocked},
    {"SaveHereTargetReadOnly", Button::SaveHere, Fault::TargetReadOnly},
    {"SaveHereFolderReadOnly", Button::SaveHere, Fault::FolderReadOnly},
    {"SaveHereFolderGone", Button::SaveHere, Fault::FolderMissing},
    {"SaveHereEmptySavePath", Button::SaveHere, Fault::NoSavePath},
    {"SaveAsDiskFull", Button::SaveAs, Fault::DiskFull},
    {"SaveAsReplaceRefused", Button::SaveAs, Fault::ReplaceRefused},
    {"SaveAsTargetOpenElsewhere", Button::SaveAs, Fault::TargetLocked},
    {"SaveAsTargetReadOnly", Button::SaveAs, Fault::TargetReadOnly},
    {"SaveAsFolderReadOnly", Button::SaveAs, Fault::FolderReadOnly},
    {"SaveAsFolderMissing", Button::SaveAs, Fault::FolderMissing},
};

class WriteFailureTest : public SavingTest, public ::testing::WithParamInterface<FailureRow> {
protected:
    void inject(Fault fault, const std::string& target, const std::string& folder) {
        switch (fault) {
        case Fault::DiskFull: system.diskFullAfterBytes = 10; break;
        case Fault::ReplaceRefused: system.refuseRename = true; break;
        case Fault::TargetLocked: system.lockedFiles.insert(target); break;
        case Fault::TargetReadOnly: system.readOnlyFiles.insert(target); break;
        case Fault::FolderReadOnly: system.readOnlyFolders.insert(folder); break;
        case Fault::FolderMissing: system.folders.erase(folder); break;
        case Fault::NoSavePath: document().savePath.clear(); break;
        }
    }
    void clearFaults(const std::string& folder) {
        system.diskFullAfterBytes = -1;
        system.refuseRename = false;
        system.lockedFiles.clear();
        system.readOnlyFiles.clear();
        system.readOnlyFolders.clear();
        system.folders.insert(folder);
    }
};

TEST_P(WriteFailureTest, ShowsTheMessageAndLeavesThePreviousFile) {
    const FailureRow& row = GetParam();
    openAlbum();
    const bool here = row.button == Button::SaveHere;
    const std::string target = here ? copyPath() : kChosen;
    const std::string folder = here ? "C:\\music" : std::string(kOutFolder);
    if (row.fault != Fault::FolderMissing && row.fault != Fault::NoSavePath) system.addFile(target, "previous sheet");
    inject(row.fault, target, folder);
    const auto before = system.files;
    press(row.button);

    EXPECT_EQ(system.messages, std::vector<std::string>{std::string(kWriteFailed)});
    EXPECT_EQ(system.files, before);  // the previous file whole, no temporary file left
    EXPECT_EQ(document().savePath, row.fault == Fault::NoSavePath ? "" : target);
    EXPECT_EQ(secondTrack().title, "Track02");
    EXPECT_EQ(secondTrack().performer, test::kUnknownPerformer);
    EXPECT_EQ(titleBox(2).text(), "");
    if (row.fault == Fault::NoSavePath) return;

    // The target stays: once the fault is gone, SaveHereButton writes there.
    clearFaults(folder);
    saveHere();
    EXPECT_EQ(fileText(target), savedText(openedHeaderLines()));
    EXPECT_EQ(system.messages.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Faults, WriteFailureTest, ::testing::ValuesIn(kFailureRows), rowName<FailureRow>);

// One comment item between two plain REM lines, and the line it gives in the sheet.
struct CommentRow {
    const char* name;
    std::string item;
    std::optional<std::string> saved;  // nothing: left out
};

const CommentRow kCommentRows[] = {
    {"RemLine", "REM COMMENT x", "REM COMMENT x"},
    {"OtherKeyword", "SONGWRITER y", std::nullopt},
    {"LowerCaseRem", "rem z", std::nullopt},
    {"MixedCaseRem", "Rem z", std::nullopt},
    {"RemAlone", "REM", std::nullopt},
    {"RemAndABlank", "REM ", "REM "},
    {"RemAndATab", "REM\tx", std::nullopt},
    {"LongerWord", "REMARK x", std::nullopt},
    {"EmptyItem", "", std::nullopt},
    {"LeadingBlanksGo", "   REM A", "REM A"},
    {"LeadingFullWidthBlankGoes", "\xA1\xA1REM B", "REM B"},  // 　 (full-width space)
    {"TrailingBlanksStay", "REM C  ", "REM C  "},
    {"ChineseText", "REM COMMENT \xCE\xC7\xB1\xF0", "REM COMMENT \xCE\xC7\xB1\xF0"},  // 吻别
};

class CommentItemTest : public SavingTest, public ::testing::WithParamInterface<CommentRow> {};

TEST_P(CommentItemTest, OnlyItemsWhoseFirstWordIsRemAreSaved) {
    openAlbum();
    platform::ListBox& list = *controls().commentsList;
    list.clear();
    for (const std::string& item : {std::string("REM FIRST 1"), GetParam().item, std::string("REM LAST 2")}) {
        list.addItem(item);
    }
    saveHere();

    std::vector<std::string> header = openedHeaderLines();
    header.erase(header.begin() + 1, header.begin() + 3);
    std::vector<std::string> comments{"REM FIRST 1"};
    if (GetParam().saved) comments.push_back(*GetParam().saved);
    comments.emplace_back("REM LAST 2");
    header.insert(header.begin() + 1, comments.begin(), comments.end());
    EXPECT_EQ(fileText(copyPath()), savedText(header));
    EXPECT_EQ(list.itemText(1), GetParam().item);  // the list keeps the item as it was
}

INSTANTIATE_TEST_SUITE_P(Items, CommentItemTest, ::testing::ValuesIn(kCommentRows), rowName<CommentRow>);

TEST_F(SavingTest, SaveLabelsDoNothingBeforeASheetIsOpened) {
    user.replaceText(*controls().imageFileBox, "album.wav");
    const auto before = system.files;
    for (platform::Label* label : {controls().saveHereButton, controls().saveAsButton}) {
        EXPECT_FALSE(label->isEnabled());
        fileDialogs.answers.push_back(kChosen);
        user.click(*label);
    }
    EXPECT_TRUE(desktop.workers.empty());
    EXPECT_TRUE(fileDialogs.calls.empty());
    EXPECT_TRUE(system.messages.empty());
    EXPECT_EQ(system.files, before);
    EXPECT_EQ(document().savePath, "");
}

}  // namespace
}  // namespace cuepad::testing
