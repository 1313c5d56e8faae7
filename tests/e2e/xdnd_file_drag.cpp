// A Linux-side helper of the opening driver: drags a file onto an X window with the XDND
// protocol, the way a desktop file manager does, so a Wine program receives a real drop. Built
// and started by tests/e2e/run-opening (g++ ... -lX11), it serves the driver through files.
//
// Usage: xdnd_file_drag FOLDER
// The driver writes FOLDER/hover ("X Y" on the first line, the file's Unix path on the second):
// the helper enters the window under the root point X, Y, offers the file and answers in
// FOLDER/hovering ("accepted", or why not). The driver then writes FOLDER/release: the helper
// drops the file and answers in FOLDER/released ("finished", or why not). FOLDER/stop ends the
// helper. Each file is written under a temporary name and renamed, so it is read whole; the
// helper writes FOLDER/ready once it is connected to the display.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <poll.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kAnswerTimeout = std::chrono::seconds(5);
constexpr auto kLifetime = std::chrono::minutes(20);  // in case the run script dies first

std::string folder;

std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void answer(const std::string& name, const std::string& text) {
    const std::string temporary = folder + "/." + name + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << text << "\n";
    }
    std::rename(temporary.c_str(), (folder + "/" + name).c_str());
}

// file:// with every byte outside the unreserved set and "/" written as %XX.
std::string fileUri(const std::string& path) {
    static const char digits[] = "0123456789ABCDEF";
    std::string uri = "file://";
    for (const char byte : path) {
        const auto c = static_cast<unsigned char>(byte);
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                           c == '-' || c == '_' || c == '.' || c == '~' || c == '/';
        if (plain) {
            uri += static_cast<char>(c);
        } else {
            uri += '%';
            uri += digits[c >> 4];
            uri += digits[c & 15];
        }
    }
    return uri + "\r\n";
}

class Dragger {
public:
    explicit Dragger(Display* display)
        : display_(display),
          root_(DefaultRootWindow(display)),
          source_(XCreateSimpleWindow(display, root_, 0, 0, 1, 1, 0, 0, 0)),
          aware_(atom("XdndAware")),
          selection_(atom("XdndSelection")),
          enter_(atom("XdndEnter")),
          position_(atom("XdndPosition")),
          status_(atom("XdndStatus")),
          leave_(atom("XdndLeave")),
          drop_(atom("XdndDrop")),
          finished_(atom("XdndFinished")),
          copy_(atom("XdndActionCopy")),
          uriList_(atom("text/uri-list")),
          targets_(atom("TARGETS")) {}

    // Enters the top-level window under the root point and moves the file over the point.
    std::string hover(int x, int y, const std::string& path) {
        if (target_ != None) leave();
        uri_ = fileUri(path);
        int childX = 0;
        int childY = 0;
        Window child = None;
        XTranslateCoordinates(display_, root_, root_, x, y, &childX, &childY, &child);
        if (child == None) return "no window under the point";
        const long version = awareVersion(child);
        if (version < 0) return "the window under the point takes no drops (no XdndAware)";
        target_ = child;
        XSetSelectionOwner(display_, selection_, source_, CurrentTime);
        send(enter_, (version < 5 ? version : 5) << 24, static_cast<long>(uriList_), None);
        send(position_, 0, (static_cast<long>(x) << 16) | y, CurrentTime, static_cast<long>(copy_));
        const XClientMessageEvent* status = waitFor(status_);
        if (status == nullptr) return "no XdndStatus from the window";
        if ((status->data.l[1] & 1) == 0) {
            leave();
            return "the window refused the file";
        }
        return "accepted";
    }

    // Drops the file entered by the last hover.
    std::string release() {
        if (target_ == None) return "nothing was hovering";
        send(drop_, 0, CurrentTime, 0);
        const XClientMessageEvent* done = waitFor(finished_);
        target_ = None;
        return done != nullptr ? "finished" : "no XdndFinished from the window";
    }

    // Answers requests for the dragged data while nothing else is waited for.
    void serveEvents() {
        while (XPending(display_) > 0) handle();
    }

private:
    Atom atom(const char* name) { return XInternAtom(display_, name, False); }

    long awareVersion(Window window) {
        Atom type = None;
        int format = 0;
        unsigned long count = 0;
        unsigned long after = 0;
        unsigned char* data = nullptr;
        long version = -1;
        if (XGetWindowProperty(display_, window, aware_, 0, 1, False, AnyPropertyType, &type, &format, &count, &after,
                               &data) == Success &&
            data != nullptr && count == 1 && format == 32) {
            version = *reinterpret_cast<long*>(data);
        }
        if (data != nullptr) XFree(data);
        return version;
    }

