// The open document: the parsed album record and tracks, the save target and the conversion
// chosen for the next opening. One record, owned by the program for its whole run.
#pragma once

#include "engine/sheet.hpp"

#include <string>

namespace cuepad {

// The conversion applied to a sheet's text when it is opened.
enum class OpenMode : int { AsRead = 0, ToSimplified = 1, ToTraditional = 2 };

struct Document {
    SheetHeader documentHeader;
    TrackList documentTracks;
    int trackCount = 0;
    std::string savePath;
    OpenMode openMode = OpenMode::AsRead;
};

}  // namespace cuepad
