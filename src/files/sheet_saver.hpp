// Saving: the sheet text from the album boxes, the comment items and the document's tracks,
// written safely to the save target.
#pragma once

#include "files/document.hpp"

#include <string>
#include <vector>

namespace cuepad {

namespace platform {
class SystemServices;
}

// The texts of the six album boxes, as they stand.
struct AlbumBoxTexts {
    std::string catalog;
    std::string performer;
    std::string title;
    std::string file;
    std::string date;
    std::string genre;
};

// Only comment items whose first word is exactly "REM" are kept, without their leading blanks,
// each followed by CR LF. The writer fills empty track titles and performers in `tracks`.
std::string assembleSheetText(const AlbumBoxTexts& boxes, const std::vector<std::string>& commentItems,
                              TrackList& tracks);

// Assembles the text and replaces the file at the document's save path with it. On failure
// (an empty save path included) shows the write-failure message, leaves the file as it was and
// returns false; success is silent.
bool writeSheet(Document& document, platform::SystemServices& system, const AlbumBoxTexts& boxes,
                const std::vector<std::string>& commentItems);

}  // namespace cuepad
