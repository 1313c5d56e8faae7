// What every toolkit contract test starts from: a fresh backend, a shown 700 x 720 window of the
// test's own, and an event log that handlers append to, compared with the order a test expects.
#pragma once

#include "contract/backend.hpp"
#include "table_rows.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace cuepad::testing {

using Log = std::vector<std::string>;

class ToolkitContract : public ::testing::Test {
protected:
    void SetUp() override { window->show(); }

    platform::UserSimulator& user() { return *backend.user; }
    // A real backend delivers the user's input as queued messages: every user action is followed
    // by this before the test looks. Also run after writes from code, so that an event a backend
    // raises late (a native notification that slipped through) shows up in the log.
    void settle() { backend.user->settle(); }

    // Declared first, so it outlives the window and every handler that writes to it.
    Log log;
    Backend backend = makeBackend();
    std::unique_ptr<platform::Window> window = backend.toolkit->createWindow({"cuepad toolkit contract", 700, 720});
};

}  // namespace cuepad::testing
