// A main window on the headless toolkit and services, with the controls found by form name, and
// helpers that put sheets on the in-memory disk, open them as a user would and read the rows.
#pragma once

#include "engine/sheet_test_support.hpp"  // prints tracks and headers readably
#include "platform/headless/headless_desktop.hpp"
#include "platform/headless/headless_system.hpp"
#include "platform/headless/headless_toolkit.hpp"
#include "ui/main_window.hpp"
#include "ui/sound_images.hpp"
#include "ui/strings.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace cuepad::testing {

// The settings file of the headless run directory.
inline constexpr std::string_view kSettingsFile = "C:\\cuepad\\\xC5\xE4\xD6\xC3.ini";  // 配置.ini

inline constexpr std::string_view kZhangXueyou = "\xD5\xC5\xD1\xA7\xD3\xD1";  // 张学友
inline constexpr std::string_view kLiuDehua = "\xC1\xF5\xB5\xC2\xBB\xAA";     // 刘德华
inline constexpr std::string_view kWenbie = "\xCE\xC7\xB1\xF0";               // 吻别
inline constexpr std::string_view kMusicFolder = "C:\\music\\";

// Track k of the sheets below: "TRACK 0k AUDIO", titled "Song k", sung by "Singer k".
inline std::string trackLineOf(int k) {
    char line[32];
    std::snprintf(line, sizeof line, "TRACK %02d AUDIO", k);
    return line;
}
inline std::string songOf(int k) { return "Song " + std::to_string(k); }
inline std::string singerOf(int k) { return "Singer " + std::to_string(k); }

// The album part of a sheet; an empty field writes no line.
struct AlbumLines {
    std::string catalog = "4988006123456";
    std::string performer = std::string(kZhangXueyou);
    std::string title = std::string(kWenbie);
    std::string file = "album.wav";
    std::string date = "1993";
    std::string genre = "Pop";
    std::vector<std::string> comments = {"REM DISCID 8A0B5C0D", "REM COMMENT \"ExactAudioCopy v1.3\""};
};

// A sheet with one track block for each TRACK line given; block k has "Song k" and "Singer k".
inline std::string sheetWithTrackLines(const AlbumLines& album, const std::vector<std::string>& trackLines) {
    std::vector<std::string> lines;
    if (!album.catalog.empty()) lines.push_back("CATALOG " + album.catalog);
    if (!album.genre.empty()) lines.push_back("REM GENRE " + album.genre);
    if (!album.date.empty()) lines.push_back("REM DATE " + album.date);
    lines.insert(lines.end(), album.comments.begin(), album.comments.end());
    if (!album.performer.empty()) lines.push_back("PERFORMER \"" + album.performer + "\"");
    if (!album.title.empty()) lines.push_back("TITLE \"" + album.title + "\"");
    if (!album.file.empty()) lines.push_back("FILE \"" + album.file + "\" WAVE");
    for (std::size_t i = 0; i < trackLines.size(); ++i) {
        const int k = static_cast<int>(i) + 1;
        lines.push_back("  " + trackLines[i]);
        lines.push_back("    TITLE \"" + songOf(k) + "\"");
        lines.push_back("    PERFORMER \"" + singerOf(k) + "\"");
        lines.push_back("    INDEX 01 0" + std::to_string(k % 10) + ":00:00");
    }
    std::string text;
    for (const std::string& line : lines) text += (text.empty() ? "" : "\r\n") + line;
    return text;
}

inline std::string sheetWithTracks(const AlbumLines& album, int tracks) {
    std::vector<std::string> trackLines;
    for (int k = 1; k <= tracks; ++k) trackLines.push_back(trackLineOf(k));
    return sheetWithTrackLines(album, trackLines);
}

// What one track row shows.
struct RowView {
    std::string caption;
    std::string title;
    std::string performer;
    bool operator==(const RowView&) const = default;
};

inline void PrintTo(const RowView& row, std::ostream* out) {
    *out << "{" << ::testing::PrintToString(row.caption) << ", " << ::testing::PrintToString(row.title) << ", "
         << ::testing::PrintToString(row.performer) << "}";
}

