// A precondition check that stays on in release builds: the engine never runs past a broken
// promise of its caller (a text longer than 32-bit positions can count).
#pragma once

#include <cstdlib>

#define CUEPAD_EXPECTS(condition)       \
    do {                                \
        if (!(condition)) std::abort(); \
    } while (false)
