#include "DesktopScale.h"

#include <X11/Xlib.h>

namespace {

// The Xft.dpi line of the resources the desktop loaded into the X server.
juce::String xftDpi() {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr)
        return {};
    juce::String dpi;
    if (const char* resources = XResourceManagerString(display))
        for (const juce::String& line : juce::StringArray::fromLines(resources))
            if (line.upToFirstOccurrenceOf(":", false, false).trim() == "Xft.dpi")
                dpi = line.fromFirstOccurrenceOf(":", false, false);
    XCloseDisplay(display);
    return dpi;
}

}  // namespace

double DesktopScale::read() {
    return fromSettings(juce::SystemStats::getEnvironmentVariable("GDK_SCALE", {}), xftDpi());
}