using Rows = std::array<RowView, 3>;

// The tests' sound player: counts as the headless one does and also names every sound handed
// over ("hover", "click", "music" or "other"), so that a test can tell the cues apart.
class RecordingSoundPlayer final : public platform::SoundPlayer {
public:
    int played = 0;
    int stopped = 0;
    std::vector<std::string> names;

    void playWave(std::span<const std::uint8_t> image) override {
        ++played;
        // The images are made once and kept, so their address names them.
        if (image.data() == ui::hoverCue().data()) {
            names.emplace_back("hover");
        } else if (image.data() == ui::clickCue().data()) {
            names.emplace_back("click");
        } else if (image.data() == ui::aboutMusicImage().data()) {
            names.emplace_back("music");
        } else {
            names.emplace_back("other");
        }
    }
    void stopAllSounds() override { ++stopped; }
};

class MainWindowTest : public ::testing::Test {
protected:
    void start() {
        system.folders.insert("C:\\cuepad");
        main = std::make_unique<ui::MainWindow>(services);
        window = toolkit.windows.back();
    }

    void startWithSettings(std::string ini) {
        system.addFile(std::string(kSettingsFile), std::move(ini));
        start();
    }

    const ui::MainWindowControls& controls() const { return main->controls(); }
    Document& document() { return main->document(); }

    // Puts a file into the music folder of the in-memory disk and returns its full path.
    std::string addFile(std::string_view name, std::string bytes) {
        std::string path = std::string(kMusicFolder) + std::string(name);
        system.addFile(path, std::move(bytes));
        return path;
    }

    void drop(const std::string& path) { user.dropFiles(*window, {path}); }

    // A file's bytes on the in-memory disk, without creating it when it is missing.
    std::string fileText(const std::string& path) const {
        const auto file = system.files.find(path);
        return file == system.files.end() ? "<no such file>" : file->second;
    }

    // A sheet of n tracks with the default album, opened by dropping it on the window.
    void openSheetWithTracks(int n, std::string_view name = "album.cue") {
        drop(addFile(name, sheetWithTracks(AlbumLines{}, n)));
    }

    // Selects track k (from 1) in TrackList with the mouse.
    void selectTrack(int k) { user.clickItem(*controls().trackList, k - 1); }

    platform::EditBox& titleBox(int row) { return *controls().trackTitleBoxes[static_cast<std::size_t>(row - 1)]; }
    platform::EditBox& performerBox(int row) {
        return *controls().trackPerformerBoxes[static_cast<std::size_t>(row - 1)];
    }

    Rows rows() const {
        Rows shown;
        for (std::size_t i = 0; i < 3; ++i) {
            shown[i] = {controls().trackCaptions[i]->caption(), controls().trackTitleBoxes[i]->text(),
                        controls().trackPerformerBoxes[i]->text()};
        }
        return shown;
    }

    // The rows as they should show the given tracks of the document (0 for a blank row).
    Rows rowsShowing(std::array<int, 3> tracks) {
        Rows expected;
        for (std::size_t i = 0; i < 3; ++i) {
            if (tracks[i] == 0) {
                expected[i] = {std::string(strings::kBlankTrackCaption), "", ""};
                continue;
            }
            const TrackEntry& track = document().documentTracks.at(static_cast<std::size_t>(tracks[i] - 1));
            expected[i] = {track.trackLine, track.title, track.performer};
        }
        return expected;
    }

    std::vector<std::string> items(const platform::ListBox& list) const {
        std::vector<std::string> texts;
        for (int i = 0; i < list.itemCount(); ++i) texts.push_back(list.itemText(i));
        return texts;
    }

    platform::HeadlessToolkit toolkit;
    platform::HeadlessSystem system;
    platform::HeadlessDesktop desktop;
    platform::HeadlessFileDialogs fileDialogs;
    RecordingSoundPlayer sounds;
    ui::Services services{toolkit, system, desktop, fileDialogs, sounds};
    platform::HeadlessUser user{toolkit};
    std::unique_ptr<ui::MainWindow> main;
    platform::HeadlessWindow* window = nullptr;
};

}  // namespace cuepad::testing
