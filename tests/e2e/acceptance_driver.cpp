// Acceptance scenarios of cuepad.exe, each from a fresh start of a private copy and driven from
// outside only, as a new user would try the program: a GBK sheet edited and saved beside it,
// UTF-8 sheets with and without a byte-order mark, one file per track, 99 tracks, Traditional
// text opened as Simplified, save as, refused files and a folder that cannot be written. Saved
// bytes are compared with what cuetool writes (prepared by run-acceptance); also reports the
// size of cuepad.exe and the program's working set after opening 99 tracks.
// Usage: e2e_acceptance_driver --write-sheets FOLDER   (the input sheets, and the edited one)
//        e2e_acceptance_driver --sheets FOLDER PATH\cuepad.exe
#include "check_report.hpp"
#include "cuepad_process.hpp"
#include "main_window_view.hpp"
#include "open_dialog_remote.hpp"
#include "remote_window.hpp"
#include "sheet_session.hpp"
#include "test_sheets.hpp"
#include "track_rows_view.hpp"

#include <windows.h>
#include <psapi.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cuepad::e2e {
namespace {

using namespace std::chrono_literals;

constexpr auto kStartTimeout = 30s;  // a fresh Wine prefix makes the first start slow
constexpr double kMaxExeBytes = 2.0 * 1024 * 1024;
constexpr double kMaxSheetGrowthMb = 4.0;

constexpr std::string_view kMessageTitle = "\xD0\xC5\xCF\xA2\xA3\xBA";  // 信息：
// 所选择文件不兼容于本软件……
constexpr std::string_view kIncompatibleMessage =
    "\xCB\xF9\xD1\xA1\xD4\xF1\xCE\xC4\xBC\xFE\xB2\xBB\xBC\xE6\xC8\xDD\xD3\xDA\xB1\xBE\xC8\xED\xBC\xFE\xA1\xAD\xA1\xAD";
// 写出同目录下失败？文件磁盘不可写或文件使用中？
constexpr std::string_view kWriteFailedMessage =
    "\xD0\xB4\xB3\xF6\xCD\xAC\xC4\xBF\xC2\xBC\xCF\xC2\xCA\xA7\xB0\xDC\xA3\xBF\xCE\xC4\xBC\xFE\xB4\xC5\xC5\xCC"
    "\xB2\xBB\xBF\xC9\xD0\xB4\xBB\xF2\xCE\xC4\xBC\xFE\xCA\xB9\xD3\xC3\xD6\xD0\xA3\xBF";
constexpr std::string_view kOpenSimplifiedCaption = "\xB4\xF2\xBF\xAA(\xBC\xF2)";  // 打开(简)
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// The files in the sheets folder; "NAME-expected.cue" is cuetool's save of "NAME.cue".
constexpr std::string_view kGbkName = "\xD4\xAD\xD7\xA8\xBC\xAD";  // 原专辑
constexpr std::string_view kReadOnlyFolder = "readonly";
constexpr std::string_view kReadOnlyName = "\xD6\xBB\xB6\xC1.cue";  // 只读.cue
constexpr std::string_view kSavedAsName = "\xC1\xED\xB4\xE6\xD0\xC2\xC3\xFB.cue";  // 另存新名.cue

// ---- the sheets ------------------------------------------------------------------------

TestSheet gbkSheet() { return numberedSheet(5, kGbkName, "\xB8\xE8\xCA\xD6\xBC\xD7"); }  // 歌手甲

// The GBK sheet with a new album title and a new title for track 1.
TestSheet gbkEdited() {
    TestSheet sheet = gbkSheet();
    sheet.title = "\xD0\xC2\xD7\xA8\xBC\xAD\xC3\xFB";              // 新专辑名
    sheet.tracks[0].title = "\xB5\xDA\xD2\xBB\xCA\xD7\xB8\xE8";  // 第一首歌
    return sheet;
}

TestSheet utf8Sheet() { return numberedSheet(4, "\xBC\xF2\xCC\xE5\xD7\xA8\xBC\xAD", "\xC0\xD6\xCA\xD6"); }  // 简体专辑, 乐手

TestSheet filePerTrackSheet() {
    TestSheet sheet = numberedSheet(4, "\xB7\xD6\xB9\xEC\xD7\xA8\xBC\xAD", "\xB8\xE8\xCA\xD6\xD2\xD2");  // 分轨专辑, 歌手乙
    sheet.file = "01.wav";
    sheet.filePerTrack = true;
    return sheet;
}

TestSheet sheet99() { return numberedSheet(99, "\xBE\xC5\xCA\xAE\xBE\xC5\xCA\xD7", "A"); }  // 九十九首

// Traditional text, and the same text in Simplified characters as the window should show it.
TestSheet chineseSheet(std::string_view album, std::string_view band, std::string_view heard, std::string_view television) {
    TestSheet sheet = numberedSheet(3, album, band);
    sheet.tracks[0] = {std::string(heard), std::string(band)};
    sheet.tracks[1] = {std::string(television), std::string(band)};
    return sheet;
}
TestSheet traditionalSheet() {
    return chineseSheet("\x96\x7C\xEF\x4C\x8C\xA3\xDD\x8B", "\x98\xB7\xEA\xA0", "\xC2\xA0\xD2\x8A",  // 東風專輯, 樂隊, 聽見
                        "\xEB\x8A\xD2\x95\x99\x43");                                            // 電視機
}
TestSheet simplifiedSheet() {
    return chineseSheet("\xB6\xAB\xB7\xE7\xD7\xA8\xBC\xAD", "\xC0\xD6\xB6\xD3", "\xCC\xFD\xBC\xFB",  // 东风专辑, 乐队, 听见
                        "\xB5\xE7\xCA\xD3\xBB\xFA");                                            // 电视机
}

TestSheet saveAsSheet() { return numberedSheet(3, "\xC1\xED\xB4\xE6\xD7\xA8\xBC\xAD", "B"); }  // 另存专辑
TestSheet refusalSheet() { return numberedSheet(4, "\xBE\xDC\xBE\xF8\xB2\xE2\xCA\xD4", "C"); }  // 拒绝测试
TestSheet readOnlySheet() { return numberedSheet(2, "\xD6\xBB\xB6\xC1\xD7\xA8\xBC\xAD", "D"); }  // 只读专辑

std::string utf8Text(const TestSheet& sheet) { return toUtf8(fromGbk(sheet.text())); }

// A valid RIFF/WAVE file: the format chunk and a tenth of a second of 8 kHz 8-bit silence.
std::string smallWave() {
    const auto le32 = [](std::uint32_t v) {
        return std::string{static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF),
                           static_cast<char>((v >> 16) & 0xFF), static_cast<char>(v >> 24)};
    };
    const std::string samples(800, '\x80');
    const std::string format = std::string("\x01\x00\x01\x00", 4) + le32(8000) + le32(8000) + std::string("\x01\x00\x08\x00", 4);
    const std::string body = "WAVEfmt " + le32(static_cast<std::uint32_t>(format.size())) + format + "data" +
                             le32(static_cast<std::uint32_t>(samples.size())) + samples;
    return "RIFF" + le32(static_cast<std::uint32_t>(body.size())) + body;
}

