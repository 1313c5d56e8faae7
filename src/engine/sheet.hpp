// The in-memory form of one CUE sheet: the album record, the track records, and the short-lived
// CueSheet object that cuts a sheet text into them (the reader) and builds text back from them
// (the writer). Records hold their texts by value, so copying a record is a deep copy.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace cuepad {

struct SheetHeader {
    std::string catalog;
    std::string performer;
    std::string title;
    std::string file;
    std::string date;
    std::string genre;
    std::string comments;  // header lines joined by CR LF

    bool operator==(const SheetHeader&) const = default;
};

// Multi-line fields hold their lines joined by CR LF plus four spaces, the first line unindented.
struct TrackEntry {
    std::string trackLine;
    std::string title;
    std::string performer;
    std::string otherLines;
    std::string remLines;
    std::string indexLines;

    bool operator==(const TrackEntry&) const = default;
};

using TrackList = std::vector<TrackEntry>;

class CueSheet {
public:
    std::string headerText;
    std::string trackText;
    SheetHeader header;
    TrackList tracks;
    std::vector<std::string> trackBlocks;

    // A deep copy; C++ value semantics give it for free, the name keeps the model's vocabulary.
    CueSheet copy() const { return *this; }

    // True when the text holds "TRACK 01 AUDIO" anywhere, byte for byte.
    static bool isCompatible(std::string_view text);

    // splitParts, parseHeader, splitTrackBlocks, parseTracks, in this order. Run it once on a
    // new object: the header's comments and the block list are appended to, not cleared.
    void loadText(std::string_view text);
    // The same, taking over the caller's text: the track part keeps its buffer instead of
    // being copied, which halves the memory a very large sheet needs.
    void loadText(std::string&& text);
    void loadText(const char* text) { loadText(std::string_view(text)); }

    void copyHeader(SheetHeader& target) const { target = header; }
    void copyTracks(TrackList& target) const { target = tracks; }

    void splitParts(std::string_view text);
    void splitParts(std::string&& text);
    void splitParts(const char* text) { splitParts(std::string_view(text)); }
    void parseHeader(std::string_view text);
    void splitTrackBlocks(std::string_view text);
    void parseTracks();

    // Builds a sheet text from the given records (not from this object's own). Fills empty
    // track titles and performers of `trackList` in place with their defaults.
    static std::string generateText(const SheetHeader& albumHeader, TrackList& trackList);
};

}  // namespace cuepad
