// Who makes the program and where its pages are: the About window's contact line, its signature
// and the three links. The one place to change when the project's addresses change.
#pragma once

#include <string_view>

namespace cuepad::project {

inline constexpr std::string_view kContactAddress = "cuepad@example.org";
inline constexpr std::string_view kMakersName = "cuepad \xBF\xAA\xB7\xA2\xD7\xE9";  // cuepad 开发组

// Releases, where updates and the source code are published.
inline constexpr std::string_view kReleasesPage = "https://cuepad.example.org/releases";
inline constexpr std::string_view kHomePage = "https://cuepad.example.org/";
inline constexpr std::string_view kDonationsPage = "https://cuepad.example.org/donate";

}  // namespace cuepad::project