// ---- what the window shows -------------------------------------------------------------

// Everything the window shows of the open sheet but PathBox, to see that it stays.
std::vector<std::wstring> shownSheet(const Session& s) {
    std::vector<std::wstring> shown;
    for (const char* role : {"AlbumTitleBox", "AlbumPerformerBox", "ImageFileBox", "MediaCodeBox", "DateBox", "GenreBox"}) {
        shown.push_back(windowText(s.control(role)));
    }
    for (const std::wstring& item : listItems(s.control("CommentsList"))) shown.push_back(L"comment " + item);
    for (const std::wstring& item : listItems(s.control("TrackList"))) shown.push_back(L"track " + item);
    shown.push_back(L"current track " + std::to_wstring(listCurrent(s.control("TrackList"))));
    return shown;
}

// The album boxes against the sheet's header; "" when they all match, else what differs.
std::string albumBoxesDiffer(const Session& s, const TestSheet& sheet) {
    const struct {
        const char* role;
        const std::string& value;
    } boxes[] = {{"AlbumTitleBox", sheet.title}, {"AlbumPerformerBox", sheet.performer}, {"ImageFileBox", sheet.file},
                 {"MediaCodeBox", sheet.catalog}, {"DateBox", sheet.date},              {"GenreBox", sheet.genre}};
    std::string wrong;
    for (const auto& box : boxes) {
        const std::wstring shown = windowText(s.control(box.role));
        if (shown != fromGbk(box.value)) wrong += cat({" ", box.role, " reads \"", toUtf8(shown), "\";"});
    }
    return wrong;
}

