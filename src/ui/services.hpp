// Everything of the platform that the main window uses, in one place.
#pragma once

namespace cuepad::platform {
class Desktop;
class FileDialogs;
class SoundPlayer;
class SystemServices;
class Toolkit;
}  // namespace cuepad::platform

namespace cuepad::ui {

struct Services {
    platform::Toolkit& toolkit;
    platform::SystemServices& system;
    platform::Desktop& desktop;
    platform::FileDialogs& fileDialogs;
    platform::SoundPlayer& sounds;
};

}  // namespace cuepad::ui
