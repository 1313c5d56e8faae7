// Opening a sheet from the window.
#include "ui/opening.hpp"

#include "dialogs/dialog_placement.hpp"
#include "dialogs/file_dialog.hpp"
#include "engine/text.hpp"
#include "files/sheet_loader.hpp"
#include "platform/file_dialog_call.hpp"
#include "ui/sound_cues.hpp"
#include "ui/strings.hpp"
#include "ui/track_pager.hpp"

namespace cuepad::ui {

namespace {
constexpr int kKeyUp = 0x26;
constexpr int kKeyDown = 0x28;
}  // namespace

Opening::Opening(const Services& services, platform::Window& window, Document& document,
                 const MainWindowControls& controls, TrackPager& pager, SoundCues& cues,
                 std::function<void()> afterOpening)
    : services_(services),
      window_(window),
      document_(document),
      controls_(controls),
      pager_(pager),
      cues_(cues),
      afterOpening_(std::move(afterOpening)) {
    controls_.openButton->onLeftPress = [this] { openButtonPressed(); };
    controls_.pathBox->onKeyDown = [this](platform::KeyPress key) { pathBoxKey(key); };
    window_.onFileDropped = [this](const std::string& path) { fileDropped(path); };
}

void Opening::openButtonPressed() {
    dialogs::FileDialog dialog;
    cues_.playClickCue();
    dialogs::FileDialogArguments arguments;
    arguments.kind = static_cast<int>(dialogs::FileDialogKind::Open);
    arguments.title = strings::kOpenSheetTitle;
    arguments.filter = strings::kSheetFilter;
    dialog.prepare(arguments);
    dialogs::startDialogPlacement(services_.desktop, std::string(strings::kOpenSheetTitle));
    platform::FileDialogs& system = services_.fileDialogs;
    const int result = dialog.show([&system](platform::FileDialogCall& call) { return system.showFileDialog(call); },
                                   &window_);
    if (result == 0) return;
    controls_.pathBox->setText(dialog.chosenPath());
    openFromPathBox();
}

void Opening::fileDropped(const std::string& path) {
    cues_.playClickCue();
    controls_.pathBox->setText(path);
    openFromPathBox();
}

void Opening::pathBoxKey(platform::KeyPress key) {
    int mode = static_cast<int>(document_.openMode);
    if (key.virtualKey == kKeyUp || key.virtualKey == kKeyDown) {
        mode += key.virtualKey == kKeyUp ? -1 : 1;
        cues_.playHoverCue();
    }
    if (mode < 0) mode = 2;
    if (mode > 2) mode = 0;
    document_.openMode = static_cast<OpenMode>(mode);
    static constexpr std::string_view kCaptions[] = {strings::kOpen, strings::kOpenSimplified,
                                                      strings::kOpenTraditional};
    controls_.openButton->setCaption(kCaptions[mode]);
}

void Opening::openFromPathBox() {
    if (!loadSheet(document_, services_.system, controls_.pathBox->text())) return;
    showHeader();
    pager_.refillTrackList();
    controls_.trackList->setCurrentItem(0);
    pager_.refreshTrackRows();
    afterOpening_();
}

void Opening::showHeader() {
    // Copies, not references: writing a box runs its handlers, which may read the document.
    const SheetHeader header = document_.documentHeader;
    controls_.mediaCodeBox->setText(header.catalog);
    controls_.albumPerformerBox->setText(header.performer);
    controls_.albumTitleBox->setText(header.title);
    controls_.imageFileBox->setText(header.file);
    controls_.dateBox->setText(header.date);
    controls_.genreBox->setText(header.genre);
    platform::ListBox& comments = *controls_.commentsList;
    comments.clear();
    for (const std::string& line : splitText(header.comments, kLineBreak)) comments.addItem(line);
}

}  // namespace cuepad::ui
