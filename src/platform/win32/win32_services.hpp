// System services on Windows, shared by the editor and cuetool.
#pragma once

#include "platform/system_services.hpp"

namespace cuepad::win32 {

class Win32Services : public platform::SystemServices {
public:
    platform::TextFileRead readTextUntilZero(const std::string& path, std::size_t limit) override;
    bool replaceFile(const std::string& path, std::string_view bytes) override;
    void showMessage(std::string_view text) override;
    std::optional<std::string> utf8ToCodePage936(std::string_view utf8) override;
    std::string codePage936ToUtf8(std::string_view text) override;
    std::string runDirectory() override;
    bool writeStandardOutput(std::string_view bytes) override;
    void writeStandardError(std::string_view text) override;
};

}  // namespace cuepad::win32
