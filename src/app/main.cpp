// cuepad.exe: wires the win32 backend to the main window and runs the message loop.
#include "platform/win32/wide_text.hpp"
#include "platform/win32/win32_desktop.hpp"
#include "platform/win32/win32_file_dialogs.hpp"
#include "platform/win32/win32_services.hpp"
#include "platform/win32/win32_sound_player.hpp"
#include "platform/win32/win32_toolkit.hpp"
#include "ui/main_window.hpp"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    cuepad::win32::Win32Services system;
    // Relative paths resolve against the program's own folder.
    SetCurrentDirectoryW(cuepad::win32::toWide(system.runDirectory()).c_str());
    const auto toolkit = cuepad::win32::makeWin32Toolkit(instance);
    cuepad::win32::Win32Desktop desktop;
    cuepad::win32::Win32FileDialogs fileDialogs(cuepad::win32::nativeWindow);
    cuepad::win32::Win32SoundPlayer sounds;
    const cuepad::ui::Services services{*toolkit, system, desktop, fileDialogs, sounds};
    cuepad::ui::MainWindow mainWindow(services);
    mainWindow.window().show();
    toolkit->runMessageLoop();
    sounds.stopAllSounds();
    return 0;
}