// Whether a static control shows an icon: an icon control that holds one and has a size (a
// message box without an icon may keep its icon control, empty and of no size).
bool showsIcon(HWND control) {
    if ((GetWindowLongW(control, GWL_STYLE) & SS_TYPEMASK) != SS_ICON) return false;
    DWORD_PTR icon = 0;
    SendMessageTimeoutW(control, STM_GETICON, 0, 0, SMTO_ABORTIFHUNG, 5000, &icon);
    RECT rect{};
    GetWindowRect(control, &rect);
    return icon != 0 && !IsRectEmpty(&rect);
}

// The message box the program shows now, checked for `gbkText` and closed with OK.
void expectMessage(const Session& s, std::string_view name, std::string_view gbkText) {
    const HWND box = waitForDialog(s.processId(), fromGbk(kMessageTitle), kActionTimeout);
    if (!s.report.check(cat({name, ": a message box titled 信息： shows"}), box != nullptr, "none within 10 s")) return;
    const std::wstring text = staticTexts(box);
    s.report.check(cat({name, ": it says ", toUtf8(fromGbk(gbkText))}), text == fromGbk(gbkText), toUtf8(text));
    int buttons = 0;
    int icons = 0;
    for (HWND child : childWindows(box)) {
        if (!IsWindowVisible(child)) continue;
        const std::wstring kind = className(child);
        if (_wcsicmp(kind.c_str(), L"Button") == 0) ++buttons;
        if (_wcsicmp(kind.c_str(), L"Static") == 0 && showsIcon(child)) ++icons;
    }
    s.report.check(cat({name, ": with one button and no icon"}), buttons == 1 && icons == 0,
                   cat({std::to_string(buttons), " buttons, ", std::to_string(icons), " icons"}));
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    s.report.check(cat({name, ": OK closes it"}), waitUntil([&] { return !IsWindow(box); }, kActionTimeout));
}

// Presses SaveHereButton and compares NAME-副本.cue beside the sheet with `expected`.
void saveHereMatches(const Session& s, std::string_view sheetStem, const std::string& expected, std::string_view what) {
    const std::wstring copyPath = s.path(cat({sheetStem, kCopySuffix}));
    pressMiddle(s.control("SaveHereButton"));
    s.report.check(cat({"SaveHereButton writes ", toUtf8(fromGbk(sheetStem)), "-副本.cue with ", what}),
                   waitForBytes(copyPath, expected), firstDifference(readBytes(copyPath), expected));
}

std::optional<std::string> expectedFor(const Session& s, std::string_view stem) {
    const std::optional<std::string> bytes = readBytes(s.path(cat({stem, "-expected.cue"})));
    s.report.check(cat({"cuetool's bytes for ", stem, ".cue are there"}), bytes && !bytes->empty());
    return bytes && !bytes->empty() ? bytes : std::nullopt;
}

// ---- the scenarios ---------------------------------------------------------------------

void gbkEditAndSave(const Session& s) {
    const auto expected = expectedFor(s, "gbk-edited");
    const TestSheet input = gbkSheet();
    const std::wstring sheetPath = s.path(cat({kGbkName, ".cue"}));
    if (!expected || !openSheet(s, sheetPath, input)) return;
    s.report.check("the album boxes show the GBK sheet's header", albumBoxesDiffer(s, input).empty(), albumBoxesDiffer(s, input));
    const TestSheet edited = gbkEdited();
    typeOver(s.control("AlbumTitleBox"), edited.title);
    typeOver(s.control("TrackTitleBox1"), edited.tracks[0].title);
    drainPosted(s.view);
    const TrackRows rows = readTrackRows(s.view);
    s.report.check("typing over the album title and track 1's title shows the new texts",
                   windowText(s.control("AlbumTitleBox")) == fromGbk(edited.title) && showsPage(rows, edited, 0),
                   cat({toUtf8(windowText(s.control("AlbumTitleBox"))), "; ", describe(rows)}));
    saveHereMatches(s, kGbkName, *expected, "cuetool's bytes for the same edits");
    s.report.check("the opened GBK sheet is left as it was", readBytes(sheetPath) == input.text());
}

