// cuetool: the command-line companion. Parses, dumps, rewrites and converts sheets exactly as
// the editor would. Everything it touches goes through the system services, so it is tested
// with the same fakes as the editor.
#pragma once

#include "platform/system_services.hpp"

#include <string>
#include <vector>

namespace cuepad::cuetool {

inline constexpr int kSuccess = 0;
inline constexpr int kFailure = 1;  // unreadable or refused sheet
inline constexpr int kUsage = 2;

int run(platform::SystemServices& system, const std::vector<std::string>& arguments);

}  // namespace cuepad::cuetool
