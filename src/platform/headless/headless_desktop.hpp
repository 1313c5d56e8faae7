// In-memory stand-ins for the desktop, the system's file dialogs and the sound player: scripted
// answers in, a record of every call out.
#pragma once

#include "platform/desktop.hpp"
#include "platform/file_dialog_call.hpp"
#include "platform/sound_player.hpp"

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace cuepad::platform {

class HeadlessDesktop final : public Desktop {
public:
    struct TopLevelWindow {
        std::string className;
        std::string text;
        Rect rect;
    };

    TaskBar bar{kEdgeBottom, 0, 1023, 1280, 1024, false};
    Point screen{1280, 1024};
    std::map<WindowHandle, TopLevelWindow> windows;  // the program's own, in handle order
    std::vector<std::pair<WindowHandle, Rect>> moves;
    std::vector<int> sleeps;
    std::deque<std::function<void()>> workers;  // started, not yet run
    std::function<void(int attempt)> onSleep;   // lets a test change the desktop between attempts
    bool glass = false;

    TaskBar taskBar() override { return bar; }
    Point screenSize() override { return screen; }
    std::vector<WindowHandle> ownTopLevelWindows() override;
    std::string className(WindowHandle window) override;
    std::string windowText(WindowHandle window) override;
    Rect windowRect(WindowHandle window) override;
    void moveWindow(WindowHandle window, Rect place) override;
    bool glassAvailable() override { return glass; }
    void sleepMilliseconds(int milliseconds) override;
    bool startWorker(std::function<void()> work) override;

    // Runs the workers started so far, in order.
    void runWorkers();
};

class HeadlessFileDialogs final : public FileDialogs {
public:
    std::vector<FileDialogCall> calls;               // every dialog shown, as it was handed over
    std::deque<std::optional<std::string>> answers;  // the next dialogs' choices; cancel when empty
    std::function<void()> whileShown;                // runs while a dialog is "on the screen"

    int showFileDialog(FileDialogCall& call) override;
};

class HeadlessSoundPlayer final : public SoundPlayer {
public:
    int played = 0;
    int stopped = 0;
    std::vector<const std::uint8_t*> images;  // the start of every image played, in order
    void playWave(std::span<const std::uint8_t> image) override {
        ++played;
        images.push_back(image.data());
    }
    void stopAllSounds() override { ++stopped; }
};

}  // namespace cuepad::platform
