#pragma once
#include <juce_core/juce_core.h>

// The scale the desktop asks of its programs. JUCE finds some of it itself (the
// XSETTINGS scaling factor, GNOME's setting, the monitor's density); on X the
// desktop also says it through GDK_SCALE and the Xft.dpi resource, read here.
// On Windows JUCE follows each monitor's scale alone and this is 1.
namespace DesktopScale {

// GDK_SCALE when it is a whole number from 1 up, else Xft.dpi / 96 when that is
// at least 96, else 1.
double fromSettings(const juce::String& gdkScale, const juce::String& xftDpi);
// The scale of this desktop.
double read();

}  // namespace DesktopScale
