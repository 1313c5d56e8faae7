// Real-world sheets read and written again. The writer must carry every line the reader keeps
// verbatim (all but the lines it rewrites by design), and reading and writing its own output
// must change nothing. Skipped when the corpus folder is absent.
#include "reference_text.hpp"
#include "sheet_test_support.hpp"

#include "engine/sheet.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace cuepad {
namespace {

namespace fs = std::filesystem;

// The file's bytes up to its first zero byte, as opening a sheet reads them.
std::string readUpToZero(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return bytes.substr(0, bytes.find('\0'));
}

std::string firstWordOf(std::string_view line) {
    const std::string trimmed = reference::trimStart(line);
    const Position space = reference::findText(trimmed, " ");
    return space == -1 ? std::string() : trimmed.substr(0, static_cast<std::size_t>(space - 1));
}

// A TRACK line holding a further "TRACK " is cut there: each one starts a block of its own, and
// only the last keeps the rest of the line.
std::string fromLastTrackKeyword(std::string_view line) {
    Position last = reference::findText(line, "TRACK ");
    for (Position next = last; next != -1; next = reference::findText(line, "TRACK ", last + 1)) {
        last = next;
    }
    return std::string(line.substr(static_cast<std::size_t>(last - 1)));
}

// The lines of a sheet that reading and writing must keep, one entry per line. Lines are the
// reader's: cut at CR LF pairs that start on a character boundary.
std::vector<std::string> carriedLines(std::string_view text) {
    const Position mark = reference::findText(text, "TRACK 01 AUDIO");
    const Position breakBefore = reference::findTextBackward(text, kLineBreak, mark);
    const auto cut = static_cast<std::size_t>(breakBefore);
    const std::string_view headerPart = breakBefore == -1 ? "" : text.substr(0, cut - 1);
    const std::string_view trackPart = breakBefore == -1 ? text : text.substr(cut + 1);

    std::vector<std::string> carried;
    for (const std::string& line : reference::splitText(headerPart, kLineBreak)) {
        const std::string word = firstWordOf(line);
        const bool rewritten = word == "CATALOG" || word == "PERFORMER" || word == "TITLE" ||
                               word == "FILE" || reference::findText(line, "REM DATE") != -1 ||
                               reference::findText(line, "REM GENRE") != -1;
        if (!rewritten) carried.push_back(line);
    }
    // Blocks begin at the first TRACK of the track part; what stands before it on its line
    // (in a sheet without CR LF, the whole album part) belongs to no block.
    const Position firstTrack = reference::findText(trackPart, "TRACK");
    if (firstTrack == -1) return carried;
    const auto blocksStart = static_cast<std::size_t>(firstTrack - 1);
    std::size_t nextLineStart = 0;
    for (const std::string& line : reference::splitText(trackPart, kLineBreak)) {
        const std::size_t lineStart = nextLineStart;
        nextLineStart += line.size() + kLineBreak.size();
        if (lineStart + line.size() <= blocksStart) continue;  // before the first block
        const std::string word = firstWordOf(line);
        if (word == "TRACK") {
            carried.push_back(fromLastTrackKeyword(line));
        } else if (lineStart <= blocksStart) {
            carried.push_back(line.substr(blocksStart - lineStart));
        } else if (word != "TITLE" && word != "PERFORMER") {
            carried.push_back(line);
        }
    }
    return carried;
}

// Byte-level lines, trimmed, counted. A carried line may hold a CR LF whose CR is the second
// byte of a character; written out, that pair still separates two byte-level lines.
void countByteLines(std::string_view text, std::map<std::string, int>& counts) {
    for (;;) {
        const std::size_t end = text.find(kLineBreak);
        const std::string trimmed = reference::trimBoth(text.substr(0, end));
        if (!trimmed.empty()) ++counts[trimmed];
        if (end == std::string_view::npos) return;
        text.remove_prefix(end + kLineBreak.size());
    }
}

std::string writtenFrom(std::string_view text) {
    CueSheet sheet;
    sheet.loadText(text);
    return CueSheet::generateText(sheet.header, sheet.tracks);
}

struct Sheet {
    std::string name;
    std::string text;
};

// Every line end that is a lone LF made CR LF, so that sheets saved with LF line ends are also
// read line by line (as they are, they hold no line break at all).
std::string withCrLf(std::string_view text) {
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) result += '\r';
        result += text[i];
    }
    return result;
}

