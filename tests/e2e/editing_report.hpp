// The editing driver's output: one line per check ("ok NAME" or "FAILED NAME: why"), notes,
// measured figures ("figure NAME: X ms") and the closing count, each line flushed at once so a
// crash or a hang still leaves what was seen.
#pragma once

#include "check_report.hpp"

#include <cstdio>
#include <string>
#include <string_view>

namespace cuepad::e2e {

class EditingReport {
public:
    // Records one check; `why` (UTF-8) is printed only when it failed. Returns `passed`.
    bool check(std::string_view name, bool passed, std::string_view why = {}) {
        const bool explain = !passed && !why.empty();
        print(cat({passed ? "ok " : "FAILED ", name, explain ? ": " : "", explain ? why : "", "\n"}));
        ++(passed ? passed_ : failed_);
        return passed;
    }

    void note(std::string_view text) { print(cat({"# ", text, "\n"})); }

    // A speed figure in milliseconds; whether it met its target is a note, never a failure.
    void figure(std::string_view name, double milliseconds) {
        char value[32];
        std::snprintf(value, sizeof value, "%.2f", milliseconds);
        print(cat({"figure ", name, ": ", value, " ms\n"}));
    }

    int failed() const { return failed_; }

    void printSummary() const {
        std::printf("e2e-editing: %d passed, %d failed\n", passed_, failed_);
        std::fflush(stdout);
    }

private:
    static void print(const std::string& line) {
        std::fwrite(line.data(), 1, line.size(), stdout);
        std::fflush(stdout);
    }

    int passed_ = 0;
    int failed_ = 0;
};

}  // namespace cuepad::e2e
