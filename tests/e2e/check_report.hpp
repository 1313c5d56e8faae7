// The drivers' output: one line per check ("ok NAME" or "FAILED NAME: why"), notes, measured
// figures ("figure NAME: X ms", or sizes in their own unit) and a closing count, plus the small
// text helpers their messages are built with. Lines are flushed at once so a crash or a hang
// still leaves what was seen.
#pragma once

#include <cstdio>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace cuepad::e2e {

// Joins texts; also spares GCC 12 its false -Wrestrict alarm on "literal" + std::string.
inline std::string cat(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (std::string_view part : parts) text += part;
    return text;
}

// A colour as GetPixel gives it (0x00BBGGRR).
inline std::string hex(unsigned long colour) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%06lX", colour);
    return text;
}

// Milliseconds with two decimals, for notes.
inline std::string millis(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f ms", value);
    return text;
}

class CheckReport {
public:
    // `label` starts the closing line: "LABEL: N passed, N failed".
    explicit CheckReport(std::string label = "e2e") : label_(std::move(label)) {}

    // Records one check; `why` (UTF-8) is printed only when it failed. Returns `passed`.
    bool check(std::string_view name, bool passed, std::string_view why = {}) {
        const bool explain = !passed && !why.empty();
        print(cat({passed ? "ok " : "FAILED ", name, explain ? ": " : "", explain ? why : "", "\n"}));
        ++(passed ? passed_ : failed_);
        return passed;
    }

    // A line that is not a check, such as the screen's size.
    void note(std::string_view text) { print(cat({"# ", text, "\n"})); }

    // A speed figure in milliseconds; whether it met its target is a note, never a failure.
    void figure(std::string_view name, double milliseconds) { figure(name, milliseconds, "ms", 2); }

    // A figure in another unit, such as a size: "figure NAME: VALUE UNIT".
    void figure(std::string_view name, double value, std::string_view unit, int decimals) {
        char text[48];
        std::snprintf(text, sizeof text, "%.*f", decimals, value);
        print(cat({"figure ", name, ": ", text, " ", unit, "\n"}));
    }

    int failed() const { return failed_; }

    void printSummary() const {
        std::printf("%s: %d passed, %d failed\n", label_.c_str(), passed_, failed_);
        std::fflush(stdout);
    }

private:
    static void print(const std::string& line) {
        std::fwrite(line.data(), 1, line.size(), stdout);
        std::fflush(stdout);
    }

    std::string label_;
    int passed_ = 0;
    int failed_ = 0;
};

}  // namespace cuepad::e2e
