#include "PanelWindow.h"

#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>

namespace {

const char* const kWindowName = "LUMORA 1394 Control Panel";
constexpr int kSearchDepth = 4;

// Windows come and go while the session looks at them: an error about a
// window that has just gone is expected, not fatal.
int ignoreXError(Display*, XErrorEvent*) {
    return 0;
}

void pause(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

}  // namespace

PanelWindow::~PanelWindow() {
    if (display_ != nullptr)
        XCloseDisplay(display_);
}

bool PanelWindow::open(const std::string& display) {
    XSetErrorHandler(ignoreXError);
    display_ = XOpenDisplay(display.c_str());
    int event, error, major, minor;
    return display_ != nullptr && XTestQueryExtension(display_, &event, &error, &major, &minor);
}

// The name's bytes, whatever type JUCE gave the property (STRING or UTF8_STRING).
bool PanelWindow::hasPanelName(Window window) {
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    const bool read =
        XGetWindowProperty(display_, window, XA_WM_NAME, 0, 64, False, AnyPropertyType, &type,
                           &format, &count, &after, &data) == Success;
    const bool same = read && data != nullptr && format == 8 &&
                      std::string(reinterpret_cast<char*>(data), count) == kWindowName;
    if (data != nullptr)
        XFree(data);
    return same;
}

// A window manager puts the panel's window inside a frame of its own: look
// a few levels down.
Window PanelWindow::search(Window parent, int depth) {
    Window root, up, found = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (XQueryTree(display_, parent, &root, &up, &children, &count) == 0)
        return 0;
    for (unsigned i = count; i-- > 0 && found == 0;) {
        if (hasPanelName(children[i]))
            found = children[i];
        else if (depth > 0)
            found = search(children[i], depth - 1);
    }
    if (children != nullptr)
        XFree(children);
    return found;
}

bool PanelWindow::find() {
    window_ = search(DefaultRootWindow(display_), kSearchDepth);
    return window_ != 0;
}

int PanelWindow::width() {
    XWindowAttributes attributes;
    return find() && XGetWindowAttributes(display_, window_, &attributes) ? attributes.width : 0;
}

int PanelWindow::height() {
    XWindowAttributes attributes;
    return find() && XGetWindowAttributes(display_, window_, &attributes) ? attributes.height : 0;
}

long PanelWindow::wmState() {
    const Atom state = XInternAtom(display_, "WM_STATE", False);
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    long value = -1;
    if (XGetWindowProperty(display_, window_, state, 0, 2, False, state, &type, &format, &count,
                           &after, &data) == Success &&
        data != nullptr && count > 0 && format == 32)
        value = reinterpret_cast<long*>(data)[0];
    if (data != nullptr)
        XFree(data);
    return value;
}

bool PanelWindow::isMinimised() {
    XWindowAttributes attributes;
    if (!find() || !XGetWindowAttributes(display_, window_, &attributes))
        return false;
    return wmState() == IconicState || attributes.map_state != IsViewable;
}

void PanelWindow::restore() {
    if (!find())
        return;
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window_;
    event.xclient.message_type = XInternAtom(display_, "_NET_ACTIVE_WINDOW", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = 2;  // from a pager: the window manager obeys
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display_, DefaultRootWindow(display_), False,
               SubstructureRedirectMask | SubstructureNotifyMask, &event);
    XMapRaised(display_, window_);
    sync();
    for (int waited = 0; waited < 2000 && isMinimised(); waited += 50)
        pause(50);
}

bool PanelWindow::keepOnScreen() {
    XWindowAttributes attributes;
    if (!find() || !XGetWindowAttributes(display_, window_, &attributes))
        return false;
    int x, y;
    Window child;
    const Window root = DefaultRootWindow(display_);
    XTranslateCoordinates(display_, window_, root, 0, 0, &x, &y, &child);
    const int screenWidth = DisplayWidth(display_, DefaultScreen(display_));
    const int screenHeight = DisplayHeight(display_, DefaultScreen(display_));
    const int onX = std::clamp(x, 0, std::max(0, screenWidth - attributes.width));
    const int onY = std::clamp(y, 0, std::max(0, screenHeight - attributes.height));
    if (onX == x && onY == y)
        return false;
    XMoveWindow(display_, window_, onX, onY);
    sync();
    pause(200);
    return true;
}

void PanelWindow::moveTo(int x, int y) {
    if (!find())
        return;
    int rootX, rootY;
    Window child;
    XTranslateCoordinates(display_, window_, DefaultRootWindow(display_), x, y, &rootX, &rootY,
                          &child);
    XTestFakeMotionEvent(display_, -1, rootX, rootY, CurrentTime);
    sync();
}

void PanelWindow::press(int button) {
    XTestFakeButtonEvent(display_, unsigned(button), True, CurrentTime);
    sync();
}

void PanelWindow::release(int button) {
    XTestFakeButtonEvent(display_, unsigned(button), False, CurrentTime);
    sync();
}

void PanelWindow::click(int x, int y, int button) {
    moveTo(x, y);
    pause(20);
    press(button);
    pause(40);
    release(button);
}

void PanelWindow::doubleClick(int x, int y) {
    click(x, y, 1);
    pause(60);
    press(1);
    pause(30);
    release(1);
}

void PanelWindow::tapKeycode(unsigned keycode, const std::vector<KeySym>& modifiers) {
    for (KeySym modifier : modifiers)
        XTestFakeKeyEvent(display_, XKeysymToKeycode(display_, modifier), True, CurrentTime);
    XTestFakeKeyEvent(display_, keycode, True, CurrentTime);
    XTestFakeKeyEvent(display_, keycode, False, CurrentTime);
    for (auto modifier = modifiers.rbegin(); modifier != modifiers.rend(); ++modifier)
        XTestFakeKeyEvent(display_, XKeysymToKeycode(display_, *modifier), False, CurrentTime);
    sync();
}

void PanelWindow::key(const std::string& name) {
    std::vector<KeySym> modifiers;
    std::string rest = name;
    for (bool more = true; more;) {
        more = false;
        for (const auto& [prefix, modifier] :
             {std::pair{"shift+", XK_Shift_L}, {"ctrl+", XK_Control_L}})
            if (rest.rfind(prefix, 0) == 0) {
                modifiers.push_back(modifier);
                rest = rest.substr(std::string(prefix).size());
                more = true;
            }
    }
    const KeySym symbol = XStringToKeysym(rest.c_str());
    const unsigned keycode = symbol == NoSymbol ? 0 : XKeysymToKeycode(display_, symbol);
    if (keycode != 0)
        tapKeycode(keycode, modifiers);
}

// Printable ASCII characters are their own key symbols; those on a key's
// second level need Shift.
void PanelWindow::type(const std::string& text) {
    for (char c : text) {
        const KeySym symbol = KeySym(static_cast<unsigned char>(c));
        const unsigned keycode = XKeysymToKeycode(display_, symbol);
        if (keycode == 0)
            continue;
        const bool shifted = XkbKeycodeToKeysym(display_, KeyCode(keycode), 0, 0) != symbol;
        tapKeycode(keycode, shifted ? std::vector<KeySym>{XK_Shift_L} : std::vector<KeySym>{});
        pause(15);
    }
}

void PanelWindow::sync() {
    XSync(display_, False);
}

std::string PanelWindow::describe() {
    XWindowAttributes attributes;
    if (!find() || !XGetWindowAttributes(display_, window_, &attributes))
        return "no window";
    int x, y;
    Window child;
    XTranslateCoordinates(display_, window_, DefaultRootWindow(display_), 0, 0, &x, &y, &child);
    char text[160];
    std::snprintf(text, sizeof text, "window 0x%lx at %d,%d, %dx%d, %s, WM_STATE %ld",
                  static_cast<unsigned long>(window_), x, y, attributes.width, attributes.height,
                  attributes.map_state == IsViewable ? "viewable" : "not viewable", wmState());
    return text;
}

bool PanelWindow::saveScreen(const std::string& path) {
    const int width = DisplayWidth(display_, DefaultScreen(display_));
    const int height = DisplayHeight(display_, DefaultScreen(display_));
    XImage* image = XGetImage(display_, DefaultRootWindow(display_), 0, 0, unsigned(width),
                              unsigned(height), AllPlanes, ZPixmap);
    if (image == nullptr)
        return false;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "wb"),
                                                         std::fclose);
    bool written =
        file != nullptr && std::fprintf(file.get(), "P6\n%d %d\n255\n", width, height) > 0;
    for (int y = 0; written && y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const unsigned long pixel = XGetPixel(image, x, y);
            const unsigned char rgb[3] = {static_cast<unsigned char>(pixel >> 16),
                                          static_cast<unsigned char>(pixel >> 8),
                                          static_cast<unsigned char>(pixel)};
            written = std::fwrite(rgb, 1, 3, file.get()) == 3 && written;
        }
    }
    XDestroyImage(image);
    return written;
}

std::vector<unsigned long> PanelWindow::pixels(int x, int y, int width, int height) {
    std::vector<unsigned long> result;
    if (!find())
        return result;
    XImage* image =
        XGetImage(display_, window_, x, y, unsigned(width), unsigned(height), AllPlanes, ZPixmap);
    if (image == nullptr)
        return result;
    for (int row = 0; row < height; ++row)
        for (int column = 0; column < width; ++column)
            result.push_back(XGetPixel(image, column, row));
    XDestroyImage(image);
    return result;
}