    void send(Atom message, long l1, long l2, long l3, long l4 = 0) {
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = target_;
        event.xclient.message_type = message;
        event.xclient.format = 32;
        event.xclient.data.l[0] = static_cast<long>(source_);
        event.xclient.data.l[1] = l1;
        event.xclient.data.l[2] = l2;
        event.xclient.data.l[3] = l3;
        event.xclient.data.l[4] = l4;
        XSendEvent(display_, target_, False, NoEventMask, &event);
        XFlush(display_);
    }

    void leave() {
        send(leave_, 0, 0, 0);
        target_ = None;
    }

    // Handles events until a client message of `type` arrives or the deadline passes.
    const XClientMessageEvent* waitFor(Atom type) {
        const auto deadline = Clock::now() + kAnswerTimeout;
        while (Clock::now() < deadline) {
            if (XPending(display_) == 0) {
                pollfd connection{ConnectionNumber(display_), POLLIN, 0};
                poll(&connection, 1, 10);
                continue;
            }
            if (handle() == type) return &last_.xclient;
        }
        return nullptr;
    }

    // One event: data requests are answered; returns the type of a client message, else None.
    Atom handle() {
        XNextEvent(display_, &last_);
        if (last_.type == SelectionRequest) {
            answerRequest(last_.xselectionrequest);
            return None;
        }
        return last_.type == ClientMessage ? last_.xclient.message_type : None;
    }

    void answerRequest(const XSelectionRequestEvent& request) {
        XEvent reply{};
        reply.xselection.type = SelectionNotify;
        reply.xselection.requestor = request.requestor;
        reply.xselection.selection = request.selection;
        reply.xselection.target = request.target;
        reply.xselection.time = request.time;
        reply.xselection.property = None;
        const Atom property = request.property != None ? request.property : request.target;
        if (request.target == uriList_) {
            XChangeProperty(display_, request.requestor, property, uriList_, 8, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(uri_.data()), static_cast<int>(uri_.size()));
            reply.xselection.property = property;
        } else if (request.target == targets_) {
            const long offered[] = {static_cast<long>(targets_), static_cast<long>(uriList_)};
            XChangeProperty(display_, request.requestor, property, XA_ATOM, 32, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(offered), 2);
            reply.xselection.property = property;
        }
        XSendEvent(display_, request.requestor, False, NoEventMask, &reply);
        XFlush(display_);
    }

    Display* display_;
    Window root_;
    Window source_;
    Atom aware_, selection_, enter_, position_, status_, leave_, drop_, finished_, copy_, uriList_, targets_;
    Window target_ = None;
    std::string uri_;
    XEvent last_{};
};

bool exists(const std::string& name) { return access((folder + "/" + name).c_str(), F_OK) == 0; }

std::string take(const std::string& name) {
    const std::string path = folder + "/" + name;
    std::string text = slurp(path);
    unlink(path.c_str());
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: xdnd_file_drag FOLDER\n");
        return 2;
    }
    folder = argv[1];
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "xdnd_file_drag: cannot open the display\n");
        return 1;
    }
    const int watch = inotify_init1(IN_NONBLOCK);
    if (watch < 0 || inotify_add_watch(watch, folder.c_str(), IN_MOVED_TO | IN_CLOSE_WRITE) < 0) {
        std::fprintf(stderr, "xdnd_file_drag: cannot watch %s\n", folder.c_str());
        return 1;
    }
    Dragger dragger(display);
    answer("ready", "ready");

    const auto end = Clock::now() + kLifetime;
    while (Clock::now() < end) {
        pollfd sources[2] = {{watch, POLLIN, 0}, {ConnectionNumber(display), POLLIN, 0}};
        poll(sources, 2, 1000);
        if ((sources[0].revents & POLLIN) != 0) {
            char events[4096];
            while (read(watch, events, sizeof events) > 0) {
            }
        }
        dragger.serveEvents();
        if (exists("stop")) break;
        if (exists("hover")) {
            std::istringstream request(take("hover"));
            int x = 0;
            int y = 0;
            std::string path;
            request >> x >> y;
            request.ignore(1);
            std::getline(request, path);
            answer("hovering", dragger.hover(x, y, path));
        }
        if (exists("release")) {
            take("release");
            answer("released", dragger.release());
        }
    }
    XCloseDisplay(display);
    return 0;
}
