// Opening, file dialogs, typing and saved bytes in one run of cuepad.exe.
#include "sheet_session.hpp"

#include "open_dialog_remote.hpp"
#include "remote_window.hpp"
#include "track_rows_view.hpp"

namespace cuepad::e2e {

bool fileThroughDialog(const Session& s, std::string_view button, std::string_view title, const std::wstring& path) {
    pressMiddle(s.control(button));
    const HWND dialog = waitForDialog(s.processId(), fromGbk(title), kActionTimeout);
    if (!s.report.check(cat({"a press on ", button, " shows the dialog titled ", toUtf8(fromGbk(title))}), dialog != nullptr,
                        "no such dialog within 10 s")) {
        return false;
    }
    const bool confirmed = chooseFile(dialog, path) && waitUntil([&] { return !IsWindow(dialog); }, kActionTimeout);
    return s.report.check(cat({"the ", toUtf8(fromGbk(title)), " dialog takes the typed path and closes"}), confirmed);
}

bool openSheet(const Session& s, const std::wstring& path, const TestSheet& sheet) {
    if (!fileThroughDialog(s, "OpenButton", kOpenDialogTitle, path)) return false;
    const bool shown = waitUntil(
        [&] { return windowText(s.control("PathBox")) == path && showsPage(readTrackRows(s.view), sheet, 0); }, kActionTimeout);
    return s.report.check("the chosen sheet fills the window", shown, describe(readTrackRows(s.view)));
}

void typeOver(HWND box, std::string_view gbk) {
    PostMessageW(box, EM_SETSEL, 0, -1);
    postChars(box, fromGbk(gbk));
}

bool waitForBytes(const std::wstring& path, const std::string& expected) {
    return waitUntil([&] { return readBytes(path) == expected; }, kActionTimeout);
}

}  // namespace cuepad::e2e
