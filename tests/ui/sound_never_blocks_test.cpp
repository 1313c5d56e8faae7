// The window never waits for a sound: with a player that blocks until released, a press on
// OpenButton still shows the open dialog at once, because the click cue plays on a worker.
#include "platform/headless/headless_desktop.hpp"
#include "platform/headless/headless_system.hpp"
#include "platform/headless/headless_toolkit.hpp"
#include "ui/main_window.hpp"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace cuepad::testing {
namespace {

// Runs workers on real threads, as the program does, and counts those still running.
class ThreadedDesktop final : public platform::Desktop {
public:
    std::atomic<int> running{0};

    platform::TaskBar taskBar() override { return inner_.taskBar(); }
    platform::Point screenSize() override { return inner_.screenSize(); }
    std::vector<platform::WindowHandle> ownTopLevelWindows() override { return {}; }
    std::string className(platform::WindowHandle) override { return {}; }
    std::string windowText(platform::WindowHandle) override { return {}; }
    platform::Rect windowRect(platform::WindowHandle) override { return {}; }
    void moveWindow(platform::WindowHandle, platform::Rect) override {}
    bool glassAvailable() override { return false; }
    void sleepMilliseconds(int) override {}
    bool startWorker(std::function<void()> work) override {
        ++running;
        std::thread([this, work = std::move(work)] {
            work();
            --running;
        }).detach();
        return true;
    }

private:
    platform::HeadlessDesktop inner_;
};

// A sound device that hangs: playWave waits until the test lets it go.
class BlockingPlayer final : public platform::SoundPlayer {
public:
    // Hangs until released, or two seconds at most, so that a program that plays on the
    // window's thread fails the test instead of hanging it.
    void playWave(std::span<const std::uint8_t>) override {
        std::unique_lock lock(mutex_);
        ++waiting_;
        playing_ = true;
        changed_.notify_all();
        changed_.wait_for(lock, std::chrono::seconds(2), [this] { return released_; });
        playing_ = false;
    }

    bool playing() {
        const std::lock_guard lock(mutex_);
        return playing_;
    }
    void stopAllSounds() override {}

    void waitUntilBlocked() {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return waiting_ > 0; });
    }
    void release() {
        const std::lock_guard lock(mutex_);
        released_ = true;
        changed_.notify_all();
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    int waiting_ = 0;
    bool playing_ = false;
    bool released_ = false;
};

TEST(SoundNeverBlocksTest, OpenButtonShowsTheDialogWhileTheClickCueHangs) {
    platform::HeadlessToolkit toolkit;
    platform::HeadlessSystem system;
    ThreadedDesktop desktop;
    platform::HeadlessFileDialogs fileDialogs;
    BlockingPlayer player;
    const ui::Services services{toolkit, system, desktop, fileDialogs, player};
    system.folders.insert("C:\\cuepad");
    {
        ui::MainWindow main(services);
        platform::HeadlessUser user(toolkit);
        bool dialogShownWhileSoundHangs = false;
        fileDialogs.whileShown = [&] {
            player.waitUntilBlocked();  // the cue has started, and is stuck in the device
            dialogShownWhileSoundHangs = player.playing();
        };
        user.click(*main.controls().openButton);
        EXPECT_TRUE(dialogShownWhileSoundHangs);
        EXPECT_EQ(fileDialogs.calls.size(), 1u);
        player.release();
    }
    while (desktop.running > 0) std::this_thread::yield();  // the workers outlive nothing they use
}

}  // namespace
}  // namespace cuepad::testing
