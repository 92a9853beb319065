#include "VirtualDisplay.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <chrono>
#include <fstream>
#include <poll.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr int kStartMs = 10000;

// No menu on the desktop and no task bar: a click that misses a window that
// is being minimised must not start anything or end the window manager.
const char kWindowManagerConfig[] =
    "<?xml version=\"1.0\"?>\n"
    "<JWM>\n"
    "    <FocusModel>click</FocusModel>\n"
    "</JWM>\n";

// Reads the display number that Xvfb writes to its -displayfd once it listens.
std::string readDisplayNumber(int fd) {
    std::string number;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kStartMs);
    while (std::chrono::steady_clock::now() < deadline) {
        pollfd wait{fd, POLLIN, 0};
        if (::poll(&wait, 1, 100) <= 0)
            continue;
        char c;
        if (::read(fd, &c, 1) != 1 || c == '\n')
            break;
        number += c;
    }
    return number;
}

bool windowManagerRuns(Display* display) {
    const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", False);
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    const int status = XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False,
                                          XA_WINDOW, &type, &format, &count, &after, &data);
    const bool found = status == Success && data != nullptr && count == 1;
    if (data != nullptr)
        XFree(data);
    return found;
}

}  // namespace

std::string VirtualDisplay::start(const std::vector<std::string>& env, const std::string& logFile) {
    int pipe[2];
    if (::pipe(pipe) != 0)
        return "";
    const bool started = server_.start({"Xvfb", "-displayfd", std::to_string(pipe[1]), "-screen",
                                        "0", "1280x1024x24", "-nolisten", "tcp", "-noreset"},
                                       env, logFile);
    ::close(pipe[1]);
    const std::string number = started ? readDisplayNumber(pipe[0]) : "";
    ::close(pipe[0]);
    return number.empty() ? "" : ":" + number;
}

bool VirtualDisplay::startWindowManager(const std::string& display,
                                        const std::vector<std::string>& env,
                                        const std::string& configFile, const std::string& logFile) {
    std::ofstream(configFile) << kWindowManagerConfig;
    if (!windowManager_.start({"jwm", "-f", configFile}, env, logFile))
        return false;
    Display* x = XOpenDisplay(display.c_str());
    if (x == nullptr)
        return false;
    bool found = false;
    for (int waited = 0; !found && waited < kStartMs && windowManager_.running(); waited += 100) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        found = windowManagerRuns(x);
    }
    XCloseDisplay(x);
    return found;
}
