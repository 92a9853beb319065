#include "ValueText.h"

#include <cmath>

namespace ValueText {

namespace {

// "+12.5 dB", "0 dB", "-20 dB": whole decibels without a decimal.
juce::String decibels(double db) {
    juce::String number = db == std::floor(db) ? juce::String(int(db)) : juce::String(db, 1);
    return (db > 0 ? "+" : "") + number + " dB";
}

// Display back to the level unit (-20 ln of the word), then to decibels.
double displayDecibels(double display) {
    const double level = 256.0 * (display / 255.0) * (display / 255.0);
    return -level / std::log(10.0);
}

}  // namespace

juce::String gain(double value) {
    int v = int(value);
    int whole = v * 45 / 255 - 21;
    double fraction = (v * 45.0 / 255.0 - 21.0) - whole;
    bool half = fraction > 0.25 && fraction < 0.75;
    return decibels(whole + (half ? 0.5 : 0.0));
}

juce::String level(double value) {
    return decibels((int(value) >> 1) - 127);
}

juce::String pan(double value) {
    int v = int(value);
    if (v == 128)
        return "centre";
    if (v < 128)
        return juce::String(juce::roundToInt((128 - v) * 100.0 / 128.0)) + " % left";
    return juce::String(juce::roundToInt((v - 128) * 100.0 / 127.0)) + " % right";
}

juce::String panShort(double value) {
    const juce::String words = pan(value);
    if (words == "centre")
        return "C";
    const juce::String percent = words.upToFirstOccurrenceOf(" % ", false, false);
    return (words.endsWith("left") ? "L " : "R ") + percent + " %";
}

juce::String onOff(bool on) {
    return on ? "on" : "off";
}

juce::String peak(double display) {
    if (!(display < 255.0))
        return {};
    const int db = int(std::round(displayDecibels(display)));
    return juce::String(db == 0 ? 0 : db);
}

juce::String meter(double display, bool clipped) {
    juce::String text;
    if (!(display < 255.0)) {
        text = "silent";
    } else {
        double db = std::round(displayDecibels(display) * 10.0) / 10.0;
        text = juce::String(db == 0.0 ? 0.0 : db, 1) + " dB";
    }
    return clipped ? text + ", clip" : text;
}

}  // namespace ValueText
