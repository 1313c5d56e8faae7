// The desktop side of the platform seam: screen and task bar, the program's own top-level
// windows, and short-lived worker threads. Everything here may be called from a worker.
#pragma once

#include "platform/toolkit.hpp"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace cuepad::platform {

using WindowHandle = std::uintptr_t;

// Task bar edges, as the shell numbers them.
inline constexpr int kEdgeLeft = 0;
inline constexpr int kEdgeTop = 1;
inline constexpr int kEdgeRight = 2;
inline constexpr int kEdgeBottom = 3;

struct TaskBar {
    int edge = kEdgeBottom;
    int left = 0, top = 0, right = 0, bottom = 0;
    bool autoHide = false;
};

class Desktop {
public:
    virtual ~Desktop() = default;

    virtual TaskBar taskBar() = 0;
    virtual Point screenSize() = 0;  // width and height in pixels

    // The top-level windows of this process only, in the system's window order.
    virtual std::vector<WindowHandle> ownTopLevelWindows() = 0;
    virtual std::string className(WindowHandle window) = 0;   // "" when it cannot be read
    virtual std::string windowText(WindowHandle window) = 0;  // code page 936
    virtual Rect windowRect(WindowHandle window) = 0;         // screen pixels, outer frame
    virtual void moveWindow(WindowHandle window, Rect place) = 0;

    // Whether windows can be made glass: a system of version 6 or later with composition on.
    virtual bool glassAvailable() = 0;

    virtual void sleepMilliseconds(int milliseconds) = 0;
    // Runs the work on a detached worker thread; false when none could be started.
    virtual bool startWorker(std::function<void()> work) = 0;
};

}  // namespace cuepad::platform
