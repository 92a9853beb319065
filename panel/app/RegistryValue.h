#pragma once
#include <juce_core/juce_core.h>

// One string value of the per-user registry, named by its whole path such as
// "HKEY_CURRENT_USER\Software\Brantel\Lumora": the key is the text before the
// last backslash, the value's name the text after it. On Windows JUCE's
// registry helpers serve; elsewhere the platform layer's registry.
class RegistryValue {
public:
    explicit RegistryValue(juce::String path) : path_(std::move(path)) {}
    // One of the panel's own values beside the knob motion's:
    // "HKEY_CURRENT_USER\Software\Brantel\Lumora <name>".
    static RegistryValue panelValue(const char* name) {
        return RegistryValue(juce::String("HKEY_CURRENT_USER\\Software\\Brantel\\Lumora ") + name);
    }

    // The stored text, or the fallback when the key or the value is missing,
    // is not a string or cannot be read.
    juce::String read(const juce::String& fallback) const;
    // Stores the text as a string with its terminating zero, creating the key.
    bool write(const juce::String& text) const;

private:
    juce::String path_;
};
