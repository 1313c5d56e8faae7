// The in-memory stand-in for the system services, for tests: a small file system keyed by
// path, faults to inject into saving, and a record of every message and stream write.
#pragma once

#include "platform/system_services.hpp"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace cuepad::platform {

class HeadlessSystem final : public SystemServices {
public:
    // The files on the "disk", by full path. A file's folder is what precedes its last
    // backslash (or slash); saving needs the folder to exist (see `folders`).
    std::map<std::string, std::string> files;
    std::set<std::string> folders;  // folders that exist; files added with addFile add theirs

    // Faults.
    long long diskFullAfterBytes = -1;        // writing fails once this many bytes are written
    bool refuseRename = false;                 // the final replace step fails
    std::set<std::string> lockedFiles;         // held open without sharing by another program
    std::set<std::string> readOnlyFiles;       // cannot be replaced
    std::set<std::string> readOnlyFolders;     // no new file can be made in them

    std::string executableFolder = "C:\\cuepad";

    // What the program showed and wrote.
    std::vector<std::string> messages;
    std::string standardOutput;
    std::string standardError;
    int temporaryFilesLeft() const;  // temporary files of failed saves still on the "disk"

    void addFile(const std::string& path, std::string bytes);

    TextFileRead readTextUntilZero(const std::string& path, std::size_t limit) override;
    bool replaceFile(const std::string& path, std::string_view bytes) override;
    void showMessage(std::string_view text) override;
    std::optional<std::string> utf8ToCodePage936(std::string_view utf8) override;
    std::string codePage936ToUtf8(std::string_view text) override;
    std::string runDirectory() override { return executableFolder; }
    bool writeStandardOutput(std::string_view bytes) override;
    void writeStandardError(std::string_view text) override;

private:
    int temporaryCounter_ = 0;
};

}  // namespace cuepad::platform
