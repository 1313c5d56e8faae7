// End-to-end scenario of editing and saving in cuepad.exe, driven from outside only: open a
// sheet through the open dialog, edit the album boxes, a comment through the pop-up menu and the
// input box, two tracks' titles and performers, pick the image file in its dialog, save beside
// the sheet and save as a new name; the written bytes are compared with what the sheet writer
// makes of the same sheet with the same edits (prepared by run-editing with cuetool). Also times
// a save of 99 tracks from the press until the file holds its bytes.
// Usage: e2e_editing_driver --write-sheets FOLDER   (the input sheets and the edited sheet)
//        e2e_editing_driver --sheets FOLDER [PATH\cuepad.exe]
#include "comments_menu_remote.hpp"
#include "cuepad_process.hpp"
#include "check_report.hpp"
#include "main_window_view.hpp"
#include "open_dialog_remote.hpp"
#include "remote_window.hpp"
#include "sheet_session.hpp"
#include "test_sheets.hpp"
#include "track_rows_view.hpp"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace cuepad::e2e {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr auto kStartTimeout = 30s;
constexpr double kSaveTargetMs = 20.0;
constexpr int kSaveSamples = 7;

constexpr std::string_view kImageDialogTitle = "\xD1\xA1\xD4\xF1\xD2\xBB\xB8\xF6\xD3\xB3\xCF\xF1\xCE\xC4\xBC\xFE";  // 选择一个映像文件
constexpr std::string_view kInputBoxTitle = "\xCA\xE4\xC8\xEB\xD0\xDE\xB8\xC4\xB5\xC4\xC4\xDA\xC8\xDD";  // 输入修改的内容
constexpr std::string_view kSheetName = "\xB1\xE0\xBC\xAD\xB2\xE2\xCA\xD4";  // 编辑测试
constexpr std::string_view kImageName = "\xD3\xB3\xCF\xF1.wav";              // 映像.wav
constexpr std::string_view kSaveAsName = "\xC1\xED\xB4\xE6\xBD\xE1\xB9\xFB";   // 另存结果 (no extension)
constexpr std::string_view kEditedComment = "REM COMMENT \"\xD2\xD1\xD0\xDE\xB8\xC4\"";  // 已修改
constexpr std::string_view kAddedComment = "REM ADDED \"\xD0\xC2\xD7\xA2\xCA\xCD\"";     // 新注释
constexpr std::string_view kAddedOther = "SONGWRITER \"\xD7\xF7\xC7\xFA\"";              // 作曲: not a REM line, left out

double msSince(Clock::time_point start) { return std::chrono::duration<double, std::milli>(Clock::now() - start).count(); }

// The 12-track sheet as opened, and the same sheet with every edit the scenario makes.
TestSheet inputSheet() { return numberedSheet(12, "\xB2\xE2\xCA\xD4\xD7\xA8\xBC\xAD", "\xD7\xA8\xBC\xAD\xD2\xD5\xC8\xCB"); }  // 测试专辑, 专辑艺人
TestSheet sheet99() { return numberedSheet(99, "A99", "A"); }

TestSheet editedSheet() {
    TestSheet sheet = inputSheet();
    sheet.title = "\xD0\xC2\xD7\xA8\xBC\xAD";      // 新专辑
    sheet.performer = "\xD0\xC2\xD2\xD5\xC8\xCB";  // 新艺人
    sheet.catalog = "9876543210987";
    sheet.date = "2025";
    sheet.genre = "\xD2\xA1\xB9\xF6";  // 摇滚
    sheet.file = kImageName;
    sheet.comments = {std::string(kEditedComment), sheet.comments[1], std::string(kAddedComment)};
    sheet.tracks[1] = {"\xB5\xDA\xB6\xFE\xC7\xFA", "\xB6\xFE\xBA\xC5\xB8\xE8\xCA\xD6"};  // 第二曲, 二号歌手
    sheet.tracks[2] = {"\xB5\xDA\xC8\xFD\xC7\xFA", "\xC8\xFD\xBA\xC5\xB8\xE8\xCA\xD6"};  // 第三曲, 三号歌手
    return sheet;
}

