// The desktop on Windows: task bar, screen, the program's own top-level windows, workers.
#pragma once

#include "platform/desktop.hpp"

namespace cuepad::win32 {

class Win32Desktop final : public platform::Desktop {
public:
    platform::TaskBar taskBar() override;
    platform::Point screenSize() override;
    std::vector<platform::WindowHandle> ownTopLevelWindows() override;
    std::string className(platform::WindowHandle window) override;
    std::string windowText(platform::WindowHandle window) override;
    platform::Rect windowRect(platform::WindowHandle window) override;
    void moveWindow(platform::WindowHandle window, platform::Rect place) override;
    bool glassAvailable() override;
    void sleepMilliseconds(int milliseconds) override;
    bool startWorker(std::function<void()> work) override;
};

}  // namespace cuepad::win32
