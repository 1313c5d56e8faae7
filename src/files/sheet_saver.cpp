// Saving a sheet.
#include "files/sheet_saver.hpp"

#include "engine/line_helpers.hpp"
#include "engine/sheet.hpp"
#include "files/strings.hpp"
#include "platform/system_services.hpp"

namespace cuepad {

std::string assembleSheetText(const AlbumBoxTexts& boxes, const std::vector<std::string>& commentItems,
                              TrackList& tracks) {
    SheetHeader header{boxes.catalog, boxes.performer, boxes.title, boxes.file, boxes.date, boxes.genre, {}};
    for (const std::string& item : commentItems) {
        std::string_view line = item;
        if (firstWordView(line) != "REM") continue;
        header.comments.append(line);
        header.comments.append(kLineBreak);
    }
    return CueSheet::generateText(header, tracks);
}

bool writeSheet(Document& document, platform::SystemServices& system, const AlbumBoxTexts& boxes,
                const std::vector<std::string>& commentItems) {
    const std::string text = assembleSheetText(boxes, commentItems, document.documentTracks);
    if (!document.savePath.empty() && system.replaceFile(document.savePath, text)) return true;
    system.showMessage(strings::kWriteFailed);
    return false;
}

}  // namespace cuepad
