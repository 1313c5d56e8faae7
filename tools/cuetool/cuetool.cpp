// The commands of cuetool.
#include "cuetool.hpp"

#include "engine/sheet.hpp"
#include "json_dump.hpp"

#include <optional>
#include <string_view>

namespace cuepad::cuetool {
namespace {

constexpr std::size_t kSheetLimit = 64u << 20;
constexpr std::string_view kIncompatible =
    "\xCB\xF9\xD1\xA1\xD4\xF1\xCE\xC4\xBC\xFE\xB2\xBB\xBC\xE6\xC8\xDD\xD3\xDA\xB1\xBE\xC8\xED\xBC\xFE\xA1\xAD\xA1\xAD";  // 所选择文件不兼容于本软件……

constexpr std::string_view kUsageText =
    "usage: cuetool COMMAND FILE [OPTIONS]\n"
    "\n"
    "Commands:\n"
    "  dump FILE [--utf8]   print the parsed sheet as JSON: {\"compatible\", \"header\", \"tracks\"}.\n"
    "                       Each byte b of a text stands as the character U+00bb (decode the\n"
    "                       strings as Latin-1 to get the bytes back); --utf8 shows the texts\n"
    "                       decoded from code page 936 instead, for people.\n"
    "  rewrite FILE         print the bytes the writer makes from the freshly parsed sheet.\n"
    "  --help               show this text.\n"
    "\n"
    "The sheet text is the file's bytes up to its first zero byte. A sheet is refused when it\n"
    "holds no \"TRACK 01 AUDIO\".\n"
    "\n"
    "Exit status: 0 done; 1 the file cannot be read or the sheet is refused (the reason goes to\n"
    "standard error, nothing to standard output); 2 wrong usage.\n";

struct Command {
    std::string name;
    std::string file;
    std::vector<std::string> options;
};

std::optional<Command> parseCommand(const std::vector<std::string>& arguments) {
    if (arguments.size() < 2) return std::nullopt;
    Command command{arguments[0], {}, {}};
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument.starts_with("--")) {
            command.options.push_back(argument);
        } else if (command.file.empty()) {
            command.file = argument;
        } else {
            return std::nullopt;
        }
    }
    if (command.file.empty()) return std::nullopt;
    return command;
}

class Tool {
public:
    explicit Tool(platform::SystemServices& system) : system_(system) {}

    int usage() {
        system_.writeStandardError(kUsageText);
        return kUsage;
    }

    int fail(const std::string& file, std::string_view reason) {
        system_.writeStandardError("cuetool: " + file + ": " + std::string(reason) + "\n");
        return kFailure;
    }

    // Reads the sheet and parses it; nothing when it was refused (already reported).
    std::optional<CueSheet> load(const std::string& file) {
        platform::TextFileRead read = system_.readTextUntilZero(file, kSheetLimit);
        if (!read.readable) {
            fail(file, "cannot read the file");
            return std::nullopt;
        }
        if (read.overLimit || !CueSheet::isCompatible(read.text)) {
            fail(file, std::string(kIncompatible) + " (no \"TRACK 01 AUDIO\" in the sheet text)");
            return std::nullopt;
        }
        CueSheet sheet;
        sheet.loadText(std::move(read.text));
        return sheet;
    }

    int dump(const Command& command) {
        bool utf8 = false;
        for (const std::string& option : command.options) {
            if (option != "--utf8") return usage();
            utf8 = true;
        }
        const auto sheet = load(command.file);
        if (!sheet) return kFailure;
        TextDecoder decode;
        if (utf8) decode = [this](std::string_view text) { return system_.codePage936ToUtf8(text); };
        return output(dumpJson(sheet->header, sheet->tracks, decode));
    }

    int rewrite(const Command& command) {
        if (!command.options.empty()) return usage();
        auto sheet = load(command.file);
        if (!sheet) return kFailure;
        // Keep the records and let the sheet's texts go before the output is built.
        SheetHeader header = std::move(sheet->header);
        TrackList tracks = std::move(sheet->tracks);
        sheet.reset();
        return output(CueSheet::generateText(header, tracks));
    }

    int output(std::string_view bytes) {
        if (system_.writeStandardOutput(bytes)) return kSuccess;
        system_.writeStandardError("cuetool: cannot write to standard output\n");
        return kFailure;
    }

private:
    platform::SystemServices& system_;
};

}  // namespace

int run(platform::SystemServices& system, const std::vector<std::string>& arguments) {
    Tool tool(system);
    if (arguments.size() == 1 && (arguments[0] == "--help" || arguments[0] == "-h")) {
        system.writeStandardOutput(kUsageText);
        return kSuccess;
    }
    const auto command = parseCommand(arguments);
    if (!command) return tool.usage();
    if (command->name == "dump") return tool.dump(*command);
    if (command->name == "rewrite") return tool.rewrite(*command);
    return tool.usage();
}

}  // namespace cuepad::cuetool
