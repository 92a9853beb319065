#include "DesktopScale.h"

double DesktopScale::fromSettings(const juce::String& gdkScale, const juce::String& xftDpi) {
    const juce::String gdk = gdkScale.trim();
    if (gdk.isNotEmpty() && gdk.containsOnly("0123456789") && gdk.getIntValue() >= 1)
        return gdk.getIntValue();
    const juce::String dpi = xftDpi.trim();
    if (dpi.isNotEmpty() && dpi.containsOnly("0123456789.") && dpi.getDoubleValue() >= 96.0)
        return dpi.getDoubleValue() / 96.0;
    return 1.0;
}