void editBoxes(const Session& s, const TestSheet& edited) {
    if (checkState(s.control("ApplyAllCheck")) == BST_CHECKED) pressMiddle(s.control("ApplyAllLabel"));
    drainPosted(s.view);
    s.report.check("ApplyAllCheck is off, so the album performer stays the album's",
                   checkState(s.control("ApplyAllCheck")) == BST_UNCHECKED);
    const struct {
        const char* role;
        const std::string& value;
    } boxes[] = {{"AlbumTitleBox", edited.title}, {"AlbumPerformerBox", edited.performer}, {"MediaCodeBox", edited.catalog},
                 {"DateBox", edited.date},        {"GenreBox", edited.genre},
                 {"TrackTitleBox2", edited.tracks[1].title}, {"TrackPerformerBox2", edited.tracks[1].performer},
                 {"TrackTitleBox3", edited.tracks[2].title}, {"TrackPerformerBox3", edited.tracks[2].performer}};
    for (const auto& box : boxes) typeOver(s.control(box.role), box.value);
    drainPosted(s.view);
    std::string wrong;
    for (const auto& box : boxes) {
        const std::wstring shown = windowText(s.control(box.role));
        if (shown != fromGbk(box.value)) wrong += cat({" ", box.role, " reads \"", toUtf8(shown), "\";"});
    }
    s.report.check("typing over the album boxes and the titles and performers of tracks 2 and 3 shows the new texts",
                   wrong.empty(), wrong);
    // Paging away and back shows the typed track texts kept in the document.
    postKey(s.control("TrackTitleBox1"), VK_DOWN);
    postKey(s.control("TrackTitleBox1"), VK_DOWN);
    postKey(s.control("TrackTitleBox1"), VK_UP);
    postKey(s.control("TrackTitleBox1"), VK_UP);
    drainPosted(s.view);
    const TrackRows rows = readTrackRows(s.view);
    s.report.check("paging away and back shows the typed titles and performers of tracks 2 and 3",
                   showsPage(rows, edited, 0), describe(rows));
}

// One right click, menu choice and input box answer on the comments list.
struct CommentStep {
    const char* name;
    int item;  // the item right-clicked
    CommentsMenuItem choice;
    std::string_view text;
};

void editComments(const Session& s, const TestSheet& input) {
    const HWND list = s.control("CommentsList");
    const CommentStep steps[] = {
        {"修改数据 on the first comment replaces it", 0, CommentsMenuItem::Edit, kEditedComment},
        {"添加数据 appends a REM line", 1, CommentsMenuItem::Add, kAddedComment},
        {"添加数据 appends a line that is not a REM line", 0, CommentsMenuItem::Add, kAddedOther},
    };
    std::vector<std::wstring> expected;
    for (const std::string& comment : input.comments) expected.push_back(fromGbk(comment));
    for (const CommentStep& step : steps) {
        const HWND menu = rightClickItem(list, step.item);
        if (!s.report.check(cat({"a right click on comment ", std::to_string(step.item + 1), " selects it and shows the menu"}),
                            menu != nullptr, cat({"current item ", std::to_string(listCurrent(list))}))) {
            return;
        }
        chooseMenuItem(menu, step.choice);
        const HWND box = waitForInputBox(s.processId(), fromGbk(kInputBoxTitle));
        if (!s.report.check(cat({step.name, ": the input box titled 输入修改的内容 shows"}), box != nullptr)) return;
        const std::wstring initial = step.choice == CommentsMenuItem::Edit ? expected[static_cast<std::size_t>(step.item)] : L"";
        s.report.check(cat({step.name, ": the input box starts with ", initial.empty() ? "an empty field" : "the item's text"}),
                       inputBoxText(box) == initial, toUtf8(inputBoxText(box)));
        confirmInputBox(box, fromGbk(step.text));
        if (step.choice == CommentsMenuItem::Edit) {
            expected[static_cast<std::size_t>(step.item)] = fromGbk(step.text);
        } else {
            expected.push_back(fromGbk(step.text));
        }
        const bool shown = waitUntil([&] { return !IsWindow(box) && listItems(list) == expected; }, kActionTimeout);
        std::string items;
        for (const std::wstring& item : listItems(list)) items += cat({" [", toUtf8(item), "]"});
        s.report.check(step.name, shown, cat({"CommentsList holds", items}));
    }
}

void editAndSave(const Session& s, const std::string& expected) {
    const TestSheet input = inputSheet();
    const std::wstring sheetPath = s.path(cat({kSheetName, ".cue"}));
    if (!openSheet(s, sheetPath, input)) return;
    editBoxes(s, editedSheet());
    editComments(s, input);
    if (fileThroughDialog(s, "ChooseImageButton", kImageDialogTitle, s.path(kImageName))) {
        const bool named = waitUntil([&] { return windowText(s.control("ImageFileBox")) == fromGbk(kImageName); }, kActionTimeout);
        s.report.check("the picked image file's name, without its folder, fills ImageFileBox", named,
                       toUtf8(windowText(s.control("ImageFileBox"))));
    }

    const std::wstring copyPath = s.path(cat({kSheetName, kCopySuffix}));
    pressMiddle(s.control("SaveHereButton"));
    const bool savedHere = waitForBytes(copyPath, expected);
    s.report.check("SaveHereButton writes NAME-副本.cue beside the sheet with the writer's bytes for the edited sheet", savedHere,
                   firstDifference(readBytes(copyPath), expected));
    s.report.check("the opened sheet is left as it was", readBytes(sheetPath) == input.text());

    const std::wstring savedAsPath = s.path(cat({kSaveAsName, ".cue"}));
    if (fileThroughDialog(s, "SaveAsButton", kSaveAsTitle, s.path(kSaveAsName))) {
        const bool savedAs = waitForBytes(savedAsPath, expected);
        s.report.check("SaveAsButton with a name without extension writes NAME.cue with the same bytes", savedAs,
                       firstDifference(readBytes(savedAsPath), expected));
    }
    // The chosen path is now the target of SaveHereButton too.
    DeleteFileW(savedAsPath.c_str());
    DeleteFileW(copyPath.c_str());
    pressMiddle(s.control("SaveHereButton"));
    const bool again = waitForBytes(savedAsPath, expected);
    s.report.check("after the save as, SaveHereButton writes to the chosen path and not beside the sheet",
                   again && !readBytes(copyPath), firstDifference(readBytes(savedAsPath), expected));
}

