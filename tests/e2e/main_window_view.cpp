// Finding cuepad's controls by their form names.
#include "main_window_view.hpp"

#include "remote_window.hpp"

namespace cuepad::e2e {

MainWindowView viewOf(HANDLE process, HWND window) {
    MainWindowView view;
    view.window = window;
    for (HWND child : childWindows(window)) {
        if (GetParent(child) != window) continue;
        const auto name = remoteStringProperty(process, child, L"cuepad.name");
        if (!name) continue;
        bool known = false;
        for (std::size_t i = 0; i < kExpectedControls.size(); ++i) {
            if (*name == fromGbk(kExpectedControls[i].formName)) {
                view.controls[i] = child;
                known = true;
            }
        }
        if (!known) view.unknownNames.push_back(*name);
    }
    return view;
}

}  // namespace cuepad::e2e
