// What a console program (cuetool) needs from the platform besides the system services: its
// arguments as program texts, and the services of the machine it runs on.
#pragma once

#include "platform/system_services.hpp"

#include <memory>
#include <string>
#include <vector>

namespace cuepad::platform {

// The program's arguments without its own name, as code page 936 texts on Windows and as the
// bytes the shell passed on POSIX systems.
std::vector<std::string> commandLineArguments(int argc, char** argv);

std::unique_ptr<SystemServices> makeConsoleServices();

}  // namespace cuepad::platform
