// Console start-up for cuetool.exe: arguments from the wide command line.
#include "platform/console.hpp"

#include "platform/win32/wide_text.hpp"
#include "platform/win32/win32_services.hpp"

#include <windows.h>
#include <shellapi.h>

namespace cuepad::platform {

std::vector<std::string> commandLineArguments(int, char**) {
    std::vector<std::string> arguments;
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr) return arguments;
    for (int i = 1; i < count; ++i) arguments.push_back(win32::fromWide(wide[i]));
    LocalFree(wide);
    return arguments;
}

std::unique_ptr<SystemServices> makeConsoleServices() { return std::make_unique<win32::Win32Services>(); }

}  // namespace cuepad::platform
