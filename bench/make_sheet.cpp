// Writes a synthetic sheet of N tracks to standard output, for whole-process timings.
#include "support/synthetic_sheet.hpp"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    const int tracks = argc > 1 ? std::atoi(argv[1]) : 99;
    const std::string text = cuepad::testing::synthesizeSheet(tracks);
    return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() ? 0 : 1;
}
