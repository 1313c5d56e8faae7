// The file layer on a real disk: opening (read, convert, parse, copy into the document) and
// saving a 99-track sheet, and refusing a 1 GB file whose zero byte comes early (an audio image
// dropped by mistake), which must answer at once and take almost no memory.
#include "engine/text.hpp"
#include "files/sheet_loader.hpp"
#include "files/sheet_saver.hpp"
#include "platform/console.hpp"
#include "support/synthetic_sheet.hpp"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

class TemporaryFolder {
public:
    TemporaryFolder() {
        std::string pattern = (fs::temp_directory_path() / "cuepad-bench-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~TemporaryFolder() { fs::remove_all(path_); }
    std::string file(const char* name) const { return (fs::path(path_) / name).string(); }

private:
    std::string path_;
};

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

long residentKilobytes() {
    long pages = 0;
    long resident = 0;
    if (std::FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(statm);
    }
    return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

// The machine's services with message boxes counted instead of shown.
class QuietServices final : public cuepad::platform::SystemServices {
public:
    QuietServices() : real_(cuepad::platform::makeConsoleServices()) {}
    int messages = 0;

    cuepad::platform::TextFileRead readTextUntilZero(const std::string& path, std::size_t limit) override {
        return real_->readTextUntilZero(path, limit);
    }
    bool replaceFile(const std::string& path, std::string_view bytes) override { return real_->replaceFile(path, bytes); }
    void showMessage(std::string_view) override { ++messages; }
    std::optional<std::string> utf8ToCodePage936(std::string_view utf8) override { return real_->utf8ToCodePage936(utf8); }
    std::string codePage936ToUtf8(std::string_view text) override { return real_->codePage936ToUtf8(text); }
    std::string runDirectory() override { return real_->runDirectory(); }
    bool writeStandardOutput(std::string_view bytes) override { return real_->writeStandardOutput(bytes); }
    void writeStandardError(std::string_view text) override { real_->writeStandardError(text); }

private:
    std::unique_ptr<cuepad::platform::SystemServices> real_;
};

void openAndSave(benchmark::State& state, cuepad::OpenMode mode) {
    TemporaryFolder folder;
    const std::string sheet = folder.file("album.cue");
    writeFile(sheet, cuepad::testing::synthesizeSheet(99));
    const auto system = cuepad::platform::makeConsoleServices();
    cuepad::Document document;
    document.openMode = mode;
    for (auto _ : state) {
        if (!cuepad::loadSheet(document, *system, sheet)) state.SkipWithError("refused");
        const cuepad::SheetHeader& header = document.documentHeader;
        const cuepad::AlbumBoxTexts boxes{header.catalog, header.performer, header.title,
                                          header.file,    header.date,      header.genre};
        const auto comments = cuepad::splitText(header.comments, "\r\n");
        if (!cuepad::writeSheet(document, *system, boxes, comments)) state.SkipWithError("not written");
    }
}
BENCHMARK_CAPTURE(openAndSave, asRead, cuepad::OpenMode::AsRead)->Unit(benchmark::kMicrosecond);

// Opening alone: read, convert, check, parse and copy into the document, without the disk flush
// that a save waits for.
void openOnly(benchmark::State& state, cuepad::OpenMode mode) {
    TemporaryFolder folder;
    const std::string sheet = folder.file("album.cue");
    writeFile(sheet, cuepad::testing::synthesizeSheet(99));
    const auto system = cuepad::platform::makeConsoleServices();
    cuepad::Document document;
    document.openMode = mode;
    for (auto _ : state) {
        if (!cuepad::loadSheet(document, *system, sheet)) state.SkipWithError("refused");
    }
}
BENCHMARK_CAPTURE(openOnly, asRead, cuepad::OpenMode::AsRead)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(openOnly, toTraditional, cuepad::OpenMode::ToTraditional)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(openAndSave, toTraditional, cuepad::OpenMode::ToTraditional)->Unit(benchmark::kMicrosecond);

void refuseLargeBinary(benchmark::State& state) {
    TemporaryFolder folder;
    const std::string image = folder.file("album.wav");
    {
        std::ofstream out(image, std::ios::binary);
        out << "RIFF" << std::string(2000, 'x');  // then zeros: a sparse 1 GB file
    }
    fs::resize_file(image, std::uintmax_t{1} << 30);
    const auto system = std::make_unique<QuietServices>();
    cuepad::Document document;
    const long before = residentKilobytes();
    long growth = 0;
    for (auto _ : state) {
        if (cuepad::loadSheet(document, *system, image)) state.SkipWithError("loaded a binary file");
        growth = std::max(growth, residentKilobytes() - before);
    }
    state.counters["rssGrowthKB"] = static_cast<double>(growth);
}
BENCHMARK(refuseLargeBinary)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