// The compatible sheets of the corpus as read, and those with lone LF line ends once more with
// CR LF.
std::vector<Sheet> compatibleSheets() {
    std::vector<fs::path> paths;
    for (const fs::directory_entry& entry : fs::directory_iterator(CUEPAD_CORPUS_DIR)) {
        if (entry.path().extension() == ".cue") paths.push_back(entry.path());
    }
    std::sort(paths.begin(), paths.end());
    std::vector<Sheet> sheets;
    for (const fs::path& path : paths) {
        std::string text = readUpToZero(path);
        if (!CueSheet::isCompatible(text)) continue;
        std::string converted = withCrLf(text);
        const std::string name = path.filename().string();
        if (converted != text) sheets.push_back({name + " with CR LF", std::move(converted)});
        sheets.push_back({name, std::move(text)});
    }
    return sheets;
}

class CorpusTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!fs::is_directory(CUEPAD_CORPUS_DIR)) GTEST_SKIP() << "no corpus at " CUEPAD_CORPUS_DIR;
        sheets_ = compatibleSheets();
        if (sheets_.empty()) GTEST_SKIP() << "no compatible sheet in " CUEPAD_CORPUS_DIR;
    }
    std::vector<Sheet> sheets_;
};

TEST_F(CorpusTest, WrittenSheetKeepsEveryCarriedLine) {
    for (const Sheet& sheet : sheets_) {
        SCOPED_TRACE(sheet.name);
        std::map<std::string, int> expected;
        for (const std::string& line : carriedLines(sheet.text)) countByteLines(line, expected);
        std::map<std::string, int> written;
        countByteLines(writtenFrom(sheet.text), written);
        for (const auto& [line, count] : expected) {
            EXPECT_GE(written[line], count) << ::testing::PrintToString(line);
        }
    }
}

TEST_F(CorpusTest, TakingOverTheTextReadsTheSame) {
    for (const Sheet& sheet : sheets_) {
        SCOPED_TRACE(sheet.name);
        CueSheet viewed;
        viewed.loadText(std::string_view(sheet.text));
        CueSheet handedOver;
        handedOver.loadText(std::string(sheet.text));
        EXPECT_EQ(handedOver.headerText, viewed.headerText);
        EXPECT_EQ(handedOver.trackText, viewed.trackText);
        EXPECT_EQ(handedOver.header, viewed.header);
        EXPECT_EQ(handedOver.trackBlocks, viewed.trackBlocks);
        EXPECT_EQ(handedOver.tracks, viewed.tracks);
    }
}

// Whether some line whose first word is TRACK holds a further "TRACK ", where reading would
// start another block. A sheet without CR LF is written with all its lines in one TRACK line.
bool hasTrackLineWithTwoKeywords(std::string_view text) {
    for (const std::string& line : reference::splitText(text, kLineBreak)) {
        if (firstWordOf(line) != "TRACK") continue;
        const Position keyword = reference::findText(line, "TRACK ");
        if (reference::findText(line, "TRACK ", keyword + 1) != -1) return true;
    }
    return false;
}

TEST_F(CorpusTest, WritingTheWrittenSheetAgainChangesNothing) {
    int checked = 0;
    for (const Sheet& sheet : sheets_) {
        SCOPED_TRACE(sheet.name);
        const std::string once = writtenFrom(sheet.text);
        if (hasTrackLineWithTwoKeywords(once)) continue;
        EXPECT_EQ(writtenFrom(once), once);
        ++checked;
    }
    EXPECT_GT(checked, 0);
}

}  // namespace
}  // namespace cuepad
