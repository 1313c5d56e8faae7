// Builds realistic sheets of any size for benchmarks and tests, CR LF line ends throughout.
// Rich: a GBK album with comment lines and Chinese titles, FLAGS, REM, INDEX 00 and 01 lines.
// Plain: a disc as rippers write it for a long single image: English titles, one INDEX each.
#pragma once

#include <cstdio>
#include <string>

namespace cuepad::testing {

enum class SheetStyle { Rich, Plain };

inline std::string synthesizeSheet(int trackCount, SheetStyle style = SheetStyle::Rich) {
    const bool rich = style == SheetStyle::Rich;
    std::string text = rich ? "REM GENRE Pop\r\n"
                              "REM DATE 2008\r\n"
                              "REM DISCID 8A0B5C0D\r\n"
                              "REM COMMENT \"ExactAudioCopy v1.3\"\r\n"
                              "PERFORMER \"\xD5\xC5\xD1\xA7\xD3\xD1\"\r\n"         // 张学友
                              "TITLE \"\xCE\xC7\xB1\xF0 (\xBE\xAD\xB5\xE4)\"\r\n"  // 吻别 (经典)
                              "FILE \"\xCE\xC7\xB1\xF0.flac\" WAVE\r\n"           // 吻别.flac
                            : "PERFORMER \"Some Band\"\r\n"
                              "TITLE \"Long Disc\"\r\n"
                              "FILE \"disc.wav\" WAVE\r\n";
    text.reserve(text.size() + static_cast<std::size_t>(trackCount) * (rich ? 170 : 64));
    char line[96];
    for (int n = 1; n <= trackCount; ++n) {
        const int frames = n * 4 * 60 * 75;
        std::snprintf(line, sizeof line, "  TRACK %02d AUDIO\r\n", n);
        text += line;
        if (!rich) {
            std::snprintf(line, sizeof line, "    TITLE \"Song %d\"\r\n", n);
            text += line;
            std::snprintf(line, sizeof line, "    INDEX 01 %02d:%02d:%02d\r\n", frames / 4500, frames / 75 % 60, frames % 75);
            text += line;
            continue;
        }
        std::snprintf(line, sizeof line, "    TITLE \"\xB8\xE8\xC7\xFA %d \xA1\xAA Song %d\"\r\n", n, n);  // 歌曲 n —
        text += line;
        text += "    PERFORMER \"\xD5\xC5\xD1\xA7\xD3\xD1\"\r\n";
        if (n % 3 == 0) text += "    FLAGS DCP\r\n";
        text += "    REM COMPOSER \"\"\r\n";
        if (n > 1) {
            std::snprintf(line, sizeof line, "    INDEX 00 %02d:%02d:00\r\n", frames / 4500 - 1, 58);
            text += line;
        }
        std::snprintf(line, sizeof line, "    INDEX 01 %02d:00:00\r\n", frames / 4500);
        text += line;
    }
    return text;
}

}  // namespace cuepad::testing
