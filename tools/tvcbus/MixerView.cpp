#include "MixerView.h"

#include "SimAudioSubunit.h"

#include <cstdio>
#include <ostream>
#include <string>

namespace {

uint16_t raw(int slot, const std::string& key) {
    return SimAudioSubunit::storedValue(slot, key);
}

std::string decibels(double value) {
    char text[16];
    std::snprintf(text, sizeof text, "%+.1f dB", value);
    return text;
}

// Faders: whole decibels in the high byte, -127 meaning silence.
std::string level(int slot, const std::string& key) {
    int8_t high = int8_t(raw(slot, key) >> 8);
    return high <= -127 ? std::string("-inf dB") : decibels(high);
}

// Preamp and line gains: half-decibel steps, the low byte 0x80 adding 0.5.
std::string gain(int slot, const std::string& key) {
    uint16_t value = raw(slot, key);
    return decibels(int8_t(value >> 8) + ((value & 0xFF) == 0x80 ? 0.5 : 0.0));
}

std::string pan(int slot, const std::string& key) {
    int position = 127 - int8_t(raw(slot, key) >> 8);
    std::string where = position < 128 ? "left" : position > 128 ? "right" : "centre";
    return "pan " + std::to_string(position) + " (" + where + ")";
}

const char* onOff(bool on) {
    return on ? "on" : "off";
}

std::string mute(int slot, const std::string& key) {
    return std::string("mute ") + onOff(raw(slot, key) == 0x70);
}

void printStrip(std::ostream& out, int slot, int strip) {
    std::string block = std::to_string(strip + 2);
    out << "  Strip " << strip << ": link " << onOff(raw(slot, "Link" + std::to_string(strip)))
        << "\n";
    for (const char* side : {"1", "2"}) {
        std::string suffix = block + "." + side;
        out << "    " << (side[0] == '1' ? "left " : "right") << "  fader "
            << level(slot, "Volume" + suffix) << ", " << pan(slot, "Balance" + suffix) << ", "
            << mute(slot, "Mute" + suffix) << "\n";
    }
}

}  // namespace

void MixerView::print(std::ostream& out, int slot) {
    out << "Unit " << slot << " mixer\n";
    for (int preamp = 1; preamp <= 2; ++preamp) {
        std::string n = std::to_string(preamp);
        out << "  Mic/Inst " << n << ": gain " << gain(slot, "Volume1." + n) << ", 48 V "
            << onOff(raw(slot, "Phantom" + n)) << ", boost " << onOff(raw(slot, "Boost" + n))
            << ", limiter " << onOff(raw(slot, "Limiter" + n)) << "\n";
    }
    out << "  Line in: gain left " << gain(slot, "Volume2.1") << ", right "
        << gain(slot, "Volume2.2") << "; phono " << onOff(raw(slot, "Phono")) << "\n";
    printStrip(out, slot, 1);
    printStrip(out, slot, 2);
    out << "  Playback: fader " << level(slot, "Volume5.0") << ", " << mute(slot, "Mute5.0")
        << "\n";
    out << "  Main: fader " << level(slot, "Volume6.0") << ", " << mute(slot, "Mute6.0")
        << "; mix bypass " << onOff(raw(slot, "MixBypass")) << "\n";
    out << "  Headphones: " << level(slot, "Volume7.0") << "\n";
}
