// The writer: builds a sheet text from an album record and a track list. Empty lines are
// collapsed away at the end, so the result has no empty line and no line break at either end.
#include "engine/sheet_writer.hpp"

#include "engine/line_helpers.hpp"
#include "engine/sheet.hpp"
#include "engine/text_scanner.hpp"

#include <cstring>

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

// Room for the whole text, so that it is built in one buffer without regrowing.
std::size_t outputBound(const SheetHeader& header, const TrackList& tracks) {
    std::size_t size = 128 + header.catalog.size() + header.comments.size() + header.performer.size() +
                       header.title.size() + header.file.size() + header.date.size() + header.genre.size();
    for (const TrackEntry& track : tracks) {
        size += 80 + track.trackLine.size() + track.title.size() + track.performer.size() + track.otherLines.size() +
                track.remLines.size() + track.indexLines.size();
    }
    return size;
}

}  // namespace

std::string twoDigitNumber(int n) {
    std::string digits = std::to_string(n);
    return (n < 10) ? "0" + digits : digits;
}

std::string collapseBlankLines(std::string_view text) {
    std::string result(text);
    collapseBlankLinesInPlace(result);
    return result;
}

void collapseBlankLinesInPlace(std::string& text) {
    // Replacing every CR LF CR LF by CR LF until none is left reduces each run of consecutive
    // line breaks to one; a single pass gives the same text. Only breaks that start on a
    // character boundary count, as for the searches of the text primitives.
    const std::string_view view = text;
    detail::ForwardScanner breaks(view, kLineBreak, Case::Sensitive);
    std::size_t kept = 0;  // bytes of the result, compacted to the front of the buffer
    std::size_t read = 0;
    for (std::size_t at; (at = breaks.next(read)) != std::string_view::npos;) {
        std::size_t runEnd = at + 2;
        while (view.substr(runEnd, 2) == kLineBreak) runEnd += 2;
        if (kept != read) std::memmove(text.data() + kept, text.data() + read, at + 2 - read);
        kept += at + 2 - read;
        read = runEnd;
    }
    if (kept != read) std::memmove(text.data() + kept, text.data() + read, text.size() - read);
    text.resize(kept + (text.size() - read));
}

std::string CueSheet::generateText(const SheetHeader& albumHeader, TrackList& trackList) {
    std::string text;
    text.reserve(outputBound(albumHeader, trackList));
    appendHeader(text, albumHeader);
    int number = 0;
    for (TrackEntry& track : trackList) appendTrack(text, track, ++number);
    collapseBlankLinesInPlace(text);
    const std::string_view kept = stripLineBreaksView(text);
    const auto start = static_cast<std::size_t>(kept.data() - text.data());
    text.resize(start + kept.size());
    text.erase(0, start);
    return text;
}

}  // namespace cuepad
