// The reader: cuts a sheet text into its header part and track blocks and parses both. It never
// fails and keeps every line: what the editor does not show is carried verbatim in the comments
// or in a track's other, REM or INDEX lines.
#include "engine/contract.hpp"
#include "engine/line_helpers.hpp"
#include "engine/sheet.hpp"

namespace cuepad {
namespace {

constexpr std::string_view kCompatibleMark = "TRACK 01 AUDIO";
constexpr std::string_view kQuote = "\"";
constexpr std::string_view kIndent = "\r\n    ";

void appendLine(std::string& field, std::string_view line) {
    field.append(kIndent);
    field.append(line);
}

// A multi-line field loses the break and indent in front of its first line and any blanks at
// its ends; joins between lines stay.
void cleanMultiLine(std::string& field) {
    field = std::string(trimBothView(stripLineBreaksView(field)));
}

// Finds, for increasing positions, the start of the line that holds them. The cursor only moves
// forward, so resolving every TRACK candidate of a text costs one pass over it.
class LineStartCursor {
public:
    explicit LineStartCursor(std::string_view text) : text_(text) {}

    // Zero-based start of the line holding `at`; `breakBefore` gets the zero-based offset of
    // the line break that ends just before that line, or npos when there is none.
    std::size_t lineStartOf(std::size_t at, std::size_t& breakBefore) {
        for (;;) {
            if (nextBreak_ == kUnknown) {
                const Position found = findText(text_, kLineBreak, static_cast<Position>(searchFrom_ + 1));
                nextBreak_ = (found == -1) ? std::string_view::npos : static_cast<std::size_t>(found - 1);
            }
            // A break counts when it lies wholly before `at`.
            if (nextBreak_ == std::string_view::npos || nextBreak_ + 2 > at) break;
            lastBreak_ = nextBreak_;
            searchFrom_ = nextBreak_ + 2;
            nextBreak_ = kUnknown;
        }
        breakBefore = lastBreak_;
        return lastBreak_ == std::string_view::npos ? 0 : lastBreak_ + 2;
    }

private:
    static constexpr std::size_t kUnknown = std::string_view::npos - 1;
    std::string_view text_;
    std::size_t searchFrom_ = 0;
    std::size_t nextBreak_ = kUnknown;
    std::size_t lastBreak_ = std::string_view::npos;
};

}  // namespace

bool CueSheet::isCompatible(std::string_view text) { return findText(text, kCompatibleMark) != -1; }

void CueSheet::loadText(std::string_view text) {
    CUEPAD_EXPECTS(text.size() <= kMaxTextBytes);
    splitParts(text);
    parseHeader(headerText);
    splitTrackBlocks(trackText);
    parseTracks();
}

void CueSheet::splitParts(std::string_view text) {
    const Position a = findText(text, kCompatibleMark);
    const Position b = findTextBackward(text, kLineBreak, a);
    headerText = textLeft(text, b - 1);
    trackText = textRight(text, textLength(text) - (b + 1));
}

void CueSheet::parseHeader(std::string_view text) {
    for (std::string_view line : splitTextViews(text, kLineBreak)) {
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
    // A block runs from a TRACK keyword to the last byte before the line break that precedes
    // the next line whose first word is TRACK. "TRACK " inside another line (a title, say)
    // does not end a block.
    Position p = findText(text, "TRACK");
    LineStartCursor lines(text);
    Position searchFrom = p + 1;
    while (p != -1) {
        const Position q = findText(text, "TRACK ", searchFrom);
        if (q == -1) {
            trackBlocks.push_back(textSpan(text, p, textLength(text)));
            return;
        }
        std::size_t breakBefore = 0;
        const std::size_t lineStart = lines.lineStartOf(static_cast<std::size_t>(q - 1), breakBefore);
        // The line's first word is TRACK exactly when the trimmed line begins with "TRACK ";
        // the occurrence at q lies in the line, so trimming cannot run past the line's end.
        if (!trimStartView(text.substr(lineStart)).starts_with("TRACK ")) {
            searchFrom = q + 1;
            continue;
        }
        const Position c = (breakBefore == std::string_view::npos) ? -1 : static_cast<Position>(breakBefore + 1);
        trackBlocks.push_back(textSpan(text, p, c - 1));
        p = q;
        searchFrom = p + 1;
    }
}

void CueSheet::parseTracks() {
    tracks.assign(trackBlocks.size(), TrackEntry{});
    for (std::size_t i = 0; i < trackBlocks.size(); ++i) {
        TrackEntry& entry = tracks[i];
        for (std::string_view line : splitTextViews(trackBlocks[i], kLineBreak)) {
            const std::string_view word = firstWordView(line);
            if (word == "TRACK") {
                entry.trackLine = line;
            } else if (word == "TITLE") {
                entry.title = textBetweenView(line, kQuote, kQuote);
            } else if (word == "PERFORMER") {
                entry.performer = textBetweenView(line, kQuote, kQuote);
            } else if (word == "REM") {
                appendLine(entry.remLines, line);
            } else if (word == "INDEX" || word == "FILE") {
                // A FILE line keeps its place among the INDEX lines: in one-file-per-track
                // sheets it stands between them, and moving it would point index times into
                // the wrong audio file.
                appendLine(entry.indexLines, line);
            } else {
                appendLine(entry.otherLines, line);
            }
        }
        cleanMultiLine(entry.otherLines);
        cleanMultiLine(entry.remLines);
        cleanMultiLine(entry.indexLines);
    }
}

}  // namespace cuepad
