// The writer: builds a sheet text from an album record and a track list. Empty lines are
// collapsed away at the end, so the result has no empty line and no line break at either end.
#include "engine/sheet_writer.hpp"

#include "engine/line_helpers.hpp"
#include "engine/sheet.hpp"

namespace cuepad {
namespace {

constexpr std::string_view kUnknownPerformer = "\xCE\xB4\xD6\xAA\xD2\xD5\xCA\xF5\xBC\xD2";  // 未知艺术家
constexpr std::string_view kUnknownTitle = "\xCE\xB4\xD6\xAA\xB1\xEA\xCC\xE2";              // 未知标题

void appendLine(std::string& out, std::string_view a, std::string_view b = {},
                std::string_view c = {}, std::string_view d = {}) {
    out.append(a).append(b).append(c).append(d).append(kLineBreak);
}

std::string_view orDefault(const std::string& value, std::string_view fallback) {
    return value.empty() ? fallback : std::string_view(value);
}

void appendHeader(std::string& out, const SheetHeader& header) {
    if (!header.catalog.empty()) {
        appendLine(out, "CATALOG ", header.catalog);
    } else {
        out.append(kLineBreak);
    }
    appendLine(out, header.comments);
    appendLine(out, "PERFORMER \"", orDefault(header.performer, kUnknownPerformer), "\"");
    appendLine(out, "TITLE \"", orDefault(header.title, kUnknownTitle), "\"");
    appendLine(out, "FILE \"", header.file, "\" WAVE");
    appendLine(out, "REM DATE ", header.date);
    appendLine(out, "REM GENRE ", header.genre);
}

void appendTrack(std::string& out, TrackEntry& track, int number) {
    if (track.title.empty()) track.title = "Track" + twoDigitNumber(number);
    if (track.performer.empty()) track.performer = kUnknownPerformer;
    appendLine(out, "  ", track.trackLine);
    appendLine(out, "    TITLE \"", track.title, "\"");
    appendLine(out, "    PERFORMER \"", track.performer, "\"");
    if (!track.otherLines.empty()) appendLine(out, "    ", track.otherLines);
    if (!track.remLines.empty()) appendLine(out, "    ", track.remLines);
    appendLine(out, "    ", track.indexLines);
}

}  // namespace

std::string twoDigitNumber(int n) {
    std::string digits = std::to_string(n);
    return (n < 10) ? "0" + digits : digits;
}

std::string collapseBlankLines(std::string_view text) {
    // Replacing every CR LF CR LF by CR LF until none is left reduces each run of consecutive
    // line breaks to one; a single pass gives the same text. Only breaks that start on a
    // character boundary count, as for the searches of the text primitives.
    std::string result;
    result.reserve(text.size());
    std::size_t copied = 0;
    std::size_t from = 0;
    for (;;) {
        const Position hit = findText(text, kLineBreak, static_cast<Position>(from + 1));
        if (hit == -1) break;
        const std::size_t at = static_cast<std::size_t>(hit - 1);
        std::size_t runEnd = at + 2;
        while (text.substr(runEnd, 2) == kLineBreak) runEnd += 2;
        result.append(text.substr(copied, at + 2 - copied));
        copied = runEnd;
        from = runEnd;
        if (from >= text.size()) break;
    }
    result.append(text.substr(copied));
    return result;
}

std::string CueSheet::generateText(const SheetHeader& albumHeader, TrackList& trackList) {
    std::string text;
    text.reserve(256 + albumHeader.comments.size() + trackList.size() * 160);
    appendHeader(text, albumHeader);
    int number = 0;
    for (TrackEntry& track : trackList) appendTrack(text, track, ++number);
    return stripLineBreaks(collapseBlankLines(text));
}

}  // namespace cuepad