void utf8OpenAndSave(const Session& s, std::string_view stem) {
    const auto expected = expectedFor(s, stem);
    const TestSheet sheet = utf8Sheet();
    if (!expected || !openSheet(s, s.path(cat({stem, ".cue"})), sheet)) return;
    s.report.check("the album boxes show the UTF-8 sheet's Chinese text", albumBoxesDiffer(s, sheet).empty(),
                   albumBoxesDiffer(s, sheet));
    saveHereMatches(s, stem, *expected, "cuetool's bytes");
    const std::optional<std::string> saved = readBytes(s.path(cat({stem, kCopySuffix})));
    const std::string titleLine = cat({"TITLE \"", sheet.title, "\"\r\n"});
    s.report.check("the saved sheet is GBK: no byte-order mark, the album title in code page 936",
                   saved && !saved->starts_with(kUtf8Mark) && saved->find(titleLine) != std::string::npos);
}

void filePerTrack(const Session& s) {
    const auto expected = expectedFor(s, "file-per-track");
    const TestSheet sheet = filePerTrackSheet();
    if (!expected || !openSheet(s, s.path("file-per-track.cue"), sheet)) return;
    const std::vector<std::wstring> items = listItems(s.control("TrackList"));
    bool listed = items.size() == sheet.tracks.size();
    for (std::size_t i = 0; listed && i < items.size(); ++i) listed = items[i] == fromGbk(trackLine(static_cast<int>(i) + 1));
    s.report.check("TrackList lists all four tracks of the one-file-per-track sheet", listed,
                   cat({std::to_string(items.size()), " items"}));
    saveHereMatches(s, "file-per-track", *expected, "cuetool's bytes, every FILE line in its place");
}

// The program's working set in megabytes, read from outside; negative when it cannot be read.
double workingSetMb(DWORD processId) {
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_VM_READ, FALSE, processId);
    if (process == nullptr) return -1;
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    const bool read = GetProcessMemoryInfo(process, &counters, sizeof counters) != 0;
    CloseHandle(process);
    return read ? static_cast<double>(counters.WorkingSetSize) / (1024.0 * 1024.0) : -1;
}

void ninetyNineTracks(const Session& s) {
    const auto expected = expectedFor(s, "t99");
    const TestSheet sheet = sheet99();
    // Under Wine the system's libraries count in the working set (the bare one-window program
    // already takes about 21 MB there) and the open dialog maps many more. So a small sheet is
    // opened first, and the 99-track sheet's own cost is what opening it adds on top.
    s.report.figure("working set at start", workingSetMb(s.processId()), "MB", 2);
    if (!expected || !openSheet(s, s.path("save-as.cue"), saveAsSheet())) return;
    const double beforeSheet = workingSetMb(s.processId());
    s.report.figure("working set with a small sheet open through the open dialog", beforeSheet, "MB", 2);
    if (!openSheet(s, s.path("t99.cue"), sheet)) return;
    const double workingSet = workingSetMb(s.processId());
    if (s.report.check("the working set of cuepad.exe can be read from outside", workingSet >= 0 && beforeSheet >= 0)) {
        s.report.figure("working set after opening 99 tracks", workingSet, "MB", 2);
        s.report.check("opening the 99-track sheet adds under 4 MB to the working set",
                       workingSet - beforeSheet < kMaxSheetGrowthMb,
                       cat({std::to_string(workingSet - beforeSheet), " MB"}));
    }
    postKey(s.control("TrackList"), VK_END);  // the list's own key: the last track
    drainPosted(s.view);
    const TrackRows rows = readTrackRows(s.view);
    s.report.check("the last page shows tracks 97-99", showsPage(rows, sheet, 98), describe(rows));
    saveHereMatches(s, "t99", *expected, "cuetool's bytes for 99 tracks");
}

