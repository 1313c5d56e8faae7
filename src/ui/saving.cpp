// Saving from the window and choosing the image file.
#include "ui/saving.hpp"

#include "dialogs/dialog_placement.hpp"
#include "dialogs/file_dialog.hpp"
#include "files/path_helpers.hpp"
#include "files/strings.hpp"
#include "platform/file_dialog_call.hpp"
#include "platform/system_services.hpp"
#include "ui/sound_cues.hpp"
#include "ui/strings.hpp"

namespace cuepad::ui {

namespace {

int showThrough(platform::FileDialogs& system, dialogs::FileDialog& dialog, platform::Window* owner) {
    return dialog.show([&system](platform::FileDialogCall& call) { return system.showFileDialog(call); }, owner);
}

}  // namespace

Saving::Saving(const Services& services, platform::Window& window, Document& document,
               const MainWindowControls& controls, SoundCues& cues)
    : services_(services), window_(window), document_(document), controls_(controls), cues_(cues) {
    controls_.saveHereButton->onLeftPress = [this] { saveHere(); };
    controls_.saveAsButton->onLeftPress = [this] { saveAs(); };
    controls_.chooseImageButton->onLeftPress = [this] { chooseImage(); };
}

AlbumBoxTexts Saving::albumBoxes() const {
    return {controls_.mediaCodeBox->text(), controls_.albumPerformerBox->text(), controls_.albumTitleBox->text(),
            controls_.imageFileBox->text(), controls_.dateBox->text(),           controls_.genreBox->text()};
}

std::vector<std::string> Saving::commentItems() const {
    std::vector<std::string> items;
    const platform::ListBox& list = *controls_.commentsList;
    for (int i = 0; i < list.itemCount(); ++i) items.push_back(list.itemText(i));
    return items;
}

bool Saving::imageNameGiven() {
    if (!controls_.imageFileBox->text().empty()) return true;
    services_.system.showMessage(strings::kImageNameMissing);
    return false;
}

void Saving::write() { writeSheet(document_, services_.system, albumBoxes(), commentItems()); }

void Saving::saveHere() {
    cues_.playClickCue();
    if (imageNameGiven()) write();
}

void Saving::saveAs() {
    dialogs::FileDialog dialog;
    cues_.playClickCue();
    if (!imageNameGiven()) return;
    const SplitPath target = splitPath(document_.savePath);
    dialogs::FileDialogArguments arguments;
    arguments.kind = static_cast<int>(dialogs::FileDialogKind::Save);
    arguments.title = strings::kSaveAsTitle;
    arguments.filter = strings::kSheetFilter;
    arguments.initialFolder = target.directory;
    arguments.defaultName = target.fileName;
    dialog.prepare(arguments);
    dialogs::startDialogPlacement(services_.desktop, std::string(strings::kSaveAsTitle));
    if (showThrough(services_.fileDialogs, dialog, nullptr) != 1) return;
    document_.savePath = dialog.chosenPath();
    if (splitExtension(pathPart(document_.savePath, 1), 1).empty()) document_.savePath += ".cue";
    write();
}

void Saving::chooseImage() {
    dialogs::FileDialog dialog;
    cues_.playClickCue();
    dialogs::FileDialogArguments arguments;
    arguments.kind = static_cast<int>(dialogs::FileDialogKind::Open);
    arguments.title = strings::kChooseImageTitle;
    arguments.initialFolder = pathPart(controls_.pathBox->text(), 0);
    dialog.prepare(arguments);
    dialogs::startDialogPlacement(services_.desktop, std::string(strings::kChooseImageTitle));
    if (showThrough(services_.fileDialogs, dialog, &window_) == 0) return;
    controls_.imageFileBox->setText(pathPart(dialog.chosenPath(), 1));
}

}  // namespace cuepad::ui
