// The commands of cuetool. Each reads a sheet exactly as the editor opens it (bytes up to the
// first zero byte, UTF-8 turned into code page 936, the chosen character conversion); a sheet
// the editor would refuse is reported with the editor's own message on standard error.
#include "cuetool.hpp"

#include "engine/line_helpers.hpp"
#include "engine/sheet.hpp"
#include "files/sheet_loader.hpp"
#include "files/sheet_saver.hpp"
#include "files/strings.hpp"
#include "json_dump.hpp"

#include <optional>
#include <string_view>

namespace cuepad::cuetool {
namespace {

constexpr std::string_view kUsageText =
    "usage: cuetool COMMAND FILE [OPTIONS]\n"
    "\n"
    "Commands:\n"
    "  dump FILE [--utf8]   print the parsed sheet as JSON: {\"compatible\", \"header\", \"tracks\"}.\n"
    "                       Each byte b of a text stands as the character U+00bb (decode the\n"
    "                       strings as Latin-1 to get the bytes back); --utf8 shows the texts\n"
    "                       decoded from code page 936 instead, for people.\n"
    "  rewrite FILE         print the bytes the writer makes from the freshly parsed sheet.\n"
    "  save FILE [--simplified|--traditional]\n"
    "                       print the bytes the editor writes when the sheet is opened (with\n"
    "                       that conversion) and saved at once, with no edit.\n"
    "  convert FILE --simplified|--traditional [-o OUT]\n"
    "                       print the sheet text converted to Simplified or Traditional\n"
    "                       characters, or write it to OUT.\n"
    "  --help               show this text.\n"
    "\n"
    "A sheet is read as the editor opens it: the file's bytes up to its first zero byte; a\n"
    "UTF-8 text (with a byte-order mark, or valid UTF-8 with non-ASCII characters) is turned\n"
    "into code page 936; every output is code page 936. A sheet is refused when its text holds\n"
    "no \"TRACK 01 AUDIO\" or is longer than 64 MiB.\n"
    "\n"
    "Exit status: 0 done; 1 the file cannot be read, the sheet is refused, or (save) the sheet\n"
    "names no image file: the reason goes to standard error, nothing to standard output;\n"
    "2 wrong usage.\n";

struct Command {
    std::string name;
    std::string file;
    std::vector<std::string> options;
    std::optional<std::string> outputFile;  // -o OUT
};

std::optional<Command> parseCommand(const std::vector<std::string>& arguments) {
    if (arguments.size() < 2) return std::nullopt;
    Command command{arguments[0], {}, {}, {}};
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "-o") {
            if (i + 1 >= arguments.size() || command.outputFile || arguments[i + 1].empty()) return std::nullopt;
            command.outputFile = arguments[++i];
        } else if (argument.starts_with("-")) {
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

// The conversion named by the options; nothing when they name anything else or two.
std::optional<OpenMode> openModeFrom(const std::vector<std::string>& options) {
    OpenMode mode = OpenMode::AsRead;
    for (const std::string& option : options) {
        if (mode != OpenMode::AsRead) return std::nullopt;
        if (option == "--simplified") {
            mode = OpenMode::ToSimplified;
        } else if (option == "--traditional") {
            mode = OpenMode::ToTraditional;
        } else {
            return std::nullopt;
        }
    }
    return mode;
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

    // The sheet text as the editor opens it; nothing when refused (already reported).
    std::optional<std::string> readCompatible(const std::string& file, OpenMode mode) {
        std::optional<std::string> text = readSheetText(system_, file, mode);
        if (!text) {
            fail(file, "cannot read the file, or it is over 64 MiB without a zero byte");
        } else if (!CueSheet::isCompatible(*text)) {
            fail(file, std::string(strings::kIncompatibleFile) + " (no \"TRACK 01 AUDIO\" in the sheet text)");
            text.reset();
        }
        return text;
    }

    std::optional<CueSheet> load(const std::string& file, OpenMode mode = OpenMode::AsRead) {
        std::optional<std::string> text = readCompatible(file, mode);
        if (!text) return std::nullopt;
        CueSheet sheet;
        sheet.loadText(std::move(*text));
        return sheet;
    }

    int dump(const Command& command) {
        bool utf8 = false;
        for (const std::string& option : command.options) {
            if (option != "--utf8") return usage();
            utf8 = true;
        }
        if (command.outputFile) return usage();
        const auto sheet = load(command.file);
        if (!sheet) return kFailure;
        TextDecoder decode;
        if (utf8) decode = [this](std::string_view text) { return system_.codePage936ToUtf8(text); };
        return output(dumpJson(sheet->header, sheet->tracks, decode));
    }

    int rewrite(const Command& command) {
        if (!command.options.empty() || command.outputFile) return usage();
        auto sheet = load(command.file);
        if (!sheet) return kFailure;
        // Keep the records and let the sheet's texts go before the output is built.
        SheetHeader header = std::move(sheet->header);
        TrackList tracks = std::move(sheet->tracks);
        sheet.reset();
        return output(CueSheet::generateText(header, tracks));
    }

    // What the editor writes when the sheet is opened and saved at once: the album boxes hold
    // the header fields, the comments list holds the comment lines one per item.
    int save(const Command& command) {
        const auto mode = openModeFrom(command.options);
        if (!mode || command.outputFile) return usage();
        auto sheet = load(command.file, *mode);
        if (!sheet) return kFailure;
        const SheetHeader& header = sheet->header;
        if (header.file.empty()) return fail(command.file, strings::kImageNameMissing);
        const AlbumBoxTexts boxes{header.catalog, header.performer, header.title,
                                  header.file,    header.date,      header.genre};
        const std::vector<std::string> commentItems = splitText(header.comments, kLineBreak);
        return output(assembleSheetText(boxes, commentItems, sheet->tracks));
    }

    int convert(const Command& command) {
        const auto mode = openModeFrom(command.options);
        if (!mode || *mode == OpenMode::AsRead) return usage();
        const std::optional<std::string> text = readCompatible(command.file, *mode);
        if (!text) return kFailure;
        if (!command.outputFile) return output(*text);
        if (system_.replaceFile(*command.outputFile, *text)) return kSuccess;
        return fail(*command.outputFile, "cannot write the file; it is left as it was");
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
    if (command->name == "save") return tool.save(*command);
    if (command->name == "convert") return tool.convert(*command);
    return tool.usage();
}

}  // namespace cuepad::cuetool