// Times SaveHereButton on a 99-track sheet from the press until the file holds its bytes.
void timeSave99(const Session& s, const std::string& expected) {
    const std::wstring path = s.path("t99.cue");
    const std::wstring target = s.path(cat({"t99", kCopySuffix}));
    if (!openSheet(s, path, sheet99())) return;
    std::vector<double> samples;
    for (int i = 0; i < kSaveSamples; ++i) {
        DeleteFileW(target.c_str());
        drainPosted(s.view);
        const auto start = Clock::now();
        pressMiddle(s.control("SaveHereButton"));
        const auto deadline = start + kActionTimeout;
        bool done = false;
        while (!done && Clock::now() < deadline) {
            done = readBytes(target) == expected;
            if (!done) std::this_thread::sleep_for(std::chrono::microseconds(250));
        }
        if (!done) break;
        samples.push_back(msSince(start));
    }
    if (!s.report.check("every timed save of 99 tracks writes the writer's bytes", samples.size() == kSaveSamples,
                        firstDifference(readBytes(target), expected))) {
        return;
    }
    std::sort(samples.begin(), samples.end());
    const double middle = samples[samples.size() / 2];
    s.report.figure("save-here-99-tracks-median", middle);
    s.report.figure("save-here-99-tracks-slowest", samples.back());
    s.report.note(cat({"median of ", std::to_string(samples.size()), " saves ", middle <= kSaveTargetMs ? "meets" : "misses",
                       " the 20 ms target"}));
}

// ---- the run ---------------------------------------------------------------------------

int writeSheets(const std::wstring& folder, CheckReport& report) {
    const auto file = [&](std::string_view name) { return folder + L"\\" + fromGbk(name); };
    const bool ok = writeBytes(file(cat({kSheetName, ".cue"})), inputSheet().text()) &&
                    writeBytes(file("edited.cue"), editedSheet().text()) && writeBytes(file("t99.cue"), sheet99().text()) &&
                    writeBytes(file(kImageName), "RIFF");
    report.check("the input sheets, the edited sheet and the image file are written", ok);
    return ok ? 0 : 1;
}

void runScenario(CheckReport& report, const std::wstring& cuepadExe, const std::wstring& folder) {
    const std::optional<std::string> expected = readBytes(folder + L"\\edited-expected.cue");
    const std::optional<std::string> expected99 = readBytes(folder + L"\\t99-expected.cue");
    if (!report.check("the writer's expected bytes are there", expected && expected99 && !expected->empty())) return;
    const TestFolder program(cuepadExe);
    if (!report.check("a private copy of cuepad.exe", program.ready(), cat({"cannot copy ", toUtf8(cuepadExe)}))) return;
    CuepadRun run(program.program());
    const HWND window = run.started() ? run.waitForMainWindow(kStartTimeout) : nullptr;
    if (!report.check("cuepad's main window appears", window != nullptr)) return;
    const Session s{report, run, viewOf(run.process(), window), folder};
    editAndSave(s, *expected);
    timeSave99(s, *expected99);
    PostMessageW(window, WM_CLOSE, 0, 0);
    const auto code = run.waitForExit(10s);
    report.check("WM_CLOSE ends the program", code.has_value() && *code == 0);
}

}  // namespace
}  // namespace cuepad::e2e

int wmain(int argc, wchar_t** argv) {
    using namespace cuepad::e2e;
    SetProcessDPIAware();
    CheckReport report("e2e-editing");
    std::wstring folder;
    std::wstring cuepadExe;
    bool writeOnly = false;
    for (int i = 1; i < argc; ++i) {
        const std::wstring_view arg = argv[i];
        if ((arg == L"--sheets" || arg == L"--write-sheets") && i + 1 < argc) {
            writeOnly = arg == L"--write-sheets";
            folder = argv[++i];
        } else {
            cuepadExe = arg;
        }
    }
    if (folder.empty()) {
        std::printf("usage: e2e_editing_driver --write-sheets FOLDER | --sheets FOLDER [cuepad.exe]\n");
        return 2;
    }
    if (writeOnly) return writeSheets(folder, report);
    if (cuepadExe.empty()) cuepadExe = cuepadOfThisBuild();
    runScenario(report, cuepadExe, folder);
    report.printSummary();
    return report.failed() == 0 ? 0 : 1;
}