void traditionalAsSimplified(const Session& s) {
    const auto expected = expectedFor(s, "traditional");
    if (!expected) return;
    postKey(s.control("PathBox"), VK_DOWN);
    drainPosted(s.view);
    s.report.check("Down in PathBox chooses the Simplified conversion: OpenButton reads 打开(简)",
                   windowText(s.control("OpenButton")) == fromGbk(kOpenSimplifiedCaption),
                   toUtf8(windowText(s.control("OpenButton"))));
    const TestSheet simplified = simplifiedSheet();
    if (!openSheet(s, s.path("traditional.cue"), simplified)) return;
    s.report.check("the album boxes show the Traditional sheet in Simplified characters",
                   albumBoxesDiffer(s, simplified).empty(), albumBoxesDiffer(s, simplified));
    saveHereMatches(s, "traditional", *expected, "cuetool's bytes for save --simplified");
    const std::optional<std::string> saved = readBytes(s.path(cat({"traditional", kCopySuffix})));
    s.report.check("the saved sheet holds the Simplified album title, not the Traditional one",
                   saved && saved->find(cat({"TITLE \"", simplified.title, "\""})) != std::string::npos &&
                       saved->find(traditionalSheet().title) == std::string::npos);
}

void saveAsNewName(const Session& s) {
    const auto expected = expectedFor(s, "save-as");
    if (!expected || !openSheet(s, s.path("save-as.cue"), saveAsSheet())) return;
    const std::wstring target = s.path(kSavedAsName);
    if (!fileThroughDialog(s, "SaveAsButton", kSaveAsTitle, target)) return;
    s.report.check("SaveAsButton writes the chosen new name with cuetool's bytes", waitForBytes(target, *expected),
                   firstDifference(readBytes(target), *expected));
    s.report.check("and nothing beside the sheet", !readBytes(s.path(cat({"save-as", kCopySuffix}))));
}

void refusals(const Session& s) {
    const auto expected = expectedFor(s, "refusal");
    const TestSheet sheet = refusalSheet();
    if (!expected || !openSheet(s, s.path("refusal.cue"), sheet)) return;
    const std::vector<std::wstring> before = shownSheet(s);
    const struct {
        const char* name;
        std::string_view file;
    } refused[] = {{"opening a WAV file", "sound.wav"}, {"opening an empty file", "empty.cue"}};
    for (const auto& attempt : refused) {
        if (!fileThroughDialog(s, "OpenButton", kOpenDialogTitle, s.path(attempt.file))) return;
        expectMessage(s, attempt.name, kIncompatibleMessage);
        drainPosted(s.view);
        const TrackRows rows = readTrackRows(s.view);
        s.report.check(cat({attempt.name, " leaves the previous sheet shown: album boxes, comments, TrackList and rows"}),
                       shownSheet(s) == before && showsPage(rows, sheet, 0), describe(rows));
        s.report.check("PathBox keeps the refused file's path", windowText(s.control("PathBox")) == s.path(attempt.file),
                       toUtf8(windowText(s.control("PathBox"))));
    }
    saveHereMatches(s, "refusal", *expected, "cuetool's bytes: the save still goes beside the previous sheet");
}

