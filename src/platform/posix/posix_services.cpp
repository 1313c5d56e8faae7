// System services for console programs on POSIX systems: stdio, POSIX file calls and iconv.
// Paths are used as the bytes they are; messages go to the error stream as UTF-8.
#include "platform/console.hpp"
#include "platform/posix/iconv_conversion.hpp"
#include "platform/text_until_zero.hpp"

#include <cstdio>
#include <algorithm>
#include <cstring>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cuepad::platform {
namespace {

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The mode a new target gets: the old target's, or what the umask allows.
mode_t targetMode(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0) return info.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

class PosixServices final : public SystemServices {
public:
    TextFileRead readTextUntilZero(const std::string& path, std::size_t limit) override {
        TextFileRead result;
        const int fd = ::open(path.c_str(), O_RDONLY);
        if (fd < 0) return result;
        struct stat info {};
        if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && static_cast<std::size_t>(info.st_size) <= limit) {
            // One buffer of the right size: no regrowing copies on large sheets. A larger file
            // (an audio image dropped by mistake) is read chunk by chunk up to its first zero.
            result.text.reserve(static_cast<std::size_t>(info.st_size));
        }
        char buffer[65536];
        for (;;) {
            const ssize_t got = ::read(fd, buffer, sizeof buffer);
            if (got < 0) {
                ::close(fd);
                result.text.clear();
                return result;
            }
            if (got == 0) break;
            if (!takeChunk(result, buffer, static_cast<std::size_t>(got), limit)) break;
        }
        ::close(fd);
        result.readable = true;
        return result;
    }

    bool replaceFile(const std::string& path, std::string_view bytes) override {
        if (path.empty()) return false;
        // A read-only target stays as it is, as it would on Windows.
        if (::access(path.c_str(), F_OK) == 0 && ::access(path.c_str(), W_OK) != 0) return false;
        std::string temporary = path + ".cuepad-XXXXXX";
        const int fd = ::mkstemp(temporary.data());
        if (fd < 0) return false;
        const bool written = writeAll(fd, bytes) && ::fchmod(fd, targetMode(path)) == 0 && ::fsync(fd) == 0;
        const bool closed = ::close(fd) == 0;
        if (written && closed && ::rename(temporary.c_str(), path.c_str()) == 0) return true;
        ::unlink(temporary.c_str());
        return false;
    }

    void showMessage(std::string_view text) override {
        writeStandardError(text);
        writeStandardError("\n");
    }

    std::optional<std::string> utf8ToCodePage936(std::string_view utf8) override {
        return iconvUtf8ToCodePage936(utf8);
    }

    std::string codePage936ToUtf8(std::string_view text) override { return iconvCodePage936ToUtf8(text); }

    std::string runDirectory() override {
        std::string path(4096, '\0');
        const ssize_t length = ::readlink("/proc/self/exe", path.data(), path.size());
        if (length <= 0) return ".";
        path.resize(static_cast<std::size_t>(length));
        const std::size_t slash = path.rfind('/');
        return slash == std::string::npos || slash == 0 ? std::string("/") : path.substr(0, slash);
    }

    bool writeStandardOutput(std::string_view bytes) override { return writeAll(STDOUT_FILENO, bytes); }

    void writeStandardError(std::string_view text) override {
        writeAll(STDERR_FILENO, iconvCodePage936ToUtf8(text));
    }
};

// A console run on a very large sheet builds some hundred megabytes of small records. Taking
// every block from one heap that keeps freed memory, and letting the kernel back that heap with
// huge pages, spares most of the page faults (each costly on a virtual machine): a 15 MB sheet
// is rewritten about three times faster.
void prepareHeapForLargeSheets() {
#ifdef __GLIBC__
    constexpr int kHeapReserve = 256 << 20;
    mallopt(M_MMAP_THRESHOLD, 1 << 30);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    mallopt(M_TOP_PAD, kHeapReserve);
    void* probe = std::malloc(1 << 20);  // grows the heap by this block and the reserve
    const auto pageSize = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
    const std::uintptr_t start = (reinterpret_cast<std::uintptr_t>(probe) + pageSize - 1) & ~(pageSize - 1);
    const auto end = reinterpret_cast<std::uintptr_t>(::sbrk(0));
    if (end > start) ::madvise(reinterpret_cast<void*>(start), end - start, MADV_HUGEPAGE);
    std::free(probe);
    mallopt(M_TOP_PAD, 0);
#endif
}

}  // namespace

std::vector<std::string> commandLineArguments(int argc, char** argv) {
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) arguments.emplace_back(argv[i]);
    return arguments;
}

std::unique_ptr<SystemServices> makeConsoleServices() {
    prepareHeapForLargeSheets();
    return std::make_unique<PosixServices>();
}

}  // namespace cuepad::platform
