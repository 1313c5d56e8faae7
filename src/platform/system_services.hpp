// The system services side of the platform seam: files, messages to the user, standard streams
// and code page 936 conversion. Behaviour code reaches the machine only through this interface;
// the win32 backend, the POSIX one (cuetool on Linux) and the headless one (tests) realise it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cuepad::platform {

struct TextFileRead {
    bool readable = false;    // false: missing, a folder, no permission, ...
    bool overLimit = false;   // more than the limit's bytes before any zero byte
    std::string text;         // the bytes before the first zero byte (at most the limit)
};

class SystemServices {
public:
    virtual ~SystemServices() = default;

    // Reads a file's bytes up to, not including, its first zero byte, and never more than
    // `limit` bytes, so that a large binary file answers at once and costs no memory.
    virtual TextFileRead readTextUntilZero(const std::string& path, std::size_t limit) = 0;

    // Writes `bytes` to a new file in the target's folder, flushes it and only then replaces the
    // target with it in one step. On any failure the temporary file is removed, the target is
    // left as it was, and the result is false.
    virtual bool replaceFile(const std::string& path, std::string_view bytes) = 0;

    // A task-modal message box: caption "信息：", an OK button only, no icon, no owner.
    virtual void showMessage(std::string_view text) = 0;

    // Code page 936 <-> UTF-8. utf8ToCodePage936 gives nothing when some character has no
    // counterpart in code page 936 or the input is not UTF-8.
    virtual std::optional<std::string> utf8ToCodePage936(std::string_view utf8) = 0;
    virtual std::string codePage936ToUtf8(std::string_view text) = 0;

    // The folder that holds the program's executable, without a trailing separator.
    virtual std::string runDirectory() = 0;

    // Binary standard streams: bytes go out exactly as given (no line-end translation).
    virtual bool writeStandardOutput(std::string_view bytes) = 0;
    virtual void writeStandardError(std::string_view bytes) = 0;
};

}  // namespace cuepad::platform
