// A main window on the headless toolkit and services, with the controls found by form name.
#pragma once

#include "platform/headless/headless_desktop.hpp"
#include "platform/headless/headless_system.hpp"
#include "platform/headless/headless_toolkit.hpp"
#include "ui/main_window.hpp"

#include <gtest/gtest.h>

#include <memory>

namespace cuepad::testing {

// The settings file of the headless run directory.
inline constexpr std::string_view kSettingsFile = "C:\\cuepad\\\xC5\xE4\xD6\xC3.ini";  // 配置.ini

class MainWindowTest : public ::testing::Test {
protected:
    void start() {
        system.folders.insert("C:\\cuepad");
        main = std::make_unique<ui::MainWindow>(services);
        window = toolkit.windows.back();
    }

    void startWithSettings(std::string ini) {
        system.addFile(std::string(kSettingsFile), std::move(ini));
        start();
    }

    const ui::MainWindowControls& controls() const { return main->controls(); }

    platform::HeadlessToolkit toolkit;
    platform::HeadlessSystem system;
    platform::HeadlessDesktop desktop;
    platform::HeadlessFileDialogs fileDialogs;
    platform::HeadlessSoundPlayer sounds;
    ui::Services services{toolkit, system, desktop, fileDialogs, sounds};
    platform::HeadlessUser user{toolkit};
    std::unique_ptr<ui::MainWindow> main;
    platform::HeadlessWindow* window = nullptr;
};

}  // namespace cuepad::testing
