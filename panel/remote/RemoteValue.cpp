#include "RemoteValue.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kTop = 255;
constexpr double kLevelFloor = -127.0;
constexpr double kGainFloor = -21.0;
constexpr double kGainSpan = 45.0;

bool isSwitchWord(const std::string& text, bool& on) {
    if (text == "on" || text == "true") {
        on = true;
        return true;
    }
    if (text == "off" || text == "false") {
        on = false;
        return true;
    }
    return false;
}

// The decimal number at the start of the text and what follows it, or none.
std::optional<double> leadingNumber(const std::string& text, std::string& rest) {
    const char* begin = text.c_str();
    char* end = nullptr;
    const double number = std::strtod(begin, &end);
    const std::string digits(begin, static_cast<const char*>(end));
    if (end == begin || digits.find_first_not_of("+-.0123456789") != std::string::npos ||
        !std::isfinite(number))
        return std::nullopt;
    rest = end;
    return number;
}

std::string lowered(std::string text) {
    for (char& c : text)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string number(double value) {
    char text[32];
    if (value == std::floor(value))
        std::snprintf(text, sizeof text, "%+.0f dB", value);
    else
        std::snprintf(text, sizeof text, "%+.1f dB", value);
    return value == 0.0 ? "0 dB" : text;
}

std::string pan(int value) {
    if (value == 128)
        return "centre";
    const bool left = value < 128;
    const double share = left ? (128 - value) * 100.0 / 128.0 : (value - 128) * 100.0 / 127.0;
    return std::to_string(int(std::lround(share))) + (left ? " % left" : " % right");
}

}  // namespace

std::optional<int> RemoteValue::fromRaw(const RemoteControl& control, double raw) {
    if (!std::isfinite(raw))
        return std::nullopt;
    if (control.kind == RemoteControl::Switch) {
        if (raw != 0.0 && raw != 1.0)
            return std::nullopt;
        return int(raw);
    }
    const double whole = std::round(raw);
    if (whole < 0.0 || whole > kTop)
        return std::nullopt;
    return int(whole);
}

// A fader's decibel is (value >> 1) - 127: each has two values, and the upper
// one is taken so that 0 dB is the fader's top.
std::optional<int> RemoteValue::fromDecibels(const RemoteControl& control, double db) {
    if (!control.hasDecibels() || !std::isfinite(db))
        return std::nullopt;
    if (control.kind == RemoteControl::Level) {
        const double whole = std::round(db);
        if (whole < kLevelFloor || whole > 0.0)
            return std::nullopt;
        return int(2.0 * (whole - kLevelFloor)) + 1;
    }
    const double halves = std::round(db * 2.0) / 2.0;
    if (halves < kGainFloor || halves > kGainFloor + kGainSpan)
        return std::nullopt;
    // The panel shows a gain cut down to its half decibel: of the two values
    // around the exact one, the one that shows the decibels asked for.
    const double exact = (halves - kGainFloor) * kTop / kGainSpan;
    for (const double value : {std::ceil(exact), std::floor(exact)})
        if (value <= kTop && toDecibels(control, int(value)) == halves)
            return int(value);
    return std::nullopt;
}

// Gains are shown in half decibels, as the panel's own readout does.
double RemoteValue::toDecibels(const RemoteControl& control, int value) {
    if (control.kind == RemoteControl::Level)
        return double((value >> 1) - 127);
    const int whole = value * int(kGainSpan) / kTop + int(kGainFloor);
    const double fraction = value * kGainSpan / kTop + kGainFloor - whole;
    return whole + (fraction > 0.25 && fraction < 0.75 ? 0.5 : 0.0);
}

std::optional<int> RemoteValue::parse(const RemoteControl& control, const std::string& text) {
    const std::string word = lowered(text);
    bool on = false;
    if (control.kind == RemoteControl::Switch && isSwitchWord(word, on))
        return on ? 1 : 0;
    std::string rest;
    const std::optional<double> value = leadingNumber(word, rest);
    if (!value)
        return std::nullopt;
    if (rest.empty())
        return fromRaw(control, *value);
    if (rest == "db" || rest == " db")
        return fromDecibels(control, *value);
    return std::nullopt;
}

std::string RemoteValue::describe(const RemoteControl& control, int value) {
    switch (control.kind) {
    case RemoteControl::Switch: return value != 0 ? "on" : "off";
    case RemoteControl::Pan: return pan(value);
    case RemoteControl::Level:
    case RemoteControl::Gain: break;
    }
    return number(toDecibels(control, value));
}
