// Fuzz target over the reader and the writer. Beyond "no crash, no sanitizer report" it checks
// the writer's promises: no empty line, no line break at either end, and a second parse and
// generate of its output changes nothing.
#include "engine/line_helpers.hpp"
#include "engine/sheet.hpp"
#include "engine/text.hpp"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

bool contains(std::string_view text, std::string_view what, cuepad::Case mode = cuepad::Case::Sensitive) {
    return cuepad::findText(text, what, 1, mode) != -1;
}

// The reader and writer are line-based and keep each line's text, so on a text whose line breaks
// are plain CR LF pairs what the writer makes reads back the same. The exceptions are texts the
// reader cannot recognise for what they were; each test below names one.

// A field that ends in a line break (empty lines ended the track) keeps the trailing blanks of
// the line before it, or that line is blank; read back, that line ends the field and loses them.
bool endsInBlankLine(std::string_view field) {
    if (!field.ends_with("\r\n")) return false;
    const auto lines = cuepad::splitTextViews(field, "\r\n");
    if (lines.empty()) return false;
    const std::string_view last = lines.back();
    return last.empty() || last.ends_with(' ') || last.ends_with("\xA1\xA1");
}

// A REM, INDEX or FILE line with nothing after its keyword but a blank loses that blank when it
// ends its field, and with it the first word that put it there.
bool lastLineLostItsWord(std::string_view field) {
    const auto lines = cuepad::splitTextViews(field, "\r\n");
    if (lines.empty()) return false;
    std::string_view last = lines.back();
    return cuepad::firstWordView(last).empty();
}

// A value whose last byte is a lead byte with nothing after it pairs, once written, with the CR
// of the line break behind it, and the line runs on into the next one.
bool endsInLoneLeadByte(std::string_view value) {
    std::size_t high = 0;
    while (high < value.size() && static_cast<unsigned char>(value[value.size() - 1 - high]) >= 0x80) ++high;
    return high % 2 == 1;
}

// Whether every CR and LF byte of the text stands in a CR LF pair that begins a character. A CR
// that is the second byte of a character is no line break, but the writer's end trimming looks
// at bytes and may cut it off.
bool hasOnlyPlainLineBreaks(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (static_cast<unsigned char>(c) >= 0x80) {
            ++i;
        } else if (c == '\r') {
            if (i + 1 >= text.size() || text[i + 1] != '\n') return false;
            ++i;
        } else if (c == '\n') {
            return false;
        }
    }
    return true;
}

// A value that held a keyword only once another keyword was cut out of it ("CATCATALOGALOG",
// "REM REM DATEDATE") reads back differently; so does a sheet whose TRACK lines did not start
// tracks (a second "TRACK " on a TRACK line leaves a track without its TRACK line, and a first
// TRACK line that began inside another line keeps a second "TRACK " in it).
bool readsBackAsWritten(const cuepad::SheetHeader& header, const cuepad::TrackList& tracks) {
    constexpr std::string_view kMark = "TRACK 01 AUDIO";
    for (std::string_view value : {header.catalog, header.date, header.genre}) {
        if (contains(value, kMark)) return false;
    }
    if (contains(header.catalog, "CATALOG", cuepad::Case::Ignore)) return false;
    for (std::string_view value : {header.catalog, header.comments, header.performer, header.title, header.file,
                                   header.date, header.genre}) {
        if (endsInLoneLeadByte(value)) return false;
    }
    if (contains(header.date, "REM DATE") || contains(header.genre, "REM DATE") ||
        contains(header.genre, "REM GENRE")) {
        return false;
    }
    if (tracks.empty() || !contains(tracks.front().trackLine, kMark)) return false;
    for (const cuepad::TrackEntry& track : tracks) {
        for (std::string_view field : {track.otherLines, track.remLines, track.indexLines}) {
            if (endsInBlankLine(field)) return false;
        }
        if (lastLineLostItsWord(track.remLines) || lastLineLostItsWord(track.indexLines)) return false;
        for (std::string_view value : {track.trackLine, track.title, track.performer, track.otherLines,
                                       track.remLines, track.indexLines}) {
            if (endsInLoneLeadByte(value)) return false;
        }
        if (!track.trackLine.starts_with("TRACK ") || cuepad::findText(track.trackLine, "TRACK ", 2) != -1) {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    input = input.substr(0, input.find('\0'));  // a sheet text ends at its first zero byte

    cuepad::CueSheet first;
    first.loadText(input);
    const std::string once = cuepad::CueSheet::generateText(first.header, first.tracks);
    check(!contains(once, "\r\n\r\n"));
    check(!once.starts_with("\r\n") && !once.ends_with("\r\n"));

    // Generating again from the records the writer just filled changes nothing.
    cuepad::TrackList filled = first.tracks;
    check(cuepad::CueSheet::generateText(first.header, filled) == once && filled == first.tracks);

    if (hasOnlyPlainLineBreaks(input) && readsBackAsWritten(first.header, first.tracks)) {
        cuepad::CueSheet second;
        second.loadText(once);
        check(cuepad::CueSheet::generateText(second.header, second.tracks) == once);
    }
    return 0;
}
