// Dragging a file onto a window from outside Wine: the driver's side of the XDND helper
// (xdnd_file_drag, started by run-opening), spoken through request and answer files in a
// folder the two share. The helper drags the way a desktop file manager does, so the program
// receives the drop through Wine's own drag and drop.
#pragma once

#include <windows.h>

#include <chrono>
#include <string>

namespace cuepad::e2e {

class FileDrag {
public:
    // `folder` is the shared folder's Windows path; empty when there is no helper.
    explicit FileDrag(std::wstring folder);

    // Whether the helper said it is ready. `why` tells what is missing when it is not.
    bool available() const { return available_; }
    const std::string& why() const { return why_; }

    // Moves the file over a screen point and waits for the window there to accept or refuse
    // it; "accepted", or what went wrong.
    std::string hover(POINT screen, const std::wstring& path);

    // Lets go of the file over the window. Returns at once: the drop itself is asynchronous.
    bool release();

    // The helper's word on the last drop ("finished", or what went wrong), waited for.
    std::string releaseOutcome(std::chrono::milliseconds timeout);

private:
    bool request(const wchar_t* name, const std::string& text);
    std::string awaitAnswer(const wchar_t* name, std::chrono::milliseconds timeout);

    std::wstring folder_;
    bool available_ = false;
    std::string why_;
    std::string lastError_;
};

}  // namespace cuepad::e2e
