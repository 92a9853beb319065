#include "XWindowState.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstdint>
#include <functional>

namespace {

// The atoms of a window's property, or none.
bool readAtoms(Display* display, ::Window window, const char* name,
               const std::function<bool(Atom)>& found) {
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    const Atom property = XInternAtom(display, name, False);
    bool result = false;
    if (XGetWindowProperty(display, window, property, 0, 64, False, AnyPropertyType, &type, &format,
                           &count, &after, &data) == Success &&
        data != nullptr) {
        const auto* atoms = reinterpret_cast<const unsigned long*>(data);
        for (unsigned long i = 0; i < count && !result; ++i)
            result = found(Atom(atoms[i]));
    }
    if (data != nullptr)
        XFree(data);
    return result;
}

}  // namespace

bool XWindowState::windowManagerRuns() {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr)
        return false;
    const bool runs = readAtoms(display, DefaultRootWindow(display), "_NET_SUPPORTING_WM_CHECK",
                                [](Atom) { return true; });
    XCloseDisplay(display);
    return runs;
}

bool XWindowState::isAbove(void* nativeWindow) {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr)
        return false;
    const Atom above = XInternAtom(display, "_NET_WM_STATE_ABOVE", False);
    const bool result = readAtoms(display, ::Window(reinterpret_cast<uintptr_t>(nativeWindow)),
                                  "_NET_WM_STATE", [above](Atom atom) { return atom == above; });
    XCloseDisplay(display);
    return result;
}
