// Entry point of cuetool: the machine's services and arguments, then the commands.
#include "cuetool.hpp"

#include "platform/console.hpp"

int main(int argc, char** argv) {
    const auto system = cuepad::platform::makeConsoleServices();
    return cuepad::cuetool::run(*system, cuepad::platform::commandLineArguments(argc, argv));
}
