// The reader: cuts a sheet text into its header part and track blocks and parses both. It never
// fails and keeps every line: what the editor does not show is carried verbatim in the comments
// or in a track's other, REM or INDEX lines.
#include "engine/contract.hpp"
#include "engine/line_helpers.hpp"
#include "engine/sheet.hpp"
#include "engine/text_scanner.hpp"

namespace cuepad {
namespace {

constexpr std::string_view kCompatibleMark = "TRACK 01 AUDIO";
constexpr std::string_view kQuote = "\"";
constexpr std::string_view kIndent = "\r\n    ";

// Collects the lines of one multi-line field of a track: each line behind a CR LF and four
// spaces. The buffer is reused from track to track, so a field is allocated once, at its size.
class MultiLineField {
public:
    void add(std::string_view line) {
        lines_.append(kIndent);
        lines_.append(line);
    }

    // The field loses the break and indent in front of its first line and any blanks at its
    // ends; joins between lines stay.
    void moveTo(std::string& field) {
        field.assign(trimBothView(stripLineBreaksView(lines_)));
        lines_.clear();
    }

private:
    std::string lines_;
};

}  // namespace

// A plain substring test, byte for byte: unlike the reader's searches it does not care whether
// the mark starts on a character boundary.
bool CueSheet::isCompatible(std::string_view text) { return text.find(kCompatibleMark) != std::string_view::npos; }

void CueSheet::loadText(std::string_view text) {
    CUEPAD_EXPECTS(text.size() <= kMaxTextBytes);
    splitParts(text);
    parseHeader(headerText);
    splitTrackBlocks(trackText);
    parseTracks();
}

void CueSheet::loadText(std::string&& text) {
    CUEPAD_EXPECTS(text.size() <= kMaxTextBytes);
    splitParts(std::move(text));
    parseHeader(headerText);
    splitTrackBlocks(trackText);
    parseTracks();
}

namespace {

// Where splitParts cuts: the header part is the text before the line break that ends before the
// line holding the first "TRACK 01 AUDIO", the track part everything after that break.
struct PartBounds {
    Position headerLength;
    Position trackStart;  // 1-based
};

PartBounds findParts(std::string_view text) {
    const Position a = findText(text, kCompatibleMark);
    const Position b = findTextBackward(text, kLineBreak, a);
    return {b - 1, b + 2};
}

}  // namespace

void CueSheet::splitParts(std::string_view text) {
    const PartBounds bounds = findParts(text);
    headerText = textLeft(text, bounds.headerLength);
    trackText = textRight(text, textLength(text) - (bounds.trackStart - 1));
}

void CueSheet::splitParts(std::string&& text) {
    const PartBounds bounds = findParts(text);
    headerText = textLeft(text, bounds.headerLength);
    text.erase(0, static_cast<std::size_t>(bounds.trackStart - 1));
    trackText = std::move(text);
}

void CueSheet::parseHeader(std::string_view text) {
    detail::PieceSplitter lines(text, kLineBreak);
    for (std::string_view line; lines.next(line);) {
        const std::string_view word = firstWordView(line);
        if (word == "CATALOG") {
            header.catalog = trimBoth(replaceText(line, "CATALOG", "", Case::Ignore));
        } else if (word == "PERFORMER") {
            header.performer = textBetween(line, kQuote, kQuote);
        } else if (word == "TITLE") {
            header.title = textBetween(line, kQuote, kQuote);
        } else if (word == "FILE") {
            header.file = textBetween(line, kQuote, kQuote);
        } else if (findText(line, "REM DATE") != -1) {
            header.date = trimBoth(replaceText(line, "REM DATE", ""));
        } else if (findText(line, "REM GENRE") != -1) {
            header.genre = trimBoth(replaceText(line, "REM GENRE", ""));
        } else {
            header.comments.append(kLineBreak);
            header.comments.append(line);
        }
    }
    header.comments = stripLineBreaks(header.comments);
}

void CueSheet::splitTrackBlocks(std::string_view text) {
    // The first block starts at the first "TRACK" of the text. Every later block starts at an
    // occurrence of "TRACK " on a line whose first word is TRACK, and the block before it ends
    // at the line break in front of that line. "TRACK " inside another line (a title, say) ends
    // no block. Walking the lines once finds all of them.
    const Position first = findText(text, "TRACK");
    if (first == -1) return;
    auto blockStart = static_cast<std::size_t>(first - 1);
    detail::PieceSplitter lines(text, kLineBreak);
    for (std::string_view line; lines.next(line);) {
        const std::string_view trimmed = trimStartView(line);
        if (!trimmed.starts_with("TRACK ")) continue;
        const auto lineStart = static_cast<std::size_t>(line.data() - text.data());
        const auto trimmedStart = static_cast<std::size_t>(trimmed.data() - text.data());
        // A block ends at the break before the line (or, on the first line, right away).
        const std::size_t blockEnd = lineStart >= 2 ? lineStart - 2 : 0;
        for (Position q = 1; (q = findText(trimmed, "TRACK ", q)) != -1; ++q) {
            const std::size_t at = trimmedStart + static_cast<std::size_t>(q - 1);
            if (at <= blockStart) continue;
            trackBlocks.emplace_back(text.substr(blockStart, blockEnd > blockStart ? blockEnd - blockStart : 0));
            blockStart = at;
        }
    }
    trackBlocks.emplace_back(text.substr(blockStart));
}

void CueSheet::parseTracks() {
    tracks.assign(trackBlocks.size(), TrackEntry{});
    MultiLineField otherLines;
    MultiLineField remLines;
    MultiLineField indexLines;
    for (std::size_t i = 0; i < trackBlocks.size(); ++i) {
        TrackEntry& entry = tracks[i];
        detail::PieceSplitter lines(trackBlocks[i], kLineBreak);
        for (std::string_view line; lines.next(line);) {
            const std::string_view word = firstWordView(line);
            if (word == "TRACK") {
                entry.trackLine = line;
            } else if (word == "TITLE") {
                entry.title = textBetweenView(line, kQuote, kQuote);
            } else if (word == "PERFORMER") {
                entry.performer = textBetweenView(line, kQuote, kQuote);
            } else if (word == "REM") {
                remLines.add(line);
            } else if (word == "INDEX" || word == "FILE") {
                // A FILE line keeps its place among the INDEX lines: in one-file-per-track
                // sheets it stands between them, and moving it would point index times into
                // the wrong audio file.
                indexLines.add(line);
            } else {
                otherLines.add(line);
            }
        }
        otherLines.moveTo(entry.otherLines);
        remLines.moveTo(entry.remLines);
        indexLines.moveTo(entry.indexLines);
    }
}

}  // namespace cuepad
