// In-memory desktop, file dialogs and sound player.
#include "platform/headless/headless_desktop.hpp"

namespace cuepad::platform {

std::vector<WindowHandle> HeadlessDesktop::ownTopLevelWindows() {
    std::vector<WindowHandle> handles;
    for (const auto& [handle, window] : windows) handles.push_back(handle);
    return handles;
}

std::string HeadlessDesktop::className(WindowHandle window) {
    const auto found = windows.find(window);
    return found == windows.end() ? std::string() : found->second.className;
}

std::string HeadlessDesktop::windowText(WindowHandle window) {
    const auto found = windows.find(window);
    return found == windows.end() ? std::string() : found->second.text;
}

Rect HeadlessDesktop::windowRect(WindowHandle window) {
    const auto found = windows.find(window);
    return found == windows.end() ? Rect{} : found->second.rect;
}

void HeadlessDesktop::moveWindow(WindowHandle window, Rect place) {
    moves.emplace_back(window, place);
    if (const auto found = windows.find(window); found != windows.end()) found->second.rect = place;
}

void HeadlessDesktop::sleepMilliseconds(int milliseconds) {
    sleeps.push_back(milliseconds);
    if (onSleep) onSleep(static_cast<int>(sleeps.size()));
}

bool HeadlessDesktop::startWorker(std::function<void()> work) {
    workers.push_back(std::move(work));
    return true;
}

void HeadlessDesktop::runWorkers() {
    while (!workers.empty()) {
        auto work = std::move(workers.front());
        workers.pop_front();
        work();
    }
}

int HeadlessFileDialogs::showFileDialog(FileDialogCall& call) {
    calls.push_back(call);
    if (whileShown) whileShown();
    if (answers.empty() || !answers.front()) {
        if (!answers.empty()) answers.pop_front();
        return 0;
    }
    const std::string chosen = *answers.front();
    answers.pop_front();
    call.fileBuffer.assign(chosen);
    call.fileBuffer.append(2, '\0');
    return 1;
}

}  // namespace cuepad::platform
