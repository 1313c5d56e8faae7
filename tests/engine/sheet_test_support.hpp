// Small helpers shared by the engine tests: sheet texts built from lines, the GBK defaults the
// writer fills in, and printers so that a failing record comparison shows readable fields.
#pragma once

#include "engine/sheet.hpp"

#include <gtest/gtest.h>

#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>

namespace cuepad::test {

inline constexpr std::string_view kUnknownPerformer =
    "\xCE\xB4\xD6\xAA\xD2\xD5\xCA\xF5\xBC\xD2";  // 未知艺术家
inline constexpr std::string_view kUnknownTitle = "\xCE\xB4\xD6\xAA\xB1\xEA\xCC\xE2";  // 未知标题

// The lines joined by CR LF, with no line break after the last one.
inline std::string crlfLines(std::initializer_list<std::string_view> lines) {
    std::string text;
    bool first = true;
    for (const std::string_view line : lines) {
        if (!first) text += "\r\n";
        first = false;
        text += line;
    }
    return text;
}

// Records built by naming only the fields that matter: album().title("A").genre("Pop").
class AlbumBuilder {
public:
    AlbumBuilder& catalog(std::string_view v) { return set(header_.catalog, v); }
    AlbumBuilder& performer(std::string_view v) { return set(header_.performer, v); }
    AlbumBuilder& title(std::string_view v) { return set(header_.title, v); }
    AlbumBuilder& file(std::string_view v) { return set(header_.file, v); }
    AlbumBuilder& date(std::string_view v) { return set(header_.date, v); }
    AlbumBuilder& genre(std::string_view v) { return set(header_.genre, v); }
    AlbumBuilder& comments(std::string_view v) { return set(header_.comments, v); }
    operator SheetHeader() const { return header_; }  // rows and lists hold records

private:
    AlbumBuilder& set(std::string& field, std::string_view v) {
        field = v;
        return *this;
    }
    SheetHeader header_;
};

class TrackBuilder {
public:
    explicit TrackBuilder(std::string_view trackLine) { track_.trackLine = trackLine; }
    TrackBuilder& title(std::string_view v) { return set(track_.title, v); }
    TrackBuilder& performer(std::string_view v) { return set(track_.performer, v); }
    TrackBuilder& other(std::string_view v) { return set(track_.otherLines, v); }
    TrackBuilder& rem(std::string_view v) { return set(track_.remLines, v); }
    TrackBuilder& index(std::string_view v) { return set(track_.indexLines, v); }
    operator TrackEntry() const { return track_; }  // rows and lists hold records

private:
    TrackBuilder& set(std::string& field, std::string_view v) {
        field = v;
        return *this;
    }
    TrackEntry track_;
};

inline AlbumBuilder album() { return {}; }
inline TrackBuilder track(std::string_view trackLine = {}) { return TrackBuilder(trackLine); }

// A sheet text loaded into a new CueSheet, the way opening a file does it.
inline CueSheet loadedSheet(std::string_view text) {
    CueSheet sheet;
    sheet.loadText(text);
    return sheet;
}

}  // namespace cuepad::test

namespace cuepad {

inline void PrintTo(const SheetHeader& h, std::ostream* os) {
    using ::testing::PrintToString;
    *os << "{catalog " << PrintToString(h.catalog) << ", performer " << PrintToString(h.performer)
        << ", title " << PrintToString(h.title) << ", file " << PrintToString(h.file) << ", date "
        << PrintToString(h.date) << ", genre " << PrintToString(h.genre) << ", comments "
        << PrintToString(h.comments) << "}";
}

inline void PrintTo(const TrackEntry& t, std::ostream* os) {
    using ::testing::PrintToString;
    *os << "{trackLine " << PrintToString(t.trackLine) << ", title " << PrintToString(t.title)
        << ", performer " << PrintToString(t.performer) << ", otherLines "
        << PrintToString(t.otherLines) << ", remLines " << PrintToString(t.remLines)
        << ", indexLines " << PrintToString(t.indexLines) << "}";
}

}  // namespace cuepad