std::vector<std::wstring> filesIn(const std::wstring& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") names.push_back(name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

void readOnlyFolder(const Session& s) {
    const TestSheet sheet = readOnlySheet();
    const std::wstring folder = s.path(kReadOnlyFolder);
    const std::wstring sheetPath = folder + L"\\" + fromGbk(kReadOnlyName);
    if (!openSheet(s, sheetPath, sheet)) return;
    pressMiddle(s.control("SaveHereButton"));
    expectMessage(s, "saving beside a sheet in a folder that cannot be written", kWriteFailedMessage);
    s.report.check("the sheet in the read-only folder keeps its bytes", readBytes(sheetPath) == sheet.text());
    std::string names;
    for (const std::wstring& name : filesIn(folder)) names += cat({" ", toUtf8(name)});
    s.report.check("and no other file appears in that folder", names == cat({" ", toUtf8(fromGbk(kReadOnlyName))}),
                   cat({"the folder holds", names}));
}

// ---- the run ---------------------------------------------------------------------------

int writeSheets(const std::wstring& folder, CheckReport& report) {
    const auto file = [&](std::string_view name) { return folder + L"\\" + fromGbk(name); };
    const std::wstring readOnly = file(kReadOnlyFolder);
    const bool ok = writeBytes(file(cat({kGbkName, ".cue"})), gbkSheet().text()) &&
                    writeBytes(file("gbk-edited.cue"), gbkEdited().text()) &&
                    writeBytes(file("utf8-bom.cue"), cat({kUtf8Mark, utf8Text(utf8Sheet())})) &&
                    writeBytes(file("utf8-plain.cue"), utf8Text(utf8Sheet())) &&
                    writeBytes(file("file-per-track.cue"), filePerTrackSheet().text()) &&
                    writeBytes(file("t99.cue"), sheet99().text()) &&
                    writeBytes(file("traditional.cue"), traditionalSheet().text()) &&
                    writeBytes(file("save-as.cue"), saveAsSheet().text()) &&
                    writeBytes(file("refusal.cue"), refusalSheet().text()) && writeBytes(file("sound.wav"), smallWave()) &&
                    writeBytes(file("empty.cue"), "") && CreateDirectoryW(readOnly.c_str(), nullptr) &&
                    writeBytes(readOnly + L"\\" + fromGbk(kReadOnlyName), readOnlySheet().text());
    report.check("the input sheets, the edited sheet, the WAV file and the empty file are written", ok);
    return ok ? 0 : 1;
}

void checkExeSize(CheckReport& report, const std::wstring& cuepadExe) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!report.check("cuepad.exe is there", GetFileAttributesExW(cuepadExe.c_str(), GetFileExInfoStandard, &data) != 0,
                      toUtf8(cuepadExe))) {
        return;
    }
    const double bytes = static_cast<double>((static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow);
    report.figure("cuepad.exe size", bytes, "bytes", 0);
    report.check("cuepad.exe is under 2 MB", bytes < kMaxExeBytes);
}

// Runs one scenario on a fresh private copy of cuepad.exe (so its settings file is fresh too),
// then closes the window.
template <class Scenario>
void freshRun(CheckReport& report, const std::wstring& cuepadExe, const std::wstring& folder, std::string_view title,
              Scenario scenario) {
    report.note(cat({"scenario: ", title}));
    const TestFolder program(cuepadExe);
    if (!report.check("a private copy of cuepad.exe in a fresh folder", program.ready())) return;
    const CuepadRun run(program.program());
    const HWND window = run.started() ? run.waitForMainWindow(kStartTimeout) : nullptr;
    if (!report.check("cuepad's main window appears", window != nullptr)) return;
    const Session s{report, run, viewOf(run.process(), window), folder};
    scenario(s);
    PostMessageW(window, WM_CLOSE, 0, 0);
    const auto code = run.waitForExit(10s);
    report.check("WM_CLOSE ends the program", code.has_value() && *code == 0);
}

void runScenarios(CheckReport& report, const std::wstring& cuepadExe, const std::wstring& folder) {
    checkExeSize(report, cuepadExe);
    const auto run = [&](std::string_view title, auto scenario) { freshRun(report, cuepadExe, folder, title, scenario); };
    run("a GBK sheet, album title and track 1 edited, saved beside it", gbkEditAndSave);
    run("a UTF-8 sheet with a byte-order mark", [](const Session& s) { utf8OpenAndSave(s, "utf8-bom"); });
    run("a UTF-8 sheet without a byte-order mark", [](const Session& s) { utf8OpenAndSave(s, "utf8-plain"); });
    run("a sheet with one file per track", filePerTrack);
    run("a sheet of 99 tracks", ninetyNineTracks);
    run("a Traditional sheet opened as Simplified", traditionalAsSimplified);
    run("save as a new name", saveAsNewName);
    run("a WAV file and an empty file refused", refusals);
    run("saving beside a sheet in a read-only folder", readOnlyFolder);
}

}  // namespace
}  // namespace cuepad::e2e

int wmain(int argc, wchar_t** argv) {
    using namespace cuepad::e2e;
    SetProcessDPIAware();
    CheckReport report("e2e-acceptance");
    const std::wstring_view mode = argc >= 3 ? argv[1] : L"";
    if (mode == L"--write-sheets" && argc == 3) return writeSheets(argv[2], report);
    if (mode != L"--sheets" || argc != 4) {
        std::printf("usage: e2e_acceptance_driver --write-sheets FOLDER | --sheets FOLDER PATH\\cuepad.exe\n");
        return 2;
    }
    runScenarios(report, argv[3], argv[2]);
    report.printSummary();
    return report.failed() == 0 ? 0 : 1;
}
