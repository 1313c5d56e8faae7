// Sheets the drivers make for themselves: the text of a CUE sheet in code page 936 with CR LF
// line ends, and a private folder that holds the files a driver writes. Texts are GBK bytes.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cuepad::e2e {

struct SheetTrack {
    std::string title;
    std::string performer;
};

struct TestSheet {
    std::string catalog;
    std::string performer;
    std::string title;
    std::string file;
    std::string date;
    std::string genre;
    std::vector<std::string> comments;  // header lines that the window lists as comments
    std::vector<SheetTrack> tracks;
    // One file per track: a FILE line "NN.wav" WAVE before every track from the second on
    // (the album's FILE line, in the header, stands for the first).
    bool filePerTrack = false;

    // The file's bytes: header, then every track with its TITLE, PERFORMER and INDEX line.
    std::string text() const;
};

// UTF-16 text as code page 936 bytes, as the sheets and the program hold it.
std::string toGbk(std::wstring_view text);

// "TRACK 01 AUDIO" for track 1; three digits from track 100 on.
std::string trackLine(int number);

// A sheet of `trackCount` tracks titled "曲N" and performed by "歌手N" (N from 1), with the
// album `title`, album `performer`, a date, a genre and two comment lines.
TestSheet numberedSheet(int trackCount, std::string_view title, std::string_view performer);

// Where two byte strings first differ, with a little of each side, for messages.
std::string firstDifference(const std::optional<std::string>& actual, const std::string& expected);

// A temporary folder for the sheets of one run; removes what it wrote when it goes.
class SheetFolder {
public:
    SheetFolder();
    ~SheetFolder();
    SheetFolder(const SheetFolder&) = delete;
    SheetFolder& operator=(const SheetFolder&) = delete;

    bool ready() const { return ready_; }

    // Writes the sheet under `gbkName` and returns its full Windows path, or "" on failure.
    std::wstring add(std::string_view gbkName, const TestSheet& sheet);

private:
    std::wstring folder_;
    std::vector<std::wstring> files_;
    bool ready_ = false;
};

}  // namespace cuepad::e2e
