// The contract suite's backend hooks for the in-memory toolkit: every hook reads or arranges the
// state that the headless controls already keep for tests.
#include "contract/backend.hpp"

#include "platform/headless/headless_toolkit.hpp"

namespace cuepad::testing {

Backend makeBackend() {
    auto toolkit = std::make_unique<platform::HeadlessToolkit>();
    auto user = std::make_unique<platform::HeadlessUser>(*toolkit);
    return {std::move(toolkit), std::move(user)};
}

void chooseOnNextShow(Backend&, platform::PopupMenu& menu, int item) {
    static_cast<platform::HeadlessPopupMenu&>(menu).answer = item;
}

std::vector<InputBoxShown> shownInputBoxes(Backend& backend) {
    std::vector<InputBoxShown> shown;
    for (const auto& box : static_cast<platform::HeadlessToolkit&>(*backend.toolkit).inputBoxes) {
        shown.push_back({box.caption, box.prompt, box.initialText});
    }
    return shown;
}

bool showsHandPointer(Backend&, platform::Label& label) {
    return static_cast<platform::HeadlessLabel&>(label).handPointer;
}

}  // namespace cuepad::testing
